#include "props/select_dialog.h"

#include "store/node_tree.h"
#include "ui/node_images.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillet {

namespace {

constexpr int kIdRole = Qt::UserRole + 1;

void copyChildren(const NodeTree& tree, const Node* parent, QTreeWidgetItem* into,
                  QTreeWidget* widget) {
    const int count = tree.childCount(parent);
    for (int row = 0; row < count; ++row) {
        const Node* node = tree.childAt(parent, row);
        auto* item = into ? new QTreeWidgetItem(into) : new QTreeWidgetItem(widget);
        item->setText(0, node->caption());
        item->setIcon(0, nodeIcon(node->imageIndex()));
        item->setData(0, kIdRole, node->id());
        copyChildren(tree, node, item, widget);
    }
}

} // namespace

TfrmSelect::TfrmSelect(const NodeTree& tree, QWidget* parent)
    : QDialog(parent, Qt::Tool), tvSelect_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("TfrmSelect"));
    setWindowTitle(QStringLiteral("Select Article"));
    tvSelect_->setObjectName(QStringLiteral("tvSelect"));
    tvSelect_->setHeaderHidden(true);
    tvSelect_->setColumnCount(1);
    tvSelect_->setIconSize(QSize(kNodeImageSize, kNodeImageSize));
    tvSelect_->setSelectionMode(QAbstractItemView::SingleSelection);
    copyChildren(tree, nullptr, nullptr, tvSelect_);

    auto* select = new QPushButton(QStringLiteral("&Select"), this);
    select->setObjectName(QStringLiteral("btnSelect"));
    select->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));

    // Selection, not the current item: the view makes an item current on its own when it
    // gets the focus, and that is no pick.
    connect(tvSelect_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> selected = tvSelect_->selectedItems();
        if (!selected.isEmpty())
            pickItem(selected.first());
    });
    connect(tvSelect_, &QTreeWidget::itemClicked, this, [this] {
        const QList<QTreeWidgetItem*> selected = tvSelect_->selectedItems();
        if (!selected.isEmpty())
            pickItem(selected.first());
    });
    connect(select, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] {
        choice_.cancel();
        reject();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tvSelect_);
    layout->addLayout(buttons);
    resize(260, 320);
}

void TfrmSelect::pickItem(QTreeWidgetItem* item) {
    if (item)
        choice_.pick(item->data(0, kIdRole).toInt(), item->text(0));
}

bool TfrmSelect::showModal() {
    return exec() == QDialog::Accepted;
}

std::optional<ChosenArticle> TfrmSelect::pickArticle(const NodeTree& tree, QWidget* parent) {
    TfrmSelect dialog(tree, parent);
    const bool confirmed = dialog.showModal();
    if (!dialog.choice().isUsable(confirmed))
        return std::nullopt;
    return ChosenArticle{dialog.choiceCaption(), dialog.choiceId()};
}

} // namespace quillet
