// The installer run silently, as an administrator's script would: where it
// puts the saver, what it registers, when it selects it, that it never
// replaces a running saver, and what its uninstaller removes and leaves. The
// setup and its uninstaller are 32-bit programs, slow to start where those are
// emulated, so it is one test whose steps share the runs they can: five.
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/windows/Harness.h"

namespace {

constexpr const char* uninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Gyrelace";
constexpr const char* desktopKey = "Control Panel\\Desktop";
constexpr const char* otherSaver = "C:\\windows\\system32\\other.scr";
constexpr DWORD inUse = 32;        // ERROR_SHARING_VIOLATION
constexpr DWORD runLimitMs = 900000;  // an emulated 32-bit program takes about a minute to start

std::string Installed() { return SystemDirectoryFile("Gyrelace.scr"); }

std::string Uninstaller()
{
    char folder[MAX_PATH];
    ExpandEnvironmentStringsA("%ProgramW6432%\\Gyrelace", folder, MAX_PATH);
    return std::string(folder) + "\\Uninstall.exe";
}

DWORD RunToEnd(const std::string& program, const std::string& arguments)
{
    SaverRun run("\"" + program + "\" " + arguments, program);
    EXPECT_TRUE(run.Started()) << program << ": error " << run.StartError();
    return run.WaitExit(runLimitMs);
}

DWORD RunSetup(const char* arguments) { return RunToEnd(std::getenv("GYRELACE_SETUP"), arguments); }

std::string Bytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A text value; "-" when it is missing.
std::string Text(HKEY root, const char* key, const char* name) { return ReadText(root, key, name, "-"); }

void SetDesktopText(const char* name, const char* text)
{
    WriteValue(desktopKey, name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

bool Gone(const std::string& path) { return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; }

// The uninstaller run in place (one program, which waits and gives its
// result), without the window or the key it removes; it leaves its own file,
// which goes after it.
DWORD UninstallInPlace()
{
    const std::string folder = Uninstaller().substr(0, Uninstaller().rfind('\\'));
    const DWORD result = RunToEnd(Uninstaller(), "/S _?=" + folder);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key), ERROR_SUCCESS) << "the key is gone";
    DeleteFileA(Uninstaller().c_str());
    RemoveDirectoryA(folder.c_str());
    return result;
}

class Installer : public SaverTest {
protected:
    void SetUp() override
    {
        SaverTest::SetUp();
        SetDesktopText("SCRNSAVE.EXE", otherSaver);
        SetDesktopText("ScreenSaveActive", "0");
        SetSetting("EndDelay", 3);
    }
};

TEST_F(Installer, InstallsQuietlySelectsOnlyWhenAskedNeverReplacesARunningSaverAndUninstallsWithoutATrace)
{
    ASSERT_EQ(RunSetup("/S"), 0u);
    EXPECT_EQ(Bytes(Installed()), Bytes(SaverPath())) << "the x86_64 saver, in the 64-bit system folder";
    const std::string quoted = "\"" + Uninstaller() + "\"";
    const struct {
        const char* name;
        std::string text;
    } texts[] = {
        {"DisplayName", "Gyrelace screen saver"}, {"DisplayVersion", GYRELACE_VERSION},
        {"DisplayIcon", Installed() + ",0"},      {"UninstallString", quoted},
        {"QuietUninstallString", quoted + " /S"},
    };
    for (const auto& t : texts) EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, uninstallKey, t.name), t.text) << t.name;
    for (const char* name : {"NoModify", "NoRepair"}) EXPECT_EQ(ReadNumber(HKEY_LOCAL_MACHINE, uninstallKey, name, 0), 1u);
    EXPECT_GE(ReadNumber(HKEY_LOCAL_MACHINE, uninstallKey, "EstimatedSize", 0), (Bytes(Installed()).size() + 1023) / 1024);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, desktopKey, "SCRNSAVE.EXE"), otherSaver) << "silent, the saver stays";
    EXPECT_EQ(Text(HKEY_CURRENT_USER, desktopKey, "ScreenSaveActive"), "0");

    EXPECT_EQ(UninstallInPlace(), 0u);
    EXPECT_TRUE(Gone(Installed()));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, desktopKey, "SCRNSAVE.EXE"), otherSaver) << "another saver stays";

    ASSERT_EQ(RunSetup("/S /select"), 0u);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, desktopKey, "SCRNSAVE.EXE"), Installed());
    EXPECT_EQ(Text(HKEY_CURRENT_USER, desktopKey, "ScreenSaveActive"), "1");

    {
        FullScreenRun saver("\"" + Installed() + "\" /s", Installed());
        EXPECT_EQ(RunSetup("/S"), inUse) << "a running saver's file is never replaced";
        EXPECT_TRUE(saver.Running());
        EXPECT_EQ(saver.CloseWithAKey(StartLimitMs()), 0u);
    }

    // Apps & features runs the QuietUninstallString above, which hands over
    // to a copy of NSIS's own making; its work is this one's.
    EXPECT_EQ(UninstallInPlace(), 0u);
    EXPECT_TRUE(Gone(Installed()));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, desktopKey, "SCRNSAVE.EXE"), "-") << "no saver rather than a missing file";
    EXPECT_EQ(StoredSetting("EndDelay"), 3u) << "the settings are kept";
}

}  // namespace
