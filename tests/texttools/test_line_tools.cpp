#include "texttools/line_tools.h"

#include <QCollator>
#include <QTest>

using namespace quillet;

class TestLineTools : public QObject {
    Q_OBJECT
private slots:
    void split_data();
    void split();
    void join_data();
    void join();
    void reformat_data();
    void reformat();
    void removeBlank_data();
    void removeBlank();
    void progressReportsEveryLine();
    void trims_data();
    void trims();
    void reverse_data();
    void reverse();
    void sort_data();
    void sort();
};

void TestLineTools::split_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("no break") << "a" << QStringList{"a"};
    QTest::newRow("final break adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("mixed breaks") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << "\r\n" << QStringList{""};
    QTest::newRow("two breaks") << "\r\n\r\n" << QStringList{"", ""};
}

void TestLineTools::split() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void TestLineTools::join_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("two lines") << "Hello\r\nworld"
                               << "Hello world ";
    QTest::newRow("line ending with a space") << "Hello \r\nworld"
                                              << "Hello world ";
    QTest::newRow("final break gives no extra space") << "Hello\r\nworld\r\n"
                                                      << "Hello world ";
    QTest::newRow("empty line becomes a space") << "a\r\n\r\nb"
                                                << "a  b ";
    QTest::newRow("lone CR and LF") << "a\rb\nc"
                                    << "a b c ";
}

void TestLineTools::join() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(joinLines(text), result);
}

void TestLineTools::reformat_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("two paragraphs") << "a\r\nb\r\n\r\nc"
                                    << "a b \r\nc \r\n";
    QTest::newRow("two blank lines leave an empty paragraph") << "a\r\n\r\n\r\nb"
                                                              << "a \r\n\r\nb \r\n";
    QTest::newRow("blank first line") << "\r\na"
                                      << "\r\na \r\n";
    QTest::newRow("two spaces are blank") << "a\r\n  \r\nb"
                                          << "a \r\nb \r\n";
    QTest::newRow("three spaces are text") << "a\r\n   \r\nb"
                                           << "a    b \r\n";
    QTest::newRow("a tab is text") << "a\r\n\t\r\nb"
                                   << "a \t b \r\n";
}

void TestLineTools::reformat() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(reformatLines(text), result);
}

void TestLineTools::removeBlank_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("empty and one space") << "x\r\n\r\n \r\ny"
                                         << "x\r\ny\r\n";
    QTest::newRow("two spaces blank, three kept") << "x\r\n  \r\n   "
                                                  << "x\r\n   \r\n";
    QTest::newRow("adds the final break") << "x"
                                          << "x\r\n";
    QTest::newRow("blank only") << "\r\n \r\n"
                                << "";
}

void TestLineTools::removeBlank() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(removeBlankLines(text), result);
}

void TestLineTools::progressReportsEveryLine() {
    const QString text = QStringLiteral("a\r\nbb\nccc\r\n");
    for (auto tool : {&joinLines, &reformatLines, &removeBlankLines}) {
        QList<qsizetype> seen;
        tool(text, [&](qsizetype consumed) { seen << consumed; });
        QCOMPARE(seen, (QList<qsizetype>{3, 6, 11}));
    }
}

void TestLineTools::trims_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("all");
    QTest::newRow("two lines with outer spaces") << "  one  \r\n  two  \r\n"
                                                 << "one  \r\n  two  \r\n"
                                                 << "  one  \r\n  two"
                                                 << "one  \r\n  two";
    QTest::newRow("controls") << QStringLiteral("\x01\t x\x1f") << QStringLiteral("x\x1f")
                              << QStringLiteral("\x01\t x") << "x";
    QTest::newRow("no-break space is kept")
        << QString::fromUtf8("\u00a0x\u00a0") << QString::fromUtf8("\u00a0x\u00a0")
        << QString::fromUtf8("\u00a0x\u00a0") << QString::fromUtf8("\u00a0x\u00a0");
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
    QTest::newRow("spaces only") << "   "
                                 << ""
                                 << ""
                                 << "";
}

void TestLineTools::trims() {
    QFETCH(QString, text);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, all);
    QCOMPARE(trimLeft(text), left);
    QCOMPARE(trimRight(text), right);
    QCOMPARE(trimAll(text), all);
}

void TestLineTools::reverse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("word") << "abc"
                          << "cba";
    QTest::newRow("line break moves as one") << "ab\r\ncd"
                                             << "dc\r\nba";
    QTest::newRow("lone breaks") << "a\nb\r"
                                 << "\rb\na";
    QTest::newRow("surrogate pair stays whole")
        << QString::fromUtf8("x\U0001F600y") << QString::fromUtf8("y\U0001F600x");
    QTest::newRow("empty") << ""
                           << "";
}

void TestLineTools::reverse() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(reverseText(text), result);
    QCOMPARE(reverseText(result), text);
}

void TestLineTools::sort_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    for (const char* loc : {"en_US", "C"}) {
        QTest::addRow("%s: equal ignoring case in reverse input order", loc)
            << loc << "pear\r\nApple\r\napple\r\nbanana"
            << "apple\r\nApple\r\nbanana\r\npear\r\n";
        QTest::addRow("%s: duplicates stay", loc) << loc << "b\na\nb\n"
                                                  << "a\r\nb\r\nb\r\n";
        QTest::addRow("%s: three equal lines reversed", loc) << loc << "X\r\nx\r\nX \r\nx"
                                                             << "x\r\nx\r\nX\r\nX \r\n";
        QTest::addRow("%s: final break added", loc) << loc << "z\ry"
                                                    << "y\r\nz\r\n";
    }
    QTest::newRow("accents sort with their letter")
        << "en_US" << QString::fromUtf8("f\r\n\u00e9\r\ne\r\nd")
        << QString::fromUtf8("d\r\ne\r\n\u00e9\r\nf\r\n");
}

void TestLineTools::sort() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCollator collator{QLocale(locale)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QCOMPARE(sortLines(text, collator), result);
}

QTEST_GUILESS_MAIN(TestLineTools)
#include "test_line_tools.moc"
