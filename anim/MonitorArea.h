// A monitor's rectangle in the saver window's client coordinates (an
// output's in the compositor's logical ones): the unit of the desktop
// layout, and what an offsetting surface draws into.
#pragma once

struct MonitorArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
