#include "editing/para_format_dialog.h"

#include "editing/dialog_controls.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quillet {

TParaFormatDlg::TParaFormatDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TParaFormatDlg"));
    setWindowTitle(QStringLiteral("Paragraph"));
    m_pages = new QTabWidget(this);

    auto* simple = new QWidget(m_pages);
    auto* indentation = new QGroupBox(QStringLiteral(" Indentation "), simple);
    auto* indentForm = new QFormLayout(indentation);
    m_left = makeNumberBox(indentation, QStringLiteral("seLeft"));
    m_right = makeNumberBox(indentation, QStringLiteral("seRight"));
    m_first = makeNumberBox(indentation, QStringLiteral("seFirst"));
    indentForm->addRow(QStringLiteral("&Left: "), m_left);
    indentForm->addRow(QStringLiteral("&Right: "), m_right);
    indentForm->addRow(QStringLiteral("&First line: "), m_first);
    QGroupBox* alignment = makeRadioGroup(
        simple, QStringLiteral(" Alignment "), QStringLiteral("rdoAlignment"),
        {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")}, &m_alignment);
    m_spacing = new QGroupBox(QStringLiteral(" Spacing "), simple);
    auto* spacingForm = new QFormLayout(m_spacing);
    m_before = makeNumberBox(m_spacing, QStringLiteral("seSpaceBefore"), 0);
    m_after = makeNumberBox(m_spacing, QStringLiteral("seSpaceAfter"), 0);
    m_lineSpacing = makeNumberBox(m_spacing, QStringLiteral("seLineSpacing"), 0, INT_MAX, 5);
    spacingForm->addRow(QStringLiteral("Space &before: "), m_before);
    spacingForm->addRow(QStringLiteral("Space &after: "), m_after);
    spacingForm->addRow(QStringLiteral("Li&ne spacing: "), m_lineSpacing);
    auto* simpleLayout = new QHBoxLayout(simple);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(indentation);
    leftColumn->addWidget(alignment);
    simpleLayout->addLayout(leftColumn);
    simpleLayout->addWidget(m_spacing, 0, Qt::AlignTop);
    m_pages->addTab(simple, QStringLiteral("Simple"));

    auto* numbering = new QWidget(m_pages);
    auto* numberingLayout = new QHBoxLayout(numbering);
    numberingLayout->addWidget(makeRadioGroup(
        numbering, QStringLiteral("Numbering"), QStringLiteral("rdoNumbering"),
        {QStringLiteral("None"), QStringLiteral("Bullet"), QStringLiteral("Arabic Numbers"),
         QStringLiteral("Lowercase Letter"), QStringLiteral("Uppercase Letter"),
         QStringLiteral("Lowercase Roman"), QStringLiteral("Uppercase Roman")},
        &m_numbering));
    numberingLayout->addWidget(
        makeRadioGroup(numbering, QStringLiteral("Numbering Style"),
                       QStringLiteral("rdoNumberingStyle"),
                       {QStringLiteral("Parenthesis"), QStringLiteral("Period"),
                        QStringLiteral("Enclosed"), QStringLiteral("Simple")},
                       &m_numberingStyle),
        0, Qt::AlignTop);
    m_pages->addTab(numbering, QStringLiteral("Buletts and Numbering"));

    auto* various = new QWidget(m_pages);
    QStringList headings;
    for (int i = 0; i <= 9; ++i)
        headings << QStringLiteral("Heading %1").arg(i);
    auto* variousLayout = new QVBoxLayout(various);
    variousLayout->addWidget(makeRadioGroup(various, QStringLiteral("Heading Style"),
                                            QStringLiteral("rdoHeading"), headings, &m_heading, 2));
    m_pages->addTab(various, QStringLiteral("Various"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TParaFormatDlg::setSpacingAvailable(bool available) {
    m_spacing->setEnabled(available);
}

void TParaFormatDlg::setValues(const ParaDialogValues& v) {
    m_left->setValue(v.leftIndent);
    m_right->setValue(v.rightIndent);
    m_first->setValue(v.firstIndent);
    selectRadio(m_alignment, v.alignmentEntry);
    m_before->setValue(v.spaceBefore);
    m_after->setValue(v.spaceAfter);
    m_lineSpacing->setValue(v.lineSpacing);
    selectRadio(m_numbering, v.numberingEntry);
    selectRadio(m_numberingStyle, v.numberingStyleEntry);
    selectRadio(m_heading, v.headingEntry);
}

ParaDialogValues TParaFormatDlg::values() const {
    ParaDialogValues v;
    v.leftIndent = m_left->value();
    v.rightIndent = m_right->value();
    v.firstIndent = m_first->value();
    v.alignmentEntry = m_alignment->checkedId();
    v.spaceBefore = m_before->value();
    v.spaceAfter = m_after->value();
    v.lineSpacing = m_lineSpacing->value();
    v.numberingEntry = m_numbering->checkedId();
    v.numberingStyleEntry = m_numberingStyle->checkedId();
    v.headingEntry = m_heading->checkedId();
    return v;
}

bool runParaFormatDialog(QTextEdit& editor, QWidget* parent) {
    TParaFormatDlg dlg(parent);
    dlg.setValues(fillParaDialog(readParaAttributes(editor.textCursor())));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    QTextCursor c = editor.textCursor();
    applyParaDialog(dlg.values(), c);
    return true;
}

} // namespace quillet
