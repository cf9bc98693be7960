// The page's settings panel, described from the settings table as JSON:
// one entry a setting with its kind, the option it writes, its words, its
// range, default and warning, its choices, and the value it holds now. The
// page builds its controls from this and retypes none of it.
#pragma once

#include <string>

#include "web/PageSettings.h"

std::string PanelDescription(const PageSettings& settings);
