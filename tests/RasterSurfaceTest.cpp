// The raster surface draws what GDI draws: GDI's own pictures, recorded
// under Wine by tools/gdi_probe.cpp, drawn again operation by operation;
// and it draws the same into a front end's memory of another stride and
// channel order, behind a damage surface whose rectangle holds every pixel
// each operation changed.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "anim/DamageSurface.h"
#include "anim/RasterSurface.h"

namespace {

constexpr std::uint32_t white = 0xFFFFFF;

// One operation as the probe reads it: "move X Y", "arc L T R B XS YS XE YE"...
bool Draw(DrawingSurface& surface, const std::string& operation)
{
    std::istringstream in(operation);
    std::string name;
    in >> name;
    std::vector<int> v;
    for (int number; in >> number;) v.push_back(number);
    const auto n = v.size();
    if (name == "move" && n == 2) return surface.MoveTo(v[0], v[1]), true;
    if (name == "line" && n == 2) return surface.LineTo(v[0], v[1]), true;
    if (name == "pixel" && n == 2) return surface.SetPixel(v[0], v[1], white), true;
    if (name == "arc" && n == 8) return surface.Arc(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]), true;
    if (name == "clip" && n == 4) return surface.ClipTo(v[0], v[1], v[2], v[3]), true;
    return name == "unclip" && n == 0 && (surface.Unclip(), true);
}

// '#' white, '.' black, '?' anything else.
std::string Rows(const RasterSurface& surface)
{
    std::string rows;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const std::uint32_t colour = surface.PixelAt(x, y);
            rows += colour == white ? '#' : colour == 0 ? '.' : '?';
        }
        rows += '\n';
    }
    return rows;
}

TEST(Raster, DrawsGdisOwnPictures)
{
    std::ifstream file(GYRELACE_GDI_PICTURES);
    ASSERT_TRUE(file.is_open()) << GYRELACE_GDI_PICTURES;
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line[0] != ';') lines.push_back(line);
    }
    int pictures = 0;
    for (std::size_t i = 0; i < lines.size(); ++pictures) {
        SCOPED_TRACE(lines[i]);
        std::istringstream header(lines[i++]);
        std::string word;
        int width = 0, height = 0;
        header >> word >> width >> height;
        ASSERT_EQ(word, "picture");
        RasterSurface surface(width, height);
        // A shown image's memory: rows padded by 3 pixels kept at 0xAB, the
        // channels in the upper bytes and an opaque low byte.
        const std::size_t stride = (static_cast<std::size_t>(width) + 3) * 4;
        std::vector<unsigned char> memory(stride * static_cast<std::size_t>(height), 0xAB);
        RasterSurface shown(width, height, memory.data(), stride, PixelFormat{8, 16, 24, 0xFF});
        DamageSurface damage(shown);
        surface.SelectPen(white);
        damage.SelectPen(white);
        for (; i < lines.size() && lines[i][0] != '.' && lines[i][0] != '#'; ++i) {
            std::istringstream operations(lines[i]);
            for (std::string op; std::getline(operations, op, ',');) {
                ASSERT_TRUE(Draw(surface, op)) << op;
                const std::vector<unsigned char> before = memory;
                Draw(damage, op);
                const PixelRect rect = damage.TakeDamage();
                for (std::size_t at = 0; at < memory.size(); ++at) {
                    const int x = static_cast<int>(at % stride / 4), y = static_cast<int>(at / stride);
                    const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
                    ASSERT_TRUE(memory[at] == before[at] || inside) << op << ": " << x << "," << y << " outside";
                }
            }
        }
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width + 3; ++x) {
                const std::uint32_t want = x < width ? surface.PixelAt(x, y) << 8 | 0xFF : 0xABABABAB;
                ASSERT_EQ(shown.Row(y)[x], want) << x << "," << y << " (the padding is never painted)";
            }
        }
        std::string recorded;
        for (int y = 0; y < height && i < lines.size(); ++y) recorded += lines[i++] + '\n';
        EXPECT_EQ(Rows(surface), recorded);
    }
    EXPECT_EQ(pictures, 5);
}

// Wine scales coordinates beyond ±2^28 down before drawing, so the ends of
// the range are checked by what the lines must be: a diagonal and a row.
TEST(Raster, LinesFromTheEndsOfTheRangeStayExact)
{
    RasterSurface surface(8, 8);
    surface.SelectPen(white);
    surface.MoveTo(INT_MIN, INT_MIN);
    surface.LineTo(INT_MAX, INT_MAX);
    surface.MoveTo(INT_MAX, 3);
    surface.LineTo(INT_MIN, 3);
    EXPECT_EQ(Rows(surface), "#.......\n.#......\n..#.....\n########\n....#...\n.....#..\n......#.\n.......#\n");
}

}  // namespace
