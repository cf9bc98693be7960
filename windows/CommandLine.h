// Reading the saver's command line: skipping the program's name, finding
// the switch letter the desktop's screen-saver host gave, and reading the
// window number that follows it. Pure functions, without Windows.
#pragma once

#include <cstdint>

enum class SaverMode {
    Configure,       // the settings dialog
    FullScreen,
    Preview,         // inside the host's preview window
    ChangePassword,
    Unrecognised,
};

struct SwitchScan {
    SaverMode mode;
    bool ownedByForeground;  // Configure: owned by the window in the foreground
    const char* rest;        // Preview and ChangePassword: where the window number starts
};

// The command tail after the program's name and the blanks and control
// characters after it. A quoted name runs to its closing quote; a
// double-byte character's second byte is never taken for a quote.
const char* SkipProgramName(const char* commandLine, bool (*isLeadByte)(unsigned char));

// The first significant byte decides: blanks, dashes and slashes are
// skipped; S, P or L, C, A in either case choose the mode; anything else,
// a tab included, is unrecognised; the end of the text configures.
SwitchScan ScanSwitch(const char* tail);

// The decimal digits at the start of the text, wrapping modulo 2^32.
std::uint32_t ReadDecimal(const char* text);
