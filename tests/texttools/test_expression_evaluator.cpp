#include "texttools/expression_evaluator.h"

#include <QTest>

using namespace quillet;

class TestExpressionEvaluator : public QObject {
    Q_OBJECT
private slots:
    void evaluate_data();
    void evaluate();
    void operands_data();
    void operands();
};

void TestExpressionEvaluator::evaluate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("product") << "12*4=" << 48;
    QTest::newRow("division truncates") << "7/2=" << 3;
    QTest::newRow("negative division truncates toward zero") << "0-7=/2=" << -3;
    QTest::newRow("negative via subtraction") << "0-7=" << -7;
    QTest::newRow("division by zero") << "10/0=" << -1;
    QTest::newRow("space before operator") << "12 + 3=" << -1;
    QTest::newRow("space after operator") << "12+ 3=" << 15;
    QTest::newRow("no precedence, operator replaced") << "1+2*3=" << 23;
    QTest::newRow("chained") << "2+3=*4=" << 20;
    QTest::newRow("no operator") << "5=" << -1;
    QTest::newRow("no equals") << "5" << -1;
    QTest::newRow("hex dollar") << "$FF+1=" << 256;
    QTest::newRow("hex 0x") << "0x10+0X10=" << 32;
    QTest::newRow("hex x") << "x1f-X1=" << 30;
    QTest::newRow("wraps on addition") << "2147483647+1=" << int(-2147483647 - 1);
    QTest::newRow("wraps on product") << "65536*65536=" << 0;
    QTest::newRow("spaces only") << "   =" << -1;
    QTest::newRow("failed step keeps the previous result") << "6*7=+x=" << 42;
    QTest::newRow("operand out of range") << "2147483648+0=" << -1;
    QTest::newRow("leading minus is the operator") << "-5=" << -1;
    QTest::newRow("equals without operator is ignored") << "=3+4=" << 7;
}

void TestExpressionEvaluator::evaluate() {
    QFETCH(QString, text);
    QFETCH(int, result);
    QCOMPARE(EvaluateExpression(text), result);
}

void TestExpressionEvaluator::operands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("leading spaces") << "  12" << true << 12;
    QTest::newRow("trailing space") << "12 " << false << 0;
    QTest::newRow("signs") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("too small") << "-2147483649" << false << 0;
    QTest::newRow("hex max") << "$7FFFFFFF" << true << 2147483647;
    QTest::newRow("hex too large") << "$80000000" << false << 0;
    QTest::newRow("many leading zeros") << "0000000000000000000042" << true << 42;
    QTest::newRow("prefix alone") << "$" << false << 0;
    QTest::newRow("0x alone") << "0x" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "12a" << false << 0;
    QTest::newRow("hex digit in decimal") << "F" << false << 0;
    QTest::newRow("long digit run") << QString(100, u'9') << false << 0;
}

void TestExpressionEvaluator::operands() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto got = readInt32Operand(text);
    QCOMPARE(got.has_value(), ok);
    if (ok)
        QCOMPARE(*got, value);
}

QTEST_GUILESS_MAIN(TestExpressionEvaluator)
#include "test_expression_evaluator.moc"
