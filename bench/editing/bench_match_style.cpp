// Times MatchStyle on a style sheet of 100 styles. Every selection change in the editor runs
// it and it reads the file afresh each time, so it has to stay far below a frame (16 ms).
//
// Usage: bench_match_style [runs]

#include "editing/style_sheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quillet;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 2000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quillet.ini"));
    const StyleSheetLocation where(path);
    for (int i = 0; i < 100; ++i) {
        StyleValues v = newStyleValues();
        v.fontName = QStringLiteral("Font %1").arg(i % 7);
        v.fontSize = 8 + i % 20;
        v.bold = i % 2;
        v.italic = i % 3 == 0;
        v.firstIndent = i % 5 * 6;
        saveStyle(where, QStringLiteral("Style %1").arg(i, 3, 10, QLatin1Char('0')), v);
    }

    // The worst case compares every style to the end: a selection that matches the last
    // style in list order, and one that matches none.
    CharAttributes last;
    const StyleValues lastStyle = readStyle(path, QStringLiteral("Style 099"));
    last.fontName = lastStyle.fontName;
    last.size = lastStyle.fontSize;
    last.bold = lastStyle.bold;
    last.italic = lastStyle.italic;
    last.color = lastStyle.color;
    last.backColor = lastStyle.backColor;
    ParaAttributes para;
    para.firstIndent = lastStyle.firstIndent;
    CharAttributes none = last;
    none.size = 99;

    for (const auto& [label, text] :
         {std::pair{"matches the last style", last}, std::pair{"matches nothing", none}}) {
        std::vector<qint64> ns;
        ns.reserve(runs);
        QString result;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            result = MatchStyle(path, text, para);
            ns.push_back(t.nsecsElapsed());
        }
        std::sort(ns.begin(), ns.end());
        std::printf("MatchStyle, 100 styles, %s (%s): median %.1f us, 99th percentile %.1f us, "
                    "max %.1f us over %d runs\n",
                    label, qPrintable(result.isEmpty() ? QStringLiteral("-") : result),
                    ns[ns.size() / 2] / 1000.0, ns[ns.size() * 99 / 100] / 1000.0,
                    ns.back() / 1000.0, runs);
    }
    return 0;
}
