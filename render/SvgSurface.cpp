// Keeping the drawing as SVG elements and writing the document.
#include "render/SvgSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string_view>

namespace {

void Append(std::string& text, std::initializer_list<std::string_view> pieces)
{
    for (std::string_view piece : pieces) text.append(piece);
}

std::string Number(long long value) { return std::to_string(value); }

// twice / 2 exactly: a whole number, or one ending in .5.
std::string Half(long long twice)
{
    std::string text = Number(twice / 2);  // toward zero
    if (twice % 2 == 0) return text;
    if (twice < 0 && twice / 2 == 0) text = "-0";
    return text.append(".5");
}

void Colour(char (&text)[8], std::uint32_t colour)
{
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

constexpr double pi = 3.141592653589793;

}  // namespace

SvgSurface::SvgSurface(int width, int height, const std::vector<MonitorArea>& areas)
    : width_(width), height_(height)
{
    if (areas.empty()) sections_.push_back({{0, 0, width, height}, {}, 0, 0, false});
    for (const MonitorArea& area : areas) sections_.push_back({area, {}, 0, 0, false});
    current_ = &sections_.front();
}

void SvgSurface::ClosePath(Section& section)
{
    if (section.open) section.elements.append("\"/>\n");
    section.open = false;
}

void SvgSurface::SelectPen(std::uint32_t colour)
{
    for (Section& section : sections_) ClosePath(section);
    Colour(stroke_, colour);
}

void SvgSurface::MoveTo(int x, int y)
{
    ClosePath(*current_);
    current_->x = x;
    current_->y = y;
}

void SvgSurface::LineTo(int x, int y)
{
    Section& s = *current_;
    if (!s.open) Append(s.elements, {"<path stroke=\"", stroke_, "\" d=\"M", Number(s.x), " ", Number(s.y)});
    s.open = true;
    Append(s.elements, {" ", Number(x), " ", Number(y)});
    s.x = x;
    s.y = y;
}

// The strokes are moved half a pixel: the pixel's square starts half a
// pixel back from there.
void SvgSurface::SetPixel(int x, int y, std::uint32_t colour)
{
    ClosePath(*current_);
    char fill[8];
    Colour(fill, colour);
    Append(current_->elements, {"<rect x=\"", Half(2LL * x - 1), "\" y=\"", Half(2LL * y - 1),
                                "\" width=\"1\" height=\"1\" fill=\"", fill, "\"/>\n"});
}

// The outline leaves out the box's right and bottom edges, so its pixels'
// centres span left .. right - 1 and top .. bottom - 1.
void SvgSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    Section& s = *current_;
    ClosePath(s);
    const long long l = std::min(left, right), r = std::max(left, right);
    const long long t = std::min(top, bottom), b = std::max(top, bottom);
    if (r == l || b == t) return;  // an empty box draws nothing
    const std::string rx = Half(r - l - 1), ry = Half(b - t - 1);
    if (xStart == xEnd && yStart == yEnd) {
        Append(s.elements, {"<ellipse stroke=\"", stroke_, "\" cx=\"", Half(l + r - 1), "\" cy=\"", Half(t + b - 1),
                            "\" rx=\"", rx, "\" ry=\"", ry, "\"/>\n"});
        return;
    }
    // A part: counter-clockwise on the screen from where the start point's
    // ray meets the outline to where the end point's does.
    const double ex = static_cast<double>(l + r - 1) / 2, ey = static_cast<double>(t + b - 1) / 2;
    const double ax = std::max(static_cast<double>(r - l - 1) / 2, 0.5), ay = std::max(static_cast<double>(b - t - 1) / 2, 0.5);
    auto meet = [&](int px, int py, char (&text)[48]) {
        const double dx = px - ex, dy = py - ey;
        const double scale = 1.0 / std::max(1e-9, std::sqrt(dx * dx / (ax * ax) + dy * dy / (ay * ay)));
        std::snprintf(text, sizeof text, "%.2f %.2f", ex + dx * scale, ey + dy * scale);
        return std::atan2(-dy, dx);
    };
    char from[48], to[48];
    const double a0 = meet(xStart, yStart, from);
    double a1 = meet(xEnd, yEnd, to);
    if (a1 <= a0) a1 += 2 * pi;
    Append(s.elements, {"<path stroke=\"", stroke_, "\" d=\"M", from, " A", rx, " ", ry, " 0 ",
                        a1 - a0 > pi ? "1" : "0", " 0 ", to, "\"/>\n"});
}

void SvgSurface::Erase()
{
    for (Section& section : sections_) {
        section.elements.clear();
        section.open = false;
    }
}

std::string SvgSurface::Document() const
{
    const std::string w = Number(width_), h = Number(height_);
    std::string text;
    Append(text, {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                  "width=\"", w, "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ", h, "\">\n<rect width=\"", w,
                  "\" height=\"", h, "\"/>\n"});
    const bool several = sections_.size() > 1;
    for (std::size_t m = 0; m < sections_.size(); ++m) {
        const Section& s = sections_[m];
        const std::string id = std::string("m").append(Number(static_cast<long long>(m)));
        if (several) {
            Append(text, {"<clipPath id=\"", id, "\"><rect x=\"", Number(s.area.left), "\" y=\"", Number(s.area.top),
                          "\" width=\"", Number(s.area.width), "\" height=\"", Number(s.area.height),
                          "\"/></clipPath>\n<g clip-path=\"url(#", id, ")\">\n"});
        }
        Append(text, {"<g fill=\"none\" transform=\"translate(", Half(2LL * s.area.left + 1), " ",
                      Half(2LL * s.area.top + 1), ")\">\n", s.elements, s.open ? "\"/>\n" : "", "</g>\n"});
        if (several) text.append("</g>\n");
    }
    return text.append("</svg>\n");
}
