// The page's seed and settings, read from its address (or from what the
// browser stored) one item at a time, leniently: nothing in an address can
// stop the page. Written back as the shortest address that gives them.
#pragma once

#include <cstdint>
#include <string>

#include "settings/SettingOptions.h"

class PageSettings {
public:
    PageSettings() { Reset(); }

    // The defaults, and no seed.
    void Reset();

    // One item: "seed" or a setting option ("object-size", "square",
    // "no-circle", "set" ...), with its value when one was written after
    // '='. Unless Taken, `notice` says in one line what became of it.
    LenientOutcome Take(const std::string& name, const std::string& value, bool hasValue, std::string& notice);

    // The settings as the items left them, checked as a load checks them.
    SaverSettings Settings() const;
    bool SeedGiven() const { return seedGiven_; }
    std::uint32_t Seed() const { return seed_; }

    // "seed=S&" when a seed was given and is wanted, then an option for
    // each setting that differs from its default, in the table's order:
    // "object-size=10&no-circle&square&clockwise".
    std::string Address(bool withSeed) const;

    // The stored number of a value as a load would take it (an emptied set
    // is its fallback), as the panel shows it.
    std::uint32_t Stored(StoredValue value) const;

private:
    StoredNumbers numbers_{};
    bool seedGiven_ = false;
    std::uint32_t seed_ = 0;
};
