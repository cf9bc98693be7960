// GDI drawing for the figures. Results of the drawing calls are not checked:
// a failing call draws nothing and the animation goes on.
#include "windows/GdiSurface.h"

GdiSurface::GdiSurface(HWND window) : window_(window), dc_(GetDC(window)) {}

GdiSurface::~GdiSurface()
{
    if (pen_ != nullptr) {
        SelectObject(dc_, originalPen_);
        DeleteObject(pen_);
    }
    ReleaseDC(window_, dc_);
}

void GdiSurface::SelectPen(std::uint32_t colour)
{
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (pen == nullptr) return;
    HGDIOBJ previous = SelectObject(dc_, pen);
    if (pen_ == nullptr) {
        originalPen_ = previous;
    } else {
        DeleteObject(pen_);
    }
    pen_ = pen;
}

void GdiSurface::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }
void GdiSurface::LineTo(int x, int y) { ::LineTo(dc_, x, y); }
void GdiSurface::SetPixel(int x, int y, std::uint32_t colour) { ::SetPixel(dc_, x, y, colour); }

void GdiSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd)
{
    ::Arc(dc_, left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

void GdiSurface::Erase() { SendMessageA(window_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0); }

void GdiSurface::ClipTo(int left, int top, int right, int bottom)
{
    SelectClipRgn(dc_, nullptr);
    IntersectClipRect(dc_, left, top, right, bottom);
}

void GdiSurface::Unclip() { SelectClipRgn(dc_, nullptr); }
