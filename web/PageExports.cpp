// The functions the page calls: its one set of settings and its one
// picture live here, since the page reaches the module only through plain
// exported functions. Text goes in as bytes the page writes into room the
// module gives, and comes out as C strings that stay valid until the next
// call.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <utility>

#include "web/PagePicture.h"
#include "web/PanelDescription.h"

namespace {

struct Page {
    PageSettings settings;
    PagePicture picture;
    std::string given;  // the room for text coming in
    std::string text;   // the last text handed out
    int damage[4] = {};
};

Page& ThePage()
{
    static Page page;
    return page;
}

const char* HandOut(std::string text)
{
    ThePage().text = std::move(text);
    return ThePage().text.c_str();
}

// The address of the pixels, or 0 with the reason in the text handed out.
std::uint8_t* Shown(bool made, std::string& error)
{
    HandOut(made ? std::string() : error);
    return made ? ThePage().picture.Pixels() : nullptr;
}

}  // namespace

extern "C" {

// The defaults and no seed, before an address is read.
EMSCRIPTEN_KEEPALIVE void gyrelace_reset() { ThePage().settings.Reset(); }

// Room for `bytes` bytes of UTF-8 that the page writes for the next call.
// Text is not passed as cwrap's strings: those are copied onto the
// module's stack, four bytes a character, and a long address overran it.
EMSCRIPTEN_KEEPALIVE char* gyrelace_room(int bytes)
{
    ThePage().given.assign(static_cast<std::size_t>(std::max(bytes, 0)), '\0');
    return ThePage().given.data();
}

// One item of an address: its name the room's first nameBytes bytes, its
// value the valueBytes after them. 1 when it was used (perhaps mended), 0
// when ignored; the text handed out is "" or its notice.
EMSCRIPTEN_KEEPALIVE int gyrelace_take(int nameBytes, int valueBytes, int hasValue)
{
    Page& page = ThePage();
    const std::size_t nameEnd = std::min(static_cast<std::size_t>(std::max(nameBytes, 0)), page.given.size());
    const std::size_t valueEnd = std::min(nameEnd + static_cast<std::size_t>(std::max(valueBytes, 0)), page.given.size());
    std::string notice;
    const LenientOutcome outcome = page.settings.Take(page.given.substr(0, nameEnd),
                                                      page.given.substr(nameEnd, valueEnd - nameEnd), hasValue != 0, notice);
    HandOut(notice);
    return outcome == LenientOutcome::Ignored ? 0 : 1;
}

// The shortest address that gives the settings, with the seed if one was
// given and withSeed asks for it.
EMSCRIPTEN_KEEPALIVE const char* gyrelace_address(int withSeed)
{
    return HandOut(ThePage().settings.Address(withSeed != 0));
}

// The last text handed out: why the last start or resize made no picture.
EMSCRIPTEN_KEEPALIVE const char* gyrelace_text() { return ThePage().text.c_str(); }

EMSCRIPTEN_KEEPALIVE const char* gyrelace_panel() { return HandOut(PanelDescription(ThePage().settings)); }

// A new figure sequence at width x height device pixels, seeded by the
// address's seed or else by clockSeed. The pixels' address, or 0 with the
// reason in the text handed out.
EMSCRIPTEN_KEEPALIVE std::uint8_t* gyrelace_start(std::uint32_t clockSeed, int width, int height)
{
    Page& page = ThePage();
    const std::uint32_t seed = page.settings.SeedGiven() ? page.settings.Seed() : clockSeed;
    std::string error;
    return Shown(page.picture.Start(page.settings.Settings(), seed, width, height, error), error);
}

EMSCRIPTEN_KEEPALIVE std::uint8_t* gyrelace_resize(int width, int height)
{
    std::string error;
    return Shown(ThePage().picture.Resize(width, height, error), error);
}

EMSCRIPTEN_KEEPALIVE std::uint32_t gyrelace_advance(std::uint32_t now) { return ThePage().picture.Advance(now); }

EMSCRIPTEN_KEEPALIVE std::uint32_t gyrelace_resume(std::uint32_t now) { return ThePage().picture.Resume(now); }

// The rectangle changed since the last call: left, top, width, height.
EMSCRIPTEN_KEEPALIVE const int* gyrelace_damage()
{
    Page& page = ThePage();
    const PixelRect rect = page.picture.TakeDamage();
    page.damage[0] = rect.left, page.damage[1] = rect.top;
    page.damage[2] = rect.right - rect.left, page.damage[3] = rect.bottom - rect.top;
    return page.damage;
}

}  // extern "C"
