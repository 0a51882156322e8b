#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/command_table.h"
#include "app/qt_prompts.h"
#include "app/status_bar_widget.h"
#include "app/wire_format.h"
#include "app/wire_texttools.h"
#include "app/wire_tree.h"
#include "app/word_selection.h"
#include "store/document_controller.h"
#include "store/node_tree.h"
#include "ui/node_tree_model.h"
#include "ui/rich_editor.h"
#include "ui/tree_browser_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>
#include <climits>

static void initQuilletResources() {
    Q_INIT_RESOURCE(app_icons);
}

namespace quillet {

namespace {
constexpr int kTreeWidth = 220;
constexpr int kRulerHeight = 26;

QString plainCaption(const QString& caption) {
    QString s = caption;
    s.remove(QLatin1Char('&'));
    return s;
}

void useBundledIconTheme() {
    // On a bare machine there is no desktop theme; Breeze is installed with the program's
    // dependencies and covers almost every picture, our own resources cover the rest.
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList dataDirs =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                  QStandardPaths::LocateDirectory);
    for (const QString& d : dataDirs)
        if (!paths.contains(d))
            paths << d;
    QIcon::setThemeSearchPaths(paths);
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("breeze"));
    QIcon::setFallbackThemeName(QStringLiteral("breeze"));
}
} // namespace

QIcon quilletIcon(const QString& name) {
    if (name.isEmpty())
        return {};
    if (!name.startsWith(QLatin1String("quillet")) && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    const QString own = QStringLiteral(":/icons/%1.svg").arg(name);
    return QFile::exists(own) ? QIcon(own) : QIcon();
}

TfrmQuillet::TfrmQuillet(const WindowOptions& options, QWidget* parent)
    : QMainWindow(parent), m_store(options.settings ? options.settings : &applicationSettings()) {
    initQuilletResources();
    useBundledIconTheme();
    setObjectName(QStringLiteral("frmQuillet"));
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/quillet.svg")));

    if (options.prompts) {
        m_prompts = options.prompts;
    } else {
        m_ownPrompts = std::make_unique<QtPrompts>(this);
        m_prompts = m_ownPrompts.get();
    }

    m_nodeTree = std::make_unique<NodeTree>();
    createActions();
    createCentralArea();
    createToolBars();
    createMenus();
    createStatusBar();
    createDocument(options.documentPath);
    installEditHandlers();
    installFileHandlers();
    installTextTools(*this);
    installTree(*this);
    installFormat(*this);

    // Design size of the client area.
    resize(802, 566);
    qApp->installEventFilter(this);
}

TfrmQuillet::~TfrmQuillet() {
    // The document and the model refer to the node tree, which is a plain member: let them
    // go while the tree still exists.
    m_document.reset();
    m_tree->setModel(nullptr);
    delete m_treeModel;
    m_treeModel = nullptr;
}

void TfrmQuillet::createActions() {
    for (const CommandInfo& c : commandTable()) {
        const QString id = QString::fromLatin1(c.id);
        auto* a = new QAction(this);
        a->setObjectName(id);
        a->setText(QString::fromUtf8(c.caption));
        a->setProperty("category", QString::fromLatin1(c.category));
        const QString hint = QString::fromUtf8(c.hint);
        a->setToolTip(hint.isEmpty() ? plainCaption(a->text()) : hint);
        a->setStatusTip(hint);
        a->setProperty("hint", hint);
        if (*c.shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
        a->setIcon(quilletIcon(QString::fromLatin1(c.icon)));
        a->setCheckable(isCheckableCommand(id));
        // Captions carry their own accelerators; the menu must not invent others.
        a->setIconVisibleInMenu(true);
        connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
        addAction(a); // shortcuts work even for commands in no menu
        m_actions.insert(id, a);
    }
}

QMenu* TfrmQuillet::buildMenu(QMenu* menu, const QList<MenuItemSpec>& items) {
    for (const MenuItemSpec& item : items) {
        switch (item.kind) {
        case MenuItemSpec::Command:
            if (QAction* a = m_actions.value(item.id))
                menu->addAction(a);
            break;
        case MenuItemSpec::Separator:
            menu->addSeparator();
            break;
        case MenuItemSpec::Submenu: {
            QMenu* sub = menu->addMenu(item.caption);
            sub->setObjectName(item.id);
            buildMenu(sub, item.items);
            break;
        }
        case MenuItemSpec::RecentFiles:
            m_recentMenu = menu->addMenu(item.caption);
            m_recentMenu->setObjectName(item.id);
            m_recentMenu->setEnabled(false);
            break;
        case MenuItemSpec::Widget:
            break;
        }
    }
    return menu;
}

void TfrmQuillet::createMenus() {
    static const QStringList updating = {QStringLiteral("mnuFile"),   QStringLiteral("mnuEdit"),
                                         QStringLiteral("mnuSearch"), QStringLiteral("mnuTree"),
                                         QStringLiteral("mnuInsert"), QStringLiteral("mnuFormat"),
                                         QStringLiteral("mnuTools"),  QStringLiteral("mnuHelp")};
    for (const MenuSpec& spec : mainMenuLayout()) {
        QMenu* menu = menuBar()->addMenu(spec.caption);
        menu->setObjectName(spec.objectName);
        buildMenu(menu, spec.items);
        if (updating.contains(spec.objectName))
            connect(menu, &QMenu::aboutToShow, this, &TfrmQuillet::UpdateCommandStates);
    }

    m_editorMenu = new QMenu(this);
    m_editorMenu->setObjectName(QStringLiteral("mnuEditorPopup"));
    buildMenu(m_editorMenu, editorContextMenuLayout());
}

void TfrmQuillet::createToolBars() {
    for (const ToolBarSpec& spec : toolBarLayout()) {
        if (spec.breakBefore)
            addToolBarBreak(Qt::TopToolBarArea);
        auto* tb = new QToolBar(spec.caption, this);
        tb->setObjectName(spec.objectName);
        tb->setMovable(true);
        tb->setFloatable(true);
        tb->setIconSize(QSize(16, 16));
        tb->setProperty("menuCaption", spec.menuCaption);
        for (const MenuItemSpec& item : spec.items) {
            if (item.kind == MenuItemSpec::Separator) {
                tb->addSeparator();
            } else if (item.kind == MenuItemSpec::Command) {
                if (QAction* a = m_actions.value(item.id))
                    tb->addAction(a);
            } else if (item.kind == MenuItemSpec::Widget) {
                if (item.id == QLatin1String("cboStyles")) {
                    m_cboStyles = new QComboBox(tb);
                    m_cboStyles->setObjectName(item.id);
                    m_cboStyles->setMinimumWidth(140);
                    m_cboStyles->setToolTip(tr("Style"));
                    tb->addWidget(m_cboStyles);
                } else if (item.id == QLatin1String("cboFonts")) {
                    m_cboFonts = new QFontComboBox(tb);
                    m_cboFonts->setObjectName(item.id);
                    m_cboFonts->setMinimumWidth(160);
                    m_cboFonts->setToolTip(tr("Font"));
                    tb->addWidget(m_cboFonts);
                } else if (item.id == QLatin1String("seFontSize")) {
                    m_seFontSize = new QSpinBox(tb);
                    m_seFontSize->setObjectName(item.id);
                    m_seFontSize->setRange(INT_MIN, INT_MAX);
                    m_seFontSize->setValue(12);
                    m_seFontSize->setMinimumWidth(56);
                    m_seFontSize->setToolTip(tr("Font size"));
                    tb->addWidget(m_seFontSize);
                }
            }
        }
        addToolBar(Qt::TopToolBarArea, tb);
        m_toolBars.insert(spec.objectName, tb);
        m_toolBarOrder << tb;
    }
}

void TfrmQuillet::createCentralArea() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitter"));
    m_splitter->setHandleWidth(3);
    m_splitter->setChildrenCollapsible(false);

    m_tree = new TreeBrowserView(m_splitter);
    m_tree->setObjectName(QStringLiteral("tvBrowser"));
    QFont treeFont(QStringLiteral("Arial"));
    treeFont.setPixelSize(13);
    m_tree->setFont(treeFont);
    m_tree->setIndentation(35);
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setMinimumWidth(kTreeWidth);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setIconSize(QSize(16, 16));
    m_treeModel = new NodeTreeModel(*m_nodeTree, this);
    m_tree->setModel(m_treeModel);

    auto* editorArea = new QWidget(m_splitter);
    auto* column = new QVBoxLayout(editorArea);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_ruler = new QWidget(editorArea);
    m_ruler->setObjectName(QStringLiteral("ruler"));
    m_ruler->setFixedHeight(kRulerHeight);
    m_ruler->setAutoFillBackground(true);
    m_editor = new RichEditor(editorArea);
    m_editor->setObjectName(QStringLiteral("editor"));
    // The editor brings its own font, tab handling and 6-pixel side insets.
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    column->addWidget(m_ruler);
    column->addWidget(m_editor, 1);

    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(editorArea);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kTreeWidth, 802 - kTreeWidth});
    setCentralWidget(m_splitter);

    connect(m_editor, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        UpdateCommandStates();
        m_editorMenu->exec(m_editor->viewport()->mapToGlobal(pos));
    });
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // A right click selects the node under the pointer.
        const QModelIndex idx = m_tree->indexAt(pos);
        if (idx.isValid())
            m_tree->setCurrentIndex(idx);
    });
}

void TfrmQuillet::createStatusBar() {
    m_statusBar = new QuilletStatusBar(this);
    setStatusBar(m_statusBar);
    connect(m_statusBar->upPanel(), &StatusPicture::clicked, this,
            [this] { runCommand(QStringLiteral("TreeMoveUp")); });
    connect(m_statusBar->downPanel(), &StatusPicture::clicked, this,
            [this] { runCommand(QStringLiteral("TreeMoveDown")); });
    connect(m_statusBar->modifiedPanel(), &StatusPicture::clicked, this, [this] {
        if (m_statusBar->modifiedPanel()->isEnabled())
            runCommand(QStringLiteral("FileSave"));
    });
}

void TfrmQuillet::installEditHandlers() {
    RichEditor* ed = m_editor;
    setCommandHandler(QStringLiteral("EditCut1"), [ed] { ed->cut(); });
    setCommandHandler(QStringLiteral("EditCopy1"), [ed] {
        ed->setFocus();
        ed->copy();
    });
    setCommandHandler(QStringLiteral("EditPaste1"), [this, ed] {
        ed->paste();
        setModified(true);
    });
    setCommandHandler(QStringLiteral("EditDelete1"),
                      [ed] { ed->textCursor().removeSelectedText(); });
    setCommandHandler(QStringLiteral("EditSelectAll1"), [ed] { ed->selectAll(); });
    setCommandHandler(QStringLiteral("EditUndo1"), [ed] { ed->undo(); });
    setCommandHandler(QStringLiteral("EditRedo"), [ed] { ed->redo(); });
    setCommandHandler(QStringLiteral("ToolsWordWrap"), [ed] {
        ed->setLineWrapMode(ed->lineWrapMode() == QTextEdit::NoWrap ? QTextEdit::WidgetWidth
                                                                    : QTextEdit::NoWrap);
    });
    auto* words = new WordSelection(ed);
    m_wordSelection = words;
    setCommandHandler(QStringLiteral("ToolsWordSelection"),
                      [words] { words->setEnabled(!words->isEnabled()); });
    setCommandHandler(QStringLiteral("OptionsViewRuler"),
                      [this] { m_ruler->setVisible(m_ruler->isHidden()); });
    setCommandHandler(QStringLiteral("FileExit"), [this] { close(); });
    setCommandHandler(QStringLiteral("HelpAbout"), [this] { showAbout(); });

    connect(ed, &QTextEdit::selectionChanged, this, &TfrmQuillet::UpdateCommandStates);
    connect(ed, &QTextEdit::undoAvailable, this, &TfrmQuillet::UpdateCommandStates);
    connect(ed, &QTextEdit::redoAvailable, this, &TfrmQuillet::UpdateCommandStates);
    connect(ed, &QTextEdit::textChanged, this, &TfrmQuillet::editorChange);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &TfrmQuillet::UpdateCommandStates);
}

void TfrmQuillet::setCommandHandler(const QString& id, std::function<void()> handler) {
    m_handlers.insert(id, std::move(handler));
}

void TfrmQuillet::runCommand(const QString& id) {
    UpdateCommandStates();
    const auto it = m_handlers.constFind(id);
    if (it == m_handlers.constEnd() || !*it)
        notAvailable(id);
    else
        (*it)();
    UpdateCommandStates();
}

void TfrmQuillet::notAvailable(const QString& id) {
    const CommandInfo* info = findCommand(id);
    QString name = info && *info->caption ? plainCaption(QString::fromUtf8(info->caption)) : id;
    m_prompts->information(
        QStringLiteral("\"%1\" is not available yet in this version of Quillet.").arg(name));
}

void TfrmQuillet::showAbout() {
    SetBusy(true);
    {
        TfrmAbout about(this);
        about.exec();
    }
    SetBusy(false);
}

CommandStateSnapshot TfrmQuillet::commandStateSnapshot() const {
    CommandStateSnapshot s;
    s.hasPath = hasDocumentPath();
    s.modified = isModified();
    s.nodeSelected = m_tree->selectionModel() && m_tree->selectionModel()->hasSelection();
    s.selectionNotEmpty = m_editor->textCursor().hasSelection();
    s.canPaste = m_editor->canPaste();
    s.canUndo = m_editor->document()->isUndoAvailable();
    s.canRedo = m_editor->document()->isRedoAvailable();
    s.wordWrap = m_editor->lineWrapMode() != QTextEdit::NoWrap;
    s.wordSelection = m_wordSelection->isEnabled();
    s.rulerVisible = !m_ruler->isHidden();
    return s;
}

void TfrmQuillet::UpdateCommandStates() {
    if (!isVisible())
        return;
    applyCommandStates(computeCommandStates(commandStateSnapshot()));
}

void TfrmQuillet::applyCommandStates(const CommandStates& states) {
    for (auto it = states.enabled.cbegin(); it != states.enabled.cend(); ++it)
        if (QAction* a = m_actions.value(it.key()))
            a->setEnabled(it.value());
    for (auto it = states.checked.cbegin(); it != states.checked.cend(); ++it)
        if (QAction* a = m_actions.value(it.key()))
            a->setChecked(it.value());
    m_statusBar->modifiedPanel()->setEnabled(states.modifiedIndicator);
    m_statusBar->update();
}

bool TfrmQuillet::isModified() const {
    return m_document->isModified();
}

bool TfrmQuillet::hasDocumentPath() const {
    return !m_document->documentPath().isEmpty();
}

void TfrmQuillet::setModified(bool modified) {
    m_document->setModified(modified);
    m_statusBar->modifiedPanel()->setEnabled(modified);
}

void TfrmQuillet::editorChange() {
    m_statusBar->upPanel()->update();
    m_statusBar->downPanel()->update();
    m_statusBar->modifiedPanel()->update();
    m_statusBar->sparePanel()->update();
    if (!m_document->isModified() && m_editor->isPageModified())
        m_document->setModified(true);
    m_statusBar->modifiedPanel()->setEnabled(m_document->isModified());
}

void TfrmQuillet::focusEditor() {
    if (m_editor->isEnabled() && m_editor->isVisible())
        m_editor->setFocus();
    UpdateCommandStates();
}

void TfrmQuillet::SetBusy(bool on) {
    // Not nested: a single "off" ends the busy state however often it was entered.
    if (on && !m_busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!on && m_busy)
        QApplication::restoreOverrideCursor();
    m_busy = on;
    m_statusBar->setHintLine(on ? QStringLiteral("Working....") : QString());
    m_tree->setEnabled(!on);
    m_editor->setEnabled(!on);
    for (QToolBar* tb : std::as_const(m_toolBarOrder))
        tb->setEnabled(!on);
    m_statusBar->setGaugeEnabled(on);
    QApplication::processEvents();
    if (!on)
        repaint();
    UpdateCommandStates();
}

void TfrmQuillet::setProgress(int value, int maximum) {
    m_statusBar->setGaugePosition(value, maximum);
}

void TfrmQuillet::processEvents() {
    QApplication::processEvents();
}

void TfrmQuillet::fillToolbarMenu(QMenu* menu) {
    // The menu lists the toolbars in its own order, not the order they sit in.
    static const QStringList order = {QStringLiteral("tbFile"),  QStringLiteral("tbEdit"),
                                      QStringLiteral("tbStyle"), QStringLiteral("tbVarious"),
                                      QStringLiteral("tbTree"),  QStringLiteral("tbTextTools")};
    for (const QString& name : order) {
        QToolBar* tb = m_toolBars.value(name);
        if (!tb)
            continue;
        QAction* a = menu->addAction(tb->property("menuCaption").toString());
        a->setObjectName(QStringLiteral("mnuToolbar_") + name);
        a->setCheckable(true);
        a->setChecked(tb->isVisible());
        connect(a, &QAction::triggered, tb, [tb](bool checked) { tb->setVisible(checked); });
    }
}

QMenu* TfrmQuillet::createPopupMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuToolbars"));
    fillToolbarMenu(menu);
    m_toolbarMenu = menu;
    connect(menu, &QObject::destroyed, this, [this, menu] {
        if (m_toolbarMenu == menu)
            m_toolbarMenu = nullptr;
    });
    return menu;
}

void TfrmQuillet::restoreSettings() {
    m_settingsRestored = true;
    m_settings = loadGeneralSettings(*m_store);
    const WindowPlacement& p = m_settings.placement;
    const int ppi = screen() ? qRound(screen()->logicalDotsPerInchY()) : 96;
    if (p.valid && p.pixelsPerInch == ppi) {
        setGeometry(p.normal);
        if (p.showCmd == 3)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    for (QToolBar* tb : std::as_const(m_toolBarOrder))
        tb->setVisible(m_settings.isToolbarVisible(tb->objectName()));

    RecentFiles& recent = m_document->recentFiles();
    recent.setCapacity(m_settings.mruCapacity);
    recent.clear();
    for (auto it = m_settings.recentFiles.crbegin(); it != m_settings.recentFiles.crend(); ++it)
        recent.add(*it);
    refreshRecentMenu();
}

void TfrmQuillet::storeSettings() {
    WindowPlacement& p = m_settings.placement;
    p.flags = 0;
    p.showCmd = isMaximized() ? 3 : (isMinimized() ? 2 : 1);
    p.normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.pixelsPerInch = screen() ? qRound(screen()->logicalDotsPerInchY()) : 96;
    for (QToolBar* tb : std::as_const(m_toolBarOrder))
        m_settings.toolbarVisible[tb->objectName()] = !tb->isHidden();
    m_settings.recentFiles = m_document->recentFiles().paths();
    saveGeneralSettings(*m_store, m_settings);
}

void TfrmQuillet::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!m_settingsRestored)
        restoreSettings();
    UpdateCommandStates();
}

void TfrmQuillet::closeEvent(QCloseEvent* e) {
    // While a save runs, or when the person wants to save first and that save fails, the
    // window stays open so nothing is lost.
    if (!m_document->queryClose()) {
        e->ignore();
        return;
    }
    storeSettings();
    m_document->closeDocument();
    e->accept();
}

void TfrmQuillet::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (isVisible())
        editorSelectionChange(*this);
    m_statusBar->update();
}

bool TfrmQuillet::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        // A new hint (pointer onto another control or menu item) replaces the hint line.
        m_statusBar->setHintLine(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

bool TfrmQuillet::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->window() == this && !m_busy)
            m_statusBar->setHintLine(w->toolTip());
    }
    return QMainWindow::eventFilter(watched, e);
}

} // namespace quillet
