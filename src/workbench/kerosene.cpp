#include "workbench/kerosene.h"

#include <array>

namespace mirandel::kerosene {

namespace {

// Factors in ten-thousandths, from -12 °C to 40 °C.
constexpr std::array<int, 53> factors{10249, 10240, 10231, 10221, 10212, 10203, 10194, 10185, 10176,
                                      10166, 10157, 10148, 10139, 10130, 10120, 10111, 10102, 10093,
                                      10083, 10074, 10065, 10056, 10046, 10037, 10028, 10019, 10009,
                                      10000, 9991,  9981,  9972,  9963,  9953,  9944,  9935,  9926,
                                      9916,  9907,  9898,  9888,  9879,  9869,  9860,  9851,  9841,
                                      9832,  9823,  9813,  9804,  9794,  9785,  9776,  9766};

QString written(int tenThousandths, QChar separator)
{
    return QString::number(tenThousandths / 10000) + separator +
           QStringLiteral("%1").arg(tenThousandths % 10000, 4, 10, QLatin1Char('0'));
}

} // namespace

QStringList correctionList(QChar separator)
{
    QStringList list;
    for (int f : factors)
        list << written(f, separator);
    return list;
}

QString correctionText(int temperature, QChar separator)
{
    const int index = temperature - lowestTemperature;
    return written(factors.at(static_cast<size_t>(index)), separator);
}

} // namespace mirandel::kerosene
