#include "editing/style_sheet.h"
#include "store/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace quillet;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// The selection a style written with these values matches.
CharAttributes textOf(const StyleValues& s) {
    CharAttributes t;
    t.fontName = s.fontName;
    t.size = s.fontSize;
    t.color = s.color;
    t.backColor = s.backColor;
    t.bold = s.bold;
    t.italic = s.italic;
    t.underline = s.underline;
    t.strikeOut = s.strikeOut;
    t.hidden = s.hidden;
    t.disabled = s.disabled;
    t.isProtected = s.isProtected;
    return t;
}

} // namespace

class TestStyleSheet : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString& name = QStringLiteral("quillet.ini")) const {
        return m_dir.filePath(name);
    }

private slots:
    void init() { QFile::remove(path()); }

    void colorSplit_data() {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::newRow("black") << qint32(0) << 0 << 0 << 0;
        QTest::newRow("#102030") << qint32(3153936) << 16 << 32 << 48;
        QTest::newRow("white") << qint32(0xFFFFFF) << 255 << 255 << 255;
        QTest::newRow("automatic text") << kAutoTextColor << -2147483640 << 0 << 0;
        QTest::newRow("automatic back") << kAutoBackColor << -2147483643 << 0 << 0;
    }
    void colorSplit() {
        QFETCH(qint32, value);
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        const ColorSplit s = splitColor(value);
        QCOMPARE(s, (ColorSplit{r, g, b}));
        QCOMPARE(joinColor(s), value);
    }

    void namesFromMissingOrBrokenFile() {
        QVERIFY(ReadStyleNames(path()).isEmpty());
        writeFile(path(), "[Styles]\nCount=3\n1=Normal\n3=Quote\n");
        QCOMPARE(ReadStyleNames(path()),
                 (QStringList{QStringLiteral("Normal"), QString(), QStringLiteral("Quote")}));
    }

    void namesReadAsTheNumberedList_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("plain") << QByteArray("[Styles]\nCount=2\n1=A\n2=B\n");
        QTest::newRow("first duplicate wins, count in other case")
            << QByteArray("[styles]\ncount=2\n2=B\n1=A\n1=Z\nCount=9\n");
        QTest::newRow("hex count, gaps") << QByteArray("[Styles]\nCount=0x3\n3=C\n");
        QTest::newRow("bad count") << QByteArray("[Styles]\nCount=many\n1=A\n");
        QTest::newRow("negative count") << QByteArray("[Styles]\nCount=-4\n1=A\n");
        QTest::newRow("key with a space") << QByteArray("[Styles]\nCount=1\n1 =A\n");
        QTest::newRow("no section") << QByteArray("[Other]\nCount=1\n1=A\n");
    }
    void namesReadAsTheNumberedList() {
        QFETCH(QByteArray, file);
        writeFile(path(), file);
        QStringList expected;
        {
            TBigIniFile ini(path());
            ini.ReadNumberedList(QStringLiteral("Styles"), expected, QString());
        }
        QCOMPARE(ReadStyleNames(path()), expected);
    }

    void absentKeysGiveTheDefaults() {
        const StyleValues v = readStyle(path(), QStringLiteral("Normal"));
        QCOMPARE(v.fontName, QStringLiteral("Arial"));
        QCOMPARE(v.fontSize, 10);
        QCOMPARE(v.color, 0);
        QCOMPARE(v.backColor, 0);
        QCOMPARE(v.alignment, QStringLiteral("left"));
    }

    void saveWritesKeysInOrderAndSortsTheList() {
        const StyleSheetLocation where(path());
        StyleValues v = newStyleValues();
        v.bold = true;
        v.color = 3153936;
        QVERIFY(saveStyle(where, QStringLiteral("zeta"), v));
        QVERIFY(saveStyle(where, QStringLiteral("Alpha"), newStyleValues()));
        QCOMPARE(ReadStyleNames(path()), (QStringList{"Alpha", "zeta"}));
        const QByteArray bytes = readFile(path());
        QVERIFY(bytes.contains("[zeta]\r\nAlignment=Left\r\nFirstIndent=0\r\nLineSpacing=0\r\n"
                               "FontName=Arial\r\nFontSize=10\r\nDisabled=0\r\nHidden=0\r\n"
                               "Protected=0\r\nBold=1\r\nItalic=0\r\nUnderline=0\r\n"
                               "StrikeOut=0\r\nColorR=16\r\nColorG=32\r\nColorB=48\r\n"
                               "BColorR=255\r\nBColorG=255\r\nBColorB=255\r\n"));
    }

    void saveUnderANameDifferingInCaseOverwrites() {
        const StyleSheetLocation where(path());
        QVERIFY(saveStyle(where, QStringLiteral("Heading"), newStyleValues()));
        StyleValues v = newStyleValues();
        v.fontSize = 18;
        QVERIFY(saveStyle(where, QStringLiteral("HEADING"), v));
        QCOMPARE(ReadStyleNames(path()), QStringList{QStringLiteral("Heading")});
        QCOMPARE(readStyle(path(), QStringLiteral("Heading")).fontSize, 18);
        TBigIniFile ini(path());
        QStringList sections;
        ini.ReadSections(sections);
        QCOMPARE(sections.size(), 2);
    }

    void automaticColoursSurviveTheFile() {
        StyleValues v = newStyleValues();
        v.color = kAutoTextColor;
        v.backColor = kAutoBackColor;
        QVERIFY(saveStyle(StyleSheetLocation(path()), QStringLiteral("Auto"), v));
        TBigIniFile ini(path());
        QCOMPARE(ini.ReadString("Auto", "ColorR", ""), QStringLiteral("-2147483640"));
        QCOMPARE(ini.ReadString("Auto", "ColorG", ""), QStringLiteral("0"));
        QCOMPARE(ini.ReadString("Auto", "BColorR", ""), QStringLiteral("-2147483643"));
        QCOMPARE(ini.ReadString("Auto", "BColorB", ""), QStringLiteral("0"));

        ParaAttributes p;
        CharAttributes t;
        t.color = 0x123456;
        t.backColor = 0x654321;
        ApplyStyle(path(), QStringLiteral("Auto"), p, t);
        QCOMPARE(t.color, kAutoTextColor);
        QCOMPARE(t.backColor, kAutoBackColor);
    }

    void reservedNameIsRefused() {
        const StyleSheetLocation where(path());
        QVERIFY(saveStyle(where, QStringLiteral("Normal"), newStyleValues()));
        QVERIFY(!saveStyle(where, QStringLiteral("styles"), newStyleValues()));
        QCOMPARE(removeStyle(where, QStringLiteral("STYLES")), QStringList{"Normal"});
        QCOMPARE(ReadStyleNames(path()), QStringList{"Normal"});
    }

    void removeDeletesNameAndSection() {
        const StyleSheetLocation where(path());
        writeFile(path(), "[Styles]\nCount=3\n1=quote\n2=Body\n3=Title\n[Quote]\nBold=1\n"
                          "[Body]\nBold=0\n");
        QCOMPARE(removeStyle(where, QStringLiteral("QUOTE")), (QStringList{"Body", "Title"}));
        QCOMPARE(ReadStyleNames(path()), (QStringList{"Body", "Title"}));
        TBigIniFile ini(path());
        QStringList sections;
        ini.ReadSections(sections);
        QCOMPARE(sections, (QStringList{"Styles", "Body"}));
    }

    void matchStyle_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QString>("expected");
        const QByteArray twins = "[Styles]\nCount=3\n1=First\n2=Other\n3=Second\n"
                                 "[First]\nFontName=Georgia\nFontSize=12\nBold=1\n"
                                 "[Other]\nFontName=Georgia\nFontSize=13\n"
                                 "[Second]\nFontName=GEORGIA\nFontSize=12\nBold=1\n";
        QTest::newRow("last of two equal styles wins") << twins << int(AlignLeft) << "Second";
        QTest::newRow("justified matches nothing") << twins << int(AlignJustify) << "";
        QTest::newRow("alignment must agree") << twins << int(AlignRight) << "";
        QTest::newRow("no file") << QByteArray() << int(AlignLeft) << "";
        QTest::newRow("right-aligned style")
            << QByteArray("[Styles]\nCount=1\n1=R\n[R]\nAlignment=RIGHT\nFontName=Georgia\n"
                          "FontSize=12\nBold=1\n")
            << int(AlignRight) << "R";
    }
    void matchStyle() {
        QFETCH(QByteArray, file);
        QFETCH(int, alignment);
        QFETCH(QString, expected);
        if (!file.isEmpty())
            writeFile(path(), file);
        CharAttributes t;
        t.fontName = QStringLiteral("georgia");
        t.size = 12;
        t.bold = true;
        t.color = 0;
        t.backColor = 0;
        ParaAttributes p;
        p.alignment = alignment;
        QCOMPARE(MatchStyle(path(), t, p), expected);
    }

    void styleWrittenByTheManagerMatchesWhatItWasTakenFrom() {
        StyleValues base = newStyleValues();
        base.fontName = QStringLiteral("Georgia");
        base.fontSize = 14;
        base.italic = true;
        base.firstIndent = 12;
        const CharAttributes t = textOf(base);
        ParaAttributes p;
        p.firstIndent = 12;
        p.alignment = AlignCenter;
        const StyleValues taken = styleFromSelection(t, p, newStyleValues());
        QVERIFY(saveStyle(StyleSheetLocation(path()), QStringLiteral("Taken"), taken));
        QCOMPARE(MatchStyle(path(), t, p), QStringLiteral("Taken"));
        p.alignment = AlignJustify;
        QCOMPARE(MatchStyle(path(), t, p), QString());
        // Getting a justified paragraph keeps the alignment the controls had.
        QCOMPARE(styleFromSelection(t, p, base).alignment, QStringLiteral("Left"));
    }

    void applyToPage_data() {
        QTest::addColumn<QString>("bold");
        QTest::addColumn<bool>("expectBold");
        QTest::newRow("Bold=1 sets bold") << "1" << true;
        QTest::newRow("Bold=0 removes bold") << "0" << false;
    }
    void applyToPage() {
        QFETCH(QString, bold);
        QFETCH(bool, expectBold);
        writeFile(path(), "[Styles]\nCount=1\n1=Body\n[Body]\nAlignment=Center\nFontName=Georgia\n"
                          "FontSize=14\nBold=" +
                              bold.toLatin1() + "\nItalic=1\nFirstIndent=6\n");
        QTextDocument doc;
        QTextCursor c(&doc);
        c.insertText(QStringLiteral("one two"));
        c.select(QTextCursor::Document);
        ParaAttributes before;
        before.numbering = NumberingBullet;
        before.leftIndent = 20;
        writeParaAttributes(c, before, ParaField::Numbering | ParaField::LeftIndent);
        CharAttributes start;
        start.bold = !expectBold;
        start.underline = true;
        writeCharAttributes(c, start, CharField::Bold | CharField::Underline);

        ApplyStyle(path(), QStringLiteral("body"), c);
        const CharAttributes t = readCharAttributes(c);
        const ParaAttributes p = readParaAttributes(c);
        QCOMPARE(t.bold, expectBold);
        QVERIFY(t.italic);
        QVERIFY(!t.underline); // the style says no underline
        QCOMPARE(t.fontName, QStringLiteral("Georgia"));
        QCOMPARE(t.size, 14);
        QCOMPARE(p.alignment, int(AlignCenter));
        QCOMPARE(p.firstIndent, 6);
        QCOMPARE(p.numbering, int(NumberingBullet));
        QCOMPARE(p.leftIndent, 20);
    }

    void normalWithoutSectionIsArialTenOnValueZero() {
        QTextDocument doc;
        QTextCursor c(&doc);
        ApplyStyle(path(), QStringLiteral("Normal"), c);
        const CharAttributes t = readCharAttributes(c);
        QCOMPARE(t.fontName, QStringLiteral("Arial"));
        QCOMPARE(t.size, 10);
        QCOMPARE(t.color, 0);
        QCOMPARE(t.backColor, 0);
    }

    void shippedSheetHasAReadableNormal() {
        const QString shipped =
            QDir::cleanPath(QStringLiteral(QUILLET_TEST_DATA "/../../data/quillet.ini"));
        QVERIFY(QFile::exists(shipped));
        QVERIFY(ReadStyleNames(shipped).contains(QStringLiteral("Normal")));
        const StyleValues normal = readStyle(shipped, QStringLiteral("Normal"));
        QCOMPARE(normal.color, 0);
        QCOMPARE(normal.backColor, 0xFFFFFF);
        QVERIFY(normal.fontSize >= 10);
    }

    void firstWriteSeedsFromTheShippedCopy() {
        const QString shipped = path(QStringLiteral("shipped.ini"));
        const QString own = path(QStringLiteral("own/quillet.ini"));
        writeFile(shipped, "[Styles]\nCount=1\n1=Normal\n[Normal]\nFontSize=12\n");
        const StyleSheetLocation where(shipped, own);
        QCOMPARE(where.readPath(), shipped);
        QVERIFY(saveStyle(where, QStringLiteral("Quote"), newStyleValues()));
        QCOMPARE(where.readPath(), own);
        QCOMPARE(ReadStyleNames(own), (QStringList{"Normal", "Quote"}));
        QCOMPARE(readStyle(own, QStringLiteral("Normal")).fontSize, 12);
        QCOMPARE(ReadStyleNames(shipped), QStringList{"Normal"});
    }
};

QTEST_MAIN(TestStyleSheet)
#include "test_style_sheet.moc"
