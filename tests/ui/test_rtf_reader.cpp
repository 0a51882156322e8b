#include "helpers_rtf.h"

#include "ui/rtf_reader.h"
#include "ui/text_attributes.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

using namespace quillet;

namespace {

QByteArray page(const QByteArray& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}"
           "{\\f1\\froman\\fcharset0 Times New Roman;}{\\f2\\fnil\\fcharset204 Cyr;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
           "\\viewkind4\\uc1\\pard " +
           body + "}";
}

// The text with paragraph ends as newlines and every other character as it is.
QString textOf(const QTextDocument& d) {
    QString t = d.toRawText();
    t.replace(QChar(0x2029), QLatin1Char('\n'));
    return t;
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void attributes_data();
    void attributes();
    void text_data();
    void text();
    void rejectsNonRtf();
    void malformedInputNeverFails_data();
    void malformedInputNeverFails();
    void tableBecomesQTextTable();
    void picturesAndObjects();
    void oversizedPictureKeptNotDecoded();
};

void TestRtfReader::attributes_data() {
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    auto row = [](const char* name, const char* body, const char* field, QVariant v) {
        QTest::newRow(name) << QByteArray(body) << QString::fromLatin1(field) << v;
    };
    // characters; the character checked is the first X
    row("default font", "X", "font", QStringLiteral("Arial"));
    row("font number", "\\f1 X", "font", QStringLiteral("Times New Roman"));
    row("size whole", "\\fs28 X", "size", 14);
    row("size half point rounds down", "\\fs21 X", "size", 10);
    row("text colour", "\\cf1 X", "color", 255);
    row("colour blue", "\\cf2 X", "color", 0xFF0000);
    row("automatic colour", "\\cf0 X", "color", kAutoTextColor);
    row("highlight", "\\highlight2 X", "back", 0xFF0000);
    row("cb", "\\cb1 X", "back", 255);
    row("chcbpat", "\\chcbpat1 X", "back", 255);
    row("automatic background", "X", "back", kAutoBackColor);
    row("bold", "\\b X", "bold", true);
    row("bold off", "\\b\\b0 X", "bold", false);
    row("italic", "\\i X", "italic", true);
    row("strike", "\\strike X", "strike", true);
    row("strikedl", "\\strikedl X", "strike", true);
    row("underline", "\\ul X", "ulstyle", 1);
    row("underline bit", "\\ul X", "underline", true);
    row("word underline", "\\ulw X", "ulstyle", 2);
    row("double underline", "\\uldb X", "ulstyle", 3);
    row("dotted underline", "\\uld X", "ulstyle", 4);
    row("dash underline", "\\uldash X", "ulstyle", 5);
    row("long dash underline", "\\ulldash X", "ulstyle", 5);
    row("thick underline", "\\ulth X", "ulstyle", 1);
    row("ulnone", "\\ul\\ulnone X", "underline", false);
    row("ul0", "\\ul\\ul0 X", "ulstyle", 0);
    row("superscript", "\\super X", "script", 2);
    row("subscript", "\\sub X", "script", 1);
    row("up", "\\up6 X", "script", 2);
    row("dn", "\\dn6 X", "script", 1);
    row("nosupersub", "\\super\\nosupersub X", "script", 0);
    row("hidden", "\\v X", "hidden", true);
    row("protected", "\\protect X", "protected", true);
    row("disabled", "\\disabled X", "disabled", true);
    row("plain resets", "\\b\\i\\ul\\cf1\\fs40\\plain X", "bold", false);
    row("plain resets size", "\\fs40\\plain X", "size", 12);
    row("group restores", "{\\b a}X", "bold", false);
    row("group sets", "{\\b X}", "bold", true);
    row("hyperlink", "{\\field{\\*\\fldinst{HYPERLINK \"http://a.example/\"}}{\\fldrslt{X}}}",
        "link", true);
    row("hyperlink target",
        "{\\field{\\*\\fldinst{HYPERLINK \"http://a.example/\"}}{\\fldrslt{X}}}", "href",
        QStringLiteral("http://a.example/"));
    row("hyperlink bookmark", "{\\field{\\*\\fldinst{HYPERLINK \\\\l \"mark\"}}{\\fldrslt X}}",
        "href", QStringLiteral("#mark"));
    row("other field no link", "{\\field{\\*\\fldinst{PAGE}}{\\fldrslt X}}", "link", false);
    row("after field no link", "{\\field{\\*\\fldinst{HYPERLINK \"u\"}}{\\fldrslt a}}X", "link",
        false);
    // paragraphs
    row("left", "X", "align", 0);
    row("right", "\\qr X", "align", 1);
    row("centre", "\\qc X", "align", 2);
    row("justify", "\\qj X", "align", 3);
    row("pard resets", "\\qc\\pard X", "align", 0);
    row("first indent", "\\fi-360\\li720 X", "first", 18);
    row("left indent relative", "\\fi-360\\li720 X", "left", 18);
    row("right indent", "\\ri400 X", "right", 20);
    row("space before", "\\sb240 X", "before", 12);
    row("space after", "\\sa200 X", "after", 10);
    row("at least", "\\sl360\\slmult0 X", "rule", 3);
    row("at least spacing", "\\sl360\\slmult0 X", "spacing", 18);
    row("exactly reads at least", "\\sl-300\\slmult0 X", "spacing", 15);
    row("multiple reads single", "\\sl276\\slmult1 X", "rule", 0);
    row("heading", "\\outlinelevel1 X", "heading", 2);
    row("heading by style name", "{\\stylesheet{\\s0 Normal;}{\\s1 heading 1;}}\\s1 X", "heading",
        1);
    row("heading by style outline", "{\\stylesheet{\\s2\\outlinelevel2 Custom;}}\\s2 X", "heading",
        3);
    row("style sheet formatting not applied", "{\\stylesheet{\\s3\\qc\\b Centred;}}\\s3 X", "align",
        0);
    row("bullet pn", "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-200\\li200 X",
        "numbering", 1);
    row("decimal pn", "{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta.}}X", "numbering", 2);
    row("decimal pn period", "{\\*\\pn\\pnlvlbody\\pndec{\\pntxta.}}X", "numstyle", 1);
    row("pn parenthesis", "{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta)}}X", "numstyle", 0);
    row("pn enclosed", "{\\*\\pn\\pnlvlbody\\pnucrm{\\pntxtb(}{\\pntxta)}}X", "numstyle", 2);
    row("pn simple", "{\\*\\pn\\pnlvlbody\\pnucltr}X", "numstyle", 3);
    row("pn upper roman", "{\\*\\pn\\pnlvlbody\\pnucrm}X", "numbering", 6);
    row("pn lower roman", "{\\*\\pn\\pnlvlbody\\pnlcrm}X", "numbering", 5);
    row("pn lower letter", "{\\*\\pn\\pnlvlbody\\pnlcltr}X", "numbering", 3);
    row("pn upper letter", "{\\*\\pn\\pnlvlbody\\pnucltr}X", "numbering", 4);
    row("pntext not shown", "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt}X", "numbering", 1);
    row("pard ends list", "{\\*\\pn\\pnlvlblt}a\\par\\pard X", "numbering", 0);
}

void TestRtfReader::attributes() {
    QFETCH(QByteArray, body);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);
    QTextDocument doc;
    QVERIFY(RtfReader::read(page(body), &doc));
    const int pos = int(textOf(doc).indexOf(QLatin1Char('X')));
    QVERIFY2(pos >= 0, qPrintable(textOf(doc)));
    const QVariant got = test::attributeAt(&doc, pos, field);
    QCOMPARE(got.toString(), expected.toString());
}

void TestRtfReader::text_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const QByteArray& rtf, const QString& text) {
        QTest::newRow(name) << rtf << text;
    };
    row("paragraphs", page("a\\par b\\par"), QStringLiteral("a\nb"));
    row("last paragraph without par", page("a\\par b"), QStringLiteral("a\nb"));
    row("empty last paragraph kept", page("a\\par\\par"), QStringLiteral("a\n"));
    row("line break", page("a\\line b"), QStringLiteral("a\u2028b"));
    row("tab", page("a\\tab b"), QStringLiteral("a\tb"));
    row("escapes", page("\\\\\\{\\}"), QStringLiteral("\\{}"));
    row("special characters",
        page("\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~"),
        QStringLiteral("\u2014\u2013\u2018\u2019\u201C\u201D\u2022\u00A0"));
    row("hex under 1252", page("\\'e4\\'80\\'93"), QStringLiteral("\u00E4\u20AC\u201C"));
    row("hex under 1251 font", page("\\f2\\'c0\\'e1"), QStringLiteral("\u0410\u0431"));
    row("ansicpg 1250", "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0 A;}}\\pard \\'8a\\'b9}",
        QStringLiteral("\u0160\u0105"));
    row("unicode with uc1", page("\\u8364?x"), QStringLiteral("\u20ACx"));
    row("unicode uc2", page("\\uc2\\u8364\\'80\\'80x"), QStringLiteral("\u20ACx"));
    row("unicode uc0", page("\\uc0\\u8364 x"), QStringLiteral("\u20ACx"));
    row("negative unicode", page("\\u-3913?"), QStringLiteral("\uF0B7"));
    row("surrogate pair", page("\\u-10179?\\u-8704?"), QStringLiteral("\U0001F600"));
    row("info skipped", page("{\\info{\\title T}{\\author A}}x"), QStringLiteral("x"));
    row("unknown starred skipped", page("{\\*\\unknownthing junk {nested}}x"), QStringLiteral("x"));
    row("unknown word ignored", page("\\frobnicate7 x"), QStringLiteral("x"));
    row("stylesheet skipped", page("{\\stylesheet{\\s0 Normal;}}x"), QStringLiteral("x"));
    row("hidden text kept", page("a{\\v hid}b"), QStringLiteral("ahidb"));
    row("page break", page("a\\page b"), QStringLiteral("a\nb"));
    row("field result only", page("{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}"),
        QStringLiteral("3"));
    row("binary skipped", page("a\\bin3 {}\\b"), QStringLiteral("ab"));
    row("backslash newline is par", page("a\\\nb"), QStringLiteral("a\nb"));
    row("crlf ignored", page("a\r\nb"), QStringLiteral("ab"));
}

void TestRtfReader::text() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QTextDocument doc;
    QVERIFY(RtfReader::read(rtf, &doc));
    QCOMPARE(textOf(doc), expected);
}

void TestRtfReader::rejectsNonRtf() {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old"));
    QString error;
    QVERIFY(!RtfReader::read("plain text", &doc, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!RtfReader::read(QByteArray(), &doc, &error));
}

void TestRtfReader::malformedInputNeverFails_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expectedPart");
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {\\b abc") << QStringLiteral("abc");
    QTest::newRow("extra closing") << QByteArray("{\\rtf1 a}}}}b") << QStringLiteral("a");
    QTest::newRow("deep nesting") << (QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x" +
                                      QByteArray(100000, '}'))
                                  << QStringLiteral("x");
    QTest::newRow("deep nesting unclosed")
        << (QByteArray("{\\rtf1 ") + QByteArray(50000, '{') + "y") << QStringLiteral("y");
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 a\\'") << QStringLiteral("a");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zz}") << QStringLiteral("azz");
    QTest::newRow("huge bin") << QByteArray("{\\rtf1 a\\bin999999999999 xyz}")
                              << QStringLiteral("a");
    QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999\\cf99999\\f-5 a}")
                                  << QStringLiteral("a");
    QTest::newRow("overlong word")
        << (QByteArray("{\\rtf1 \\") + QByteArray(5000, 'b') + " a}") << QStringLiteral("a");
    QTest::newRow("truncated pict")
        << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e") << QStringLiteral("a");
    QTest::newRow("truncated table")
        << QByteArray("{\\rtf1\\trowd\\cellx100\\intbl a\\cell b") << QStringLiteral("a");
    QTest::newRow("row without cells")
        << QByteArray("{\\rtf1 a\\row\\row\\cell}") << QStringLiteral("a");
    QTest::newRow("backslash at end") << QByteArray("{\\rtf1 a\\") << QStringLiteral("a");
    QTest::newRow("unbalanced field")
        << QByteArray("{\\rtf1{\\field{\\fldrslt a}") << QStringLiteral("a");
}

void TestRtfReader::malformedInputNeverFails() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expectedPart);
    QTextDocument doc;
    QVERIFY(RtfReader::read(rtf, &doc));
    QVERIFY2(textOf(doc).contains(expectedPart), qPrintable(textOf(doc).left(40)));
}

void TestRtfReader::tableBecomesQTextTable() {
    QTextDocument doc;
    QVERIFY(RtfReader::read(page("before\\par\\trowd\\cellx1500\\cellx3000"
                                 "\\pard\\intbl a1\\cell a2\\cell\\row"
                                 "\\trowd\\cellx1500\\cellx3000\\pard\\intbl b1\\par b1x\\cell "
                                 "{\\b b2}\\cell\\row\\pard after\\par"),
                            &doc));
    QTextTable* table = nullptr;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame()))
            table = t;
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    auto cellText = [&](int r, int c) {
        QTextCursor cur = table->cellAt(r, c).firstCursorPosition();
        cur.setPosition(table->cellAt(r, c).lastCursorPosition().position(),
                        QTextCursor::KeepAnchor);
        return cur.selectedText();
    };
    QCOMPARE(cellText(0, 0), QStringLiteral("a1"));
    QCOMPARE(cellText(0, 1), QStringLiteral("a2"));
    QCOMPARE(cellText(1, 0), QStringLiteral("b1\u2029b1x"));
    QCOMPARE(cellText(1, 1), QStringLiteral("b2"));
    QCOMPARE(table->format().columnWidthConstraints().size(), 2);
    QVERIFY(doc.toPlainText().startsWith(QStringLiteral("before\n")));
    QVERIFY(doc.toPlainText().endsWith(QStringLiteral("\nafter")));
}

void TestRtfReader::picturesAndObjects() {
    // 1x1 red PNG
    const QByteArray png =
        "89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de0000000c4944415408"
        "d763f8cfc000000301010018dd8db00000000049454e44ae426082";
    const QByteArray wmf = "{\\pict\\wmetafile8\\picw2000\\pich1000\\picwgoal1500\\pichgoal750 "
                           "0100090000030c00000000000000}";
    const QByteArray object =
        "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw600\\objh600{\\*\\objdata "
        "01050000}{\\result{\\pict\\pngblip\\picwgoal300\\pichgoal300 " +
        png + "}}}";
    QTextDocument doc;
    QVERIFY(RtfReader::read(page("a{\\pict\\pngblip\\picw1\\pich1\\picwgoal150\\pichgoal300 " +
                                 png + "}b" + wmf + "c" + object + "d"),
                            &doc));
    QCOMPARE(doc.toPlainText(), QStringLiteral("a\uFFFCb\uFFFCc\uFFFCd"));
    QList<QTextImageFormat> images;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            images.append(it.fragment().charFormat().toImageFormat());
    QCOMPARE(images.size(), 3);
    QCOMPARE(images[0].property(textprop::PictureKind).toString(), QStringLiteral("png"));
    QCOMPARE(images[0].width(), 10.0);
    QCOMPARE(images[0].height(), 20.0);
    const QImage shown =
        doc.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QCOMPARE(shown.size(), QSize(1, 1));
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(images[1].property(textprop::PictureKind).toString(), QStringLiteral("wmf"));
    QCOMPARE(images[1].property(textprop::RawRtf).toByteArray(), wmf);
    QCOMPARE(images[1].width(), 100.0);
    QCOMPARE(images[2].property(textprop::PictureKind).toString(), QStringLiteral("object"));
    QCOMPARE(images[2].property(textprop::RawRtf).toByteArray(), object);
    QCOMPARE(images[2].width(), 20.0);
}

void TestRtfReader::oversizedPictureKeptNotDecoded() {
    // A PNG header that claims 30000 x 30000 pixels (3.6 GB decoded), and 2000 metafiles
    // that ask for the largest display size: read quickly, in little memory, all kept.
    const QByteArray hugePng =
        "{\\pict\\pngblip 89504e470d0a1a0a0000000d494844520000753000007530080200"
        "0000000000}";
    QByteArray body = "a" + hugePng;
    for (int i = 0; i < 2000; ++i)
        body += "{\\pict\\wmetafile8\\picwgoal99999\\pichgoal99999 0100}";
    QTextDocument doc;
    QVERIFY(RtfReader::read(page(body), &doc));
    QList<QTextImageFormat> images;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            images.append(it.fragment().charFormat().toImageFormat());
    QCOMPARE(images.size(), 2001);
    QCOMPARE(images[0].property(textprop::RawRtf).toByteArray(), hugePng);
    const QImage shown =
        doc.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>();
    QVERIFY(shown.width() < 100);
    QCOMPARE(images[1].width(), 4000.0); // shown at the largest size a page allows
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
