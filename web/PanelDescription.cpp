// Writing the settings table and the page's values as JSON.
#include "web/PanelDescription.h"
#include "web/JsonText.h"

namespace {

std::string Field(const char* name, const std::string& value) { return Quoted(name) + ":" + value + ","; }
std::string Field(const char* name, const char* text) { return Field(name, Quoted(text)); }
std::string Field(const char* name, std::uint32_t number) { return Field(name, std::to_string(number)); }

const char* KindName(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Number: return "number";
    case SettingKind::Flag: return "flag";
    case SettingKind::BitSet: return "set";
    case SettingKind::OneOf: return "one";
    }
    return "";
}

}  // namespace

std::string PanelDescription(const PageSettings& settings)
{
    std::string json = "[";
    for (const SettingRow& row : settingsTable) {
        std::string entry = "{" + Field("kind", KindName(row.kind)) + Field("name", row.alias) +
                            Field("default", row.defaultStored) +
                            Field("value", settings.Stored(row.value));
        if (row.option != nullptr) entry += Field("option", row.option) + Field("label", row.panelLabel);
        if (row.kind == SettingKind::Number) {
            entry += Field("low", row.low) + Field("high", row.high) + Field("warning", row.warning) +
                     Field("resetsToDefault", std::string(row.warningResetsToDefault ? "true" : "false"));
        }
        if (!row.choices.empty()) {
            entry += Field("label", Quoted(Heading(row.help))) + Quoted("choices") + ":[";
            for (const SettingChoice& choice : row.choices) {
                std::string item = "{" + Field("option", choice.option) + Field("label", choice.panelLabel) +
                                   Field("value", choice.value);
                item.back() = '}';
                entry += item + ",";
            }
            entry.back() = ']';
            entry += ",";
        }
        entry.back() = '}';
        json += entry + ",";
    }
    json.back() = ']';
    return json;
}
