// Sine and cosine by whole degree, built once from constants and read by
// the curves and the stamps, so that nothing evaluates a trigonometric
// function while drawing and every target draws with the same doubles.
#pragma once

inline constexpr int trigTableSize = 362;

// 3.1415926535 / 180 in double precision (bits 0x3F91DF46A2506B91): the
// figures have always been drawn with this truncated pi, so the cosine of
// 90 degrees is about 4.49e-11 rather than 0.
inline constexpr double degreeFactor = 0x1.1DF46A2506B91p-6;

struct TrigTables {
    double sineTable[trigTableSize];
    double cosineTable[trigTableSize];
};

// Fills both tables from the first quadrant's constants. Where two writes
// meet, the later one wins: sine 180 and 360 end as -0.0, cosine 90 and
// 270 as a tiny negative number. Entry 361 repeats entry 1.
void BuildTrigTables(TrigTables& tables);
