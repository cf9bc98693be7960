// Records how GDI draws with a one-pixel solid pen, for the raster surface's
// known answers. Reads picture cases and writes them back, each followed by
// the picture GDI made: one text row per pixel row, '#' lit, '.' black.
//   wine-test.sh build/mingw-x86_64/gdi_probe.exe [--window] < cases > pictures
// A case is a line "picture WIDTH HEIGHT TITLE", then lines of operations
// separated by commas: move X Y, line X Y, pixel X Y, arc L T R B XS YS XE YE,
// clip L T R B, unclip. Rows read in are dropped, lines starting with ';'
// copied. Pictures are drawn into a memory DIB, or with --window into a
// full-screen CS_OWNDC window like the saver's and read back from the screen.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Draws one operation; false when it cannot be read.
bool Draw(HDC dc, const char* operation)
{
    int v[8] = {};
    char name[8] = {};
    const int n = std::sscanf(operation, " %7[a-z] %d %d %d %d %d %d %d %d", name, v, v + 1, v + 2, v + 3, v + 4, v + 5,
                              v + 6, v + 7);
    const std::string op = name;
    if (op == "move" && n == 3) {
        MoveToEx(dc, v[0], v[1], nullptr);
    } else if (op == "line" && n == 3) {
        LineTo(dc, v[0], v[1]);
    } else if (op == "pixel" && n == 3) {
        SetPixel(dc, v[0], v[1], RGB(255, 255, 255));
    } else if (op == "arc" && n == 9) {
        Arc(dc, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    } else if (op == "clip" && n == 5) {
        SelectClipRgn(dc, nullptr);
        IntersectClipRect(dc, v[0], v[1], v[2], v[3]);
    } else if (op == "unclip" && n == 1) {
        SelectClipRgn(dc, nullptr);
    } else {
        return false;
    }
    return true;
}

// The screen-sized memory DIB the pictures are read from, and the device
// context they are drawn with: the DIB's, or a full-screen window's.
struct Canvas {
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HDC dc = memory;
    const std::uint8_t* pixels = nullptr;
    bool inWindow = false;

    explicit Canvas(bool window) : inWindow(window)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = screenWidth;
        info.bmiHeader.biHeight = -screenHeight;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        SelectObject(memory, CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels = static_cast<const std::uint8_t*>(bits);
        if (inWindow) {
            WNDCLASSA windowClass = {CS_OWNDC, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr,
                                     static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), nullptr, "GdiProbe"};
            RegisterClassA(&windowClass);
            dc = GetDC(CreateWindowExA(WS_EX_TOPMOST, "GdiProbe", "", WS_POPUP | WS_VISIBLE, 0, 0, screenWidth,
                                       screenHeight, nullptr, nullptr, windowClass.hInstance, nullptr));
        }
        SelectObject(dc, CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
    }

    // Black everywhere, unclipped, for the next picture.
    void Clear()
    {
        const RECT whole = {0, 0, screenWidth, screenHeight};
        SelectClipRgn(dc, nullptr);
        FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillRect(memory, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }

    // Writes the picture's rows. From the window, the screen is read until
    // two reads in a row agree.
    void Write(int width, int height)
    {
        GdiFlush();
        const std::size_t screenBytes = static_cast<std::size_t>(screenWidth) * screenHeight * 4;
        for (std::vector<std::uint8_t> last; inWindow;) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
            BitBlt(memory, 0, 0, screenWidth, screenHeight, screen, 0, 0, SRCCOPY);
            GdiFlush();
            if (last.size() == screenBytes && std::memcmp(last.data(), pixels, screenBytes) == 0) break;
            last.assign(pixels, pixels + screenBytes);
            Sleep(50);
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t* p = pixels + (static_cast<std::size_t>(y) * screenWidth + x) * 4;
                std::putchar((p[0] | p[1] | p[2]) != 0 ? '#' : '.');
            }
            std::putchar('\n');
        }
    }
};

// A case's operations, drawn; false with a message when one cannot be read.
bool DrawLine(HDC dc, const char* line)
{
    for (const char* op = line; op != nullptr; op = std::strchr(op, ',')) {
        if (*op == ',') ++op;
        if (!Draw(dc, op)) {
            std::fprintf(stderr, "gdi_probe: cannot draw: %s\n", op);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    _setmode(_fileno(stdout), _O_BINARY);  // rows end in \n alone
    Canvas canvas(argc == 2 && std::strcmp(argv[1], "--window") == 0);
    int width = 0, height = 0;
    char line[1024];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        line[std::strcspn(line, "\r\n")] = '\0';
        if (line[0] == '.' || line[0] == '#') continue;
        const bool picture = std::strncmp(line, "picture ", 8) == 0;
        if (line[0] == ';' || picture) {
            if (width != 0) canvas.Write(width, height);
            width = 0;
        }
        std::printf("%s\n", line);
        if (line[0] == ';') continue;
        if (!picture) {
            if (!DrawLine(canvas.dc, line)) return 2;
            continue;
        }
        if (std::sscanf(line + 8, "%d %d", &width, &height) != 2 || width < 1 || height < 1 ||
            width > canvas.screenWidth || height > canvas.screenHeight) {
            std::fprintf(stderr, "gdi_probe: bad picture size: %s\n", line);
            return 2;
        }
        canvas.Clear();
    }
    if (width != 0) canvas.Write(width, height);
    return 0;
}
