// A drawing surface that keeps the drawing as SVG 1.1 elements, one for each
// thing drawn and in drawing order: a run of lines from a move (a shape's
// outline) or a lone line (Connect Dots) as a <path>, a whole outline as an
// <ellipse> (a part of one as a <path> arc), a pixel as a 1x1 <rect>, each
// in its pen's colour. Coordinates stay the engine's whole pixels: the
// strokes are moved half a pixel so that a one-unit stroke covers the pixels
// the raster would. Each monitor of a desktop is a group of its own, moved to
// its place and clipped to it; an erase forgets everything drawn before.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "anim/DrawingSurface.h"
#include "anim/MonitorArea.h"

class SvgSurface final : public DrawingSurface {
public:
    // A picture of width x height; with areas, one group for each monitor.
    SvgSurface(int width, int height, const std::vector<MonitorArea>& areas);

    // What follows is monitor m's drawing, in its own coordinates.
    void Monitor(int m) { current_ = &sections_[static_cast<std::size_t>(m)]; }

    void SelectPen(std::uint32_t colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    void Erase() override;
    // The monitors' groups do the clipping.
    void ClipTo(int, int, int, int) override {}
    void Unclip() override {}

    // The whole document.
    std::string Document() const;

private:
    struct Section {
        MonitorArea area;
        std::string elements;
        int x = 0, y = 0;   // the current position
        bool open = false;  // elements ends in an unfinished path that a line goes on
    };

    static void ClosePath(Section& section);

    int width_, height_;
    std::vector<Section> sections_;
    Section* current_;
    char stroke_[8] = "#000000";
};
