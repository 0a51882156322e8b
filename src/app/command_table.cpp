#include "app/command_table.h"

#include <QHash>

namespace quillet {

const QList<CommandInfo>& commandTable() {
    // clang-format off
    static const QList<CommandInfo> table = {
        {"FileExit", "File", "&Exit", "Alt+F4", "Exit Application", "application-exit"},
        {"FileNew", "File", "&New", "Ctrl+N", "Create New File", "document-new"},
        {"FileOpen", "File", "&Open", "Ctrl+O", "Open Existing fIle", "document-open"},
        {"FilePrint", "File", "&Print", "Ctrl+P", "Print Current Document", "document-print"},
        {"FilePrintSetup", "File", "Print Set&up", "Ctrl+Y", "Printer Setup", "document-print-preview"},
        {"FileProperties", "File", "Properties", "Ctrl+Shift+F2", "View / Set Document Proerties", "document-properties"},
        {"FileSave", "File", "&Save", "Ctrl+S", "Save Current File", "document-save"},
        {"FileSaveAs", "File", "Save &As", "F11", "Save Current File As", "document-save-as"},
        {"fileImportIgv", "File", "Import Ideagrove File", "", "", "document-import"},
        {"EditCopy1", "Edit", "&Copy", "Ctrl+C", "Copy", "edit-copy"},
        {"EditCountChars", "Edit", "Count Characters", "", "Count characters", "view-statistics"},
        {"EditCountWords", "Edit", "Count &Words", "", "Count words", "format-text-code"},
        {"EditCut1", "Edit", "Cu&t", "Ctrl+X", "Cut", "edit-cut"},
        {"EditDelete1", "Edit", "&Delete", "", "Delete Selected Text", "edit-delete"},
        {"EditPaste1", "Edit", "&Paste", "Ctrl+V", "Paste", "edit-paste"},
        {"EditPasteSpecial", "Edit", "Paste &Special", "Ctrl+Shift+V", "Paste special dialog", "edit-paste-style"},
        {"EditProperties", "Edit", "&Properties", "F5", "Edit article properties", "document-properties"},
        {"EditRedo", "Edit", "&Redo", "Ctrl+Shift+Z", "Redo Last Action", "edit-redo"},
        {"EditSelectAll1", "Edit", "Select &All", "Ctrl+A", "Select All Text", "edit-select-all"},
        {"EditUndo1", "Edit", "&Undo", "Alt+Backspace", "Undo Last Action", "edit-undo"},
        {"editChangeCase", "Edit", "C&hange Case", "", "Change case of selected text", "format-text-uppercase"},
        {"SearchFind", "Search", "&Find", "Ctrl+F", "Find In Current Document", "edit-find"},
        {"SearchFindNext", "Search", "Find &Next", "F3", "Find Next In Current Document", "go-down-search"},
        {"SearchReplace", "Search", "&Replace", "Ctrl+H", "Search and Replace In Current Document", "edit-find-replace"},
        {"TreeAddNode", "Tree", "&Add Node", "Ctrl+J", "Add Node To Tree", "list-add"},
        {"TreeChangeIcon", "Tree", "Change Icon", "Ctrl+F2", "Change Icon Of Selected Node In Tree", "games-config-theme"},
        {"TreeCopyLink", "Tree", "&Copy Link", "Ctrl+Alt+C", "Copy node link", "insert-link"},
        {"TreeDeleteNode", "Tree", "&Delete Node", "Ctrl+D", "Delete Node From Tree", "list-remove"},
        {"TreeFindNode", "Tree", "Find Node", "Ctrl+Shift+F", "Find Node", "edit-find"},
        {"TreeMoveDown", "Tree", "TreeMoveDown", "", "", "go-down"},
        {"TreeMoveUp", "Tree", "Move Up", "", "", "go-up"},
        {"TreePrint", "Tree", "Print Tree Layout", "Ctrl+Shift+P", "Print tree layout", "view-list-tree"},
        {"TreeSortNode", "Tree", "&Sort Node", "Ctrl+F3", "Sort nodes", "view-sort-ascending"},
        {"treeRenameNode", "Tree", "Rename", "F2", "Rename node", "edit-rename"},
        {"AA_Story_Add", "Stories", "&Add Story", "Alt+J", "", "story-editor"},
        {"InsertAll", "Insert", "", "", "", ""},
        {"InsertFromFile", "Insert", "From Text &File", "", "Insert from file", "insert-text"},
        {"InsertIcon", "Insert", "Ico&n", "", "Insert an icon", "quillet-insert-icon"},
        {"InsertLink", "Insert", "Insert &Link", "", "", "insert-link"},
        {"InsertObject", "Insert", "Object", "", "Insert an object into document", "insert-table"},
        {"InsertObjectProperties", "Insert", "Object P&roperties", "", "View object properties", "configure"},
        {"InsertPicture", "Insert", "&Picture", "", "Insert a picture from a file into your document", "insert-image"},
        {"FormatAlignCenter", "Format", "Align &Center", "Ctrl+E", "Align Paragraph Center", "format-justify-center"},
        {"FormatAlignFull", "Format", "Align &Full", "", "", "format-justify-fill"},
        {"FormatAlignLeft", "Format", "Align &Left", "Ctrl+L", "Align Paragraph Left", "format-justify-left"},
        {"FormatAlignRight", "Format", "Align &Right", "Ctrl+R", "Align Paragraph Right", "format-justify-right"},
        {"FormatBold", "Format", "&Bold", "Ctrl+B", "Bold", "format-text-bold"},
        {"FormatBullets", "Format", "&Bullets", "", "Bulletted List", "format-list-unordered"},
        {"FormatDisabled", "Format", "&Disabled", "", "Format as disabled", "format-text-strikethrough"},
        {"FormatFont", "Format", "&Font", "", "Format font", "preferences-desktop-font"},
        {"FormatFontColor", "Format", "Font &Color", "", "Change Font Color", "format-text-color"},
        {"FormatItalic", "Format", "&Italic", "Ctrl+I", "Italic", "format-text-italic"},
        {"FormatPara", "Format", "Format Paragraph", "F6", "Format paragraph", "format-indent-more"},
        {"FormatStyleManager", "Format", "&Style Manager", "Ctrl+F11", "Style Manager Dialog", "format-text-blockquote"},
        {"FormatText", "Format", "Format &Text", "Ctrl+F6", "", "draw-text"},
        {"FormatUnderline", "Format", "&Underline", "Ctrl+U", "Underline", "format-text-underline"},
        {"formatBackground", "Format", "&Background Color", "", "Format background color", "format-fill-color"},
        {"formatHidden", "Format", "Hidden", "", "Format as hidden", "view-hidden"},
        {"formatProtected", "Format", "Pro&tected", "", "Format as protected", "object-locked"},
        {"ToolsCalc", "Tools", "Calculator", "", "Use calculator", "accessories-calculator"},
        {"ToolsDecrypt", "Tools", "Decrypt", "", "Decrypt the selected text", "document-decrypt"},
        {"ToolsEncrypt", "Tools", "Encrypt", "", "Encrypt the selected text", "document-encrypt"},
        {"ToolsEval", "Tools", "Evaluate", "Ctrl+Shift+E", "", "code-variable"},
        {"ToolsJoinLines", "Tools", "Join Lines", "Ctrl+K", "Join selected lines into one", "format-join-node"},
        {"ToolsVazeve", "Tools", "Vazeve", "Ctrl+Alt+F7", "", "quillet-vazeve"},
        {"ToolsNameLookup", "Tools", "&Name Lookup", "Ctrl+Shift+Alt+F7", "", "user-identity"},
        {"ToolsReformatLines", "Tools", "&Reformat Lines", "Ctrl+Shift+K", "Reformat Paragraphs", "format-justify-fill"},
        {"ToolsRemoveBlankLines", "Tools", "Remove &Blank Lines", "Ctrl+Alt+K", "Remove Blank lines from paragraph", "quillet-remove-blank"},
        {"ToolsReverse", "Tools", "Reverse", "", "Reverse the string", "format-text-direction-rtl"},
        {"ToolsSort", "Tools", "&Sort", "", "Sort selected lines", "view-sort-ascending-name"},
        {"ToolsSpellCheck", "Tools", "&Spell Check Document", "F7", "Spell check", "tools-check-spelling"},
        {"ToolsSpellSelection", "Tools", "&Spell Check Selection", "Ctrl+F7", "Spell check selection", "tools-check-spelling-symbolic"},
        {"ToolsTrimAll", "Tools", "Trim All", "", "Trim spaces from both sides", "format-remove-node"},
        {"ToolsTrimLeft", "Tools", "Trim Left", "", "Trim spaces from the left", "format-indent-less"},
        {"ToolsTrimRight", "Tools", "Trim Right", "", "Trim spaces from the right", "format-indent-more"},
        {"OptionsViewRuler", "Options", "View Ruler", "", "", "quillet-ruler"},
        {"ToolsWordSelection", "Options", "Word S&election", "Ctrl+Shift+W", "Toggle word selection", "edit-select-text"},
        {"ToolsWordWrap", "Options", "&Word Wrap", "Ctrl+W", "Toggle word wrap", "text-wrap"},
        {"ImportDirTree", "Import", "Import Directory", "", "Import a directory tree structure for all selected file types", "document-import"},
        {"ExportDocument", "Import", "Export &Document", "", "Export a document", "document-export"},
        {"ExportNode2", "Import", "Export Node To Directory", "", "Export node tree to a directory structure", "document-export"},
        {"ImportDocument", "Import", "Import &Document", "", "Import a document", "document-import"},
        {"HelpAbout", "Help", "&About", "Ctrl+F1", "About Ideagrove", "help-about"},
    };
    // clang-format on
    return table;
}

const CommandInfo* findCommand(const QString& id) {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const auto& t = commandTable();
        for (int i = 0; i < t.size(); ++i)
            h.insert(QString::fromLatin1(t[i].id), i);
        return h;
    }();
    const auto it = index.constFind(id);
    return it == index.constEnd() ? nullptr : &commandTable()[*it];
}

} // namespace quillet
