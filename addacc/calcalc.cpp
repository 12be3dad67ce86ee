#include "addacc/calcalc.h"

#include "records/tbaccrec.h"
#include "records/valueparse.h"

double tempcorrection(double f)
{
    if (f < 52)
        return -0.6;
    if (f < 57)
        return -0.3;
    if (f <= 62)
        return 0.0;
    struct Band {
        double upto;
        double points;
    };
    static constexpr Band bands[] = { { 65, 0.4 }, { 70, 0.9 }, { 74, 1.5 }, { 80, 2.0 }, { 83, 2.6 },
        { 90, 3.4 }, { 93, 4.0 }, { 97, 5.0 }, { 102, 5.9 } };
    for (const Band& band : bands) {
        if (f <= band.upto)
            return band.points;
    }
    return 6.8;
}

namespace {

// Half a percent for the sugar that primes a metric batch (0.18 kg); an
// imperial weight counts as the usual dose whatever it is.
double primingallowance(double weight, bool metricunits)
{
    if (isnotgiven(weight) || weight < 0.001)
        return 0.0;
    return metricunits ? weight / 0.18 * 0.5 : 0.5;
}

} // namespace

AlcoholResult calcalc(const AlcoholInput& in, bool metricunits, const FormatSettings& fs)
{
    const int fg = getint(in.finalgrav);
    if (fg < 0)
        return { AlcoholResult::clear, {} };
    double fgc = fg;
    double temp = getreal(in.brewtemp, fs);
    if (!isnotgiven(temp)) {
        if (metricunits)
            temp = (temp + 40) * 9 / 5 - 40;
        fgc += tempcorrection(temp);
    }
    const int og = getint(in.origgrav);
    if (og < 0)
        return { AlcoholResult::clear, {} };
    if (og <= fgc)
        return { AlcoholResult::warn, {} };
    const double abv = (og - fgc) / 7.5 + primingallowance(getreal(in.pskgused, fs), metricunits);
    return { AlcoholResult::write, formatfixed(abv, 1, fs) };
}
