#include "app/wire_tree.h"

#include "app/main_window.h"
#include "app/status_bar_widget.h"
#include "app/wire_format.h"
#include "props/select_dialog.h"
#include "store/document_controller.h"
#include "store/link_controller.h"
#include "store/node_tree.h"
#include "store/page_switcher.h"
#include "store/tree_controller.h"
#include "ui/choose_icon_dialog.h"
#include "ui/find_node_dialog.h"
#include "ui/node_images.h"
#include "ui/node_tree_model.h"
#include "ui/page_background.h"
#include "ui/rich_editor.h"
#include "ui/tree_browser_view.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPointer>
#include <QUrl>

namespace quillet {

namespace {

// The window as the page switch and the tree commands see it.
class WindowBrowserHost : public BrowserHost {
public:
    explicit WindowBrowserHost(TfrmQuillet& w) : w_(w) {}

    void setEditorBackground(std::optional<qint32> colour) override {
        applyPageBackground(*w_.editor(), colour);
    }
    void applyNormalStyle() override { applyNamedStyle(w_, QStringLiteral("Normal")); }
    void setWindowCaption(const QString& caption) override { w_.setWindowTitle(caption); }
    void setPropertiesPanelEnabled(bool on) override {
        w_.quilletStatusBar()->sparePanel()->setEnabled(on);
    }
    void redrawStatusPictures() override {
        QuilletStatusBar* bar = w_.quilletStatusBar();
        bar->upPanel()->update();
        bar->downPanel()->update();
        bar->modifiedPanel()->update();
        bar->sparePanel()->update();
    }
    void setModifiedIndicator(bool on) override {
        w_.quilletStatusBar()->modifiedPanel()->setEnabled(on);
    }
    void updateCommandStates() override { w_.UpdateCommandStates(); }
    void editorSelectionChange() override { quillet::editorSelectionChange(w_); }
    void focusEditor() override { w_.focusEditor(); }
    void openUrl(const QString& url) override {
        QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
    }
    void setClipboardText(const QString& text) override {
        QGuiApplication::clipboard()->setText(text);
    }

private:
    TfrmQuillet& w_;
};

// Everything the tree needs, living as long as the window.
class TreeWiring : public QObject {
public:
    TreeWiring(TfrmQuillet& w, TreeBrowserView& view)
        : QObject(&w), host(w),
          pages(w.document(), w.nodeTree(), *w.editor(), view, host, w.prompts()),
          commands(w.document(), w.nodeTree(), *w.editor(), view, host, pages, w.prompts(), w),
          links(w.document(), w.nodeTree(), *w.editor(), view, host, pages, w) {
        setObjectName(kName);
    }
    static constexpr const char* kName = "treeWiring";

    WindowBrowserHost host;
    PageSwitcher pages;
    TreeController commands;
    LinkController links;
    QPointer<FindNodeDialog> findDialog;
};

TreeWiring* wiringOf(const TfrmQuillet& window) {
    return static_cast<TreeWiring*>(
        window.findChild<QObject*>(QLatin1String(TreeWiring::kName), Qt::FindDirectChildrenOnly));
}

} // namespace

PageSwitcher* pageSwitcher(const TfrmQuillet& window) {
    TreeWiring* w = wiringOf(window);
    return w ? &w->pages : nullptr;
}

TreeController* treeController(const TfrmQuillet& window) {
    TreeWiring* w = wiringOf(window);
    return w ? &w->commands : nullptr;
}

LinkController* linkController(const TfrmQuillet& window) {
    TreeWiring* w = wiringOf(window);
    return w ? &w->links : nullptr;
}

void installTree(TfrmQuillet& window) {
    auto* view = qobject_cast<TreeBrowserView*>(window.treeView());
    if (!view)
        return;
    if (window.treeModel()) {
        window.treeModel()->setIconProvider([](int index) { return nodeIcon(index); });
        view->setNodeModel(window.treeModel());
    }
    auto* wiring = new TreeWiring(window, *view);
    TreeController& commands = wiring->commands;
    PageSwitcher& pages = wiring->pages;
    LinkController& links = wiring->links;
    TfrmQuillet* w = &window;

    bindTreeBrowser(*view, commands, pages);
    view->setWheelFocusTarget(window.editor());

    window.setCommandHandler(QStringLiteral("TreeAddNode"),
                             [&commands] { commands.TreeAddNode(); });
    window.setCommandHandler(QStringLiteral("TreeDeleteNode"),
                             [&commands] { commands.TreeDeleteNode(); });
    window.setCommandHandler(QStringLiteral("treeRenameNode"),
                             [&commands] { commands.treeRenameNode(); });
    window.setCommandHandler(QStringLiteral("TreeSortNode"), [w, &commands] {
        commands.TreeSortNode();
        w->UpdateCommandStates();
    });
    window.setCommandHandler(QStringLiteral("TreeMoveUp"), [&commands] { commands.TreeMoveUp(); });
    window.setCommandHandler(QStringLiteral("TreeMoveDown"),
                             [&commands] { commands.TreeMoveDown(); });
    window.setCommandHandler(QStringLiteral("TreeChangeIcon"), [w, &commands] {
        commands.TreeChangeIcon([w](int current) { return TfrmChooseIcon::choose(w, current); });
    });
    window.setCommandHandler(QStringLiteral("TreeFindNode"), [w, wiring, &commands] {
        if (!wiring->findDialog) {
            auto* dialog = new FindNodeDialog(w);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(dialog, &FindNodeDialog::findRequested, w,
                             [&commands](const QString& text, bool matchCase) {
                                 commands.findNode(text, matchCase);
                             });
            wiring->findDialog = dialog;
        }
        wiring->findDialog->show();
        wiring->findDialog->raise();
        wiring->findDialog->activateWindow();
    });
    window.setCommandHandler(QStringLiteral("TreeCopyLink"), [&links] { links.TreeCopyLink(); });
    window.setCommandHandler(QStringLiteral("InsertLink"), [w, &links] {
        links.InsertLink([w] { return TfrmSelect::pickArticle(w->nodeTree(), w); });
    });
    QObject::connect(window.editor(), &RichEditor::urlClicked, wiring,
                     [&links](const QString& url) { links.editorURLClick(url, true); });
}

} // namespace quillet
