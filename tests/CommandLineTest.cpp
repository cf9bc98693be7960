// The saver's command line, case by case: the program name skipped, the
// switch that decides the mode, and the window number after it.
#include <gtest/gtest.h>

#include <cstring>

#include "windows/CommandLine.h"

namespace {

// Shift-JIS-like lead bytes, to check that a quote inside a double-byte
// character does not end a quoted program name.
bool FakeLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0x9F; }

TEST(CommandLine, SkipsTheProgramNameAndTheBlanksAfterIt)
{
    struct Case { const char* line; const char* tail; };
    const Case cases[] = {
        {"Gyrelace.scr /s", "/s"}, {"C:\\SAVER.SCR\t \x01/p 12", "/p 12"}, {"Gyrelace.scr", ""}, {"", ""},
        {"\"C:\\Program Files\\Gyrelace.scr\" /c:123", "/c:123"}, {"\"C:\\Program Files\\Gyrelace.scr\"/s", "/s"},
        {"\"C:\\unterminated /s", ""},
        {"\"C:\\\x81\"dir\\Gyrelace.scr\" /s", "/s"},  // 0x81 0x22 is one character
        {"\xE9t\xE9.scr /a", "/a"},                     // bytes above 0x7F belong to the name
    };
    for (const Case& c : cases) EXPECT_STREQ(SkipProgramName(c.line, FakeLeadByte), c.tail) << c.line;
}

TEST(CommandLine, TheFirstSignificantByteChoosesTheMode)
{
    using enum SaverMode;
    struct Case {
        const char* tail;
        SaverMode mode;
        const char* rest = nullptr;  // where a window number is read, for Preview and ChangePassword
        bool ownedByForeground = false;
    };
    const Case cases[] = {
        {"", Configure},      {" -/ -", Configure},      {"/s", FullScreen},            {"-S", FullScreen},
        {"s", FullScreen},    {"/-/ s", FullScreen},     {"/scr", FullScreen},          {"/p 1234", Preview, "1234"},
        {"/P1234", Preview, "1234"},  {"/p:1234", Preview, ":1234"},  {"/p", Preview, ""},  {"/l   77", Preview, "77"},
        {"/c", Configure, nullptr, true},  {"/c:1234", Configure, nullptr, true},  {"/a 1234", ChangePassword, "1234"},
        {"/a:1234", ChangePassword, ":1234"},  {"/\ts", Unrecognised},  {"/x", Unrecognised},  {"1", Unrecognised},
        {"\xD3", Unrecognised},
    };
    for (const Case& c : cases) {
        const SwitchScan scan = ScanSwitch(c.tail);
        EXPECT_EQ(scan.mode, c.mode) << c.tail;
        EXPECT_EQ(scan.ownedByForeground, c.ownedByForeground) << c.tail;
        if (c.rest != nullptr) { EXPECT_STREQ(scan.rest, c.rest) << c.tail; }
    }
}

TEST(CommandLine, ReadDecimalTakesLeadingDigitsAndWraps)
{
    struct Case { const char* text; std::uint32_t value; };
    const Case cases[] = {
        {"1234", 1234},   {"1234 5", 1234},         {":1234", 0},          {"", 0},
        {"-5", 0},        {"+5", 0},                {"0x10", 0},           {"4294967295", 4294967295u},
        {"4294967296", 0}, {"4294968530", 1234},    {"00042abc", 42},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadDecimal(c.text), c.value) << c.text;
}

}  // namespace
