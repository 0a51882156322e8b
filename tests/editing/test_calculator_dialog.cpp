#include "editing/calculator_dialog.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace quillet;

class TestCalculatorDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void keyboardAndButtons();
    void confirmAndCancel();
    void userDecimalSeparator();
};

void TestCalculatorDialog::keyboardAndButtons() {
    CalculatorDialog dialog(2.5);
    dialog.show();
    QCOMPARE(dialog.displayText(), QStringLiteral("2.5"));

    QTest::keyClicks(&dialog, QStringLiteral("12+3"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.displayText(), QStringLiteral("15"));
    QVERIFY(dialog.isVisible()); // Return is "=", not OK

    QTest::keyClicks(&dialog, QStringLiteral("*4"));
    QTest::keyClick(&dialog, Qt::Key_Backspace);
    QTest::keyClicks(&dialog, QStringLiteral("2"));
    QTest::keyClick(&dialog, Qt::Key_F9);
    QCOMPARE(dialog.displayText(), QStringLiteral("-2"));
    QTest::keyClick(&dialog, Qt::Key_Enter);
    QCOMPARE(dialog.displayText(), QStringLiteral("-30"));

    dialog.findChild<QPushButton*>(QStringLiteral("btnClear"))->click();
    for (const char* name : {"btn7", "btnPoint", "btn5", "btnDivide", "btn3", "btnEquals"})
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    QCOMPARE(dialog.displayText(), QStringLiteral("2.5"));

    QTest::keyClicks(&dialog, QStringLiteral("/0="));
    QCOMPARE(dialog.displayText(), QStringLiteral("Error"));
    QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Delete);
    QCOMPARE(dialog.displayText(), QStringLiteral("0"));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("btnOK"))->isEnabled());
}

void TestCalculatorDialog::confirmAndCancel() {
    CalculatorDialog ok(0);
    ok.show();
    QTest::keyClicks(&ok, QStringLiteral("50%"));
    ok.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    QCOMPARE(ok.result(), int(QDialog::Accepted));
    QCOMPARE(ok.value(), 0.5);

    CalculatorDialog cancelled(7);
    cancelled.show();
    QTest::keyClick(&cancelled, Qt::Key_Escape);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
    QVERIFY(!cancelled.isVisible());
}

void TestCalculatorDialog::userDecimalSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CalculatorDialog dialog(0.25);
    dialog.show();
    QCOMPARE(dialog.displayText(), QStringLiteral("0,25"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnPoint"))->text(),
             QStringLiteral(","));
    QTest::keyClicks(&dialog, QStringLiteral("1,5+1.5="));
    QCOMPARE(dialog.displayText(), QStringLiteral("3"));
}

QTEST_MAIN(TestCalculatorDialog)
#include "test_calculator_dialog.moc"
