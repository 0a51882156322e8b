// The open document as the main window shows it: the File commands, the recent-files menu,
// the caption and the tree pane around an open.

#include "app/main_window.h"
#include "app/status_bar_widget.h"
#include "app/wire_format.h"
#include "store/document_controller.h"
#include "store/node_tree.h"
#include "ui/node_tree_model.h"
#include "ui/rich_editor.h"

#include <QAction>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QMenu>
#include <QSplitter>
#include <QTreeView>

namespace quillet {

void TfrmQuillet::createDocument(const QString& documentPath) {
    m_document = std::make_unique<DocumentController>(*m_nodeTree, *m_editor, *m_prompts, *this);
    DocumentController* doc = m_document.get();

    connect(doc, &DocumentController::captionChanged, this,
            [this](const QString& caption, const QString&) { setWindowTitle(caption); });
    connect(doc, &DocumentController::recentFilesChanged, this, &TfrmQuillet::refreshRecentMenu);
    connect(doc, &DocumentController::modifiedChanged, this,
            [this](bool modified) { m_statusBar->modifiedPanel()->setEnabled(modified); });
    connect(doc, &DocumentController::editorChangeRequested, this, &TfrmQuillet::editorChange);
    connect(doc, &DocumentController::commandStatesChanged, this,
            &TfrmQuillet::UpdateCommandStates);
    connect(doc, &DocumentController::editorFocusRequested, this, &TfrmQuillet::focusEditor);
    connect(doc, &DocumentController::selectNodeRequested, this,
            [this](qint32 id) { selectNode(m_nodeTree->findNodeById(id)); });
    connect(doc, &DocumentController::documentLoading, this, [this] {
        if (QSplitterHandle* h = m_splitter->handle(1))
            h->hide();
    });
    connect(doc, &DocumentController::documentOpened, this, [this] {
        m_tree->collapseAll();
        m_splitter->setSizes({220, qMax(100, m_splitter->width() - 220 - 3)});
        if (QSplitterHandle* h = m_splitter->handle(1))
            h->show();
        editorSelectionChange(*this);
    });
    connect(doc, &DocumentController::notebookImported, this,
            [this] { editorSelectionChange(*this); });

    // A path given at start that names no file opens nothing and says nothing.
    if (!documentPath.isEmpty() && QFileInfo(documentPath).isFile())
        doc->OpenDocument(QFileInfo(documentPath).absoluteFilePath());
}

void TfrmQuillet::installFileHandlers() {
    DocumentController* doc = m_document.get();
    setCommandHandler(QStringLiteral("FileNew"), [doc] { doc->FileNew(); });
    setCommandHandler(QStringLiteral("FileOpen"), [doc] { doc->FileOpen(); });
    setCommandHandler(QStringLiteral("FileSave"), [doc] { doc->FileSave(); });
    setCommandHandler(QStringLiteral("FileSaveAs"), [doc] { doc->FileSaveAs(); });
    setCommandHandler(QStringLiteral("fileImportIgv"), [doc] { doc->fileImportIgv(); });
}

void TfrmQuillet::refreshRecentMenu() {
    m_recentMenu->clear();
    const auto entries = m_document->recentFiles().menuEntries();
    for (const RecentFiles::MenuEntry& e : entries) {
        QAction* a = m_recentMenu->addAction(e.caption);
        const QString path = e.path;
        connect(a, &QAction::triggered, this, [this, path] {
            UpdateCommandStates();
            m_document->openRecentFile(path);
            UpdateCommandStates();
        });
        if (e.separatorAfter)
            m_recentMenu->addSeparator();
    }
    m_recentMenu->setEnabled(!entries.isEmpty());
}

Node* TfrmQuillet::selectedNode() const {
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid() || !m_tree->selectionModel()->isSelected(current))
        return nullptr;
    return m_treeModel->nodeFromIndex(current);
}

void TfrmQuillet::selectNode(Node* node) {
    if (!node) {
        m_tree->selectionModel()->clearSelection();
        m_tree->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = m_treeModel->indexFromNode(node);
    m_tree->scrollTo(index);
    m_tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
}

} // namespace quillet
