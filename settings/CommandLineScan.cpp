// Scanning a command line into the shared options and the program's own.
#include "settings/CommandLineScan.h"

CommandLineScan::CommandLineScan(int argc, const char* const* argv, std::span<const OwnOption> own,
                                 SharedOptions& shared)
    : argc_(argc), argv_(argv), own_(own), shared_(shared), numbers_(StoredNumbersOf(shared.settings))
{
}

bool CommandLineScan::Next()
{
    while (error_.empty() && !shared_.help && next_ < argc_) {
        const std::string given = argv_[next_++];
        const std::size_t dashes = given.rfind("--", 0) == 0 ? 2 : given.rfind('-', 0) == 0 ? 1 : 0;
        const auto equals = given.find('=');
        const bool hasValue = equals != std::string::npos;
        name_ = given.substr(dashes, hasValue ? equals - dashes : std::string::npos);
        value_ = hasValue ? given.substr(equals + 1) : std::string();

        const OwnOption* ownOption = nullptr;
        for (const OwnOption& option : own_) {
            if (name_ == option.name) ownOption = &option;
        }
        const SettingOptionKind setting = FindSettingOption(name_);
        const bool takesValue = name_ == "seed" || setting == SettingOptionKind::TakesValue ||
                                (ownOption != nullptr && ownOption->takesValue);
        const bool known = name_ == "help" || name_ == "h" || name_ == "seed" ||
                           setting != SettingOptionKind::NotSetting || ownOption != nullptr;
        if (dashes == 0 || !known) return Fail("unknown option '" + given.substr(0, equals) + "'");
        if (hasValue && !takesValue) return Fail("--" + name_ + " takes no value");
        if (takesValue && !hasValue) {
            if (next_ >= argc_) return Fail("--" + name_ + " needs a value");
            value_ = argv_[next_++];
        }
        if (ownOption != nullptr) return true;
        if (!TakeShared()) return false;
    }
    if (error_.empty()) ApplyStoredNumbers(shared_.settings, numbers_);
    return false;
}

bool CommandLineScan::TakeShared()
{
    if (name_ == "help" || name_ == "h") {
        shared_.help = true;
        return true;
    }
    if (name_ == "seed") {
        unsigned long long seed;
        if (!ParseWholeNumber(value_, 0xFFFFFFFFull, false, seed)) return Refuse("is no unsigned 32-bit number");
        shared_.seed = static_cast<std::uint32_t>(seed);
        shared_.seedGiven = true;
        return true;
    }
    std::string error;
    return ApplySettingOption(name_, value_, numbers_, error) || Fail(error);
}

bool CommandLineScan::Refuse(const std::string& words) { return Fail("--" + name_ + ": '" + value_ + "' " + words); }

bool CommandLineScan::Fail(const std::string& error)
{
    error_ = error;
    return false;
}

std::string CommandLineScan::SharedUsage()
{
    return UsageLine("--seed N", "the figures' seed, unsigned 32-bit (default: the current time)") + SettingsUsage();
}
