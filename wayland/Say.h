// One line on stderr, as every message of gyrelace-wayland is written.
#pragma once

#include <cstdio>
#include <string>

inline void Say(const std::string& line) { std::fprintf(stderr, "gyrelace-wayland: %s\n", line.c_str()); }
