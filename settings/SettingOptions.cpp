// Parsing and explaining the settings options, by the settings table.
#include "settings/SettingOptions.h"

#include <algorithm>
#include <climits>

#include "settings/StoredValues.h"

namespace {

// A stored settings number: decimal, or hexadecimal after 0x, 32 bits.
bool ParseStoredNumber(const std::string& text, std::uint32_t& value)
{
    unsigned long long parsed;
    if (!ParseWholeNumber(text, 0xFFFFFFFFull, true, parsed)) return false;
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

// The row an option name sets, and the choice for a switch of a set or a
// choice; negated for a "no-" form, which only flags and sets have.
struct FoundOption {
    const SettingRow* row = nullptr;
    const SettingChoice* choice = nullptr;
    bool negated = false;
};

bool Negatable(const SettingRow& row) { return row.kind == SettingKind::Flag || row.kind == SettingKind::BitSet; }

FoundOption FindOption(const std::string& name)
{
    FoundOption found;
    found.negated = name.rfind("no-", 0) == 0;
    const std::string positive = found.negated ? name.substr(3) : name;
    for (const SettingRow& row : settingsTable) {
        if (found.negated && !Negatable(row)) continue;
        found.row = &row;
        if (row.option != nullptr && positive == row.option) return found;
        for (const SettingChoice& choice : row.choices) {
            found.choice = &choice;
            if (positive == choice.option) return found;
        }
        found.choice = nullptr;
    }
    return FoundOption{};
}

bool FindValueName(const std::string& name, StoredValue& value)
{
    if (FindStoredValue(name.c_str(), value)) return true;
    for (const SettingRow& row : settingsTable) {
        if (name == row.alias) {
            value = row.value;
            return true;
        }
    }
    return false;
}

bool ApplySetOption(const std::string& assignment, StoredNumbers& numbers, std::string& error)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos) {
        error = "--set: '" + Abridged(assignment) + "' is not NAME=VALUE";
        return false;
    }
    const std::string name = assignment.substr(0, equals);
    const std::string number = assignment.substr(equals + 1);
    StoredValue value;
    if (!FindValueName(name, value)) {
        std::string names;
        for (const SettingRow& row : settingsTable) names += (names.empty() ? "" : ", ") + std::string(row.name);
        error = "--set: unknown value name '" + Abridged(name) + "' (" + names + ")";
        return false;
    }
    if (!ParseStoredNumber(number, numbers[static_cast<std::size_t>(value)])) {
        error = "--set: " + name + " value '" + Abridged(number) + "' is no unsigned 32-bit number";
        return false;
    }
    return true;
}

int DigitValue(char c, int base)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Words wrapped into lines of 79 columns, each after the first starting at
// column `indent`.
void AppendWrapped(std::string& text, const std::string& words, std::size_t indent = usageColumn)
{
    constexpr std::size_t width = 79;
    std::size_t column = text.size() - (text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    std::size_t start = 0;
    while (start < words.size()) {
        std::size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        const std::size_t length = end - start;
        if (column > indent && column + 1 + length > width) {
            text.append(1, '\n').append(indent, ' ');
            column = indent;
        } else if (column > indent) {
            text += ' ';
            ++column;
        }
        text.append(words, start, length);
        column += length;
        start = end + 1;
    }
    text += '\n';
}

// The options of a set or a choice, wrapped: "--[no-]circle --[no-]square ...".
std::string ChoiceOptions(const SettingRow& row)
{
    std::string options;
    for (const SettingChoice& choice : row.choices) {
        if (!options.empty()) options += row.kind == SettingKind::OneOf ? " | " : " ";
        options += (row.kind == SettingKind::BitSet ? "--[no-]" : "--") + std::string(choice.option);
    }
    std::string text = "  ";
    AppendWrapped(text, options, 2);
    return text;
}

// A setting's default as its usage text names it.
std::string DefaultWords(const SettingRow& row)
{
    switch (row.kind) {
    case SettingKind::Number:
        return std::to_string(row.low) + ".." + std::to_string(row.high) + " (" + std::to_string(row.defaultStored) + ")";
    case SettingKind::Flag:
        return row.defaultStored != 0 ? "(on)" : "(off)";
    case SettingKind::BitSet:
    case SettingKind::OneOf:
        break;
    }
    std::string names = "(";
    for (const SettingChoice& choice : row.choices) {
        const bool chosen = row.kind == SettingKind::BitSet ? (row.defaultStored & choice.value) != 0
                                                            : row.defaultStored == choice.value;
        if (!chosen) continue;
        if (names.size() > 1) names += ", ";
        names += choice.option;
    }
    names += names.size() > 1 ? ")" : "none)";
    return names;
}

// A decimal number with an optional minus sign, held to +-10^10 (beyond
// any stored number) so that it cannot overflow.
bool ParseLenientNumber(const std::string& text, long long& value)
{
    const bool negative = text.rfind('-', 0) == 0;
    const std::string digits = negative ? text.substr(1) : text;
    if (digits.empty()) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = std::min(value * 10 + (c - '0'), 10'000'000'000LL);
    }
    if (negative) value = -value;
    return true;
}

// A number as the stored form of its row: a signed row's 32 bits read as a
// signed number, an unsigned one's as unsigned, each held to what they hold.
std::uint32_t StoredOfNumber(const SettingRow& row, long long number)
{
    if (row.isSigned) {
        return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::clamp<long long>(number, INT32_MIN, INT32_MAX)));
    }
    return static_cast<std::uint32_t>(std::clamp<long long>(number, 0, UINT32_MAX));
}

std::uint32_t ChoiceBits(const SettingRow& row)
{
    std::uint32_t bits = 0;
    for (const SettingChoice& choice : row.choices) bits |= choice.value;
    return bits;
}

// A stored number that a load would change, mended; an empty set is left
// as it is, since a later switch may fill it.
bool MendOutOfRange(const SettingRow& row, std::uint32_t& stored)
{
    const std::uint32_t mended = row.kind == SettingKind::BitSet ? stored & ChoiceBits(row) : MendStored(row.value, stored);
    if (mended == stored) return false;
    stored = mended;
    return true;
}

}  // namespace

std::string Abridged(const std::string& text)
{
    std::size_t end = 0;
    for (int characters = 0; end < text.size() && characters < abridgedLength; ++characters) {
        do ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
    }
    return end == text.size() ? text : text.substr(0, end) + "\u2026";
}

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

StoredNumbers StoredNumbersOf(const SaverSettings& settings)
{
    StoredNumbers numbers{};
    for (const SettingRow& row : settingsTable) numbers[static_cast<std::size_t>(row.value)] = StoredFormOf(settings, row.value);
    return numbers;
}

void ApplyStoredNumbers(SaverSettings& settings, const StoredNumbers& numbers)
{
    for (const SettingRow& row : settingsTable) ApplyStoredValue(settings, row.value, numbers[static_cast<std::size_t>(row.value)]);
}

SettingOptionKind FindSettingOption(const std::string& name)
{
    if (name == "set") return SettingOptionKind::TakesValue;
    const FoundOption found = FindOption(name);
    if (found.row == nullptr) return SettingOptionKind::NotSetting;
    return found.row->kind == SettingKind::Number ? SettingOptionKind::TakesValue : SettingOptionKind::Switch;
}

bool ApplySettingOption(const std::string& name, const std::string& argument, StoredNumbers& numbers,
                        std::string& error)
{
    if (name == "set") return ApplySetOption(argument, numbers, error);
    const FoundOption found = FindOption(name);
    if (found.row == nullptr) {
        error = "unknown option '--" + Abridged(name) + "'";
        return false;
    }
    const SettingRow& row = *found.row;
    std::uint32_t& stored = numbers[static_cast<std::size_t>(row.value)];
    unsigned long long number;
    switch (row.kind) {
    case SettingKind::Number:
        if (!ParseWholeNumber(argument, row.high, false, number) || number < row.low) {
            error = "--" + name + ": '" + Abridged(argument) + "' is not a whole number of " + std::to_string(row.low) + ".." +
                    std::to_string(row.high);
            return false;
        }
        stored = static_cast<std::uint32_t>(number);
        break;
    case SettingKind::Flag:
        stored = found.negated ? 0 : 1;
        break;
    case SettingKind::BitSet:
        stored = found.negated ? stored & ~found.choice->value : stored | found.choice->value;
        break;
    case SettingKind::OneOf:
        stored = found.choice->value;
        break;
    }
    return true;
}

LenientOutcome ApplySettingOptionLeniently(const std::string& name, const std::string& argument, bool hasArgument,
                                           StoredNumbers& numbers, std::string& notice)
{
    const std::string given = Abridged(hasArgument ? name + "=" + argument : name);
    const SettingOptionKind kind = FindSettingOption(name);
    const FoundOption found = FindOption(name);
    std::string why;
    if (kind == SettingOptionKind::NotSetting) {
        why = "no such setting";
    } else if (kind == SettingOptionKind::Switch && hasArgument) {
        why = "takes no value";
    } else if (kind == SettingOptionKind::TakesValue && argument.empty()) {
        why = "needs a value";
    }
    StoredNumbers changed = numbers;
    long long number = 0;
    if (why.empty() && found.row != nullptr && found.row->kind == SettingKind::Number) {
        if (ParseLenientNumber(argument, number)) {
            changed[static_cast<std::size_t>(found.row->value)] = StoredOfNumber(*found.row, number);
        } else {
            why = "not a whole number";
        }
    } else if (why.empty() && !ApplySettingOption(name, argument, changed, why)) {
        why = why.substr(why.find(": ") + 2);
    }
    if (!why.empty()) {
        notice = given + " ignored: " + why;
        return LenientOutcome::Ignored;
    }
    LenientOutcome outcome = LenientOutcome::Taken;
    for (const SettingRow& row : settingsTable) {
        std::uint32_t& stored = changed[static_cast<std::size_t>(row.value)];
        const bool mended = MendOutOfRange(row, stored);
        const long long kept = row.isSigned ? static_cast<std::int32_t>(stored) : static_cast<long long>(stored);
        if (!mended && !(&row == found.row && row.kind == SettingKind::Number && kept != number)) continue;
        const std::string range = std::to_string(row.low) + ".." + std::to_string(row.high);
        notice = given + " is out of range" + (row.kind == SettingKind::Number ? " " + range : std::string()) + ": " +
                 std::to_string(kept) + " used";
        outcome = LenientOutcome::Mended;
    }
    numbers = changed;
    return outcome;
}

std::string UsageLine(const std::string& option, const std::string& words)
{
    std::string text = "  " + option;
    text += text.size() < usageColumn ? std::string(usageColumn - text.size(), ' ') : "\n" + std::string(usageColumn, ' ');
    AppendWrapped(text, words);
    return text;
}

std::string SettingsUsage()
{
    std::string names;
    for (const SettingRow& row : settingsTable) names += std::string(" ") + row.name + " (" + row.alias + "),";
    names.back() = '.';
    std::string text = UsageLine("--set NAME=VALUE", "a settings value in its stored form, decimal or 0x-hex; NAME is" + names);
    for (const SettingRow& row : settingsTable) {
        const std::string words = std::string(row.help) + " " + DefaultWords(row);
        switch (row.kind) {
        case SettingKind::Number:
            text += UsageLine("--" + std::string(row.option) + " " + row.argument, std::string(row.help) + ", " + DefaultWords(row));
            break;
        case SettingKind::Flag:
            text += UsageLine("--[no-]" + std::string(row.option), words);
            break;
        case SettingKind::BitSet:
        case SettingKind::OneOf:
            text += ChoiceOptions(row) + std::string(usageColumn, ' ');
            AppendWrapped(text, words);
            break;
        }
    }
    return text;
}
