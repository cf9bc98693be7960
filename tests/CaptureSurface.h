// A drawing surface for tests that keeps each operation as a record.
#pragma once

#include <string>
#include <vector>

#include "anim/DrawingSurface.h"

struct DrawOp {
    std::string name;  // pen, move, line, pixel, arc, erase
    std::vector<long long> args;
    bool operator==(const DrawOp&) const = default;
};

class CaptureSurface final : public DrawingSurface {
public:
    void SelectPen(std::uint32_t colour) override { ops.push_back({"pen", {colour}}); }
    void MoveTo(int x, int y) override { ops.push_back({"move", {x, y}}); }
    void LineTo(int x, int y) override { ops.push_back({"line", {x, y}}); }
    void SetPixel(int x, int y, std::uint32_t c) override { ops.push_back({"pixel", {x, y, c}}); }
    void Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override
    {
        ops.push_back({"arc", {l, t, r, b, xs, ys, xe, ye}});
    }
    void Erase() override { ops.push_back({"erase", {}}); }
    void ClipTo(int l, int t, int r, int b) override { ops.push_back({"clip", {l, t, r, b}}); }
    void Unclip() override { ops.push_back({"unclip", {}}); }

    std::vector<DrawOp> ops;
};
