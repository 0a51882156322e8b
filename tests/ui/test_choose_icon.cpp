#include "ui/choose_icon_dialog.h"
#include "ui/find_node_dialog.h"
#include "ui/node_images.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace quillet;

class TestChooseIcon : public QObject {
    Q_OBJECT

private slots:
    void listsTheCatalogue();
    void choose_data();
    void choose();
    void findDialogReportsAndCloses();
};

void TestChooseIcon::listsTheCatalogue() {
    TfrmChooseIcon d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Choose Icon"));
    QCOMPARE(d.size(), QSize(198, 223));
    QCOMPARE(d.list()->count(), kNodeImageCount);
    QCOMPARE(d.list()->item(24)->text(), QStringLiteral("Calander"));
    QVERIFY(!d.list()->item(149)->icon().isNull());
    QCOMPARE(d.chosenIndex(), 0);
}

void TestChooseIcon::choose_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("action"); // ok, clear+ok, pick 33, double 57, cancel
    QTest::addColumn<int>("result");     // -1: no choice
    QTest::newRow("OK keeps the node's icon") << 42 << "ok" << 42;
    QTest::newRow("OK with nothing selected gives Navy Page") << 42 << "clear" << 0;
    QTest::newRow("index outside the list selects nothing") << 150 << "ok" << 0;
    QTest::newRow("negative index selects nothing") << -3 << "ok" << 0;
    QTest::newRow("another picture") << 42 << "pick" << 33;
    QTest::newRow("double click takes it") << 0 << "double" << 57;
    QTest::newRow("cancel") << 42 << "cancel" << -1;
}

void TestChooseIcon::choose() {
    QFETCH(int, current);
    QFETCH(QString, action);
    QFETCH(int, result);
    QTimer::singleShot(0, [action] {
        TfrmChooseIcon* d = nullptr;
        QTRY_VERIFY((d = qobject_cast<TfrmChooseIcon*>(QApplication::activeModalWidget())));
        QListWidget* list = d->list();
        auto button = [d](const char* name) { return d->findChild<QPushButton*>(name); };
        if (action == QLatin1String("clear")) {
            list->clearSelection();
        } else if (action == QLatin1String("pick")) {
            list->setCurrentRow(33);
        } else if (action == QLatin1String("double")) {
            QListWidgetItem* item = list->item(57);
            list->scrollToItem(item);
            const QPoint pos = list->visualItemRect(item).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pos);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pos);
            return;
        } else if (action == QLatin1String("cancel")) {
            button("btnCancel")->click();
            return;
        }
        button("btnOK")->click();
    });
    const std::optional<int> chosen = TfrmChooseIcon::choose(nullptr, current);
    QCOMPARE(chosen.has_value(), result >= 0);
    if (chosen)
        QCOMPARE(*chosen, result);
}

void TestChooseIcon::findDialogReportsAndCloses() {
    FindNodeDialog d;
    d.show();
    QVERIFY(!d.isModal());
    QVERIFY(!d.findButton()->isEnabled());
    QSignalSpy spy(&d, &FindNodeDialog::findRequested);
    QTest::keyClicks(d.textBox(), QStringLiteral("chap"));
    d.matchCaseBox()->setChecked(true);
    QVERIFY(d.findButton()->isEnabled());
    d.findButton()->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().at(0).toString(), QStringLiteral("chap"));
    QCOMPARE(spy.first().at(1).toBool(), true);
    QVERIFY(!d.isVisible());
}

QTEST_MAIN(TestChooseIcon)
#include "test_choose_icon.moc"
