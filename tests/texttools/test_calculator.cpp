#include "texttools/calculator_engine.h"
#include "texttools/number_format.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace quillet;
using Key = CalculatorEngine::Key;

namespace {

// Presses the keys written as characters: digits . + - * / = %, and C (clear), E (clear
// entry), B (backspace), S (sign change).
void typeKeys(CalculatorEngine& engine, const QString& keys) {
    for (QChar c : keys) {
        switch (c.unicode()) {
        case 'C':
            engine.press(Key::Clear);
            break;
        case 'E':
            engine.press(Key::ClearEntry);
            break;
        case 'B':
            engine.press(Key::Backspace);
            break;
        case 'S':
            engine.press(Key::ChangeSign);
            break;
        default: {
            const auto key = CalculatorEngine::keyForCharacter(c);
            QVERIFY2(key.has_value(), qPrintable(QString(c)));
            engine.press(*key);
        }
        }
    }
}

} // namespace

class TestCalculator : public QObject {
    Q_OBJECT
private slots:
    void format_data();
    void format();
    void keys_data();
    void keys();
    void startsFromGivenValue();
    void divisionByZeroShowsError();
    void digitLimit();
};

void TestCalculator::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("point");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "."
                          << "0";
    QTest::newRow("integer") << 42.0 << "."
                             << "42";
    QTest::newRow("no trailing zeros") << 2.5 << "."
                                       << "2.5";
    QTest::newRow("negative") << -0.125 << "."
                              << "-0.125";
    QTest::newRow("user separator") << 1234.5 << ","
                                    << "1234,5";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "."
                                    << "0.3";
    QTest::newRow("third") << 1.0 / 3 << "."
                           << "0.333333333333333";
    QTest::newRow("largest fixed") << 999999999999999.0 << "."
                                   << "999999999999999";
    QTest::newRow("rounds up into exponent") << 9999999999999999.0 << "."
                                             << "1E16";
    QTest::newRow("large") << 1.5e20 << "."
                           << "1.5E20";
    QTest::newRow("large with separator") << -1.25e300 << ","
                                          << "-1,25E300";
    QTest::newRow("smallest fixed") << 0.00001 << "."
                                    << "0.00001";
    QTest::newRow("small") << 0.000002 << "."
                           << "2E-6";
    QTest::newRow("tiny") << 1.2345e-100 << "."
                          << "1.2345E-100";
    QTest::newRow("ten to the fourteenth") << 1e14 << "."
                                           << "100000000000000";
    QTest::newRow("ten to the fifteenth") << 1e15 << "."
                                          << "1E15";
}

void TestCalculator::format() {
    QFETCH(double, value);
    QFETCH(QString, point);
    QFETCH(QString, text);
    QCOMPARE(formatGeneralNumber(value, point.at(0)), text);
}

void TestCalculator::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<double>("value");
    QTest::newRow("typing") << "12.50"
                            << "12.50" << 12.5;
    QTest::newRow("one point only") << "1.2.3"
                                    << "1.23" << 1.23;
    QTest::newRow("leading point") << ".5"
                                   << "0.5" << 0.5;
    QTest::newRow("left to right") << "2+3*4="
                                   << "20" << 20.0;
    QTest::newRow("intermediate result shown") << "2+3*"
                                               << "5" << 5.0;
    QTest::newRow("division") << "1/4="
                              << "0.25" << 0.25;
    QTest::newRow("operator replaced") << "6+*7="
                                       << "42" << 42.0;
    QTest::newRow("repeat equals") << "2+3=="
                                   << "8" << 8.0;
    QTest::newRow("equals with no second operand") << "5+="
                                                   << "10" << 10.0;
    QTest::newRow("new number after result") << "2+3=7"
                                             << "7" << 7.0;
    QTest::newRow("result as next operand") << "2+3=*2="
                                            << "10" << 10.0;
    QTest::newRow("clear") << "12+3C"
                           << "0" << 0.0;
    QTest::newRow("clear after clear keeps nothing pending") << "12+3C4="
                                                             << "4" << 4.0;
    QTest::newRow("clear entry keeps the operation") << "12+3E4="
                                                     << "16" << 16.0;
    QTest::newRow("backspace") << "123B"
                               << "12" << 12.0;
    QTest::newRow("backspace to zero") << "7BB"
                                       << "0" << 0.0;
    QTest::newRow("backspace ignores results") << "2+3=B"
                                               << "5" << 5.0;
    QTest::newRow("sign change while typing") << "5S"
                                              << "-5" << -5.0;
    QTest::newRow("sign change twice") << "5SS"
                                       << "5" << 5.0;
    QTest::newRow("sign change of operand") << "10-3S="
                                            << "13" << 13.0;
    QTest::newRow("sign change of result") << "2+3=S"
                                           << "-5" << -5.0;
    QTest::newRow("percent of first operand") << "200+10%="
                                              << "220" << 220.0;
    QTest::newRow("percent discount") << "200-10%="
                                      << "180" << 180.0;
    QTest::newRow("percent as hundredths") << "200*10%="
                                           << "20" << 20.0;
    QTest::newRow("percent alone") << "50%"
                                   << "0.5" << 0.5;
}

void TestCalculator::keys() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(double, value);
    CalculatorEngine engine;
    typeKeys(engine, keys);
    QCOMPARE(engine.display(), display);
    QCOMPARE(engine.value(), value);
}

void TestCalculator::startsFromGivenValue() {
    CalculatorEngine engine(2.5);
    QCOMPARE(engine.display(QChar(u',')), QStringLiteral("2,5"));
    typeKeys(engine, QStringLiteral("*2="));
    QCOMPARE(engine.value(), 5.0);

    CalculatorEngine replaced(2.5);
    typeKeys(replaced, QStringLiteral("7"));
    QCOMPARE(replaced.value(), 7.0);

    CalculatorEngine notFinite(std::numeric_limits<double>::infinity());
    QCOMPARE(notFinite.value(), 0.0);
}

void TestCalculator::divisionByZeroShowsError() {
    CalculatorEngine engine;
    typeKeys(engine, QStringLiteral("5/0="));
    QVERIFY(engine.hasError());
    QCOMPARE(engine.display(), QStringLiteral("Error"));
    QCOMPARE(engine.value(), 0.0);
    typeKeys(engine, QStringLiteral("+S%B")); // ignored while the error shows
    QVERIFY(engine.hasError());
    typeKeys(engine, QStringLiteral("3"));
    QVERIFY(!engine.hasError());
    QCOMPARE(engine.value(), 3.0);

    CalculatorEngine overflow;
    typeKeys(overflow, QStringLiteral("999999999999999*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*="));
    QVERIFY(overflow.hasError());
    typeKeys(overflow, QStringLiteral("C"));
    QCOMPARE(overflow.display(), QStringLiteral("0"));
}

void TestCalculator::digitLimit() {
    CalculatorEngine engine;
    typeKeys(engine, QStringLiteral("0001234567890123456789"));
    QCOMPARE(engine.display(), QStringLiteral("123456789012345"));
    typeKeys(engine, QStringLiteral("."));
    QCOMPARE(engine.display(), QStringLiteral("123456789012345."));
}

QTEST_GUILESS_MAIN(TestCalculator)
#include "test_calculator.moc"
