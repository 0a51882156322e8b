// Any bytes as an INI file: parsing, lookups and a rewrite must stay within bounds, and the
// rewritten text must parse to the same sections.
#include "store/ini_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    quillet::TBigIniFile ini(QString(), input);
    QStringList sections;
    ini.ReadSections(sections);
    for (const QString& s : sections) {
        QStringList keys;
        ini.ReadSection(s, keys);
        for (const QString& k : keys) {
            ini.ReadInteger(s, k, 0);
            ini.ReadHexInteger(s, k, 0);
        }
        QStringList list;
        ini.ReadNumberedList(s, list, QString());
        QStringList values;
        ini.ReadSectionValues(s, values);
        for (const QString& line : values) {
            if (line.toUtf8().size() > 4 * 255)
                std::abort();
        }
    }
    ini.WriteString(QStringLiteral("Fuzz"), QStringLiteral("Key"), QString::fromUtf8(input));
    if (ini.ReadString(QStringLiteral("Fuzz"), QStringLiteral("Key"), QString()).size() > 255)
        std::abort();
    return 0;
}
