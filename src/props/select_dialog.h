#pragma once

#include "props/article_choice.h"
#include "store/link_controller.h"

#include <QDialog>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

namespace quillet {

class Node;
class NodeTree;

// "Select Article": a copy of the document's tree, taken when the selector is made, to pick
// one node from. "&Select" confirms whatever the choice is; "&Cancel" clears it.
class TfrmSelect : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSelect(const NodeTree& tree, QWidget* parent = nullptr);

    // Modal; whether it ended with "&Select".
    bool showModal();
    qint32 choiceId() const { return choice_.id(); }
    QString choiceCaption() const { return choice_.caption(); }
    const ArticleChoice& choice() const { return choice_; }
    QTreeWidget* tree() const { return tvSelect_; }

    // One showing of a fresh selector, as the link insertion uses it.
    static std::optional<ChosenArticle> pickArticle(const NodeTree& tree, QWidget* parent);

private:
    void pickItem(QTreeWidgetItem* item);

    QTreeWidget* tvSelect_;
    ArticleChoice choice_;
};

} // namespace quillet
