// What the saver draws on this desktop from a seed, drawn by the engine in
// this process for comparing with captures: the picture of every monitor
// after a number of figures.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "settings/SaverSettings.h"
#include "tests/windows/Harness.h"

// The virtual screen just after the given figure's point 360, as the
// renderer draws it for this desktop's monitors.
ScreenPicture PredictPicture(const SaverSettings& settings, std::uint32_t seed, long figures);

// Writes these stored values (beyond the defaults) and returns the settings they load as.
SaverSettings StoreSettings(const std::map<std::string, std::uint32_t>& values);

// Starts the saver full screen (into `run`) and waits until the screen shows
// the first figure of a seed it may have taken: it seeds with the clock second
// at its start, so the candidates run from one second before the start to one
// after its window shows. Its window, or null; in `seed` the seed seen.
HWND StartAndSeeFirstFigure(std::unique_ptr<FullScreenRun>& run, const SaverSettings& settings, std::uint32_t& seed);
