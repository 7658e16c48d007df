// Time of calculatmosphere over every whole metre the window accepts (−305 m to 13720 m):
// the whole sweep repeated, the best pass reported, so the figure is the cost of a full
// atmosphere table and of one computation.

#include "atmosphere/atmostext.h"
#include "atmosphere/model.h"

#include <chrono>
#include <cstdio>

using namespace mirandel;

int main()
{
    using clock = std::chrono::steady_clock;
    constexpr int passes = 50;
    constexpr qint32 first = atmosphere::lowestAltitude;
    constexpr qint32 last = atmosphere::highestTypedAltitude;
    constexpr int altitudes = last - first + 1;

    double best = 1e300;
    double checksum = 0.0; // keeps the work observable
    for (int pass = 0; pass < passes; ++pass) {
        const auto start = clock::now();
        for (qint32 h = first; h <= last; ++h) {
            const TAtmosphereValues v = calculatmosphere(h);
            checksum += v.pression + v.vitesse + v.racinede;
        }
        const double seconds = std::chrono::duration<double>(clock::now() - start).count();
        if (seconds < best)
            best = seconds;
    }

    // The same sweep with the window's texts, as the window and a listing show them.
    double bestTexts = 1e300;
    qsizetype characters = 0;
    for (int pass = 0; pass < 5; ++pass) {
        const auto start = clock::now();
        for (qint32 h = first; h <= last; ++h) {
            const atmosphere::TAtmosphereTexts t =
                atmosphere::atmosphereTexts(calculatmosphere(h), u',');
            characters += t.pression.size() + t.vitesse.size();
        }
        const double seconds = std::chrono::duration<double>(clock::now() - start).count();
        if (seconds < bestTexts)
            bestTexts = seconds;
    }

    std::printf("calculatmosphere: %d altitudes (%d m to %d m), best of %d passes\n", altitudes,
                first, last, passes);
    std::printf("  whole range: %.3f ms, %.1f ns per altitude\n", best * 1e3,
                best * 1e9 / altitudes);
    std::printf("  with the window's texts: %.3f ms, %.1f ns per altitude\n", bestTexts * 1e3,
                bestTexts * 1e9 / altitudes);
    std::printf("  (checksum %.6g, %lld characters)\n", checksum,
                static_cast<long long>(characters));
    return 0;
}
