#include "ui/find_node_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillet {

FindNodeDialog::FindNodeDialog(QWidget* parent)
    : QDialog(parent), txtFind_(new QLineEdit(this)),
      chkMatchCase_(new QCheckBox(QStringLiteral("Match &case"), this)),
      btnFind_(new QPushButton(QStringLiteral("&Find Next"), this)) {
    setObjectName(QStringLiteral("dlgFindNode"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    chkMatchCase_->setObjectName(QStringLiteral("chkMatchCase"));
    btnFind_->setObjectName(QStringLiteral("btnFindNext"));
    btnFind_->setDefault(true);
    btnFind_->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));

    auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
    label->setBuddy(txtFind_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(txtFind_, 0, 1);
    layout->addWidget(btnFind_, 0, 2);
    layout->addWidget(chkMatchCase_, 1, 0, 1, 2);
    layout->addWidget(cancel, 1, 2);

    // As the standard find dialog: nothing to find until something is typed.
    connect(txtFind_, &QLineEdit::textChanged, this,
            [this](const QString& t) { btnFind_->setEnabled(!t.isEmpty()); });
    connect(btnFind_, &QPushButton::clicked, this, [this] {
        const QString text = txtFind_->text();
        const bool matchCase = chkMatchCase_->isChecked();
        close();
        emit findRequested(text, matchCase);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

} // namespace quillet
