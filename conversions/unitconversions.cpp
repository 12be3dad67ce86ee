#include "conversions/unitconversions.h"

#include <cmath>

#include "records/valueparse.h"

namespace {

// The factors as the brewing tables give them, each rounded on its own: the
// two factors of a pair do not multiply to exactly 1.
constexpr double litrespergallon = 4.5456;
constexpr double gallonsperlitre = 0.219993;
constexpr double gramsperpound = 453.592;
constexpr double gramsperounce = 28.3495;
constexpr double ouncespergram = 0.03527;
constexpr double millilitresperpint = 568.2;
constexpr double pintspermillilitre = 0.00176;

// What an unreadable box stands for.
constexpr double unreadable = -999999.0;

struct Result {
    double (*convert)(double);
    int decimals;
    const char* unit;
};

struct Pair {
    Result left;
    Result right;
};

const Pair& pairof(UnitPair pair)
{
    static const Pair pairs[] = {
        {{[](double f) { return (f + 40) * 5 / 9 - 40; }, 1, " °C"},
         {[](double c) { return (c + 40) * 9 / 5 - 40; }, 1, " °F"}},
        {{[](double l) { return l * gallonsperlitre; }, 3, " gal"},
         {[](double g) { return g * litrespergallon; }, 3, " lit"}},
        {{[](double g) { return g / gramsperpound; }, 3, " lbs"},
         {[](double p) { return p * gramsperpound; }, 2, " g"}},
        {{[](double g) { return g * ouncespergram; }, 3, " oz"},
         {[](double o) { return o * gramsperounce; }, 2, " g"}},
        {{[](double ml) { return ml * pintspermillilitre; }, 3, " pts"},
         {[](double p) { return p * millilitresperpint; }, 2, " ml"}},
    };
    return pairs[static_cast<int>(pair)];
}

std::string resulttext(const Result& result, double x, const FormatSettings& fs)
{
    return formatfixed(result.convert(x), result.decimals, fs) + result.unit;
}

}  // namespace

PairResults convertunits(UnitPair pair, std::string_view text, const FormatSettings& fs)
{
    std::string stripped = strip(text);
    if (pair == UnitPair::temperature && stripped == "-")
        stripped.clear();
    double x = unreadable;
    if (!parsereal(stripped, fs, x) || !std::isfinite(x))
        x = unreadable;
    // Half to even, like every other rounding of the program.
    if (stripped.empty() || std::nearbyint(x) == unreadable)
        return {};
    const Pair& p = pairof(pair);
    // A result too large for a double has no text worth showing.
    if (!std::isfinite(p.left.convert(x)) || !std::isfinite(p.right.convert(x)))
        return {};
    return {resulttext(p.left, x, fs), resulttext(p.right, x, fs)};
}
