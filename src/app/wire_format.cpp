#include "app/wire_format.h"

#include "app/main_window.h"
#include "app/status_bar_widget.h"
#include "editing/change_case_dialog.h"
#include "editing/find_replace_dialog.h"
#include "editing/format_pickers_dialog.h"
#include "editing/formatting_commands.h"
#include "editing/para_format_dialog.h"
#include "editing/ruler_widget.h"
#include "editing/style_manager_dialog.h"
#include "editing/style_sheet.h"
#include "editing/style_toolbar.h"
#include "editing/text_format_dialog.h"
#include "store/node_tree.h"
#include "ui/rich_editor.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextCursor>
#include <QTreeView>
#include <QVBoxLayout>

namespace quillet {

namespace {

const QString kHostName = QStringLiteral("formatHost");

// Everything the Format and Search commands keep for the window's lifetime.
class FormatHost : public QObject {
public:
    explicit FormatHost(TfrmQuillet& window)
        : QObject(&window), window(window), editor(*window.editor()), format(editor),
          location(StyleSheetLocation::forProgram()), search(editor, window.prompts(), &window) {
        setObjectName(kHostName);
        // Created once at start-up, so the mode chosen last stays selected.
        changeCase = new TChangeCaseDlg(&window);
        styles = window.findChild<QComboBox*>(QStringLiteral("cboStyles"));
        fonts = window.findChild<QFontComboBox*>(QStringLiteral("cboFonts"));
        size = window.findChild<QSpinBox*>(QStringLiteral("seFontSize"));
    }

    void refillStyles() {
        if (styles)
            fillStyleList(styles, ReadStyleNames(location.readPath()));
    }

    // The checked states and the font and size the toolbar shows for the selection.
    void showSelectionState() {
        if (!window.isVisible())
            return;
        const CharAttributes text = format.selectionChar();
        const ParaAttributes para = format.selectionPara();
        const QHash<QString, bool> checked = formatCheckedStates(text, para);
        for (auto it = checked.cbegin(); it != checked.cend(); ++it)
            if (QAction* a = window.action(it.key()))
                a->setChecked(it.value());
        if (fonts && !fonts->hasFocus()) {
            const bool blocked = fonts->blockSignals(true);
            fonts->setCurrentFont(QFont(text.fontName));
            // A font that is not installed still shows its own name.
            fonts->setEditText(text.fontName);
            fonts->blockSignals(blocked);
        }
        if (size && !size->hasFocus()) {
            const bool blocked = size->blockSignals(true);
            size->setValue(text.size);
            size->blockSignals(blocked);
        }
    }

    void selectionChange() {
        if (styles)
            selectStyleInList(styles, MatchStyle(location.readPath(), format.selectionChar(),
                                                 format.selectionPara()));
        NodeTree& tree = window.nodeTree();
        const Node* node = window.selectedNode();
        const std::optional<int> index =
            node ? std::optional<int>(tree.treeOrderIndex(node)) : std::nullopt;
        window.quilletStatusBar()->setStatusLine(
            statusLineText(caretPosition(editor), index, tree.nodeCount()));
        if (ruler)
            ruler->PlaceRulerMarkers();
        window.UpdateCommandStates();
        showSelectionState();
    }

    // What the window does after a command that changed the page through the attribute
    // model: the editor's change report marks the document; the style list, the ruler and
    // the states follow the new attributes as they follow a new selection.
    void afterFormat() {
        window.focusEditor();
        selectionChange();
    }

    TfrmQuillet& window;
    RichEditor& editor;
    FormattingCommands format;
    StyleSheetLocation location;
    FindReplaceDialogs search;
    TChangeCaseDlg* changeCase = nullptr;
    RulerWidget* ruler = nullptr;
    QComboBox* styles = nullptr;
    QFontComboBox* fonts = nullptr;
    QSpinBox* size = nullptr;
};

FormatHost* hostOf(TfrmQuillet& window) {
    return window.findChild<FormatHost*>(kHostName, Qt::FindDirectChildrenOnly);
}

void installRuler(FormatHost* host) {
    // The strip lives inside the window's ruler area, so showing and hiding that area (View
    // Ruler) shows and hides it.
    QWidget* area = host->window.ruler();
    if (!area)
        return;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    host->ruler = new RulerWidget(area);
    host->ruler->attach(&host->editor);
    layout->addWidget(host->ruler);
    QObject::connect(host->ruler, &RulerWidget::markerReleased, host,
                     [host] { host->selectionChange(); });
}

void installToolbarWidgets(FormatHost* host) {
    TfrmQuillet& window = host->window;
    if (host->styles) {
        QObject::connect(host->styles, &QComboBox::activated, host, [host, &window](int index) {
            if (index < 0)
                return;
            QTextCursor c = host->editor.textCursor();
            ApplyStyle(host->location.readPath(), host->styles->itemText(index), c);
            host->editor.setTextCursor(c);
            window.setModified(true);
            window.editorChange();
            host->afterFormat();
        });
    }
    if (host->fonts) {
        QObject::connect(host->fonts, &QComboBox::activated, host, [host](int index) {
            host->format.setFontName(host->fonts->itemText(index));
            host->afterFormat();
        });
    }
    if (host->size) {
        // Any value goes; the editor ignores the sizes it cannot show.
        new FontSizeClickFilter(host->size, [host](const QString& text) {
            host->format.setFontSizeText(text);
            host->showSelectionState();
        });
    }
}

void installCommands(FormatHost* host) {
    TfrmQuillet& window = host->window;
    for (const QString& id : FormattingCommands::commandIds()) {
        if (QAction* a = window.action(id); a && id != QLatin1String("FormatBullets"))
            a->setCheckable(true);
        window.setCommandHandler(id, [host, id] {
            host->format.run(id);
            host->afterFormat();
        });
    }
    auto dialog = [host, &window](const QString& id, bool (*run)(QTextEdit&, QWidget*)) {
        window.setCommandHandler(id, [host, &window, run] {
            run(host->editor, &window);
            host->afterFormat();
        });
    };
    dialog(QStringLiteral("FormatFont"), &runFontDialog);
    dialog(QStringLiteral("FormatFontColor"), &runTextColorDialog);
    dialog(QStringLiteral("formatBackground"), &runBackColorDialog);
    dialog(QStringLiteral("FormatPara"), &runParaFormatDialog);
    dialog(QStringLiteral("FormatText"), &runTextFormatDialog);

    window.setCommandHandler(QStringLiteral("FormatStyleManager"), [host, &window] {
        {
            TfrmStyleManager dlg(
                host->location, window.prompts(),
                [host] {
                    return std::make_pair(host->format.selectionChar(),
                                          host->format.selectionPara());
                },
                &window);
            dlg.exec();
        }
        host->refillStyles();
        host->selectionChange();
    });

    window.setCommandHandler(QStringLiteral("SearchFind"), [host] { host->search.SearchFind(); });
    window.setCommandHandler(QStringLiteral("SearchReplace"),
                             [host] { host->search.SearchReplace(); });
    window.setCommandHandler(QStringLiteral("SearchFindNext"),
                             [host] { host->search.SearchFindNext(); });

    window.setCommandHandler(QStringLiteral("editChangeCase"), [host, &window] {
        if (host->changeCase->exec() == QDialog::Accepted)
            changeCaseOfSelection(host->editor, host->changeCase->mode());
        window.focusEditor();
    });
}

} // namespace

void installFormat(TfrmQuillet& window) {
    auto* host = new FormatHost(window);
    installRuler(host);
    installToolbarWidgets(host);
    installCommands(host);
    host->refillStyles();

    auto* chords = new EditorKeyChords(
        host->editor, [&window] { window.runCommand(QStringLiteral("InsertAll")); }, host);
    host->editor.installEventFilter(chords);

    RichEditor* ed = &host->editor;
    QObject::connect(ed, &QTextEdit::cursorPositionChanged, host,
                     [host] { host->selectionChange(); });
    QObject::connect(ed, &QTextEdit::selectionChanged, host, [host] { host->selectionChange(); });
    QObject::connect(ed, &QTextEdit::currentCharFormatChanged, host,
                     [host] { host->showSelectionState(); });
    // A node chosen in the tree changes the node part of the status line.
    if (QItemSelectionModel* nodes = window.treeView()->selectionModel())
        QObject::connect(nodes, &QItemSelectionModel::selectionChanged, host,
                         [host] { host->selectionChange(); });
}

void editorSelectionChange(TfrmQuillet& window) {
    if (FormatHost* host = hostOf(window))
        host->selectionChange();
}

void applyNamedStyle(TfrmQuillet& window, const QString& name) {
    if (FormatHost* host = hostOf(window)) {
        QTextCursor c = host->editor.textCursor();
        ApplyStyle(host->location.readPath(), name, c);
        host->editor.setTextCursor(c);
    }
}

} // namespace quillet
