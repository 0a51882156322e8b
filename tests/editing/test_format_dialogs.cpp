#include "editing/color_picker_widget.h"
#include "editing/para_format_dialog.h"
#include "editing/text_format_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace quillet;

namespace {

void selectAll(QTextEdit& e) {
    QTextCursor c = e.textCursor();
    c.select(QTextCursor::Document);
    e.setTextCursor(c);
}

// Confirms (or cancels) the next modal dialog after `change` has touched its controls.
void answerNextDialog(bool confirm, std::function<void(QDialog*)> change = {}) {
    QTimer::singleShot(0, [confirm, change] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        if (change)
            change(d);
        d->findChild<QPushButton*>(confirm ? "btnOK" : "btnCancel")->click();
    });
}

// The paragraph as the dialog sees it, after a round trip through its controls.
ParaDialogValues throughDialog(const ParaAttributes& p) {
    TParaFormatDlg dlg;
    dlg.setValues(fillParaDialog(p));
    return dlg.values();
}

} // namespace

class TestFormatDialogs : public QObject {
    Q_OBJECT

private slots:
    void paragraphFilling_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("numbering");
        QTest::addColumn<int>("heading");
        QTest::addColumn<int>("alignmentEntry");
        QTest::addColumn<int>("numberingEntry");
        QTest::addColumn<int>("headingEntry");
        QTest::newRow("left, none") << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("right, arabic") << 1 << 2 << 3 << 1 << 2 << 3;
        QTest::newRow("justified shows Center") << 3 << 6 << 9 << 2 << 6 << 9;
        QTest::newRow("heading above 9 shows 9") << 2 << 1 << 12 << 2 << 1 << 9;
    }
    void paragraphFilling() {
        QFETCH(int, alignment);
        QFETCH(int, numbering);
        QFETCH(int, heading);
        QFETCH(int, alignmentEntry);
        QFETCH(int, numberingEntry);
        QFETCH(int, headingEntry);
        ParaAttributes p;
        p.alignment = alignment;
        p.numbering = numbering;
        p.headingStyle = heading;
        p.firstIndent = 7;
        p.leftIndent = -3;
        p.rightIndent = 4;
        p.spaceBefore = 6;
        p.spaceAfter = 2;
        p.lineSpacing = 15;
        const ParaDialogValues v = throughDialog(p);
        QCOMPARE(v.alignmentEntry, alignmentEntry);
        QCOMPARE(v.numberingEntry, numberingEntry);
        QCOMPARE(v.headingEntry, headingEntry);
        QCOMPARE(v.firstIndent, 7);
        QCOMPARE(v.leftIndent, -3);
        QCOMPARE(v.rightIndent, 4);
        QCOMPARE(v.spaceBefore, 6);
        QCOMPARE(v.spaceAfter, 2);
        QCOMPARE(v.lineSpacing, 15);
    }

    void confirmingAJustifiedParagraphCentresIt() {
        QTextEdit e;
        e.setPlainText(QStringLiteral("text"));
        ParaAttributes p;
        p.alignment = AlignJustify;
        QTextCursor c = e.textCursor();
        writeParaAttributes(c, p, ParaField::Alignment);
        answerNextDialog(true);
        QVERIFY(runParaFormatDialog(e, nullptr));
        QCOMPARE(readParaAttributes(e.textCursor()).alignment, int(AlignCenter));
    }

    void paragraphOkOrder_data() {
        QTest::addColumn<int>("numbering");
        QTest::addColumn<int>("leftBox");
        QTest::addColumn<int>("lineBox");
        QTest::addColumn<int>("leftIndent");
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("lineSpacing");
        QTest::newRow("None forces left 0") << 0 << 25 << 0 << 0 << 0 << 0;
        QTest::newRow("Bullet raises 4 to 10") << 1 << 4 << 14 << 10 << 3 << 14;
        QTest::newRow("Arabic keeps 20") << 2 << 20 << 0 << 20 << 0 << 0;
    }
    void paragraphOkOrder() {
        QFETCH(int, numbering);
        QFETCH(int, leftBox);
        QFETCH(int, lineBox);
        QFETCH(int, leftIndent);
        QFETCH(int, rule);
        QFETCH(int, lineSpacing);
        QTextEdit e;
        e.setPlainText(QStringLiteral("para"));
        answerNextDialog(true, [&](QDialog* d) {
            d->findChild<QSpinBox*>("seLeft")->setValue(leftBox);
            d->findChild<QSpinBox*>("seLineSpacing")->setValue(lineBox);
            d->findChild<QRadioButton*>("rdoNumbering" + QString::number(numbering))->click();
        });
        QVERIFY(runParaFormatDialog(e, nullptr));
        const ParaAttributes p = readParaAttributes(e.textCursor());
        QCOMPARE(p.numbering, numbering);
        QCOMPARE(p.leftIndent, leftIndent);
        QCOMPARE(p.lineSpacingRule, rule);
        QCOMPARE(p.lineSpacing, lineSpacing);
    }

    void cancelChangesNothing() {
        QTextEdit e;
        e.setPlainText(QStringLiteral("para"));
        selectAll(e);
        const ParaAttributes para = readParaAttributes(e.textCursor());
        const CharAttributes text = readCharAttributes(e.textCursor());
        answerNextDialog(false,
                         [](QDialog* d) { d->findChild<QSpinBox*>("seLeft")->setValue(40); });
        QVERIFY(!runParaFormatDialog(e, nullptr));
        answerNextDialog(false,
                         [](QDialog* d) { d->findChild<QCheckBox*>("chkBold")->setChecked(true); });
        QVERIFY(!runTextFormatDialog(e, nullptr));
        QCOMPARE(readParaAttributes(e.textCursor()), para);
        QCOMPARE(readCharAttributes(e.textCursor()), text);
    }

    void textFilling() {
        CharAttributes a;
        a.fontName = QStringLiteral("Courier New");
        a.size = 13;
        a.color = 0x102030;
        a.backColor = kAutoBackColor;
        a.bold = true;
        a.underline = true;
        a.underlineStyle = UnderlineDotted;
        a.script = ScriptSuperscript;
        a.hidden = true;
        TfrmAdvFormat dlg;
        dlg.setValues(fillTextDialog(a));
        const TextDialogValues v = dlg.values();
        QCOMPARE(v.fontName, QStringLiteral("Courier New"));
        QCOMPARE(v.size, 13);
        QCOMPARE(v.foreground, 0x102030);
        QCOMPARE(v.background, kAutoBackColor);
        QVERIFY(v.bold && v.underline && !v.italic && v.hidden && !v.link);
        QCOMPARE(v.underlineEntry, int(UnderlineDotted));
        QCOMPARE(v.scriptEntry, int(ScriptSuperscript));
        // Not underlined shows "None".
        a.underline = false;
        a.underlineStyle = UnderlineNone;
        dlg.setValues(fillTextDialog(a));
        QCOMPARE(dlg.values().underlineEntry, 0);
    }

    void textOkRules_data() {
        QTest::addColumn<bool>("startBold");
        QTest::addColumn<bool>("boldBox");
        QTest::addColumn<bool>("underlineBox");
        QTest::addColumn<int>("underlineEntry");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("underlineStyle");
        QTest::newRow("clearing Bold leaves bold") << true << false << false << 0 << true << 0;
        QTest::newRow("Bold adds bold") << false << true << false << 0 << true << 0;
        QTest::newRow("Underline with None ends plain")
            << false << false << true << 0 << false << 0;
        QTest::newRow("Double without Underline") << false << false << false << 3 << false << 3;
    }
    void textOkRules() {
        QFETCH(bool, startBold);
        QFETCH(bool, boldBox);
        QFETCH(bool, underlineBox);
        QFETCH(int, underlineEntry);
        QFETCH(bool, bold);
        QFETCH(int, underlineStyle);
        QTextEdit e;
        e.setPlainText(QStringLiteral("words"));
        selectAll(e);
        CharAttributes start;
        start.bold = startBold;
        QTextCursor c = e.textCursor();
        writeCharAttributes(c, start, CharField::Bold);
        answerNextDialog(true, [&](QDialog* d) {
            d->findChild<QCheckBox*>("chkBold")->setChecked(boldBox);
            d->findChild<QCheckBox*>("chkUnderline")->setChecked(underlineBox);
            d->findChild<QRadioButton*>("rdoUnderlineStyle" + QString::number(underlineEntry))
                ->click();
            d->findChild<QRadioButton*>("rdoTextStyle1")->click();
        });
        QVERIFY(runTextFormatDialog(e, nullptr));
        const CharAttributes a = readCharAttributes(e.textCursor());
        QCOMPARE(a.bold, bold);
        QCOMPARE(a.underlineStyle, underlineStyle);
        QCOMPARE(a.underline, underlineStyle != 0);
        QCOMPARE(a.script, int(ScriptSubscript));
    }

    void textOkSetsFlagsColoursAndFont() {
        QTextEdit e;
        e.setPlainText(QStringLiteral("words"));
        selectAll(e);
        answerNextDialog(true, [](QDialog* d) {
            d->findChild<QCheckBox*>("chkProtected")->setChecked(true);
            d->findChild<QCheckBox*>("chkDisabled")->setChecked(true);
            d->findChild<ColorPickerWidget*>("clrForeground")->setValue(0x0000FF);
            d->findChild<ColorPickerWidget*>("clrBackground")->setValue(0xBFD7BF);
            d->findChild<QSpinBox*>("seFontSize")->setValue(21);
        });
        QVERIFY(runTextFormatDialog(e, nullptr));
        const CharAttributes a = readCharAttributes(e.textCursor());
        QVERIFY(a.isProtected && a.disabled && !a.hidden);
        QCOMPARE(a.color, 0x0000FF);
        QCOMPARE(a.backColor, 0xBFD7BF);
        QCOMPARE(a.size, 21);
    }

    void paletteSwatchesPickTheirColour() {
        ColorPickerWidget picker;
        QCOMPARE(ColorPickerWidget::palette().size(), 20);
        QCOMPARE(ColorPickerWidget::palette().at(4), QRgb(0xBFD7BF));
        QCOMPARE(ColorPickerWidget::palette().at(19), QRgb(0x9F9F9F));
        picker.setValue(kAutoTextColor);
        QCOMPARE(picker.value(), kAutoTextColor);
        // #FF0000 is red 255: value 255.
        picker.dropDown()->findChild<QToolButton*>("swatch1")->click();
        QCOMPARE(picker.value(), 255);
        picker.dropDown()->findChild<QToolButton*>("swatch3")->click();
        QCOMPARE(picker.value(), 255 * 65536);
    }

    void otherOpensTheColourDialogWithWhiteCustomColours() {
        ColorPickerWidget picker;
        QColorDialog::setCustomColor(3, Qt::red);
        QTimer::singleShot(0, [] {
            auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            QVERIFY(d);
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                QCOMPARE(QColorDialog::customColor(i), QColor(Qt::white));
            d->setCurrentColor(QColor(0x10, 0x20, 0x30));
            d->accept();
        });
        picker.dropDown()->findChild<QPushButton*>("btnOther")->click();
        QCOMPARE(picker.value(), 3153936);
    }
};

QTEST_MAIN(TestFormatDialogs)
#include "test_format_dialogs.moc"
