// Writes docs/settings.md, the settings reference, from the settings table:
// each setting's registry value, its range and default, how a stored value
// out of range is mended, and the options and address items that set it.
// A test checks that the committed file is what the table gives.
//   make_settings_doc FILE
#include <cstdio>
#include <string>

#include "settings/SettingsTable.h"

namespace {

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::string Number(std::uint32_t value, bool isSigned)
{
    return isSigned ? std::to_string(static_cast<std::int32_t>(value)) : std::to_string(value);
}

const char* ChoiceOf(const SettingRow& row, std::uint32_t value)
{
    for (const SettingChoice& choice : row.choices) {
        if (choice.value == value) return choice.option;
    }
    return "none";
}

// The range, the default and the mending of a stored value out of range.
std::string Range(const SettingRow& row)
{
    switch (row.kind) {
    case SettingKind::Number: {
        std::string text = std::to_string(row.low) + "–" + std::to_string(row.high) + ", default " +
                           std::to_string(row.defaultStored) + "; above " + std::to_string(row.high) + " becomes " +
                           std::to_string(row.high);
        if (row.low > 0) text += ", " + std::to_string(row.low - 1) + " becomes " + Number(row.below, false);
        if (row.isSigned) text += ", a negative number (the 32 bits are signed) becomes " + Number(row.below, false);
        return text;
    }
    case SettingKind::Flag:
        return "0 or 1, default " + std::to_string(row.defaultStored) + "; any other number becomes 0";
    case SettingKind::BitSet:
        return "any of the bits below, default " + Hex(row.defaultStored) + "; other bits are dropped, and none " +
               "left becomes " + Hex(row.fallback);
    case SettingKind::OneOf:
        return "one of the values below, default " + std::to_string(row.defaultStored) + "; any other becomes " +
               std::to_string(row.defaultStored);
    }
    return {};
}

std::string Options(const SettingRow& row)
{
    std::string text = "`--set " + std::string(row.name) + "=VALUE` (or `" + row.alias + "=VALUE`)";
    if (row.kind == SettingKind::Number) text += ", `--" + std::string(row.option) + " " + row.argument + "`";
    if (row.kind == SettingKind::Flag) text += ", `--" + std::string(row.option) + "`, `--no-" + row.option + "`";
    return text;
}

void Setting(std::FILE* out, const SettingRow& row)
{
    std::fprintf(out, "## `%s`: %s\n\n", row.name, row.help);
    std::fprintf(out, "- stored: %s\n- options: %s\n", Range(row).c_str(), Options(row).c_str());
    if (row.panelLabel != nullptr) std::fprintf(out, "- in the panels: \"%s\"\n", row.panelLabel);
    if (row.choices.empty()) {
        std::fputc('\n', out);
        return;
    }
    const bool bits = row.kind == SettingKind::BitSet;
    std::fprintf(out, "\n| %s | switch | in the panels |\n|---|---|---|\n", bits ? "bit" : "value");
    for (const SettingChoice& choice : row.choices) {
        const std::string value = bits ? Hex(choice.value) : std::to_string(choice.value);
        const std::string off = bits ? ", `--no-" + std::string(choice.option) + "`" : "";
        std::fprintf(out, "| %s | `--%s`%s | %s |\n", value.c_str(), choice.option, off.c_str(), choice.panelLabel);
    }
    if (row.kind == SettingKind::OneOf) std::fprintf(out, "\nThe default is `--%s`.\n", ChoiceOf(row, row.defaultStored));
    std::fputc('\n', out);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_settings_doc FILE\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fputs("# Settings\n\n"
               "Written by `tools/make_settings_doc.cpp` from `settings/SettingsTable.h`; a test checks that\n"
               "this file is what the table gives. Each setting is a `REG_DWORD` in the registry on Windows,\n"
               "read in this order; on Linux and in the page the same names and forms are options and\n"
               "address items (an address item is an option without its dashes: `#object-size=10&square`).\n"
               "A value out of range is mended as said, by every front end alike. The rate is kept as a\n"
               "whole-millisecond interval (1000 / N), so a rate of 400 comes back as 500.\n\n",
               out);
    for (const SettingRow& row : settingsTable) Setting(out, row);
    return std::fclose(out) == 0 ? 0 : 1;
}
