// libFuzzer target for the Admin.ini reader: any bytes must read without a crash, a hang or
// undefined behaviour, and the values keep the reader's limits. Run by scripts/fuzz.sh.
#include "app/ProfileFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ProfileFile profile(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    const QString server = profile.readString(QStringLiteral("LOCAL"), QStringLiteral("SERVIDOR"));
    const QString database = profile.readString(QStringLiteral("local"), QStringLiteral("banco"));
    if (server.size() > ProfileFile::MaxValueLength ||
        database.size() > ProfileFile::MaxValueLength)
        std::abort();
    profile.readInteger(QStringLiteral("LOCAL"), QStringLiteral("PORTA"), 0);
    int value = 0;
    ProfileFile::parseInteger(QString::fromLatin1(reinterpret_cast<const char*>(data), int(size)),
                              &value);
    return 0;
}
