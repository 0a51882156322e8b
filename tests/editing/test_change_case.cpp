#include "editing/change_case_dialog.h"
#include "helpers_page_editor.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace quillet;
using quillet::test::PageEditor;

class TestChangeCase : public QObject {
    Q_OBJECT

private slots:
    void convertsTheSelection_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("sentence") << 0 << "hELLO. wORLD"
                                  << "Hello. world";
        QTest::newRow("title") << 3 << "hello, wORLD."
                               << "Hello World";
        QTest::newRow("initial caps") << 4 << "hello, wORLD."
                                      << "Hello WORLD";
        QTest::newRow("title in brackets") << 3 << "(an) example"
                                           << "An Example";
        QTest::newRow("toggle") << 5 << "Hello World 1"
                                << "hELLO wORLD 1";
        QTest::newRow("upper leaves accents") << 2 << "café"
                                              << "CAFé";
        QTest::newRow("two paragraphs join") << 3 << "one\r\ntwo"
                                             << "One Two";
        QTest::newRow("two tabs become a space") << 4 << "a\t\tb"
                                                 << "A B";
        QTest::newRow("only delimiters") << 4 << " ,. "
                                         << "";
        QTest::newRow("lower keeps paragraphs") << 1 << "AB\r\nCD"
                                                << "ab\r\ncd";
        QTest::newRow("no change") << 6 << "MiXeD"
                                   << "MiXeD";
    }
    void convertsTheSelection() {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(QString, result);
        PageEditor e;
        QString page = QStringLiteral("[") + text + QStringLiteral("]");
        e.setPage(page.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        e.select(1, e.pageLength() - 1);
        changeCaseOfSelection(e, mode);
        QCOMPARE(e.pageText(), QStringLiteral("[") + result + QStringLiteral("]"));
    }

    void dialogKeepsTheConfirmedMode() {
        TChangeCaseDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Change Case"));
        QCOMPARE(dlg.selectedEntry(), 0);
        QCOMPARE(dlg.mode(), 0);

        QTimer::singleShot(0, [&] {
            dlg.findChild<QRadioButton*>("rdoCase3")->click();
            dlg.findChild<QPushButton*>("btnOK")->click();
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(dlg.mode(), 3);

        QTimer::singleShot(0, [&] {
            dlg.findChild<QRadioButton*>("rdoCase5")->click();
            dlg.findChild<QPushButton*>("btnCancel")->click();
        });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        QCOMPARE(dlg.mode(), 3);
        QCOMPARE(dlg.selectedEntry(), 3);
    }
};

QTEST_MAIN(TestChangeCase)
#include "test_change_case.moc"
