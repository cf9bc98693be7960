// Writes gyrelace.xml, the display mode's settings panel for xscreensaver,
// from the settings table: a slider per number, a menu per choice, a check
// box per flag and per bit of a set, each writing the option that the
// display mode takes, with the same range and default. Run at build time.
#include <cstdio>
#include <string>

#include "settings/SettingsTable.h"

namespace {

std::string Escaped(const char* text)
{
    std::string escaped;
    for (; *text != '\0'; ++text) {
        switch (*text) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += *text; break;
        }
    }
    return escaped;
}

// A check box that is on by default writes the option's no- form when
// cleared; one that is off writes the option when ticked.
void Boolean(std::FILE* out, const char* id, const char* label, const char* option, bool on)
{
    std::fprintf(out, "    <boolean id=\"%s\" _label=\"%s\" %s=\"--%s%s\"/>\n", id, Escaped(label).c_str(),
                 on ? "arg-unset" : "arg-set", on ? "no-" : "", option);
}

void Setting(std::FILE* out, const SettingRow& row)
{
    switch (row.kind) {
    case SettingKind::Number:
        std::fprintf(out,
                     "    <number id=\"%s\" type=\"slider\" arg=\"--%s %%\"\n"
                     "            _label=\"%s\" _low-label=\"%s\" _high-label=\"%s\"\n"
                     "            low=\"%u\" high=\"%u\" default=\"%u\"/>\n",
                     row.alias, row.option, Escaped(row.panelLabel).c_str(), Escaped(row.panelLowLabel).c_str(),
                     Escaped(row.panelHighLabel).c_str(), row.low, row.high, row.defaultStored);
        break;
    case SettingKind::Flag:
        Boolean(out, row.alias, row.panelLabel, row.option, row.defaultStored == 1);
        break;
    case SettingKind::OneOf:
        std::fprintf(out, "    <select id=\"%s\">\n", row.alias);
        for (const SettingChoice& choice : row.choices) {
            std::fprintf(out, "      <option id=\"%s\" _label=\"%s\"", choice.option, Escaped(choice.panelLabel).c_str());
            if (choice.value != row.defaultStored) std::fprintf(out, " arg-set=\"--%s\"", choice.option);
            std::fputs("/>\n", out);
        }
        std::fputs("    </select>\n", out);
        break;
    case SettingKind::BitSet:
        for (const SettingChoice& choice : row.choices) {
            Boolean(out, choice.option, choice.panelLabel, choice.option, (row.defaultStored & choice.value) != 0);
        }
        break;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::FILE* out = argc == 2 ? std::fopen(argv[1], "w") : nullptr;
    if (out == nullptr) {
        std::fprintf(stderr, "usage: make_panel FILE.xml\n");
        return 2;
    }
    std::fputs("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n\n"
               "<screensaver name=\"gyrelace\" _label=\"Gyrelace\">\n\n"
               "  <command arg=\"--root\"/>\n\n"
               "  <hgroup>\n   <vgroup>\n", out);
    // The numbers, the choices and the flags in the first column, each set in one of its own.
    for (const SettingRow& row : settingsTable) {
        if (row.kind != SettingKind::BitSet) Setting(out, row);
    }
    for (const SettingRow& row : settingsTable) {
        if (row.kind != SettingKind::BitSet) continue;
        std::fputs("   </vgroup>\n   <vgroup>\n", out);
        Setting(out, row);
    }
    std::fputs("   </vgroup>\n  </hgroup>\n\n"
               "  <_description>\n"
               "Slowly traced figures: closed curves of 361 points built from sine and\n"
               "cosine products, stamped with small turning, zooming shapes in a drifting\n"
               "colour. A finished figure stays for the completion delay, then the next\n"
               "begins.\n\n"
               "Ported from the Windows screen saver Gyrelace.\n"
               "  </_description>\n"
               "</screensaver>\n", out);
    return std::fclose(out) == 0 ? 0 : 1;
}
