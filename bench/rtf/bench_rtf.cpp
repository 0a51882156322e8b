// Page loading and saving speed: RtfReader against QTextDocument::setHtml of the same
// content, RtfWriter against toHtml, and how loading grows with the page size.
// Run: bench_rtf [max megabytes, default 20]

#include "ui/rich_editor.h"
#include "ui/rtf_reader.h"
#include "ui/rtf_writer.h"
#include "ui/text_attributes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace quillet;

namespace {

// A page of mixed formatting: runs in several fonts, sizes, colours and styles, aligned
// and indented paragraphs, bullet and numbered lists.
void buildPage(QTextDocument& doc, qint64 targetRtfBytes) {
    QTextCursor c(&doc);
    const QStringList words = {QStringLiteral("harbour"),
                               QStringLiteral("letter"),
                               QStringLiteral("caf\u00E9"),
                               QStringLiteral("night"),
                               QStringLiteral("\u0416\u0443\u043A"),
                               QStringLiteral("stormy")};
    const QStringList fonts = {QStringLiteral("Arial"), QStringLiteral("Times New Roman"),
                               QStringLiteral("Courier New")};
    int n = 0;
    qint64 approx = 0;
    while (approx < targetRtfBytes) {
        QTextBlockFormat bf;
        bf.setAlignment(n % 7 == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
        bf.setLeftMargin((n % 5) * 10);
        c.insertBlock(bf);
        if (n % 11 == 3) {
            ParaAttributes p;
            p.numbering = n % 2 ? NumberingBullet : NumberingArabic;
            writeParaAttributes(c, p, ParaField::Numbering);
        }
        for (int r = 0; r < 8; ++r, ++n) {
            QTextCharFormat f;
            f.setFontFamilies({fonts[n % 3]});
            f.setFontPointSize(10 + n % 5);
            f.setFontWeight(n % 3 == 0 ? QFont::Bold : QFont::Normal);
            f.setFontItalic(n % 4 == 1);
            if (n % 6 == 2)
                f.setForeground(QColor(200, 30, 30));
            if (n % 9 == 4)
                f.setFontUnderline(true);
            const QString text = words[n % words.size()] + QStringLiteral(" and some more words ");
            c.insertText(text, f);
            approx += text.size() + 24;
        }
    }
}

double medianMs(int runs, const std::function<void()>& f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        t.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int maxMb = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    QTextDocument source;
    buildPage(source, 1 << 20);
    const QByteArray rtf = RtfWriter::write(&source);
    const QString html = source.toHtml();
    std::printf("1 MB page: RTF %lld bytes, HTML %lld characters, %d paragraphs\n",
                qint64(rtf.size()), qint64(html.size()), source.blockCount());

    const double readMs = medianMs(5, [&] {
        QTextDocument d;
        RtfReader::read(rtf, &d);
    });
    const double htmlMs = medianMs(5, [&] {
        QTextDocument d;
        d.setHtml(html);
    });
    QTextDocument loaded;
    RtfReader::read(rtf, &loaded);
    const double writeMs = medianMs(5, [&] { RtfWriter::write(&loaded); });
    const double toHtmlMs = medianMs(5, [&] { (void)loaded.toHtml(); });
    std::printf("load : RtfReader %8.1f ms   setHtml %8.1f ms   ratio %.2f\n", readMs, htmlMs,
                readMs / htmlMs);
    std::printf("save : RtfWriter %8.1f ms   toHtml  %8.1f ms   ratio %.2f\n", writeMs, toHtmlMs,
                writeMs / toHtmlMs);

    RichEditor editor;
    editor.resize(800, 600);
    const double editorMs = medianMs(3, [&] { editor.loadRtf(rtf); });
    std::printf("RichEditor::loadRtf of the same page: %.1f ms\n", editorMs);

    std::printf("\nload growth:\n   MB   RTF bytes  RtfReader ms  ms/MB   setHtml ms  ms/MB\n");
    for (int mb : {1, 2, 5, 10, 20}) {
        if (mb > maxMb)
            break;
        QTextDocument big;
        buildPage(big, qint64(mb) << 20);
        const QByteArray data = RtfWriter::write(&big);
        const double ms = medianMs(3, [&] {
            QTextDocument d;
            RtfReader::read(data, &d);
        });
        const QString bigHtml = big.toHtml();
        const double htmlBigMs = medianMs(1, [&] {
            QTextDocument d;
            d.setHtml(bigHtml);
        });
        const double realMb = data.size() / double(1 << 20);
        std::printf("%5d %11lld %13.1f %6.1f %12.1f %6.1f\n", mb, qint64(data.size()), ms,
                    ms / realMb, htmlBigMs, htmlBigMs / realMb);
    }
    return 0;
}
