#include "store/link_controller.h"

#include "store/document_controller.h"
#include "store/editor.h"
#include "store/node_links.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "store/prompts.h"
#include "store/tree_pane.h"

#include <QFileInfo>

namespace quillet {

LinkController::LinkController(DocumentController& document, NodeTree& tree, Editor& editor,
                               TreePane& pane, BrowserHost& host, PageSwitcher& pages,
                               BusyIndicator& busy)
    : document_(document), tree_(tree), editor_(editor), pane_(pane), host_(host), pages_(pages),
      busy_(busy) {}

void LinkController::TreeCopyLink() {
    if (const Node* node = pane_.selectedNode())
        host_.setClipboardText(nodeLinkText(node->caption(), node->id()));
}

void LinkController::InsertLink(
    const std::function<std::optional<ChosenArticle>()>& chooseArticle) {
    if (!chooseArticle)
        return;
    const std::optional<ChosenArticle> chosen = chooseArticle();
    if (!chosen || chosen->caption.isEmpty())
        return;
    editor_.replaceSelection(nodeLinkText(chosen->caption, chosen->id));
    pages_.editorChange();
}

LinkController::Outcome LinkController::editorURLClick(const QString& link, bool leftButton) {
    if (!leftButton)
        return Outcome::Ignored;
    if (!isNodeLink(link)) {
        host_.openUrl(link);
        return Outcome::OpenedOutside;
    }
    pages_.writeCurrentPage();
    const std::optional<qint32> id = linkId(link);
    // A deleted node leaves its page file behind; following a link to it would bind the
    // editor to a node the tree no longer shows, so the node has to be there as well.
    if (!id || !tree_.containsId(*id) || !QFileInfo::exists(document_.pagePath(*id)))
        return Outcome::NoSuchPage;
    document_.setCurrentId(*id);
    busy_.setBusy(true);
    pages_.loadPageOf(*id);
    pages_.SelectNodeById(*id);
    busy_.setBusy(false);
    pages_.tvBrowserClick();
    return Outcome::Followed;
}

} // namespace quillet
