#include "editing/formatting_commands.h"
#include "editing/style_toolbar.h"
#include "helpers_page_editor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

using namespace quillet;
using quillet::test::PageEditor;

class TestStyleToolbar : public QObject {
    Q_OBJECT

private slots:
    void styleListFillsUnselectedAndMatchesIgnoringCase() {
        QComboBox list;
        int picked = 0;
        connect(&list, &QComboBox::currentIndexChanged, this, [&] { ++picked; });
        fillStyleList(&list, {"Body", "Heading 1", "Quote"});
        QCOMPARE(list.count(), 3);
        QCOMPARE(list.currentIndex(), -1);
        selectStyleInList(&list, QStringLiteral("HEADING 1"));
        QCOMPARE(list.currentIndex(), 1);
        selectStyleInList(&list, QStringLiteral("Missing"));
        QCOMPARE(list.currentIndex(), -1);
        selectStyleInList(&list, QStringLiteral("quote"));
        selectStyleInList(&list, QString());
        QCOMPARE(list.currentIndex(), -1);
        QCOMPARE(picked, 0); // matching never looks like a pick
    }

    void sizeBoxClickUsesItsText() {
        QSpinBox box;
        box.setRange(INT_MIN, INT_MAX);
        box.setValue(12);
        box.resize(80, 24);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QStringList clicks;
        new FontSizeClickFilter(&box, [&](const QString& t) { clicks << t; });
        QLineEdit* edit = box.findChild<QLineEdit*>();
        QTest::mouseClick(edit, Qt::LeftButton);
        QCOMPARE(clicks, QStringList{"12"});
        // The up button changes the number only.
        QStyleOptionSpinBox opt;
        opt.initFrom(&box);
        opt.subControls = QStyle::SC_SpinBoxUp;
        const QRect up =
            box.style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxUp, &box);
        QTest::mouseClick(&box, Qt::LeftButton, {}, up.center());
        QCOMPARE(box.value(), 13);
        QCOMPARE(clicks.size(), 1);
    }

    void keyChords() {
        PageEditor e;
        e.setPage(QStringLiteral("ab"));
        e.select(1, 2);
        int insertAll = 0;
        EditorKeyChords chords(e, [&] { ++insertAll; });
        e.installEventFilter(&chords);
        QTest::keyClick(&e, Qt::Key_ScrollLock, Qt::AltModifier);
        QCOMPARE(e.document()->blockCount(), 25);
        QVERIFY(e.pageText().startsWith(QStringLiteral("a32 = [ ]\t")));
        QVERIFY(e.pageText().endsWith(QStringLiteral("255 = [\u00FF]\t"))); // "b" replaced
        QTest::keyClick(&e, Qt::Key_NumLock, Qt::AltModifier);
        QCOMPARE(insertAll, 1);
        // Without Alt nothing happens.
        const QString before = e.pageText();
        QTest::keyClick(&e, Qt::Key_ScrollLock);
        QTest::keyClick(&e, Qt::Key_NumLock);
        QCOMPARE(e.pageText(), before);
        QCOMPARE(insertAll, 1);
    }
};

QTEST_MAIN(TestStyleToolbar)
#include "test_style_toolbar.moc"
