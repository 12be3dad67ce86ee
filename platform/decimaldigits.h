// A double as its shortest decimal digits, and rounding those digits: the
// ground of the fixed-point and general number forms.
#pragma once

// A finite number as decimal digits: value = 0.d1d2d3... x 10^exponent.
// No trailing zeros; zero has no digits. Lives on the stack: no allocation.
struct Decimal {
    static constexpr int maxdigits = 17; // enough for any double

    char digits[maxdigits] = {};
    int count = 0;
    int exponent = 0;
    bool negative = false;

    // The digit at position i (0 is the first significant one), '0' outside.
    char at(int i) const { return i >= 0 && i < count ? digits[i] : '0'; }
};

// The shortest digits that read back as the same double, so that a value
// typed as 2.675 is rounded as 2.675 and not as its binary neighbour.
// REQUIRES: value is finite.
Decimal todecimal(double value);

// Keeps `keep` significant digits, rounding halves away from zero; a carry
// past the first digit raises the exponent (9.96 to two digits is 10).
void roundto(Decimal& d, int keep);
