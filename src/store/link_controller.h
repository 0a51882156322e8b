#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace quillet {

class BrowserHost;
class BusyIndicator;
class DocumentController;
class Editor;
class NodeTree;
class PageSwitcher;
class Prompts;
class TreePane;

// A node picked in the article selector: its caption and id.
struct ChosenArticle {
    QString caption;
    qint32 id = -1;
};

// Links between nodes: copying a node's link, inserting one, and following a clicked link.
class LinkController {
public:
    LinkController(DocumentController& document, NodeTree& tree, Editor& editor, TreePane& pane,
                   BrowserHost& host, PageSwitcher& pages, BusyIndicator& busy);

    // The selected node's link on the clipboard.
    void TreeCopyLink();
    // `chooseArticle` shows the article selector; nullopt when it was not confirmed.
    void InsertLink(const std::function<std::optional<ChosenArticle>()>& chooseArticle);

    enum class Outcome {
        Ignored,       // not the left button
        OpenedOutside, // handed to the user's default handler
        Followed,      // the editor and the tree moved to the node
        NoSuchPage,    // a node link whose node or page file is not there
    };
    // The editor reported a click on `link`; `leftButton` tells which button.
    Outcome editorURLClick(const QString& link, bool leftButton);

private:
    DocumentController& document_;
    NodeTree& tree_;
    Editor& editor_;
    TreePane& pane_;
    BrowserHost& host_;
    PageSwitcher& pages_;
    BusyIndicator& busy_;
};

} // namespace quillet
