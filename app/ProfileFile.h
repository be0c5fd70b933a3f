#pragma once

#include <QByteArray>
#include <QString>

// Reads a Windows profile (ini) file the way GetPrivateProfileString does: section and key
// names match without regard to case, the first matching section and key win, blanks around
// a value and one pair of enclosing quotes are dropped, and a value is cut at 2047 characters.
class ProfileFile
{
public:
    static constexpr int MaxValueLength = 2047;

    ProfileFile() = default;
    explicit ProfileFile(QByteArray contents) : m_contents(std::move(contents)) {}

    // A missing or unreadable file reads like an empty one.
    static ProfileFile load(const QString& path);

    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    // Decimal, or hexadecimal after "0x", "0X" or "$"; anything else gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;

    static bool parseInteger(const QString& text, int* value);

private:
    QByteArray m_contents;
};
