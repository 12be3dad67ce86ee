#include "platform/qtclock.h"

#include <QDateTime>

#include "records/calendar.h"

TDateTime SystemClock::now() const
{
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime tm = t.time();
    return encodedate(d.year(), d.month(), d.day()) + tm.msecsSinceStartOfDay() / 86400000.0;
}
