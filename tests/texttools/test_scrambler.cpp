#include "texttools/code_page.h"
#include "texttools/scrambler.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quillet;

namespace {

// Random text mixing every Windows-1252 character, line breaks, tabs and characters
// outside the code page (including surrogate pairs and lone surrogates).
QString randomText(QRandomGenerator& rng, int length) {
    QString s;
    for (int i = 0; i < length; ++i) {
        switch (rng.bounded(6)) {
        case 0:
            s.append(QStringLiteral("\r\n"));
            break;
        case 1:
            s.append(QChar(u'\t'));
            break;
        case 2: {
            const char32_t cp = char32_t(0x1F300 + rng.bounded(0x300));
            s.append(QString::fromUcs4(&cp, 1));
            break;
        }
        case 3:
            s.append(QChar(char16_t(rng.bounded(0x10000))));
            break;
        default:
            s.append(QChar(windows1252Char(rng.bounded(256))));
            break;
        }
    }
    return s;
}

} // namespace

class TestScrambler : public QObject {
    Q_OBJECT
private slots:
    void codePageIsOneToOne();
    void shift_data();
    void shift();
    void twiceAndBack();
    void encryptedTextIsPageSafe_data();
    void encryptedTextIsPageSafe();
    void randomRoundTrips();
    void decryptOfPlainTextIsLenient();
    void decryptOfGarbageStaysInBounds();
};

void TestScrambler::codePageIsOneToOne() {
    for (int code = 0; code < 256; ++code)
        QCOMPARE(windows1252Code(windows1252Char(code)), code);
    QCOMPARE(windows1252Code(0x20AC), 0x80); // euro sign
    QCOMPARE(windows1252Code(0x0080), -1);   // not in the code page
    QCOMPARE(windows1252Code(0x4E2D), -1);
}

void TestScrambler::shift_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    // The key is 45 modulo 256.
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("ASCII") << "A0 " << QString::fromUtf8("n]M");
    QTest::newRow("line break and tab shift too") << "\r\n\t"
                                                  << ":76";
    QTest::newRow("some characters scramble to breaks and tabs")
        << QString::fromUtf8("\u00e0\u00dd\u00dc") << "\r\n\t";
    QTest::newRow("one character scrambles to NUL")
        << QString::fromUtf8("\u00d3") << QString(QChar(u'\0'));
    QTest::newRow("wraps into the upper block") << "ab" << QString::fromUtf8("\u017d\u008f");
    QTest::newRow("outside the code page unchanged")
        << QString::fromUtf8("\u4e2d\U0001F600") << QString::fromUtf8("\u4e2d\U0001F600");
}

void TestScrambler::shift() {
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QCOMPARE(ScrambleText(plain, kScrambleKey), scrambled);
    QCOMPARE(UnscrambleText(scrambled, kScrambleKey), plain);
}

void TestScrambler::twiceAndBack() {
    QRandomGenerator rng(7);
    for (int round = 0; round < 50; ++round) {
        const QString t = randomText(rng, 40);
        const QString twice = ScrambleText(ScrambleText(t, kScrambleKey), kScrambleKey);
        QCOMPARE(UnscrambleText(UnscrambleText(twice, kScrambleKey), kScrambleKey), t);
        QCOMPARE(ScrambleText(UnscrambleText(t, kScrambleKey), kScrambleKey), t);
        QCOMPARE(ScrambleText(t, -7).size(), t.size());
        QCOMPARE(UnscrambleText(ScrambleText(t, -7), -7), t);
    }
}

void TestScrambler::encryptedTextIsPageSafe_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("encrypted");
    // Characters whose scrambled form a page cannot keep are written as escapes.
    QTest::newRow("to CR LF tab") << QString::fromUtf8("\u00e0\u00dd\u00dc")
                                  << QString::fromUtf8("\u00acM\u00acJ\u00acI");
    QTest::newRow("to NUL") << QString::fromUtf8("\u00d3") << QString::fromUtf8("\u00ac@");
    QTest::newRow("to DEL") << "R" << QString::fromUtf8("\u00ac?");
    QTest::newRow("to no-break space") << "s" << QString::fromUtf8("\u00ac ");
    QTest::newRow("to undefined code") << "b" << QString::fromUtf8("\u00aco");
    QTest::newRow("escape sign itself")
        << QStringLiteral("\x7f") << QString::fromUtf8("\u00ac\u00ac");
    QTest::newRow("paragraph separator outside code page")
        << QString::fromUtf8("\u2029") << QString::fromUtf8("\u00ac#2029");
    QTest::newRow("ordinary text unchanged by escaping") << "Hi" << QString::fromUtf8("u\u2013");
}

void TestScrambler::encryptedTextIsPageSafe() {
    QFETCH(QString, plain);
    QFETCH(QString, encrypted);
    QCOMPARE(encryptForPage(plain), encrypted);
    QCOMPARE(decryptFromPage(encrypted), plain);
}

void TestScrambler::randomRoundTrips() {
    QRandomGenerator rng(20261210);
    for (int round = 0; round < 300; ++round) {
        const QString t = randomText(rng, rng.bounded(1, 60));
        const QString e = encryptForPage(t);
        for (qsizetype i = 0; i < e.size(); ++i) {
            const char16_t u = e[i].unicode();
            QVERIFY2(u >= 0x20 && u != 0x7F && !(u >= 0x80 && u <= 0x9F) && u != 0xA0 &&
                         u != 0x2028 && u != 0x2029 && u != 0xFFFC,
                     qPrintable(QString::number(u, 16)));
        }
        QCOMPARE(decryptFromPage(e), t);
        QCOMPARE(decryptFromPage(decryptFromPage(encryptForPage(e))), t);
    }
}

void TestScrambler::decryptOfPlainTextIsLenient() {
    // Text that was never encrypted, with escape signs that start no escape, still
    // decrypts one character at a time.
    const QString text = QString::fromUtf8("a\u00ac\u00ac#zz\u00ac");
    QCOMPARE(decryptFromPage(text),
             UnscrambleText(QString::fromUtf8("a\u00ac#zz\u00ac"), kScrambleKey));
}

void TestScrambler::decryptOfGarbageStaysInBounds() {
    // Broken escapes anywhere, also cut off at the end: the reader never looks past the
    // text and never makes it longer.
    const QString alphabet = QString::fromUtf8("\u00ac\u00ac\u00ac##0123456789ABCDEFafxyz@?- ");
    QRandomGenerator rng(99);
    for (int round = 0; round < 2000; ++round) {
        QString garbage;
        const int length = rng.bounded(12);
        for (int i = 0; i < length; ++i)
            garbage.append(alphabet[rng.bounded(int(alphabet.size()))]);
        const QString plain = decryptFromPage(garbage);
        QVERIFY(plain.size() <= garbage.size());
    }
}

QTEST_GUILESS_MAIN(TestScrambler)
#include "test_scrambler.moc"
