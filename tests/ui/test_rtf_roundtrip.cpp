#include "helpers_rtf.h"

#include "ui/rtf_reader.h"
#include "ui/rtf_writer.h"
#include "ui/text_attributes.h"

#include <QDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QtTest>

using namespace quillet;

namespace {

QString corpus(const QString& name) {
    return QStringLiteral(QUILLET_TEST_DATA "/rtf/") + name;
}

QList<QByteArray> rawObjects(const QTextDocument& doc) {
    QList<QByteArray> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                out.append(it.fragment().charFormat().property(textprop::RawRtf).toByteArray());
    return out;
}

QString textWithBreaks(const QTextDocument& d) {
    QString t = d.toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return t;
}

} // namespace

class TestRtfRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void corpusRoundTrip_data();
    void corpusRoundTrip();
    void corpusContent();
    void libreOfficeReadsOurOutput();
    void everyAttributeRoundTrips();
    void writerHeaderAndEncoding();
    void listsCarryLabels();
    void pastedPictureWrittenAsPng();
    void tableRoundTrip();
};

void TestRtfRoundTrip::corpusRoundTrip_data() {
    QTest::addColumn<QString>("file");
    const QStringList files =
        QDir(QStringLiteral(QUILLET_TEST_DATA "/rtf")).entryList({QStringLiteral("*.rtf")});
    QVERIFY(files.size() >= 6);
    for (const QString& f : files)
        QTest::newRow(qPrintable(f)) << f;
}

// load -> save -> load gives the same text, attributes, pictures and kept objects; a second
// save gives the same bytes.
void TestRtfRoundTrip::corpusRoundTrip() {
    QFETCH(QString, file);
    const QByteArray original = test::readFile(corpus(file));
    QVERIFY(!original.isEmpty());
    QTextDocument first;
    QVERIFY(RtfReader::read(original, &first));
    QVERIFY(!first.toPlainText().trimmed().isEmpty());
    const QByteArray saved = RtfWriter::write(&first);
    QTextDocument second;
    QVERIFY(RtfReader::read(saved, &second));
    QCOMPARE(test::describe(&second), test::describe(&first));
    QCOMPARE(rawObjects(second), rawObjects(first));
    QCOMPARE(RtfWriter::write(&second), saved);
}

void TestRtfRoundTrip::corpusContent() {
    QTextDocument wp;
    QVERIFY(RtfReader::read(test::readFile(corpus(QStringLiteral("wordpad_style.rtf"))), &wp));
    const QString text = textWithBreaks(wp);
    QVERIFY(text.contains(QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442"))); // cp1251 font
    QVERIFY(text.contains(QStringLiteral("\u20AC and \u0416")));
    QVERIFY(text.contains(QStringLiteral("hidden words visible")));
    const QList<QByteArray> kept = rawObjects(wp);
    QCOMPARE(kept.size(), 2);
    QVERIFY(kept[0].startsWith("{\\pict{\\*\\picprop}\\wmetafile8"));
    QVERIFY(kept[1].startsWith("{\\object\\objemb"));
    const QByteArray saved = RtfWriter::write(&wp);
    QVERIFY(saved.contains(kept[0]));
    QVERIFY(saved.contains(kept[1]));

    QTextDocument word;
    QVERIFY(RtfReader::read(test::readFile(corpus(QStringLiteral("word_style.rtf"))), &word));
    const QString wtext = textWithBreaks(word);
    QVERIFY(wtext.startsWith(QStringLiteral("Chapter One\nIt was a dark and stormy night\u2026")));
    QVERIFY(!wtext.contains(QStringLiteral("Story notes"))); // info
    QVERIFY(!wtext.contains(QStringLiteral("Normal")));      // style sheet
    QVERIFY(!wtext.contains(QStringLiteral("a)")));          // list labels are not text
    QCOMPARE(test::attributeAt(&word, 0, QStringLiteral("heading")).toInt(), 1);
    const int anna = int(wtext.indexOf(QStringLiteral("Anna")));
    QCOMPARE(test::attributeAt(&word, anna, QStringLiteral("numbering")).toInt(), 1);
    const int step = int(wtext.indexOf(QStringLiteral("First step")));
    QCOMPARE(test::attributeAt(&word, step, QStringLiteral("numbering")).toInt(), 3);
    QCOMPARE(test::attributeAt(&word, step, QStringLiteral("numstyle")).toInt(), 0);
    const int mail = int(wtext.indexOf(QStringLiteral("Write to me")));
    QCOMPARE(test::attributeAt(&word, mail, QStringLiteral("href")).toString(),
             QStringLiteral("mailto:writer@example.com"));

    QTextDocument lo;
    QVERIFY(RtfReader::read(test::readFile(corpus(QStringLiteral("lo_lists_tables.rtf"))), &lo));
    int tables = 0;
    for (auto it = lo.rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
            ++tables;
            QCOMPARE(t->rows(), 3);
            QCOMPARE(t->columns(), 2);
        }
    QCOMPARE(tables, 1);
    const QString ltext = textWithBreaks(lo);
    QCOMPARE(test::attributeAt(&lo, int(ltext.indexOf(QStringLiteral("Opening"))),
                               QStringLiteral("numbering"))
                 .toInt(),
             2);
    QCOMPARE(test::attributeAt(&lo, int(ltext.indexOf(QStringLiteral("first roman"))),
                               QStringLiteral("numbering"))
                 .toInt(),
             6);
}

// libreoffice_resave.rtf is LibreOffice's own re-save of what this program wrote for
// wordpad_style.rtf: the text survives the trip through another word processor.
void TestRtfRoundTrip::libreOfficeReadsOurOutput() {
    QTextDocument ours, theirs;
    QVERIFY(RtfReader::read(test::readFile(corpus(QStringLiteral("wordpad_style.rtf"))), &ours));
    QVERIFY(
        RtfReader::read(test::readFile(corpus(QStringLiteral("libreoffice_resave.rtf"))), &theirs));
    QCOMPARE(textWithBreaks(theirs), textWithBreaks(ours));
    const int bold = int(textWithBreaks(theirs).indexOf(QStringLiteral("bold")));
    QVERIFY(test::attributeAt(&theirs, bold, QStringLiteral("bold")).toBool());
    const int sup = int(textWithBreaks(theirs).indexOf(QStringLiteral("super")));
    QCOMPARE(test::attributeAt(&theirs, sup, QStringLiteral("script")).toInt(), 2);
}

void TestRtfRoundTrip::everyAttributeRoundTrips() {
    QTextDocument doc;
    QTextCursor c(&doc);
    struct Case {
        CharFields fields;
        CharAttributes a;
    };
    QList<Case> cases;
    auto add = [&](CharFields f, auto set) {
        CharAttributes a;
        a.fontName = QStringLiteral("Courier New");
        a.size = 15;
        set(a);
        cases.append({f | CharField::FontName | CharField::Size, a});
    };
    add(CharField::Bold, [](CharAttributes& a) { a.bold = true; });
    add(CharField::Italic, [](CharAttributes& a) { a.italic = true; });
    add(CharField::StrikeOut, [](CharAttributes& a) { a.strikeOut = true; });
    for (int u = 1; u <= 5; ++u)
        add(CharField::UnderlineStyle, [u](CharAttributes& a) { a.underlineStyle = u; });
    add(CharField::Script, [](CharAttributes& a) { a.script = ScriptSubscript; });
    add(CharField::Script, [](CharAttributes& a) { a.script = ScriptSuperscript; });
    add(CharField::Hidden, [](CharAttributes& a) { a.hidden = true; });
    add(CharField::Disabled, [](CharAttributes& a) { a.disabled = true; });
    add(CharField::Protected, [](CharAttributes& a) { a.isProtected = true; });
    add(CharField::Link, [](CharAttributes& a) { a.link = true; });
    add(CharField::Color | CharField::BackColor, [](CharAttributes& a) {
        a.color = 0x123456;
        a.backColor = 0x654321;
    });
    for (int i = 0; i < cases.size(); ++i) {
        const int start = c.position();
        c.insertText(QStringLiteral("w%1").arg(i));
        c.setPosition(start, QTextCursor::KeepAnchor);
        writeCharAttributes(c, cases[i].a, cases[i].fields);
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral(" "), QTextCharFormat());
    }
    const QString before = test::describe(&doc);
    QTextDocument back;
    QVERIFY(RtfReader::read(RtfWriter::write(&doc), &back));
    QCOMPARE(test::describe(&back), before);
    QVERIFY(before.contains(QStringLiteral("u3")));
    QVERIFY(before.contains(QStringLiteral("H w")));
}

void TestRtfRoundTrip::writerHeaderAndEncoding() {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("caf\u00E9 \u20AC \u0416 \U0001F600 {x} a\\b"));
    const QByteArray rtf = RtfWriter::write(&doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0"));
    QVERIFY(rtf.contains("{\\colortbl ;"));
    QVERIFY(rtf.contains("\\viewkind4\\uc1"));
    QVERIFY(rtf.contains("caf\\'e9 \\'80 \\u1046? \\u-10179?\\u-8704? \\{x\\} a\\\\b"));
    for (char ch : rtf)
        QVERIFY(static_cast<unsigned char>(ch) < 0x80);
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(back.toPlainText(), doc.toPlainText());
}

void TestRtfRoundTrip::listsCarryLabels() {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("one"));
    c.insertBlock();
    c.insertText(QStringLiteral("two"));
    c.select(QTextCursor::Document);
    ParaAttributes p;
    p.numbering = NumberingLowerRoman;
    p.numberingStyle = NumberingEnclosed;
    writeParaAttributes(c, p, ParaField::Numbering | ParaField::NumberingStyle);
    const QByteArray rtf = RtfWriter::write(&doc);
    QVERIFY(rtf.contains("{\\*\\pn\\pnlvlbody"));
    QVERIFY(rtf.contains("\\pnlcrm"));
    QVERIFY(rtf.contains("{\\pntext\\f0 (ii)\\tab}"));
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(back.toPlainText(), QStringLiteral("one\ntwo"));
    QCOMPARE(back.begin().textList(), back.lastBlock().textList());
    QCOMPARE(test::describe(&back), test::describe(&doc));
}

void TestRtfRoundTrip::pastedPictureWrittenAsPng() {
    QTextDocument doc;
    QImage img(3, 2, QImage::Format_RGB32);
    img.fill(Qt::green);
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("pasted:1")), img);
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("x"));
    QTextImageFormat f;
    f.setName(QStringLiteral("pasted:1"));
    f.setWidth(30);
    f.setHeight(20);
    c.insertImage(f);
    const QByteArray rtf = RtfWriter::write(&doc);
    QVERIFY(rtf.contains("{\\pict\\pngblip\\picw3\\pich2\\picwgoal450\\pichgoal300"));
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QTextImageFormat g;
    for (auto it = back.begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            g = it.fragment().charFormat().toImageFormat();
    QCOMPARE(g.width(), 30.0);
    const QImage got = back.resource(QTextDocument::ImageResource, QUrl(g.name())).value<QImage>();
    QCOMPARE(got.size(), QSize(3, 2));
    QCOMPARE(QColor(got.pixel(2, 1)), QColor(Qt::green));
}

void TestRtfRoundTrip::tableRoundTrip() {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("before"));
    QTextTable* t = c.insertTable(2, 3);
    for (int r = 0; r < 2; ++r)
        for (int col = 0; col < 3; ++col)
            t->cellAt(r, col).firstCursorPosition().insertText(
                QStringLiteral("%1%2").arg(r).arg(col));
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("after"));
    const QByteArray rtf = RtfWriter::write(&doc);
    QVERIFY(rtf.contains("\\trowd"));
    QVERIFY(rtf.contains("\\intbl"));
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(test::describe(&back), test::describe(&doc));
    QCOMPARE(RtfWriter::write(&back), rtf);
}

QTEST_MAIN(TestRtfRoundTrip)
#include "test_rtf_roundtrip.moc"
