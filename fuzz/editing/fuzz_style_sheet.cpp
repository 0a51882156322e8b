// Any bytes as a style sheet: the list of names must read exactly as the INI engine's
// numbered list, and every style must read and match without leaving its bounds.
#include "editing/style_sheet.h"
#include "store/ini_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    quillet::TBigIniFile ini(QString(), input);
    const QStringList names = quillet::ReadStyleNames(ini);
    QStringList expected;
    ini.ReadNumberedList(QStringLiteral("Styles"), expected, QString());
    if (names != expected)
        std::abort();
    quillet::CharAttributes text;
    quillet::ParaAttributes para;
    int budget = 256;
    for (const QString& name : names) {
        if (--budget < 0)
            break;
        const quillet::StyleValues v = quillet::readStyle(ini, name);
        quillet::styleMatches(v, text, para);
        quillet::ApplyStyle(v, para, text);
        const quillet::ColorSplit split = quillet::splitColor(v.color);
        if (quillet::joinColor(split) != v.color)
            std::abort();
    }
    return 0;
}
