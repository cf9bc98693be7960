// The drawing-operation log.
#include "anim/RecordingSurface.h"

#include <charconv>

void RecordingSurface::Operation(const char* name, std::initializer_list<long long> numbers)
{
    log += prefix;
    log += name;
    char digits[24];
    for (long long number : numbers) {
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        log += ' ';
        log.append(digits, end);
    }
    log += '\n';
}

void RecordingSurface::SelectPen(std::uint32_t colour) { Operation("pen", {colour}); }
void RecordingSurface::MoveTo(int x, int y) { Operation("move", {x, y}); }
void RecordingSurface::LineTo(int x, int y) { Operation("line", {x, y}); }
void RecordingSurface::SetPixel(int x, int y, std::uint32_t colour) { Operation("pixel", {x, y, colour}); }

void RecordingSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    Operation("arc", {left, top, right, bottom, xStart, yStart, xEnd, yEnd});
}

void RecordingSurface::Erase() { Operation("erase", {}); }
