// Parsing NAME=VALUE settings and the numbers of a command line.
#include "settings/SettingOptions.h"

#include "settings/StoredValues.h"

const char* const setOptionUsage =
    "                   a settings value in its stored form, decimal or 0x-hex:\n"
    "                   RadiusFactor (percent), ImagesPerSec, JoinTheDots, ObjectShape,\n"
    "                   ObjectRotation, ColourOption, ZoomOption, EndDelay; also size,\n"
    "                   rate, connect, shape, rotation, colour, zoom, delay\n";

namespace {

struct Alias {
    const char* alias;
    StoredValue value;
};

constexpr Alias aliases[] = {
    {"size", StoredValue::RadiusFactor},       {"rate", StoredValue::ImagesPerSec},
    {"connect", StoredValue::JoinTheDots},     {"shape", StoredValue::ObjectShape},
    {"rotation", StoredValue::ObjectRotation}, {"colour", StoredValue::ColourOption},
    {"zoom", StoredValue::ZoomOption},         {"delay", StoredValue::EndDelay},
};

bool FindValueName(const std::string& name, StoredValue& value)
{
    if (FindStoredValue(name.c_str(), value)) return true;
    for (const Alias& alias : aliases) {
        if (name == alias.alias) {
            value = alias.value;
            return true;
        }
    }
    return false;
}

int DigitValue(char c, int base)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool ParseWholeNumber(const std::string& text, unsigned long long limit, bool allowHex, unsigned long long& value)
{
    const bool hex = allowHex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const int base = hex ? 16 : 10;
    if (digits.empty() || digits.size() > 20) return false;
    value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return false;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > limit) return false;
    }
    return true;
}

bool ParseStoredNumber(const std::string& text, std::uint32_t& value)
{
    unsigned long long parsed;
    if (!ParseWholeNumber(text, 0xFFFFFFFFull, true, parsed)) return false;
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

bool ApplySetOption(const std::string& assignment, SaverSettings& settings, std::string& error)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
        error = "--set: '" + assignment + "' is not NAME=VALUE";
        return false;
    }
    const std::string name = assignment.substr(0, equals);
    const std::string number = assignment.substr(equals + 1);
    StoredValue value;
    if (!FindValueName(name, value)) {
        error = "--set: unknown value name '" + name +
                "' (RadiusFactor, ImagesPerSec, JoinTheDots, ObjectShape, ObjectRotation, "
                "ColourOption, ZoomOption, EndDelay)";
        return false;
    }
    std::uint32_t stored;
    if (!ParseStoredNumber(number, stored)) {
        error = "--set: " + name + " value '" + number + "' is no unsigned 32-bit number";
        return false;
    }
    ApplyStoredValue(settings, value, stored);
    return true;
}
