// PNG output through libpng, whose errors come back by longjmp.
#include "render/PngFile.h"

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <png.h>

namespace {

void RecordPngError(png_structp png, png_const_charp message)
{
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    *error = message;
    png_longjmp(png, 1);
}

void IgnorePngWarning(png_structp, png_const_charp) {}

// libpng's own writer says only "Write Error": this one gives the system's reason.
void WriteBytes(png_structp png, png_bytep bytes, png_size_t length)
{
    if (std::fwrite(bytes, 1, length, static_cast<std::FILE*>(png_get_io_ptr(png))) != length) {
        png_error(png, std::strerror(errno));
    }
}

// libpng's longjmp must not cross a frame with objects to destroy, so the
// writing happens here with plain pointers only.
bool WriteRows(png_structp png, png_infop info, std::FILE* file, const RasterSurface& picture)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, file, WriteBytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // On these mostly black pictures of one-pixel lines, zlib level 3 with
    // no row filter is about three times faster than level 6 with the Sub
    // filter for a file some 6 % larger.
    png_set_compression_level(png, 3);
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_write_info(png, info);
    // The raster's own pixels are red, green, blue and an unused byte in
    // memory: libpng drops that byte as it writes each row.
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < picture.Height(); ++y) png_write_row(png, reinterpret_cast<png_const_bytep>(picture.Row(y)));
    png_write_end(png, info);
    return true;
}

}  // namespace

bool WritePng(std::FILE* file, const RasterSurface& picture, std::string& error)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, RecordPngError, IgnorePngWarning);
    if (png == nullptr) {
        error = "libpng could not start";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    const bool written = info != nullptr && WriteRows(png, info, file, picture);
    png_destroy_write_struct(&png, &info);
    if (!written && error.empty()) error = "libpng could not write the picture";
    return written;
}
