#include "texttools/case_conversion.h"
#include "texttools/counting.h"
#include "texttools/string_utils.h"

#include <QTest>

using namespace quillet;

class TestStringUtils : public QObject {
    Q_OBJECT
private slots:
    void trimSeparators_data();
    void trimSeparators();
    void splitFirstWord_data();
    void splitFirstWord();
    void splitWords_data();
    void splitWords();
    void splitAtChar_data();
    void splitAtChar();
    void splitAtCharEmptyTextKeepsList();
    void counts_data();
    void counts();
    void caseModes_data();
    void caseModes();
};

void TestStringUtils::trimSeparators_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("both");
    QTest::newRow("punctuation") << "...Hi!?"
                                 << "Hi!?"
                                 << "...Hi"
                                 << "Hi";
    QTest::newRow("whitespace") << "\t\r\n x y \r\n"
                                << "x y \r\n"
                                << "\t\r\n x y"
                                << "x y";
    QTest::newRow("all separators") << " ()[]{}!\"',.:;?"
                                    << ""
                                    << ""
                                    << "";
    QTest::newRow("hyphen and backquote are word characters") << "-a`"
                                                              << "-a`"
                                                              << "-a`"
                                                              << "-a`";
    QTest::newRow("outside code page is word")
        << QString::fromUtf8("\u2014x\u2014") << QString::fromUtf8("\u2014x\u2014")
        << QString::fromUtf8("\u2014x\u2014") << QString::fromUtf8("\u2014x\u2014");
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
}

void TestStringUtils::trimSeparators() {
    QFETCH(QString, text);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, both);
    QCOMPARE(TrimSeparatorsLeft(text), left);
    QCOMPARE(TrimSeparatorsRight(text), right);
    QCOMPARE(TrimSeparators(text), both);
}

void TestStringUtils::splitFirstWord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("rest");
    QTest::newRow("leading separators") << "  (Hello, world!"
                                        << "Hello"
                                        << ", world!";
    QTest::newRow("word to the end") << "word"
                                     << "word"
                                     << "";
    QTest::newRow("separators only") << " .,;"
                                     << ""
                                     << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestStringUtils::splitFirstWord() {
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, rest);
    const FirstWord got = SplitFirstWord(text);
    QCOMPARE(got.word, word);
    QCOMPARE(got.rest, rest);
}

void TestStringUtils::splitWords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("parenthesised") << "(Hello, world!)" << QStringList{"Hello", "world"};
    QTest::newRow("apostrophe splits") << "don't stop" << QStringList{"don", "t", "stop"};
    QTest::newRow("hyphen joins") << "well-known" << QStringList{"well-known"};
    QTest::newRow("separators only") << " \t\r\n.,!?;:" << QStringList{};
    QTest::newRow("duplicates in order") << "a b a" << QStringList{"a", "b", "a"};
    QTest::newRow("control characters trimmed")
        << QStringLiteral("\x01word\x02 x") << QStringList{"word", "x"};
    QTest::newRow("accented letters belong to words")
        << QString::fromUtf8("caf\u00e9 na\u00efve")
        << QStringList{QString::fromUtf8("caf\u00e9"), QString::fromUtf8("na\u00efve")};
}

void TestStringUtils::splitWords() {
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList list{"kept"};
    SplitWords(text, list);
    QCOMPARE(list, QStringList{"kept"} + words);
}

void TestStringUtils::splitAtChar_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    QTest::newRow("simple") << "a-b" << QStringList{"a", "b"};
    QTest::newRow("adjacent separators") << "a--b" << QStringList{"a", "", "b"};
    QTest::newRow("final separator") << "a-" << QStringList{"a"};
    QTest::newRow("leading separator") << "-a" << QStringList{"", "a"};
    QTest::newRow("no separator") << "abc" << QStringList{"abc"};
    QTest::newRow("separator only") << "-" << QStringList{""};
}

void TestStringUtils::splitAtChar() {
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    QStringList list{"old", "contents"};
    SplitAtChar(text, QChar(u'-'), list);
    QCOMPARE(list, pieces);
}

void TestStringUtils::splitAtCharEmptyTextKeepsList() {
    QStringList list{"old", "contents"};
    SplitAtChar(QString(), QChar(u'-'), list);
    QCOMPARE(list, (QStringList{"old", "contents"}));
}

void TestStringUtils::counts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("chars");
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("spaces and breaks") << "  \r\n\t \r\n" << 0 << 0;
    QTest::newRow("greeting") << "Hello, world!" << 2 << 12;
    QTest::newRow("vertical bar") << "a|b" << 1 << 2;
    QTest::newRow("reference") << "(see p. 12)" << 3 << 9;
    QTest::newRow("decimal number is two words") << "3.5" << 2 << 3;
    QTest::newRow("apostrophe") << "don't" << 2 << 5;
    QTest::newRow("hyphenated") << "well-known" << 1 << 10;
    QTest::newRow("dashes are a word") << "a -- b" << 3 << 4;
    QTest::newRow("pound and negation count, accents do not")
        << QString::fromUtf8("\u00a35 \u00ac \u00e9t\u00e9") << 3 << 4;
    QTest::newRow("outside the code page")
        << QString::fromUtf8("\u4e2d\u6587 \U0001F600") << 2 << 0;
    QTest::newRow("every printable ASCII but space and bar")
        << QString::fromLatin1("!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                               "[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~")
        << 10 << 93;
}

void TestStringUtils::counts() {
    QFETCH(QString, text);
    QFETCH(int, words);
    QFETCH(int, chars);
    QCOMPARE(CountWords(text), qsizetype(words));
    QCOMPARE(CountChars(text), qsizetype(chars));
}

void TestStringUtils::caseModes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("sentence") << 0 << "hELLO. wORLD"
                              << "Hello. world";
    QTest::newRow("sentence empty") << 0 << ""
                                    << "";
    QTest::newRow("sentence starting with a digit") << 0 << "1 ABC"
                                                    << "1 abc";
    QTest::newRow("lower") << 1 << QString::fromUtf8("MiXeD \u00c9")
                           << QString::fromUtf8("mixed \u00c9");
    QTest::newRow("upper keeps accents")
        << 2 << QString::fromUtf8("caf\u00e9") << QString::fromUtf8("CAF\u00e9");
    QTest::newRow("title") << 3 << "hello, wORLD."
                           << "Hello World";
    QTest::newRow("initial caps") << 4 << "hello, wORLD."
                                  << "Hello WORLD";
    QTest::newRow("title parenthesis") << 3 << "(an) example"
                                       << "An Example";
    QTest::newRow("toggle") << 5 << "Hello World 1"
                            << "hELLO wORLD 1";
    QTest::newRow("title joins paragraphs") << 3 << "one\r\ntwo"
                                            << "One Two";
    QTest::newRow("initial caps two tabs") << 4 << "one\t\ttwo"
                                           << "One Two";
    QTest::newRow("title delimiters only") << 3 << " .,;\r\n"
                                           << "";
    QTest::newRow("initial caps delimiters only") << 4 << "()[]{}"
                                                  << "";
    QTest::newRow("initial caps keeps accented first letter")
        << 4 << QString::fromUtf8("\u00e9t\u00e9") << QString::fromUtf8("\u00e9t\u00e9");
    QTest::newRow("no change") << 6 << "aBc"
                               << "aBc";
}

void TestStringUtils::caseModes() {
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(convertCase(text, mode), result);
}

QTEST_GUILESS_MAIN(TestStringUtils)
#include "test_string_utils.moc"
