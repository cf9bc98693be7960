// What the saver draws on this desktop from a seed, drawn by the engine in
// this process for comparing with captures: the picture of every monitor
// after a number of figures.
#pragma once

#include <cstdint>

#include "settings/SaverSettings.h"
#include "tests/windows/Harness.h"

// The virtual screen just after the given figure's point 360, as the
// renderer draws it for this desktop's monitors.
ScreenPicture PredictPicture(const SaverSettings& settings, std::uint32_t seed, long figures);

// The saver seeds with the clock second at its start: the candidates from
// one second before `before` to one after `after`. Waits (with a generous
// limit) until the screen shows one candidate's picture after `figures`
// figures; returns whether it did, and which seed.
bool WaitForPredictedPicture(const SaverSettings& settings, std::uint32_t before, std::uint32_t after, long figures,
                             std::uint32_t& seed);
