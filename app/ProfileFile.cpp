#include "app/ProfileFile.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// Windows keeps ini files in the ANSI code page; accept UTF-8 too, since files written on
// Linux workstations are.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

QString trimmed(QStringView text)
{
    // The profile reader drops blanks and tabs, nothing else.
    qsizetype begin = 0, end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(begin, end - begin).toString();
}

} // namespace

ProfileFile ProfileFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Nobody keeps a real configuration of more than a few kilobytes; a huge file is read
    // only as far as a profile reader would look in practice.
    return ProfileFile(file.read(16 * 1024 * 1024));
}

QString ProfileFile::readString(const QString& section, const QString& key,
                                const QString& defaultValue) const
{
    const QString text = decode(m_contents);
    bool inSection = false;
    bool sectionSeen = false;
    for (QStringView rawLine : QStringView(text).split(u'\n')) {
        if (rawLine.endsWith(u'\r'))
            rawLine.chop(1);
        const QString line = trimmed(rawLine);
        if (line.startsWith(u'[')) {
            // Only the first section of that name counts, as with the Windows reader.
            if (sectionSeen)
                break;
            const qsizetype close = line.indexOf(u']');
            const QString name = trimmed(QStringView(line).mid(1, close < 0 ? -1 : close - 1));
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            sectionSeen = inSection;
            continue;
        }
        if (!inSection || line.startsWith(u';'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (trimmed(QStringView(line).left(eq)).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QString value = trimmed(QStringView(line).mid(eq + 1));
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        return value.left(MaxValueLength);
    }
    return defaultValue.left(MaxValueLength);
}

bool ProfileFile::parseInteger(const QString& text, int* value)
{
    QStringView digits(text);
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    } else if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty())
        return false;
    for (QChar ch : digits) {
        // toLongLong would also take blanks and signs in the middle; the profile does not.
        const bool ok = base == 10 ? ch.isDigit() && ch.unicode() < 128
                                   : QStringLiteral("0123456789abcdefABCDEF").contains(ch);
        if (!ok)
            return false;
    }
    bool ok = false;
    qlonglong number = digits.toLongLong(&ok, base);
    if (!ok)
        return false;
    if (negative)
        number = -number;
    if (base == 16 && !negative && number > 0x7fffffffLL && number <= 0xffffffffLL)
        number = static_cast<qint32>(static_cast<quint32>(number)); // $FFFFFFFF is -1
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return false;
    *value = static_cast<int>(number);
    return true;
}

int ProfileFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    int value = 0;
    return parseInteger(readString(section, key), &value) ? value : defaultValue;
}
