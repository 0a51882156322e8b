#pragma once

#include "store/recent_files.h"
#include "store/tree_stream.h"

#include <QObject>
#include <QString>

namespace quillet {

class BusyIndicator;
class Editor;
class NodeTree;
class Prompts;

// The open document: its ".qlt" path, the working directory its files are unpacked into,
// the node whose page is in the editor, and the modified and saving flags. New, Open, Save,
// Save As, the sibling-notebook import and closing run here; the window wires the real
// prompts, busy state, editor and tree in and follows the signals.
//
// Saving is safe: the new archive is built beside the document, read back, and only then
// renamed over it, so a failed save leaves the previous file exactly as it was.
class DocumentController : public QObject {
    Q_OBJECT

public:
    // The current id when no page is bound to the editor.
    static constexpr qint32 kNoPage = -9999;

    // Makes the first base directory and, for an empty tree, the node "Root" (id 0).
    DocumentController(NodeTree& tree, Editor& editor, Prompts& prompts, BusyIndicator& busy,
                       QObject* parent = nullptr);
    // Discards the workspace if closeDocument() has not already done so.
    ~DocumentController() override;

    NodeTree& tree() const { return tree_; }

    QString documentPath() const { return documentPath_; }
    QString baseDirectory() const { return baseDirectory_; }
    // Always ends with a separator.
    QString workingDirectory() const { return workingDirectory_; }
    QString pagePath(qint32 id) const;
    QString propertiesPath(qint32 id) const;

    qint32 currentId() const { return currentId_; }
    void setCurrentId(qint32 id) { currentId_ = id; }
    bool isModified() const { return modified_; }
    void setModified(bool modified);
    // True while a save runs; the window must refuse to close meanwhile.
    bool isSaving() const { return saving_; }

    QString windowCaption() const { return windowCaption_; }
    QString applicationTitle() const { return applicationTitle_; }

    RecentFiles& recentFiles() { return recent_; }
    const RecentFiles& recentFiles() const { return recent_; }

    // What the tree stream records about the pane (geometry, print title).
    TreePaneState& treePaneState() { return paneState_; }

    // Operations of the File menu and their building blocks. The bool results say whether
    // the step was carried out (false: cancelled or failed, the user has been told).
    void CreateBaseDirectory();
    void ClearDocument();
    void DiscardWorkspace();
    bool FileNew();
    bool FileOpen();
    bool OpenDocument(const QString& path);
    bool FileSave();
    bool FileSaveAs();
    bool SaveDocument(const QString& path);
    bool fileImportIgv();
    bool importIgv(const QString& path);
    // Where an imported notebook will be saved: its name with ".qlt", or "name (N).qlt"
    // when a document of that name already exists.
    static QString importTargetPath(const QString& notebookPath);
    // A choice in the recent-files menu: opens the file, or drops a vanished one silently.
    bool openRecentFile(const QString& path);

    // Closing the window: whether it may close now (asks to save a modified titled
    // document; a failed save keeps the window open so nothing is lost).
    bool queryClose();
    // Then, once it closes: empties the document and deletes the workspace.
    void closeDocument();

signals:
    void captionChanged(const QString& windowCaption, const QString& applicationTitle);
    void recentFilesChanged();
    void modifiedChanged(bool modified);
    // The window's editor-change handling should run (status line, indicators).
    void editorChangeRequested();
    // The window's command states should be recomputed.
    void commandStatesChanged();
    // Select the node with this id without switching pages (after a save reloads the
    // page that was in the editor).
    void selectNodeRequested(qint32 id);
    void editorFocusRequested();
    // OpenDocument starts: the window hides the splitter between tree and editor.
    void documentLoading();
    // OpenDocument finished: the tree pane gets no context menu, is docked left and 220
    // pixels wide, every branch collapsed, and the splitter shows again.
    void documentOpened();
    // The sibling-notebook import finished: only the tree's context menu is removed.
    void notebookImported();

private:
    bool saveFirst(const QString& question);
    void setCaption(const QString& window, const QString& application);
    void setBusy(bool busy);
    bool packAndReplace(const QString& path, const QStringList& files, QString* error);

    NodeTree& tree_;
    Editor& editor_;
    Prompts& prompts_;
    BusyIndicator& busy_;

    QString documentPath_;
    QString baseDirectory_;
    QString workingDirectory_;
    qint32 currentId_ = 0;
    bool modified_ = false;
    bool saving_ = false;
    QString windowCaption_;
    QString applicationTitle_;
    RecentFiles recent_;
    TreePaneState paneState_;
};

} // namespace quillet
