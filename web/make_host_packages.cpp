// Writes the wallpaper hosts' description files of the page from the
// settings table, as the xscreensaver panel is written: for Lively,
// LivelyInfo.json and LivelyProperties.json (a slider per number, a check
// box per flag and per bit of a set, a drop-down per choice, and the
// page's seed and "new figures" button); for Wallpaper Engine, project.json
// with the same settings as user properties. A property's name is the
// setting's short name, or a bit's option with "_" for "-"; the page's
// hooks turn it back into the address item. Run at build time.
//   make_host_packages LIVELY_FOLDER WALLPAPER_ENGINE_FOLDER
#include <cstdio>
#include <string>

#include "settings/SettingsTable.h"
#include "web/JsonText.h"

namespace {

const char* const pageFile = "gyrelace.html";
const char* const description =
    "Slowly traced figures: closed curves of 361 points stamped with small turning, zooming shapes "
    "in a drifting colour.";

std::string BitName(const SettingChoice& choice)
{
    std::string name = choice.option;
    for (char& c : name) {
        if (c == '-') c = '_';
    }
    return name;
}

// One property: its name, then its fields, already written as JSON.
struct Properties {
    std::string json;
    void Add(const std::string& name, const std::string& fields)
    {
        json += (json.empty() ? "\n    " : ",\n    ") + Quoted(name) + ": {" + fields + "}";
    }
};

std::string Slider(const SettingRow& row)
{
    return "\"min\": " + std::to_string(row.low) + ", \"max\": " + std::to_string(row.high) +
           ", \"step\": 1, \"value\": " + std::to_string(row.defaultStored);
}

std::string LivelyProperties()
{
    Properties out;
    for (const SettingRow& row : settingsTable) {
        switch (row.kind) {
        case SettingKind::Number:
            out.Add(row.alias, "\"type\": \"slider\", \"text\": " + Quoted(row.panelLabel) + ", " + Slider(row));
            break;
        case SettingKind::Flag:
            out.Add(row.alias, "\"type\": \"checkbox\", \"text\": " + Quoted(row.panelLabel) +
                                   ", \"value\": " + (row.defaultStored == 1 ? "true" : "false"));
            break;
        case SettingKind::BitSet:
            out.Add(row.alias, "\"type\": \"label\", \"value\": " + Quoted(Heading(row.help)));
            for (const SettingChoice& choice : row.choices) {
                out.Add(BitName(choice), "\"type\": \"checkbox\", \"text\": " + Quoted(choice.panelLabel) +
                                             ", \"value\": " + ((row.defaultStored & choice.value) != 0 ? "true" : "false"));
            }
            break;
        case SettingKind::OneOf: {
            std::string items;
            int index = 0, chosen = 0;
            for (const SettingChoice& choice : row.choices) {
                if (choice.value == row.defaultStored) chosen = index;
                items += (index++ == 0 ? "" : ", ") + Quoted(choice.panelLabel);
            }
            out.Add(row.alias, "\"type\": \"dropdown\", \"text\": " + Quoted(Heading(row.help)) +
                                   ", \"value\": " + std::to_string(chosen) + ", \"items\": [" + items + "]");
            break;
        }
        }
    }
    out.Add("seed", "\"type\": \"textbox\", \"text\": \"Seed (empty: new figures at each start)\", \"value\": \"\"");
    out.Add("new_figures", "\"type\": \"button\", \"text\": \"New figures\", \"value\": \"Draw\"");
    return "{" + out.json + "\n}\n";
}

std::string WallpaperEngineProperties()
{
    Properties out;
    int order = 100;
    auto field = [&order](const std::string& type, const std::string& text) {
        return "\"order\": " + std::to_string(order++) + ", \"type\": \"" + type + "\", \"text\": " + Quoted(text);
    };
    for (const SettingRow& row : settingsTable) {
        switch (row.kind) {
        case SettingKind::Number:
            out.Add(row.alias, field("slider", row.panelLabel) + ", \"fraction\": false, " + Slider(row));
            break;
        case SettingKind::Flag:
            out.Add(row.alias, field("bool", row.panelLabel) + ", \"value\": " + (row.defaultStored == 1 ? "true" : "false"));
            break;
        case SettingKind::BitSet:
            for (const SettingChoice& choice : row.choices) {
                out.Add(BitName(choice), field("bool", choice.panelLabel) + ", \"value\": " +
                                             ((row.defaultStored & choice.value) != 0 ? "true" : "false"));
            }
            break;
        case SettingKind::OneOf: {
            std::string options, chosen;
            for (const SettingChoice& choice : row.choices) {
                if (choice.value == row.defaultStored) chosen = choice.option;
                options += std::string(options.empty() ? "" : ", ") + "{\"label\": " + Quoted(choice.panelLabel) +
                           ", \"value\": " + Quoted(choice.option) + "}";
            }
            out.Add(row.alias, field("combo", Heading(row.help)) + ", \"value\": " + Quoted(chosen) +
                                   ", \"options\": [" + options + "]");
            break;
        }
        }
    }
    out.Add("seed", field("textinput", "Seed (empty: new figures at each start)") + ", \"value\": \"\"");
    return "{\n  \"file\": \"" + std::string(pageFile) + "\",\n  \"preview\": \"preview.png\",\n  \"title\": \"Gyrelace\",\n"
           "  \"description\": " + Quoted(description) + ",\n  \"type\": \"web\",\n"
           "  \"general\": {\"properties\": {" + out.json + "\n  }}\n}\n";
}

std::string LivelyInfo()
{
    return "{\n  \"AppVersion\": \"2.0.0.0\",\n  \"Title\": \"Gyrelace\",\n  \"Desc\": " + Quoted(description) +
           ",\n  \"Author\": \"Gyrelace developers\",\n  \"Type\": 1,\n  \"FileName\": \"" + pageFile +
           "\",\n  \"Thumbnail\": \"thumbnail.png\",\n  \"Arguments\": \"--pause-event true\",\n"
           "  \"IsAbsolutePath\": false\n}\n";
}

bool Write(const std::string& path, const std::string& text)
{
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) return false;
    std::fputs(text.c_str(), out);
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_host_packages LIVELY_FOLDER WALLPAPER_ENGINE_FOLDER\n");
        return 2;
    }
    const std::string lively = argv[1], engine = argv[2];
    const bool written = Write(lively + "/LivelyInfo.json", LivelyInfo()) &&
                         Write(lively + "/LivelyProperties.json", LivelyProperties()) &&
                         Write(engine + "/project.json", WallpaperEngineProperties());
    if (!written) std::fprintf(stderr, "make_host_packages: cannot write into %s and %s\n", argv[1], argv[2]);
    return written ? 0 : 1;
}
