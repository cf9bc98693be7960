// An in-memory settings store for tests: a key that may be missing and the
// values in it, with every read recorded in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"

class MemoryStore final : public SettingsStore {
public:
    StoreRead ReadValue(const char* name, std::uint32_t& value) override
    {
        reads.emplace_back(name);
        if (!keyExists) return StoreRead::KeyMissing;
        const auto found = values.find(name);
        if (found == values.end()) return StoreRead::ValueMissing;
        value = found->second;
        return StoreRead::Found;
    }

    void WriteValue(const char* name, std::uint32_t value) override
    {
        keyExists = true;
        values[name] = value;
    }

    bool keyExists = true;
    std::map<std::string, std::uint32_t> values;
    std::vector<std::string> reads;
};
