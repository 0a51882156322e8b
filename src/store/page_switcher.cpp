#include "store/page_switcher.h"

#include "store/document_controller.h"
#include "store/editor.h"
#include "store/ini_file.h"
#include "store/node_tree.h"
#include "store/prompts.h"
#include "store/tree_pane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quillet {

PageSwitcher::PageSwitcher(DocumentController& document, NodeTree& tree, Editor& editor,
                           TreePane& pane, BrowserHost& host, Prompts& prompts)
    : document_(document), tree_(tree), editor_(editor), pane_(pane), host_(host),
      prompts_(prompts), unreadPageId_(DocumentController::kNoPage) {}

QString PageSwitcher::pageCaption(const QString& documentPath, const QString& nodeCaption) {
    const QString file = documentPath.isEmpty() ? QString() : QFileInfo(documentPath).fileName();
    return file + QStringLiteral(" - (") + nodeCaption + QStringLiteral(") - Quillet");
}

std::optional<qint32> PageSwitcher::pageColourFrom(const QString& propertiesPath) {
    if (!QFileInfo::exists(propertiesPath))
        return std::nullopt;
    TBigIniFile ini(propertiesPath);
    const QString options = QStringLiteral("Options");
    const int r = ini.ReadInteger(options, QStringLiteral("bgR"), -1);
    const int g = ini.ReadInteger(options, QStringLiteral("bgG"), -1);
    const int b = ini.ReadInteger(options, QStringLiteral("bgB"), -1);
    if (r == -1 && g == -1 && b == -1)
        return std::nullopt;
    // Any integers may stand in a hand-edited file; the sum is formed without overflow and
    // kept to 32 bits as the colour value is.
    const qint64 value = qint64(r) + qint64(g) * 256 + qint64(b) * 65536;
    return qint32(quint32(quint64(value)));
}

bool PageSwitcher::ensureWorkingDirectory() {
    const QString dir = document_.workingDirectory();
    if (dir.isEmpty())
        return false;
    if (QFileInfo(dir).isDir())
        return true;
    if (!QDir().mkpath(dir))
        return false;
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

bool PageSwitcher::writeCurrentPage() {
    const qint32 id = document_.currentId();
    if (id == DocumentController::kNoPage)
        return true;
    if (id == unreadPageId_ && !editor_.isPageModified())
        return true;
    QString error;
    if (!ensureWorkingDirectory()) {
        error = QStringLiteral("The working directory %1 cannot be created.")
                    .arg(QDir::toNativeSeparators(document_.workingDirectory()));
    } else if (editor_.savePage(document_.pagePath(id), &error)) {
        unreadPageId_ = DocumentController::kNoPage;
        return true;
    }
    // Saving the document packs these files, so a page that silently failed to reach its
    // file would be lost without a word.
    prompts_.warning(QStringLiteral("The page could not be written to %1:\n%2\n"
                                    "Its file keeps its previous content.")
                         .arg(QDir::toNativeSeparators(document_.pagePath(id)), error));
    return false;
}

void PageSwitcher::loadPageOf(qint32 id) {
    const QString path = document_.pagePath(id);
    unreadPageId_ = DocumentController::kNoPage;
    editor_.clearPage();
    if (QFileInfo::exists(path)) {
        QString error;
        if (!editor_.loadPage(path, &error)) {
            editor_.clearPage();
            unreadPageId_ = id;
            prompts_.warning(QStringLiteral("The page %1 could not be read:\n%2\n"
                                            "It is shown empty; its file is left as it is "
                                            "unless you write on this page.")
                                 .arg(QDir::toNativeSeparators(path), error));
        }
    } else {
        host_.applyNormalStyle();
    }
    editor_.setPageModified(false);
}

void PageSwitcher::tvBrowserClick() {
    Node* node = pane_.selectedNode();
    if (!node)
        return;
    pane_.setTreeEnabled(false);
    const qint32 id = node->id();
    if (id != document_.currentId()) {
        host_.setEditorBackground(std::nullopt);
        if (document_.currentId() != DocumentController::kNoPage) {
            const bool wrote = writeCurrentPage();
            if (wrote)
                document_.setModified(true);
        }
        document_.setCurrentId(id);
        if (const auto colour = pageColourFrom(document_.propertiesPath(id)))
            host_.setEditorBackground(*colour);
        host_.setPropertiesPanelEnabled(false);
        loadPageOf(id);
        editorChange();
        host_.setWindowCaption(pageCaption(document_.documentPath(), node->caption()));
    }
    pane_.setTreeEnabled(true);
    host_.updateCommandStates();
    host_.editorSelectionChange();
}

void PageSwitcher::editorChange() {
    host_.redrawStatusPictures();
    if (!document_.isModified() && editor_.isPageModified())
        document_.setModified(true);
    host_.setModifiedIndicator(document_.isModified());
}

void PageSwitcher::SelectNodeById(qint32 id) {
    Node* node = tree_.findNodeById(id);
    if (!node)
        return;
    pane_.setSelectedNode(node);
    tvBrowserClick();
}

} // namespace quillet
