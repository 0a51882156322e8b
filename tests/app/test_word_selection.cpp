// Automatic word selection widens a mouse selection to whole words once it leaves its word.

#include "app/word_selection.h"

#include <QTest>
#include <QTextEdit>

using namespace quillet;

class TestWordSelection : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void snap_data();
    void snap();
};

void TestWordSelection::snap_data() {
    // "The quick brown fox": The 0-3, quick 4-9, brown 10-15, fox 16-19.
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expectedAnchor");
    QTest::addColumn<int>("expectedPosition");
    QTest::newRow("inside one word stays") << 5 << 7 << 5 << 7;
    QTest::newRow("forward across words") << 6 << 12 << 4 << 15;
    QTest::newRow("backward across words") << 12 << 6 << 15 << 4;
    QTest::newRow("forward to the last word") << 1 << 17 << 0 << 19;
    QTest::newRow("empty selection stays") << 8 << 8 << 8 << 8;
}

void TestWordSelection::snap() {
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(int, expectedAnchor);
    QFETCH(int, expectedPosition);
    QTextEdit ed;
    ed.setPlainText(QStringLiteral("The quick brown fox"));
    const auto [a, p] = WordSelection::snapToWords(&ed, anchor, position);
    QCOMPARE(a, expectedAnchor);
    QCOMPARE(p, expectedPosition);
}

QTEST_MAIN(TestWordSelection)
#include "test_word_selection.moc"
