// Reading a style sheet of 100 sections, as every selection change does: the first read
// parses the file, later reads of unchanged bytes reuse the parsed sections.

#include "store/ini_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace quillet;

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("styles.ini"));
    QByteArray content;
    for (int s = 0; s < 100; ++s) {
        content += "[Style " + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < 25; ++k)
            content +=
                "Key" + QByteArray::number(k) + "=" + QByteArray::number(s * 1000 + k) + "\r\n";
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(content);
    f.close();

    auto readAll = [&] {
        TBigIniFile ini(path);
        QStringList sections;
        ini.ReadSections(sections);
        int sum = 0;
        for (const QString& s : sections)
            sum += ini.ReadInteger(s, QStringLiteral("Key24"), 0);
        return sum;
    };
    QElapsedTimer t;
    t.start();
    const int first = readAll();
    const double firstUs = t.nsecsElapsed() / 1e3;
    const int rounds = 1000;
    t.restart();
    qint64 sum = 0;
    for (int i = 0; i < rounds; ++i)
        sum += readAll();
    const double cachedUs = t.nsecsElapsed() / 1e3 / rounds;
    std::printf("style sheet %lld bytes, 100 sections: first read %.0f us, later reads %.1f us "
                "(100 lookups each; same answers: %s)\n",
                static_cast<long long>(content.size()), firstUs, cachedUs,
                sum == qint64(first) * rounds ? "yes" : "NO");
    return 0;
}
