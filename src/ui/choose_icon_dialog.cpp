#include "ui/choose_icon_dialog.h"

#include "ui/node_images.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillet {

TfrmChooseIcon::TfrmChooseIcon(QWidget* parent)
    : QDialog(parent), lvView_(new QListWidget(this)), choice_(kNodeImageCount) {
    setObjectName(QStringLiteral("TfrmChooseIcon"));
    setWindowTitle(QStringLiteral("Choose Icon"));
    lvView_->setObjectName(QStringLiteral("lvView"));
    lvView_->setViewMode(QListView::ListMode);
    lvView_->setIconSize(QSize(kNodeImageSize, kNodeImageSize));
    lvView_->setResizeMode(QListView::Adjust);
    lvView_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvView_->viewport()->setCursor(Qt::PointingHandCursor);
    for (int i = 0; i < kNodeImageCount; ++i)
        new QListWidgetItem(nodeIcon(i), nodeImageName(i), lvView_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(ok, &QPushButton::clicked, this, &TfrmChooseIcon::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvView_, &QListWidget::itemDoubleClicked, this, &TfrmChooseIcon::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(lvView_);
    layout->addWidget(buttons);
    setFixedSize(198, 223);
}

void TfrmChooseIcon::selectImage(int imageIndex) {
    lvView_->clearSelection();
    const int row = choice_.preselection(imageIndex);
    if (row < 0)
        return;
    lvView_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    lvView_->scrollToItem(lvView_->item(row));
}

void TfrmChooseIcon::confirm() {
    const QList<QListWidgetItem*> selected = lvView_->selectedItems();
    choice_.confirm(selected.isEmpty() ? -1 : lvView_->row(selected.first()));
    accept();
}

std::optional<int> TfrmChooseIcon::choose(QWidget* parent, int current) {
    TfrmChooseIcon dialog(parent);
    dialog.selectImage(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenIndex();
}

} // namespace quillet
