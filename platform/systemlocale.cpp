#include "platform/systemlocale.h"

#include <QLocale>

#include "platform/localeformat.h"
#include "platform/qtext.h"

FormatSettings localeformatsettings(const QLocale& locale)
{
    FormatSettings fs;
    fs.decimalSeparator = fromqs(locale.decimalPoint());
    fs.thousandSeparator = fromqs(locale.groupSeparator());
    DateFormatParts date = datefromqtformat(fromqs(locale.dateFormat(QLocale::ShortFormat)));
    fs.shortDateFormat = std::move(date.shortDateFormat);
    fs.dateSeparator = std::move(date.dateSeparator);
    TimeFormatParts time = timefromqtformat(fromqs(locale.timeFormat(QLocale::LongFormat)));
    fs.longTimeFormat = std::move(time.longTimeFormat);
    fs.timeSeparator = std::move(time.timeSeparator);
    fs.timeAMString = fromqs(locale.amText());
    fs.timePMString = fromqs(locale.pmText());
    return fs;
}

FormatSettings systemformatsettings()
{
    static const FormatSettings settings = localeformatsettings(QLocale::system());
    return settings;
}
