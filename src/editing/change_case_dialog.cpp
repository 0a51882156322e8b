#include "editing/change_case_dialog.h"

#include "store/editor.h"
#include "texttools/case_conversion.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillet {

TChangeCaseDlg::TChangeCaseDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgChangeCase"));
    setWindowTitle(QStringLiteral("Change Case"));
    auto* box = new QGroupBox(QStringLiteral(" Change Case "), this);
    box->setObjectName(QStringLiteral("rdoChangeCase"));
    auto* v = new QVBoxLayout(box);
    m_group = new QButtonGroup(this);
    const QStringList entries{
        QStringLiteral("&Sentence Case"), QStringLiteral("&lowercase"),
        QStringLiteral("&UPPERCASE"),     QStringLiteral("&Title Case"),
        QStringLiteral("&Inital Caps"),   QStringLiteral("tO&GGLE cASE"),
    };
    for (int i = 0; i < entries.size(); ++i) {
        auto* r = new QRadioButton(entries[i], box);
        r->setObjectName(QStringLiteral("rdoCase%1").arg(i));
        m_group->addButton(r, i);
        v->addWidget(r);
    }
    m_group->button(0)->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &TChangeCaseDlg::acceptMode);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TChangeCaseDlg::selectedEntry() const {
    return m_group->checkedId();
}

void TChangeCaseDlg::selectEntry(int entry) {
    if (QAbstractButton* b = m_group->button(entry))
        b->setChecked(true);
}

void TChangeCaseDlg::acceptMode() {
    const int entry = selectedEntry();
    m_mode = entry < 0 ? 6 : entry;
    accept();
}

void TChangeCaseDlg::reject() {
    selectEntry(m_mode);
    QDialog::reject();
}

void changeCaseOfSelection(Editor& editor, int mode) {
    if (!editor.hasSelection())
        return;
    const QString text = editor.selectedText();
    editor.replaceSelection(convertCase(text, mode));
}

} // namespace quillet
