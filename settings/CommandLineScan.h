// The command-line scanner every Gyrelace program shares: one dash or two
// before a name, its value after '=' or as the next argument. It takes the
// options every program has (--help, --seed and the settings options, whose
// stored numbers become the settings, checked as a load checks them, at the
// end) and hands each of the program's own options to the program in turn.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "settings/SettingOptions.h"

struct OwnOption {
    const char* name;  // without dashes
    bool takesValue;
};

// What every program's command line gives.
struct SharedOptions {
    bool help = false;  // --help or -h: the scan stopped there
    bool seedGiven = false;
    std::uint32_t seed = 0;
    SaverSettings settings;
};

class CommandLineScan {
public:
    CommandLineScan(int argc, const char* const* argv, std::span<const OwnOption> own, SharedOptions& shared);

    // Moves to the program's next own option. False at the end (the settings
    // are then in place), after --help, or with Error() naming a problem.
    bool Next();
    const std::string& Name() const { return name_; }
    const std::string& Value() const { return value_; }

    // Ends the scan with a problem of the current option's value: "--NAME:
    // 'VALUE' " and the words. Returns false.
    bool Refuse(const std::string& words);
    // Ends the scan with a problem in words of the caller's own.
    bool Fail(const std::string& error);
    const std::string& Error() const { return error_; }

    // The usage lines of --seed, --set and the settings options.
    static std::string SharedUsage();

private:
    bool TakeShared();

    int argc_;
    const char* const* argv_;
    int next_ = 1;
    std::span<const OwnOption> own_;
    SharedOptions& shared_;
    StoredNumbers numbers_;
    std::string name_, value_, error_;
};
