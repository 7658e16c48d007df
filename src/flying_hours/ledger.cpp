#include "flying_hours/ledger.h"

#include "common/error.h"
#include "common/numbertext.h"

#include <algorithm>
#include <limits>

namespace mirandel::ledger {

using namespace Qt::StringLiterals;

namespace {

qint64 checkedAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw MirandelError::invalidFloatOperation();
    return sum;
}

qint64 checkedSub(qint64 a, qint64 b)
{
    qint64 difference = 0;
    if (__builtin_sub_overflow(a, b, &difference))
        throw MirandelError::invalidFloatOperation();
    return difference;
}

qint64 checkedMul(qint64 a, qint64 b)
{
    qint64 product = 0;
    if (__builtin_mul_overflow(a, b, &product))
        throw MirandelError::invalidFloatOperation();
    return product;
}

// Moves every whole hour of the minutes into the hours, rounding down, so that the minutes
// lie between 0 and 59 and the hours carry the sign: -75 minutes are -2 hours 45 minutes.
void carryWholeHours(Total& total)
{
    qint64 carried = total.minutes / 60;
    qint64 left = total.minutes % 60;
    if (left < 0) {
        left += 60;
        --carried;
    }
    total.hours = checkedAdd(total.hours, carried);
    total.minutes = left;
}

QString numbers(const Total& total, const QString& beforeLandings)
{
    return QString::number(total.hours) % u" hrs " % QString::number(total.minutes) % u" mn " %
           QString::number(total.landings) % beforeLandings % u"lndg";
}

} // namespace

QString plus()
{
    return u"+"_s;
}

QString minus()
{
    return u"-"_s;
}

QString vfr()
{
    return u"VFR"_s;
}

QString ifr()
{
    return u"IFR"_s;
}

QString night()
{
    return u"NIGHT"_s;
}

QString zeroFilled(const QString& text, int width)
{
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), u'0') + text;
}

QString displayLine(const QString& sign, const QString& hours, const QString& minutes,
                    const QString& landings, const QString& category)
{
    return sign % zeroFilled(hours, hoursWidth) % u" Hrs " % zeroFilled(minutes, minutesWidth) %
           u" mn " % zeroFilled(landings, landingsWidth) % u" lndg   ==> " % category;
}

QString displayLine(const Row& row)
{
    return displayLine(row.sign, row.hours, row.minutes, row.landings, row.category);
}

QString initialLine()
{
    return u"+ 000000 hrs 00 mn 000000 lndg  ==> VFR"_s;
}

QString unformattedLine(const QString& sign, const QString& category)
{
    return sign % u" 000000 hrs 00 mn 000000 lndg   ==> " % category;
}

QString initialTotalText()
{
    return u"000000 hrs 00 mn 000000 lndg"_s;
}

qint64 count(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return numbertext::parseInt32(text);
}

void accumulate(Total& total, const QString& sign, qint64 hours, qint64 minutes, qint64 landings)
{
    if (sign == plus()) {
        total.minutes = checkedAdd(total.minutes, minutes);
        carryWholeHours(total);
        total.hours = checkedAdd(total.hours, hours);
        total.landings = checkedAdd(total.landings, landings);
    } else if (sign == minus()) {
        total.minutes = checkedSub(total.minutes, minutes);
        carryWholeHours(total);
        total.landings = checkedSub(total.landings, landings);
        total.hours = checkedSub(total.hours, hours);
    }
}

Totals totals(const QList<Row>& rows)
{
    Totals result;
    for (const Row& row : rows) {
        const qint64 hours = count(row.hours);
        const qint64 minutes = count(row.minutes);
        const qint64 landings = count(row.landings);
        accumulate(result.all, row.sign, hours, minutes, landings);
        if (row.category == ifr())
            accumulate(result.ifr, row.sign, hours, minutes, landings);
        else if (row.category == vfr())
            accumulate(result.vfr, row.sign, hours, minutes, landings);
        else if (row.category == night())
            accumulate(result.night, row.sign, hours, minutes, landings);
    }
    return result;
}

bool holdsNothing(const QList<Row>& rows)
{
    const auto zero = [](const QString& text) {
        return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'0'; });
    };
    if (rows.size() != 1)
        return rows.isEmpty();
    const Row& row = rows.front();
    return zero(row.hours) && zero(row.minutes) && zero(row.landings);
}

QString totalText(const Total& total)
{
    return numbers(total, u" "_s);
}

QString vfrText(const Total& total)
{
    return u"VFR  : "_s + numbers(total, u" "_s);
}

QString ifrText(const Total& total)
{
    return u"IFR   : "_s + numbers(total, QString());
}

QString nightText(const Total& total)
{
    return u"Night : "_s + numbers(total, u" "_s);
}

std::optional<Average> average(const Total& total, qint64 days)
{
    if (days == 0)
        return std::nullopt;
    const qint64 minutes = checkedAdd(checkedMul(total.hours, 60), total.minutes);
    // Integer division truncates toward zero, as the average wants. The one quotient
    // that leaves the range (the least value over -1) is refused.
    if (days == -1 && (minutes == std::numeric_limits<qint64>::min() ||
                       total.landings == std::numeric_limits<qint64>::min()))
        throw MirandelError::invalidFloatOperation();
    const qint64 perDay = minutes / days;
    Average result;
    result.hours = perDay / 60;
    result.minutes = perDay - 60 * result.hours;
    result.landings = total.landings / days;
    return result;
}

QString averageText(const std::optional<Average>& average)
{
    if (!average)
        return u"-- hrs -- mn -- lndg"_s;
    return QString::number(average->hours) % u" hrs " % QString::number(average->minutes) %
           u" mn " % QString::number(average->landings) % u" lndg";
}

} // namespace mirandel::ledger
