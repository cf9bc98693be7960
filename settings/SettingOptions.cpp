// Parsing settings options and the numbers of a command line.
#include "settings/SettingOptions.h"

const char* const setOptionUsage =
    "                   a settings value in its stored form, decimal or 0x-hex:\n"
    "                   RadiusFactor (percent), ImagesPerSec, JoinTheDots, ObjectShape,\n"
    "                   ObjectRotation, ColourOption, ZoomOption, EndDelay; also size,\n"
    "                   rate, connect, shape, rotation, colour, zoom, delay\n";

const char* const settingOptionUsage =
    "  --object-size PERCENT      stamp radius, share of the smaller side, 0..500 (8)\n"
    "  --points-per-second N      1..1000 (50)\n"
    "  --completion-delay SECONDS a finished figure stays 0..60 (1)\n"
    "  --[no-]connect-dots        join the points with lines (off)\n"
    "  --[no-]circle --[no-]square --[no-]triangle --[no-]star4 --[no-]diamond\n"
    "  --[no-]pyramid --[no-]star6 --[no-]star8\n"
    "                             the shapes a figure may stamp (circle)\n"
    "  --[no-]still --[no-]clockwise --[no-]anticlockwise\n"
    "                             how stamps may turn (still)\n"
    "  --colour-high | --colour-medium | --colour-low\n"
    "                             how dark the colour may get (high)\n"
    "  --[no-]zoom-low --[no-]zoom-medium --[no-]zoom-high --[no-]zoom-very-high\n"
    "  --[no-]zoom-1-phase --[no-]zoom-2-phase --[no-]zoom-4-phase\n"
    "  --[no-]zoom-start-small --[no-]zoom-start-large  (all off)\n";

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

// A number option takes low..high; a switch replaces the bits in `clear`
// with those in `set`, and its no- form clears the bits in `set`.
struct SettingOption {
    const char* name;
    StoredValue value;
    bool number;
    std::uint32_t clear, set;  // a switch's bits
    std::uint32_t low, high;   // a number's range
    bool negatable;
};

constexpr std::uint32_t everyBit = 0xFFFFFFFF;

constexpr SettingOption Number(const char* name, StoredValue value, std::uint32_t low, std::uint32_t high)
{
    return {name, value, true, 0, 0, low, high, false};
}
constexpr SettingOption Bit(const char* name, StoredValue value, std::uint32_t bit) { return {name, value, false, 0, bit, 0, 0, true}; }
constexpr SettingOption Choice(const char* name, StoredValue value, std::uint32_t stored, bool negatable)
{
    return {name, value, false, everyBit, stored, 0, 0, negatable};
}

constexpr SettingOption settingOptions[] = {
    Number("object-size", StoredValue::RadiusFactor, 0, maxRadiusPercent),
    Number("points-per-second", StoredValue::ImagesPerSec, 1, maxImagesPerSec),
    Number("completion-delay", StoredValue::EndDelay, 0, maxEndDelay),
    Choice("connect-dots", StoredValue::JoinTheDots, 1, true),
    Bit("circle", StoredValue::ObjectShape, ShapeCircle),
    Bit("square", StoredValue::ObjectShape, ShapeSquare),
    Bit("triangle", StoredValue::ObjectShape, ShapeTriangle),
    Bit("star4", StoredValue::ObjectShape, ShapeStar4),
    Bit("diamond", StoredValue::ObjectShape, ShapeDiamond),
    Bit("pyramid", StoredValue::ObjectShape, ShapePyramid),
    Bit("star6", StoredValue::ObjectShape, ShapeStar6),
    Bit("star8", StoredValue::ObjectShape, ShapeStar8),
    Bit("still", StoredValue::ObjectRotation, RotationNone),
    Bit("clockwise", StoredValue::ObjectRotation, RotationClockwise),
    Bit("anticlockwise", StoredValue::ObjectRotation, RotationAntiClockwise),
    Choice("colour-high", StoredValue::ColourOption, ColourHigh, false),
    Choice("colour-medium", StoredValue::ColourOption, ColourMedium, false),
    Choice("colour-low", StoredValue::ColourOption, ColourLow, false),
    Bit("zoom-low", StoredValue::ZoomOption, ZoomLow),
    Bit("zoom-medium", StoredValue::ZoomOption, ZoomMedium),
    Bit("zoom-high", StoredValue::ZoomOption, ZoomHigh),
    Bit("zoom-very-high", StoredValue::ZoomOption, ZoomVeryHigh),
    Bit("zoom-1-phase", StoredValue::ZoomOption, ZoomPhase1),
    Bit("zoom-2-phase", StoredValue::ZoomOption, ZoomPhase2),
    Bit("zoom-4-phase", StoredValue::ZoomOption, ZoomPhase4),
    Bit("zoom-start-small", StoredValue::ZoomOption, ZoomStartSmall),
    Bit("zoom-start-large", StoredValue::ZoomOption, ZoomStartLarge),
};

// The option of this name, or of its positive form when `negated`.
const SettingOption* FindOption(const std::string& name, bool& negated)
{
    negated = name.rfind("no-", 0) == 0;
    const std::string positive = negated ? name.substr(3) : name;
    for (const SettingOption& option : settingOptions) {
        if (positive == option.name && (!negated || option.negatable)) return &option;
    }
    return nullptr;
}

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

StoredNumbers StoredNumbersOf(const SaverSettings& settings)
{
    StoredNumbers numbers{};
    for (int i = 0; i < storedValueCount; ++i) numbers[static_cast<std::size_t>(i)] = StoredFormOf(settings, static_cast<StoredValue>(i));
    return numbers;
}

void ApplyStoredNumbers(SaverSettings& settings, const StoredNumbers& numbers)
{
    for (int i = 0; i < storedValueCount; ++i) ApplyStoredValue(settings, static_cast<StoredValue>(i), numbers[static_cast<std::size_t>(i)]);
}

bool ApplySetOption(const std::string& assignment, StoredNumbers& numbers, std::string& error)
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
    if (!ParseStoredNumber(number, numbers[static_cast<std::size_t>(value)])) {
        error = "--set: " + name + " value '" + number + "' is no unsigned 32-bit number";
        return false;
    }
    return true;
}

SettingOptionKind FindSettingOption(const std::string& name)
{
    bool negated;
    if (name == "set") return SettingOptionKind::TakesValue;
    const SettingOption* option = FindOption(name, negated);
    if (option == nullptr) return SettingOptionKind::NotSetting;
    return option->number ? SettingOptionKind::TakesValue : SettingOptionKind::Switch;
}

bool ApplySettingOption(const std::string& name, const std::string& argument, StoredNumbers& numbers,
                        std::string& error)
{
    if (name == "set") return ApplySetOption(argument, numbers, error);
    bool negated;
    const SettingOption* option = FindOption(name, negated);
    if (option == nullptr) {
        error = "unknown option '--" + name + "'";
        return false;
    }
    std::uint32_t& stored = numbers[static_cast<std::size_t>(option->value)];
    if (!option->number) {
        stored = negated ? stored & ~option->set : (stored & ~option->clear) | option->set;
        return true;
    }
    unsigned long long number;
    if (!ParseWholeNumber(argument, option->high, false, number) || number < option->low) {
        error = "--" + name + ": '" + argument + "' is not a whole number of " + std::to_string(option->low) + ".." +
                std::to_string(option->high);
        return false;
    }
    stored = static_cast<std::uint32_t>(number);
    return true;
}
