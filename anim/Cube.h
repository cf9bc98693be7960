// The cube of a double, rounded once, without a general power function.
#pragma once

// x * x * x with one rounding at the end instead of two, as a correctly
// rounded pow(x, 3.0) gives it. Each product is split into its rounded
// value and its exact rounding error (Dekker's product: Veltkamp's split
// halves each factor so that every partial product is exact, with no fused
// multiply-add), and the small parts are added to the rounded cube last.
// Their own rounding lies some 2^-100 below the cube, so the one rounding
// that counts is the final addition's. For the curves' sines, |x| <= 1,
// where nothing overflows.
inline double CubeOf(double x)
{
    const auto roundingError = [](double a, double b, double product) {
        constexpr double splitter = 134217729.0;  // 2^27 + 1
        const double as = splitter * a, ah = as - (as - a), al = a - ah;
        const double bs = splitter * b, bh = bs - (bs - b), bl = b - bh;
        return ((ah * bh - product) + ah * bl + al * bh) + al * bl;
    };
    const double square = x * x;
    const double squareError = roundingError(x, x, square);
    const double cube = square * x;
    return cube + (roundingError(square, x, cube) + squareError * x);
}
