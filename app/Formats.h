#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// How dates and times read on screen and paper, and the TIME texts the server sends.
namespace Formats {

// The workstation's short date format (dd/MM/yyyy for Brazil).
QString shortDate(const QDate& date);
// The long time format: hours, minutes and seconds.
QString longTime(const QTime& time);

// A TIME value as QMYSQL gives it ("08:00:40", "25:30:00", "-01:15:00", fractions allowed)
// in milliseconds, rounded to the nearest; nullopt for a null or unreadable text.
std::optional<qint64> timeTextMsecs(const QString& text);
// A TIME text as a time of day; invalid for null, negative or 24 h and over.
QTime timeOfDay(const QString& text);
// Seconds as hours:minutes:seconds with at least two digits for the hours (176:00:00).
QString durationText(qint64 seconds);

} // namespace Formats
