// The window's device context as a drawing surface for one timer tick:
// acquired on construction, each point's pen created and selected in turn,
// the original pen put back and the surface released on destruction.
#pragma once

#include <windows.h>

#include "anim/DrawingSurface.h"

class GdiSurface final : public DrawingSurface {
public:
    explicit GdiSurface(HWND window);
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    void SelectPen(std::uint32_t colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, std::uint32_t colour) override;
    void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
    // Asks the window to paint its background on this context.
    void Erase() override;
    // The window's context is its own (CS_OWNDC) and keeps its clip region
    // between ticks: whoever clips unclips before the tick ends.
    void ClipTo(int left, int top, int right, int bottom) override;
    void Unclip() override;

private:
    HWND window_;
    HDC dc_;
    HPEN pen_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
};
