// Settings edited by hand in the registry: whatever is stored, the saver
// neither crashes nor hangs, keeps drawing and closes on a key.
#include <functional>
#include <string>

#include "tests/windows/Harness.h"

namespace {

class Registry : public SaverTest {};

void WriteRaw(const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "software\\wexmoor\\lumo_ss\\Settings", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

TEST_F(Registry, HandEditedValuesNeverCrashOrHangTheSaver)
{
    const unsigned long long eightBytes = 0x0000000100000032ull;
    // A size of 500 % puts most of a figure's stamps outside the screen, so
    // only the other cases are sure to show pixels within a second.
    const struct {
        const char* what;
        bool surelyVisible;
        std::function<void()> write;
    } cases[] = {
        {"no settings key", true, [] {}},
        {"every value 0", true, [] {
             for (const char* name : {"RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape", "ObjectRotation",
                                      "ColourOption", "ZoomOption", "EndDelay"}) {
                 SetSetting(name, 0);
             }
         }},
        {"every value 0xFFFFFFFF", false, [] {
             for (const char* name : {"RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape", "ObjectRotation",
                                      "ColourOption", "ZoomOption", "EndDelay"}) {
                 SetSetting(name, 0xFFFFFFFF);
             }
         }},
        {"text values", true, [] {
             WriteRaw("ImagesPerSec", REG_SZ, "50", 3);
             WriteRaw("RadiusFactor", REG_SZ, "a long text value", 18);
             WriteRaw("ObjectShape", REG_SZ, "", 1);
         }},
        {"an 8-byte REG_QWORD", true, [&] {
             WriteRaw("ImagesPerSec", REG_QWORD, &eightBytes, 8);
             WriteRaw("EndDelay", REG_QWORD, &eightBytes, 8);
         }},
        {"a huge size with Connect Dots and every shape", false, [] {
             SetSetting("RadiusFactor", 500);
             SetSetting("JoinTheDots", 1);
             SetSetting("ObjectShape", 0x1FE);
             SetSetting("ZoomOption", 0x3FE);
             SetSetting("ImagesPerSec", 1000);
         }},
    };
    for (const auto& c : cases) {
        ResetSaverRegistry();
        c.write();
        SaverRun run(SaverCommand("/s"));
        HWND window = StartFullScreen(run);
        ASSERT_NE(window, nullptr) << c.what;
        PumpFor(1200);
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0) << c.what;
        if (c.surelyVisible) {
            EXPECT_GT(CaptureScreen().LitPixels(), 0) << c.what;
        }
        PressKey(window);
        EXPECT_EQ(run.WaitExit(5000), 0u) << c.what;
    }
}

}  // namespace
