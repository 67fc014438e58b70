#include <QDate>

#include "model/vaspo.h"
#include "storage/numeric.h"

qint32 DayNumberOf(const QDate& date)
{
    const int year = date.year();
    qint32 leapYears = 0;
    for (int k = 1990; k <= year - 1; ++k) {
        if (QDate::isLeapYear(k)) {
            ++leapYears;
        }
    }
    return (year - 1990) * 365 + leapYears + date.dayOfYear();
}

QString EnergyFigure(qint16 speed)
{
    return FormatOneDecimal(speed / 1000.0 * 100);
}

QString PollutionFigure(qint16 waterConc)
{
    return FormatOneDecimal((255 - waterConc) / 255.0 * 100);
}

qint32 Vaspo::DayNumber() const
{
    return DayNumberOf(clock_.Now().date());
}
