#include "workbench/catalogue.h"

#include "common/numbertext.h"

#include <array>

namespace mirandel::catalogue {

using namespace Qt::StringLiterals;

namespace {

QString lines(std::initializer_list<const char16_t*> parts)
{
    QStringList list;
    for (const char16_t* part : parts)
        list << QString::fromUtf16(part);
    return list.join(u'\n');
}

const std::array<Pair, 3> lengthPairs{{
    {u"inch <> mm"_s, u"inch"_s, u"mm"_s, 25.4, u" mm"_s, 0.03937, u" in"_s,
     u"1 inch=25,4mm  1mm=0,03937 inch"_s},
    {u" ft  <> m"_s, u"ft"_s, u"m"_s, 0.3048, u" m"_s, 3.2808, u" ft"_s,
     u"1 ft=0,3048 m  1m=3,2808 ft"_s},
    {u" NM  <> Km"_s, u"NM"_s, u"Km"_s, 1.852, u" km"_s, 0.54, u" NM"_s,
     u"1 NM=1,852Km  1Km=0,54 NM"_s},
}};

const std::array<Pair, 2> areaPairs{{
    {u"sq.inch <> cm2"_s, u"sq.in"_s, u"cm2"_s, 6.4516, u" cm2"_s, 0.155, u" sq.in"_s,
     u"1sq.in=6,4516 cm2  1cm2=0,155 sq.in"_s},
    {u"sq.foot <> m2"_s, u"sq.ft"_s, u"m2"_s, 0.092903, u" m2"_s, 10.764, u" sq.ft"_s,
     u"1sq.foot=0,092903 m2  1m2=10,764 sq.feet"_s},
}};

const std::array<Pair, 2> volumePairs{{
    {u"cu.in <> cm3"_s, u"cu.in"_s, u"cm3"_s, 16.387, u" cm3"_s, 0.061, u" cu.in"_s,
     lines({u"1cm3=0,061cu.in", u"1cu.in=16,387 cm3 "})},
    {u"cu.ft<> m3"_s, u"cu.ft"_s, u"m3"_s, 0.0283, u" m3"_s, 35.314, u" cu.ft"_s,
     lines({u"1cu.ft=0,0283 m3 ", u"1m3=35,314 cu.ft "})},
}};

const std::array<Pair, 2> capacityPairs{{
    {u"US.pint <> l"_s, u"US pint"_s, u"litre"_s, 0.47, u" l"_s, 2.11, u" US pint"_s,
     u"1 US pint=0,47 l    1l=2,11US pint"_s},
    {u"US.gal <> l"_s, u"US gal"_s, u"litre"_s, 3.78, u" l"_s, 0.26, u" US gal"_s,
     u"1 US gallon=3,78l    1l=0,26US gallon"_s},
}};

const std::array<Pair, 1> massPairs{{
    {u"Kg <>  Lb"_s, u"Lbs"_s, u"Kg"_s, 0.4536, u" kg"_s, 2.2046, u" lb"_s, std::nullopt},
}};

const std::array<Pair, 1> forcePairs{{
    {u"lbf <> daN"_s, u"lbf"_s, u"daN"_s, 0.4448, u" daN"_s, 2.248, u" lbf"_s, std::nullopt},
}};

const std::array<Pair, 2> torquePairs{{
    {u"ft.lbf <> m.daN"_s, u"ft.lbf"_s, u"m.daN"_s, 0.1356, u" m.daN"_s, 7.3756, u" ft.lbf"_s,
     u"1ft.lbf=0,1356m.daN  1m.daN=7,3756ft.lbf"_s},
    {u"in.lbf <> m.daN"_s, u"in.lbf"_s, u"m.daN"_s, 0.0113, u" m.daN"_s, 88.51, u" in.lbf"_s,
     u"1in.lbf=0,0113m.daN  1m.daN=88,51in.lbf"_s},
}};

const std::array<Pair, 1> pressurePairs{{
    {u"psi <> bar"_s, u"psi"_s, u"bar"_s, 0.06895, u" bar"_s, 14.5, u" psi"_s, std::nullopt},
}};

const std::array<Pair, 1> flowPairs{{
    {u"cu.ft/min<> litres/mn"_s, u"cu.ft/min"_s, u"l/mn"_s, 28.333, u" l/mn"_s, 0.035295,
     u" cu.ft/min"_s, std::nullopt},
}};

// The kerosene factors depend on the correction factor; lookupFactor computes them.
const std::array<Pair, 1> kerosenePairs{{
    {u"Litres <>  Lbs"_s, u"LbS"_s, u"Litres"_s, keroseneLitresPerPound, u" l"_s,
     kerosenePoundsPerLitre, u" lbs"_s, std::nullopt},
}};

const std::array<Pair, 1> speedPairs{{
    {u"MPH <>  KmH"_s, u"MPH"_s, u"KmH"_s, 1.609344, u" KmH"_s, 0.6213712, u" MPH"_s, std::nullopt},
}};

const std::array<Category, CategoryCount> table{{
    {u"Lenghts"_s, lengthPairs, u"1 inch=25,4mm  1mm=0,03937 inch"_s},
    {u"Area"_s, areaPairs, u"1sq.in=6,4516 cm2  1cm2=0,155 sq.in"_s},
    {u"Volumes"_s, volumePairs, u"1cu.in=16,387 cm3  1cm3=0,061cu.in"_s},
    {u"Capacity"_s, capacityPairs, u"1 US pint=0,47 l    1l=2,11US pint"_s},
    {u"Mass"_s, massPairs, u"1lb   = 0,4536 kg  1Kg= 2,2046 lbs  1lb=16 oz "_s},
    {u"Force"_s, forcePairs, u"1lbf=0,4448daN    1daN=2,248lbf"_s},
    {u"Torque"_s, torquePairs, u"1ft.lbf=0,1356m.daN  1m.daN=7,3756ft.lbf"_s},
    {u"Pressure"_s, pressurePairs, u"1psi=68,95mb     1bar=14,5psi"_s},
    {u"Temperatures"_s, {}, std::nullopt},
    {u"Fow"_s, flowPairs, u"1cu.ft/min=28,33l/mn 1l/mn=0,0353cu.ft/mn"_s},
    {u"Mass/volume  kéroséne"_s, kerosenePairs,
     u"1litre = 1,76368 Lbs    1Lb = 0.56699 litre       à 15°c  "_s},
    {u"Speed MPH >KM/hr"_s, speedPairs, u"1MPH = 1,609Km/h   1Km/h = 0.621371 MPH  "_s},
}};

} // namespace

QString directionText(Direction direction)
{
    return direction == Direction::Haut ? QStringLiteral("haut") : QStringLiteral("bas");
}

std::optional<Direction> directionFromText(const QString& text)
{
    if (text == u"haut")
        return Direction::Haut;
    if (text == u"bas")
        return Direction::Bas;
    return std::nullopt;
}

std::span<const Category> categories()
{
    return table;
}

const Category& category(int index)
{
    return table.at(static_cast<size_t>(index));
}

QStringList categoryCaptions()
{
    QStringList captions;
    for (const Category& c : table)
        captions << c.caption;
    return captions;
}

QStringList pairCaptions(int categoryIndex)
{
    QStringList captions;
    for (const Pair& p : category(categoryIndex).pairs)
        captions << p.caption;
    return captions;
}

bool hasSeveralPairs(int categoryIndex)
{
    return categoryIndex >= 0 && categoryIndex < CategoryCount &&
           category(categoryIndex).pairs.size() > 1;
}

std::optional<Factor> lookupFactor(int categoryIndex, int pairIndex, Direction direction,
                                   const QString& correctionText, QChar separator)
{
    if (categoryIndex < 0 || categoryIndex >= CategoryCount)
        return std::nullopt;
    const auto pairs = category(categoryIndex).pairs;
    if (pairs.empty())
        return std::nullopt;
    if (pairs.size() == 1)
        pairIndex = 0;
    if (pairIndex < 0 || static_cast<size_t>(pairIndex) >= pairs.size())
        return std::nullopt;
    const Pair& pair = pairs[static_cast<size_t>(pairIndex)];
    const bool haut = direction == Direction::Haut;
    Factor result{haut ? pair.topToBottom : pair.bottomToTop,
                  haut ? pair.bottomSuffix : pair.topSuffix};
    if (categoryIndex == Kerosene) {
        const long double vcf = numbertext::parseFloat(correctionText, separator);
        result.factor = haut ? static_cast<double>(keroseneLitresPerPound / vcf)
                             : static_cast<double>(vcf * kerosenePoundsPerLitre);
    }
    return result;
}

QString startupPairCaption()
{
    return QStringLiteral("Kg <>  Lb");
}

QString startupReference()
{
    return QStringLiteral("1 lb   = 0,4536 kg\n1 Kg = 2,2046 lb\n1lb   = 16 oz");
}

QString startupTopLabel()
{
    return QStringLiteral("Lb");
}

QString startupBottomLabel()
{
    return QStringLiteral("Kg");
}

} // namespace mirandel::catalogue
