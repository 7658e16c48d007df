#pragma once

// The unit catalogue: twelve categories, their pairs, labels, factors in both directions,
// result suffixes and reference texts. The main window reads it on every pick and action;
// `calculer` asks `lookupFactor` for the factor and suffix of each conversion.

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace mirandel::catalogue {

// Which field is the source: "haut" (top, imperial) or "bas" (bottom, metric).
enum class Direction
{
    Haut,
    Bas
};
QString directionText(Direction direction);
std::optional<Direction> directionFromText(const QString& text);

enum CategoryIndex : int
{
    Lengths = 0,
    Area = 1,
    Volumes = 2,
    Capacity = 3,
    Mass = 4,
    Force = 5,
    Torque = 6,
    Pressure = 7,
    Temperatures = 8,
    Flow = 9,
    Kerosene = 10,
    Speed = 11,
    CategoryCount = 12
};

// A reference text for Memo1; nullopt leaves the area as it is. Several lines are joined
// with '\n'.
using Reference = std::optional<QString>;

struct Pair
{
    QString caption;
    QString topLabel;
    QString bottomLabel;
    double topToBottom;   // factor applied to a value typed in the top field
    QString bottomSuffix; // appended to the bottom result
    double bottomToTop;
    QString topSuffix;
    Reference pairPickReference; // what the pair pick writes into Memo1
};

struct Category
{
    QString caption;
    std::span<const Pair> pairs;
    Reference listPickReference; // what the category list pick writes into Memo1
};

// The twelve categories in list order.
std::span<const Category> categories();
const Category& category(int index);
QStringList categoryCaptions();
QStringList pairCaptions(int categoryIndex);

// Categories whose pair list offers a choice (the pair pick sets labels and text).
bool hasSeveralPairs(int categoryIndex);

// The kerosene constant: the reciprocal of 1.76368 to full double precision.
inline constexpr double keroseneLitresPerPound = 0.5669962805043999;
inline constexpr double kerosenePoundsPerLitre = 1.76368;

struct Factor
{
    double factor;
    QString suffix;
};

// The factor and result suffix for a conversion from the source field of `direction`.
// Categories with one pair ignore `pairIndex`. For the kerosene category the correction
// factor is parsed from `correctionText` with `separator` (throws the conversion error
// when it does not parse). No row applies in Temperatures or when no pair is selected in
// a several-pair category: the result is nullopt.
std::optional<Factor> lookupFactor(int categoryIndex, int pairIndex, Direction direction,
                                   const QString& correctionText, QChar separator);

// The start-up content of the main window, before any pick.
QString startupPairCaption();
QString startupReference();
QString startupTopLabel();
QString startupBottomLabel();

} // namespace mirandel::catalogue
