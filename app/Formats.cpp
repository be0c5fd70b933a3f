#include "app/Formats.h"

#include <QLocale>
#include <QStringList>

namespace Formats {

QString shortDate(const QDate& date)
{
    if (!date.isValid())
        return {};
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString longTime(const QTime& time)
{
    if (!time.isValid())
        return {};
    return time.toString(QStringLiteral("HH:mm:ss"));
}

std::optional<qint64> timeTextMsecs(const QString& text)
{
    if (text.isNull())
        return std::nullopt;
    QStringView view(text);
    const bool negative = view.startsWith(u'-');
    if (negative)
        view = view.mid(1);
    const auto parts = view.split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    bool okH = false, okM = false, okS = false;
    const qint64 hours = parts[0].toLongLong(&okH);
    const int minutes = parts[1].toInt(&okM);
    const double secs = parts[2].toDouble(&okS);
    if (!okH || !okM || !okS || hours < 0 || minutes < 0 || minutes > 59 || secs < 0 || secs >= 60)
        return std::nullopt;
    const qint64 total = (hours * 3600 + minutes * 60) * 1000 + qRound64(secs * 1000);
    return negative ? -total : total;
}

QTime timeOfDay(const QString& text)
{
    const auto msecs = timeTextMsecs(text);
    if (!msecs || *msecs < 0 || *msecs >= 24 * 3600 * 1000)
        return {};
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(*msecs));
}

QString durationText(qint64 seconds)
{
    const bool negative = seconds < 0;
    if (negative)
        seconds = -seconds;
    return QStringLiteral("%1%2:%3:%4")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace Formats
