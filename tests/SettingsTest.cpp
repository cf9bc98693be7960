// Loading and saving the settings record, what hand-edited stored values
// turn into, and the lenient reading of an option that a page's address gives.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "settings/SettingOptions.h"
#include "settings/SettingsPanel.h"
#include "settings/SettingsStore.h"
#include "settings/StoredValues.h"

namespace {

// A settings key that may be missing, the values in it, and every read in order.
struct MemoryStore final : SettingsStore {
    StoreRead ReadValue(const char* name, std::uint32_t& value) override
    {
        reads.emplace_back(name);
        const auto found = values.find(name);
        if (!keyExists || found == values.end()) return keyExists ? StoreRead::ValueMissing : StoreRead::KeyMissing;
        value = found->second;
        return StoreRead::Found;
    }
    void WriteValue(const char*, std::uint32_t) override {}
    bool keyExists = true;
    std::map<std::string, std::uint32_t> values;
    std::vector<std::string> reads;
};

TEST(LoadSettings, MissingKeysAndValuesKeepFieldsButResetSizeRateAndConnectDots)
{
    // Fields that held other values before the load.
    const SaverSettings held{
        .radiusFactor = 0.5, .timerInterval = 3, .joinTheDots = 1, .objectShape = ShapeStar6, .endDelay = 9};
    MemoryStore noKey;
    noKey.keyExists = false;
    SaverSettings settings = held;
    LoadSettings(settings, noKey);
    EXPECT_EQ(noKey.reads, (std::vector<std::string>{"RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape",
                                                     "ObjectRotation", "ColourOption", "ZoomOption", "EndDelay"}));
    EXPECT_EQ(settings, (SaverSettings{.joinTheDots = 1, .objectShape = ShapeStar6, .endDelay = 9}));

    MemoryStore noValues;  // the key is there, holding nothing
    settings = held;
    LoadSettings(settings, noValues);
    EXPECT_EQ(settings, (SaverSettings{.objectShape = ShapeStar6, .endDelay = 9}));
}

TEST(LoadSettings, StoredFormsConvertAndSurviveASave)
{
    struct Case { std::uint32_t rate, interval, savedRate; };
    for (const Case c : {Case{36, 27, 37}, Case{400, 2, 500}, Case{1000, 1, 1000}, Case{35, 28, 35}, Case{1, 1000, 1}}) {
        MemoryStore store;
        store.values = {{"ImagesPerSec", c.rate}, {"RadiusFactor", 29}, {"JoinTheDots", 1}, {"ObjectShape", 0x1FE},
                        {"ObjectRotation", 0xE}, {"ColourOption", 30}, {"ZoomOption", 0x3FE}, {"EndDelay", 60}};
        SaverSettings settings;
        LoadSettings(settings, store);
        EXPECT_EQ(settings.timerInterval, c.interval);
        EXPECT_EQ(settings.radiusFactor, 0.29);
        store.values["ImagesPerSec"] = c.savedRate;
        for (int i = 0; i < storedValueCount; ++i) {
            const auto value = static_cast<StoredValue>(i);
            EXPECT_EQ(StoredFormOf(settings, value), store.values[StoredValueName(value)]) << StoredValueName(value);
        }
    }
    for (std::uint32_t percent = 0; percent <= 500; ++percent) {
        SaverSettings settings;
        ApplyStoredValue(settings, StoredValue::RadiusFactor, percent);
        ASSERT_EQ(StoredFormOf(settings, StoredValue::RadiusFactor), percent);
    }
}

TEST(StoredValues, HandEditedValuesAreMendedOnLoad)
{
    struct Case { StoredValue value; std::uint32_t stored; SaverSettings mended; };
    const Case cases[] = {
        {StoredValue::ImagesPerSec, 0, {.timerInterval = 20}},
        {StoredValue::ImagesPerSec, 1001, {.timerInterval = 1}},
        {StoredValue::RadiusFactor, 0xFFFFFFFF, {.radiusFactor = 5.0}},
        {StoredValue::EndDelay, 61, {.endDelay = 60}},
        {StoredValue::EndDelay, 0x80000000, {.endDelay = 0}},
        {StoredValue::JoinTheDots, 2, {.joinTheDots = 0}},
        {StoredValue::ObjectShape, 0xFFFFFE01, {}},
        {StoredValue::ObjectShape, 0x1081, {.objectShape = ShapeStar6}},
        {StoredValue::ObjectRotation, 0xFFFFFFFF, {.objectRotation = RotationAll}},
        {StoredValue::ColourOption, 20, {}},
        {StoredValue::ZoomOption, 0xFFFFFFFF, {.zoomOption = ZoomAll}},
    };
    for (const Case& c : cases) {
        SaverSettings s;
        ApplyStoredValue(s, c.value, c.stored);
        EXPECT_EQ(s, c.mended) << StoredValueName(c.value) << " " << c.stored;
    }
    StoredValue value;
    EXPECT_TRUE(FindStoredValue("endDELAY", value) && value == StoredValue::EndDelay) << "names in any case";
    EXPECT_FALSE(FindStoredValue("EndDelays", value));
}

// Nothing stops the reading: a number is held to its range as a load holds
// it (never wrapped), the rest is ignored, and the notice says which.
TEST(SettingOptions, LenientReadingMendsOrIgnoresAndSaysSo)
{
    // A row's argument is nullptr when none is given, its notice "" when the option is taken as given.
    struct Case { const char* name; const char* argument; StoredValue value; std::uint32_t stored; const char* notice; };
    // A notice quotes a long value's first 40 characters, whole ones.
    std::string accents;
    for (int i = 0; i < 700000; ++i) accents += "\u00e9";
    const std::string longAccents = "bogus=" + accents.substr(0, 68) + "\u2026 ignored: no such setting";
    const std::string a(1400000, 'a');
    const std::string longSet = "set=" + a.substr(0, 36) + "\u2026 ignored: '" + a.substr(0, 40) + "\u2026' is not NAME=VALUE";
    const Case cases[] = {
        {"object-size", "29", StoredValue::RadiusFactor, 29, ""},
        {"object-size", "900", StoredValue::RadiusFactor, 500, "object-size=900 is out of range 0..500: 500 used"},
        {"object-size", "-5", StoredValue::RadiusFactor, 0, "object-size=-5 is out of range 0..500: 0 used"},
        {"points-per-second", "0", StoredValue::ImagesPerSec, 50, "points-per-second=0 is out of range 1..1000: 50 used"},
        {"completion-delay", "-3", StoredValue::EndDelay, 0, "completion-delay=-3 is out of range 0..60: 0 used"},
        {"completion-delay", "99999999999", StoredValue::EndDelay, 60, "completion-delay=99999999999 is out of range 0..60: 60 used"},
        {"set", "zoom=0xFFFF", StoredValue::ZoomOption, ZoomAll, "set=zoom=0xFFFF is out of range: 1022 used"},
        {"set", "ColourOption=7", StoredValue::ColourOption, ColourHigh, "set=ColourOption=7 is out of range: 10 used"},
        {"no-circle", nullptr, StoredValue::ObjectShape, 0, ""},  // a later switch may fill the set
        {"object-size", "1e3", StoredValue::RadiusFactor, 8, "object-size=1e3 ignored: not a whole number"},
        {"object-size", nullptr, StoredValue::RadiusFactor, 8, "object-size ignored: needs a value"},
        {"square", "0", StoredValue::ObjectShape, ShapeCircle, "square=0 ignored: takes no value"},
        {"squares", nullptr, StoredValue::ObjectShape, ShapeCircle, "squares ignored: no such setting"},
        {"set", "shape", StoredValue::ObjectShape, ShapeCircle, "set=shape ignored: 'shape' is not NAME=VALUE"},
        {"bogus", accents.c_str(), StoredValue::ObjectShape, ShapeCircle, longAccents.c_str()},
        {"set", a.c_str(), StoredValue::ObjectShape, ShapeCircle, longSet.c_str()},
    };
    for (const Case& c : cases) {
        StoredNumbers numbers = StoredNumbersOf(SaverSettings{});
        std::string notice;
        const LenientOutcome outcome = ApplySettingOptionLeniently(c.name, c.argument ? c.argument : "",
                                                                   c.argument != nullptr, numbers, notice);
        EXPECT_EQ(numbers[static_cast<std::size_t>(c.value)], c.stored) << c.name << " " << (c.argument ? c.argument : "");
        EXPECT_EQ(notice, c.notice);
        EXPECT_EQ(outcome, *c.notice == '\0' ? LenientOutcome::Taken
                           : std::string(c.notice).find("ignored") != std::string::npos ? LenientOutcome::Ignored
                                                                                        : LenientOutcome::Mended);
    }
}

// The panels' policy: a number's check as it is typed, Select All / None,
// and what OK or Apply keeps.
TEST(SettingsPanel, EntriesSelectAllAndWhatOkKeeps)
{
    const SettingRow &size = SettingRowOf(StoredValue::RadiusFactor), &delay = SettingRowOf(StoredValue::EndDelay);
    const SettingRow &rate = SettingRowOf(StoredValue::ImagesPerSec);
    const struct {
        const SettingRow& row;
        Entry entry;
        std::uint32_t held, after;
        bool refused;
    } entries[] = {
        {size, {true, true, 60}, 6, 60, false},  {size, {true, true, 600}, 60, 60, true}, {size, {true, true, -1}, 60, 60, true},
        {size, {true, false, 2}, 60, 60, true},  {size, {false, true, 0}, 60, 8, false},  {delay, {true, true, 61}, 30, 1, true},
        {delay, {true, true, 0}, 30, 0, false},  {rate, {true, true, 0}, 25, 25, true},   {rate, {true, true, 1000}, 25, 1000, false},
        {size, {true, true, 1LL << 40}, 60, 60, true},
    };
    for (const auto& e : entries) {
        const EntryCheck check = CheckEntry(e.row, e.entry, e.held);
        EXPECT_EQ(check.held, e.after) << e.row.name << " " << e.entry.number;
        EXPECT_EQ(check.refused, e.refused) << e.row.name << " " << e.entry.number;
    }
    const std::uint32_t all[] = {0, 0, 1, 0x1FE, 0xE, 30, 0x3FE, 0};
    for (int i = 0; i < storedValueCount; ++i) {
        const SettingRow& row = settingsTable[i];
        EXPECT_EQ(AfterSelectAll(row, 30, true), all[i] == 0 ? 30u : all[i]) << row.name;
        EXPECT_EQ(AfterSelectAll(row, 30, false), all[i] == 0 || all[i] == 30 ? 30u : 0u) << row.name;
    }
    std::uint32_t kept = 0;
    EXPECT_TRUE(KeptOf(SettingRowOf(StoredValue::ObjectShape), 0, kept) && kept == ShapeCircle) << "an empty set";
    EXPECT_TRUE(KeptOf(SettingRowOf(StoredValue::ZoomOption), 0, kept) && kept == 0);
    EXPECT_FALSE(KeptOf(SettingRowOf(StoredValue::ColourOption), 0, kept)) << "no colour chosen: not written";
    EXPECT_TRUE(KeptOf(SettingRowOf(StoredValue::ColourOption), ColourLow, kept) && kept == ColourLow);
}

}  // namespace
