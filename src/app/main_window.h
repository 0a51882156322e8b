#pragma once

#include "app/command_states.h"
#include "app/menu_layout.h"
#include "app/settings_store.h"
#include "store/prompts.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QComboBox;
class QFontComboBox;
class QMenu;
class QSettings;
class QSpinBox;
class QSplitter;
class QTextEdit;
class QToolBar;
class QTreeView;

namespace quillet {

class DocumentController;
class Node;
class NodeTree;
class NodeTreeModel;
class QuilletStatusBar;
class RichEditor;
class WordSelection;

// What a test (or main) hands the window at creation.
struct WindowOptions {
    QString documentPath;          // the command-line argument, if any
    QSettings* settings = nullptr; // default: the program's settings store
    Prompts* prompts = nullptr;    // default: real message boxes
};

// The main window: frame, command table, command states, busy state, settings.
class TfrmQuillet : public QMainWindow, public BusyIndicator {
    Q_OBJECT
public:
    explicit TfrmQuillet(const WindowOptions& options = {}, QWidget* parent = nullptr);
    ~TfrmQuillet() override;

    // Commands by id (the QAction's object name).
    QAction* action(const QString& id) const { return m_actions.value(id); }
    const QHash<QString, QAction*>& actions() const { return m_actions; }

    // Runs a command as a menu item would: states first, then its handler.
    void runCommand(const QString& id);

    // Installs what a command does; commands without a handler say they are not available.
    void setCommandHandler(const QString& id, std::function<void()> handler);

    void UpdateCommandStates();
    CommandStateSnapshot commandStateSnapshot() const;

    // BusyIndicator
    void SetBusy(bool on);
    void setBusy(bool busy) override { SetBusy(busy); }
    void setProgress(int value, int maximum) override;
    void processEvents() override;
    bool isBusy() const { return m_busy; }

    // The document's modified flag (kept by the document) and its indicator.
    bool isModified() const;
    void setModified(bool modified);
    bool hasDocumentPath() const;

    // Editor-change handling: marks the document modified when the editor reports an edit
    // and keeps the modified indicator in step; never clears the flag.
    void editorChange();

    DocumentController& document() const { return *m_document; }
    NodeTree& nodeTree() const { return *m_nodeTree; }
    NodeTreeModel* treeModel() const { return m_treeModel; }
    // The tree's selected node, or nullptr.
    Node* selectedNode() const;
    // Selects a node in the tree pane (nullptr clears the selection).
    void selectNode(Node* node);

    // Gives the focus back to the editor and refreshes the command states.
    void focusEditor();

    Prompts& prompts() const { return *m_prompts; }
    QuilletStatusBar* quilletStatusBar() const { return m_statusBar; }
    RichEditor* editor() const { return m_editor; }
    QTreeView* treeView() const { return m_tree; }
    QWidget* ruler() const { return m_ruler; }
    QToolBar* toolBar(const QString& name) const { return m_toolBars.value(name); }
    QMenu* toolbarMenu() const { return m_toolbarMenu; }
    GeneralSettings& settingsValues() { return m_settings; }

    // Restores settings the first time the window is shown; tests call it directly.
    void restoreSettings();
    void storeSettings();

    QMenu* createPopupMenu() override;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createCentralArea();
    void createStatusBar();
    void installEditHandlers();
    QMenu* buildMenu(QMenu* menu, const QList<MenuItemSpec>& items);
    void fillToolbarMenu(QMenu* menu);
    void applyCommandStates(const CommandStates& states);
    void notAvailable(const QString& id);
    void showAbout();
    void createDocument(const QString& documentPath);
    void installFileHandlers();
    void refreshRecentMenu();

    QHash<QString, QAction*> m_actions;
    QHash<QString, std::function<void()>> m_handlers;
    QHash<QString, QToolBar*> m_toolBars;
    QList<QToolBar*> m_toolBarOrder;

    QSettings* m_store;
    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts* m_prompts;
    GeneralSettings m_settings;
    bool m_settingsRestored = false;

    std::unique_ptr<NodeTree> m_nodeTree;
    std::unique_ptr<DocumentController> m_document;
    QTreeView* m_tree = nullptr;
    NodeTreeModel* m_treeModel = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_ruler = nullptr;
    RichEditor* m_editor = nullptr;
    QuilletStatusBar* m_statusBar = nullptr;
    QComboBox* m_cboStyles = nullptr;
    QFontComboBox* m_cboFonts = nullptr;
    QSpinBox* m_seFontSize = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_toolbarMenu = nullptr;
    QMenu* m_editorMenu = nullptr;

    bool m_busy = false;
    WordSelection* m_wordSelection = nullptr;
};

// Theme picture with our own shipped fallback.
QIcon quilletIcon(const QString& name);

} // namespace quillet
