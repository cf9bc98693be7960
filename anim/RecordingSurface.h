// A drawing surface that writes each operation as one line of text:
// "pen C", "move X Y", "line X Y", "pixel X Y C", "arc L T R B XS YS XE YE"
// and "erase", decimal integers separated by one space. The log is how a
// figure sequence is compared, seed by seed, with what the rules say.
#pragma once

#include <string>

#include "anim/DrawingSurface.h"

class RecordingSurface final : public DrawingSurface {
public:
    void SelectPen(std::uint32_t colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void Erase() override;
    // The log is of one window's drawing: clipping leaves no trace in it.
    void ClipTo(int, int, int, int) override {}
    void Unclip() override {}

    // The lines written so far; the owner may empty it after saving them.
    std::string log;
    // Written at the start of every line (a monitor's number, say).
    std::string prefix;

private:
    void Operation(const char* name, std::initializer_list<long long> numbers);
};
