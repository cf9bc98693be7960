// The command-tail scan and the window-number reader.
#include "windows/CommandLine.h"

namespace {

const char* SkipBlanks(const char* p)
{
    while (*p == ' ') ++p;
    return p;
}

}  // namespace

const char* SkipProgramName(const char* commandLine, bool (*isLeadByte)(unsigned char))
{
    const auto* p = reinterpret_cast<const unsigned char*>(commandLine);
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') {
            if (isLeadByte != nullptr && isLeadByte(*p) && p[1] != '\0') ++p;
            ++p;
        }
        if (*p == '"') ++p;
    } else {
        while (*p > 0x20) ++p;
    }
    while (*p >= 0x01 && *p <= 0x20) ++p;
    return reinterpret_cast<const char*>(p);
}

SwitchScan ScanSwitch(const char* tail)
{
    for (const char* p = tail;; ++p) {
        switch (*p) {
        case '\0': return {SaverMode::Configure, false, p};
        case ' ':
        case '-':
        case '/': continue;
        case 'S':
        case 's': return {SaverMode::FullScreen, false, p + 1};
        case 'P':
        case 'p':
        case 'L':
        case 'l': return {SaverMode::Preview, false, SkipBlanks(p + 1)};
        case 'C':
        case 'c': return {SaverMode::Configure, true, p + 1};
        case 'A':
        case 'a': return {SaverMode::ChangePassword, false, SkipBlanks(p + 1)};
        default: return {SaverMode::Unrecognised, false, p};
        }
    }
}

std::uint32_t ReadDecimal(const char* text)
{
    std::uint32_t value = 0;
    for (const char* p = text; *p >= '0' && *p <= '9'; ++p) value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    return value;
}
