// The functions the page calls: its one set of settings and its one
// picture live here, since the page reaches the module only through plain
// exported functions. Text goes in as bytes the page writes into room the
// module gives, and comes out as C strings that stay valid until the next
// call.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "settings/SettingsPanel.h"
#include "web/PagePicture.h"
#include "web/PanelDescription.h"

namespace {

struct Page {
    PageSettings settings;
    PagePicture picture;
    std::string given;  // the room for text coming in
    std::string text;   // the last text handed out
    int damage[4] = {};
    int checked[2] = {};  // as gyrelace_check_entry gives it
    std::uint32_t shown[4] = {};  // the picture as gyrelace_picture gives it
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

// The last text handed out.
EMSCRIPTEN_KEEPALIVE const char* gyrelace_text() { return ThePage().text.c_str(); }

EMSCRIPTEN_KEEPALIVE const char* gyrelace_panel() { return HandOut(PanelDescription(ThePage().settings)); }

// A new figure sequence at width x height device pixels, seeded by the
// address's seed or else by clockSeed, from its first figure whatever ran.
EMSCRIPTEN_KEEPALIVE void gyrelace_start(std::uint32_t clockSeed, int width, int height, std::uint32_t now)
{
    Page& page = ThePage();
    const std::uint32_t seed = page.settings.SeedGiven() ? page.settings.Seed() : clockSeed;
    page.picture.Start(page.settings.Settings(), seed, width, height, now);
}

// The canvas's size now; the next gyrelace_advance says when it is taken.
EMSCRIPTEN_KEEPALIVE void gyrelace_offer(int width, int height, std::uint32_t now)
{
    ThePage().picture.Offer(width, height, now);
}

// Milliseconds until the next call is useful; 0xFFFFFFFF when only a new
// size can change anything.
EMSCRIPTEN_KEEPALIVE std::uint32_t gyrelace_advance(std::uint32_t now) { return ThePage().picture.Advance(now); }

EMSCRIPTEN_KEEPALIVE std::uint32_t gyrelace_resume(std::uint32_t now) { return ThePage().picture.Resume(now); }

// How many pictures were made so far: the page asks for the new one's
// pixels only when this changed.
EMSCRIPTEN_KEEPALIVE int gyrelace_made() { return ThePage().picture.Made(); }

// The picture: how many were made so far, the pixels' address (0 when none
// could be made), width and height.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* gyrelace_picture()
{
    Page& page = ThePage();
    const PagePicture& picture = page.picture;
    page.shown[0] = static_cast<std::uint32_t>(picture.Made());
    page.shown[1] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(picture.Pixels()));
    page.shown[2] = static_cast<std::uint32_t>(picture.Width());
    page.shown[3] = static_cast<std::uint32_t>(picture.Height());
    return page.shown;
}

// The panel's policy for the table's row `row`: what a number field's
// entry comes to (held, and 1 when refused) ...
EMSCRIPTEN_KEEPALIVE const int* gyrelace_check_entry(int row, int isNumber, double number, int held)
{
    Page& page = ThePage();
    // Beyond what a long long holds, a number is out of every range anyway.
    const double clamped = std::clamp(number, -1e18, 1e18);
    const auto whole = static_cast<long long>(clamped);
    const Entry entry{isNumber != 0, static_cast<double>(whole) == clamped, whole};
    const EntryCheck check = CheckEntry(settingsTable[std::clamp(row, 0, storedValueCount - 1)], entry,
                                        static_cast<std::uint32_t>(held));
    page.checked[0] = static_cast<int>(check.held), page.checked[1] = check.refused ? 1 : 0;
    return page.checked;
}

// ... and what Select All (on) or Select None leaves a row's value.
EMSCRIPTEN_KEEPALIVE int gyrelace_select_all(int row, int shown, int on)
{
    const SettingRow& setting = settingsTable[std::clamp(row, 0, storedValueCount - 1)];
    return static_cast<int>(AfterSelectAll(setting, static_cast<std::uint32_t>(shown), on != 0));
}

// Why the picture could not be made.
EMSCRIPTEN_KEEPALIVE const char* gyrelace_problem() { return ThePage().picture.Error().c_str(); }

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
