// Loading and saving the settings record, and what hand-edited stored
// values turn into.
#include <gtest/gtest.h>

#include "settings/StoredValues.h"
#include "tests/MemoryStore.h"

namespace {

void ExpectDefaults(const SaverSettings& s)
{
    EXPECT_EQ(s.radiusFactor, 0.08);
    EXPECT_EQ(s.timerInterval, 20u);
    EXPECT_EQ(s.joinTheDots, 0);
    EXPECT_EQ(s.objectShape, ShapeCircle);
    EXPECT_EQ(s.objectRotation, RotationNone);
    EXPECT_EQ(s.colourOption, ColourHigh);
    EXPECT_EQ(s.zoomOption, 0u);
    EXPECT_EQ(s.endDelay, 1);
}

TEST(LoadSettings, ReadsTheEightValuesInOrder)
{
    MemoryStore store;
    SaverSettings settings;
    LoadSettings(settings, store);
    EXPECT_EQ(store.reads, (std::vector<std::string>{"RadiusFactor", "ImagesPerSec", "JoinTheDots", "ObjectShape",
                                                     "ObjectRotation", "ColourOption", "ZoomOption", "EndDelay"}));
}

TEST(LoadSettings, AMissingKeyKeepsFieldsButResetsSizeAndRate)
{
    MemoryStore store;
    store.keyExists = false;
    SaverSettings settings;
    ExpectDefaults(settings);
    settings.radiusFactor = 0.5;
    settings.timerInterval = 3;
    settings.joinTheDots = 1;
    settings.endDelay = 9;
    LoadSettings(settings, store);
    EXPECT_EQ(settings.radiusFactor, 0.08);
    EXPECT_EQ(settings.timerInterval, 20u);
    EXPECT_EQ(settings.joinTheDots, 1);
    EXPECT_EQ(settings.endDelay, 9);
}

TEST(LoadSettings, AMissingValueTurnsConnectDotsOffAndKeepsTheRest)
{
    MemoryStore store;  // the key exists, holding no values
    SaverSettings settings;
    settings.joinTheDots = 1;
    settings.objectShape = ShapeStar6;
    LoadSettings(settings, store);
    EXPECT_EQ(settings.joinTheDots, 0);
    EXPECT_EQ(settings.objectShape, ShapeStar6);
}

TEST(LoadSettings, StoredFormsConvertAndSurviveASave)
{
    struct Case {
        std::uint32_t rate, interval, savedRate;
    };
    for (const Case c : {Case{36, 27, 37}, Case{400, 2, 500}, Case{1000, 1, 1000}, Case{35, 28, 35}, Case{1, 1000, 1}}) {
        MemoryStore store;
        store.values = {{"ImagesPerSec", c.rate}, {"RadiusFactor", 29}, {"JoinTheDots", 1}, {"ObjectShape", 0x1FE},
                        {"ObjectRotation", 0xE}, {"ColourOption", 30}, {"ZoomOption", 0x3FE}, {"EndDelay", 60}};
        SaverSettings settings;
        LoadSettings(settings, store);
        EXPECT_EQ(settings.timerInterval, c.interval);
        EXPECT_EQ(StoredFormOf(settings, StoredValue::ImagesPerSec), c.savedRate);
        EXPECT_EQ(settings.radiusFactor, 0.29);
        EXPECT_EQ(settings.colourOption, ColourMedium);
        for (int i = 0; i < storedValueCount; ++i) {
            const auto value = static_cast<StoredValue>(i);
            if (value == StoredValue::ImagesPerSec) continue;
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
    struct Case {
        StoredValue value;
        std::uint32_t stored;
        double radiusFactor;
        std::uint32_t interval;
        std::int32_t join, colour, delay;
        std::uint32_t shape, rotation, zoom;
    };
    const SaverSettings d;
    const Case cases[] = {
        {StoredValue::ImagesPerSec, 0, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ImagesPerSec, 1001, d.radiusFactor, 1, 0, 10, 1, 2, 2, 0},
        {StoredValue::ImagesPerSec, 0xFFFFFFFF, d.radiusFactor, 1, 0, 10, 1, 2, 2, 0},
        {StoredValue::RadiusFactor, 501, 5.0, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::RadiusFactor, 0xFFFFFFFF, 5.0, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::EndDelay, 61, d.radiusFactor, 20, 0, 10, 60, 2, 2, 0},
        {StoredValue::EndDelay, 0xFFFFFFFF, d.radiusFactor, 20, 0, 10, 0, 2, 2, 0},
        {StoredValue::JoinTheDots, 2, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ObjectShape, 0, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ObjectShape, 0xFFFFFE01, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ObjectShape, 0x1081, d.radiusFactor, 20, 0, 10, 1, 0x80, 2, 0},
        {StoredValue::ObjectRotation, 0x11, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ObjectRotation, 0xFFFFFFFF, d.radiusFactor, 20, 0, 10, 1, 2, 0xE, 0},
        {StoredValue::ColourOption, 20, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ColourOption, 0xFFFFFFFF, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0},
        {StoredValue::ZoomOption, 0xFFFFFFFF, d.radiusFactor, 20, 0, 10, 1, 2, 2, 0x3FE},
    };
    for (const Case& c : cases) {
        SaverSettings s;
        ApplyStoredValue(s, c.value, c.stored);
        SCOPED_TRACE(std::string(StoredValueName(c.value)) + " " + std::to_string(c.stored));
        EXPECT_EQ(s.radiusFactor, c.radiusFactor);
        EXPECT_EQ(s.timerInterval, c.interval);
        EXPECT_EQ(s.joinTheDots, c.join);
        EXPECT_EQ(s.colourOption, c.colour);
        EXPECT_EQ(s.endDelay, c.delay);
        EXPECT_EQ(s.objectShape, c.shape);
        EXPECT_EQ(s.objectRotation, c.rotation);
        EXPECT_EQ(s.zoomOption, c.zoom);
    }
}

TEST(StoredValues, NamesAreFoundWhateverTheirCase)
{
    StoredValue value;
    ASSERT_TRUE(FindStoredValue("endDELAY", value));
    EXPECT_EQ(value, StoredValue::EndDelay);
    EXPECT_FALSE(FindStoredValue("EndDelays", value));
    EXPECT_FALSE(FindStoredValue("", value));
}

}  // namespace
