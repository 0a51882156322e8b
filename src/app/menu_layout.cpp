#include "app/menu_layout.h"

#include <QSet>

namespace quillet {

namespace {
using K = MenuItemSpec::Kind;

MenuItemSpec cmd(const char* id) {
    return {K::Command, QString::fromLatin1(id), {}, {}};
}
MenuItemSpec sep() {
    return {K::Separator, {}, {}, {}};
}
MenuItemSpec widget(const char* name) {
    return {K::Widget, QString::fromLatin1(name), {}, {}};
}
MenuItemSpec sub(const char* name, const char* caption, QList<MenuItemSpec> items) {
    return {K::Submenu, QString::fromLatin1(name), QString::fromUtf8(caption), std::move(items)};
}
MenuItemSpec recent() {
    return {K::RecentFiles, QStringLiteral("mnuRecent"), QStringLiteral("Recen&t"), {}};
}
} // namespace

QList<MenuSpec> mainMenuLayout() {
    return {
        {QStringLiteral("mnuFile"),
         QStringLiteral("&File"),
         {cmd("FileNew"), cmd("FileOpen"), cmd("FileSave"), cmd("FileSaveAs"), sep(),
          sub("mnuImport", "&Import",
              {cmd("fileImportIgv"), cmd("ImportDocument"), cmd("ImportDirTree")}),
          sub("mnuExport", "E&xport", {cmd("ExportDocument"), cmd("ExportNode2")}), sep(),
          cmd("FileProperties"), sep(), recent(), sep(), cmd("FilePrint"), cmd("FilePrintSetup"),
          sep(), cmd("FileExit")}},
        {QStringLiteral("mnuEdit"),
         QStringLiteral("&Edit"),
         {cmd("EditUndo1"), cmd("EditRedo"), sep(), cmd("EditCut1"), cmd("EditCopy1"),
          cmd("EditPaste1"), cmd("EditPasteSpecial"), sep(), cmd("EditSelectAll1"),
          cmd("EditDelete1"), sep(), cmd("editChangeCase"), sep(), cmd("EditCountWords"),
          cmd("EditCountChars"), sep(), cmd("EditProperties")}},
        {QStringLiteral("mnuSearch"),
         QStringLiteral("Se&arch"),
         {cmd("SearchFind"), cmd("SearchFindNext"), sep(), cmd("SearchReplace")}},
        {QStringLiteral("mnuTree"),
         QStringLiteral("&Tree"),
         {cmd("TreeAddNode"), cmd("TreeDeleteNode"), cmd("treeRenameNode"), sep(),
          cmd("TreeSortNode"), cmd("TreeChangeIcon"), cmd("TreeFindNode"), sep(), cmd("TreePrint"),
          cmd("TreeCopyLink")}},
        {QStringLiteral("mnuTemplates"), QStringLiteral("Te&mplates"), {}},
        {QStringLiteral("mnuStories"), QStringLiteral("&Stories"), {cmd("AA_Story_Add")}},
        {QStringLiteral("mnuInsert"),
         QStringLiteral("&Insert"),
         {cmd("InsertObject"), cmd("InsertIcon"), cmd("InsertPicture"), cmd("InsertFromFile"),
          cmd("InsertLink"), sep(), cmd("InsertObjectProperties")}},
        {QStringLiteral("mnuFormat"),
         QStringLiteral("F&ormat"),
         {cmd("FormatBold"), cmd("FormatItalic"), cmd("FormatUnderline"), sep(),
          cmd("formatProtected"), cmd("FormatDisabled"), cmd("formatHidden"), sep(),
          sub("mnuParagraph", "&Paragraph",
              {cmd("FormatAlignLeft"), cmd("FormatAlignCenter"), cmd("FormatAlignRight"),
               cmd("FormatAlignFull"), sep(), cmd("FormatBullets")}),
          sep(),
          sub("mnuFont", "&Font",
              {cmd("FormatFont"), cmd("FormatFontColor"), cmd("formatBackground")}),
          sep(), cmd("FormatPara"), cmd("FormatText"), sep(), cmd("FormatStyleManager")}},
        {QStringLiteral("mnuTools"),
         QStringLiteral("Too&ls"),
         {cmd("ToolsCalc"), sep(), cmd("ToolsSpellCheck"), cmd("ToolsSpellSelection"),
          cmd("ToolsVazeve"), cmd("ToolsNameLookup"), sep(), cmd("ToolsJoinLines"),
          cmd("ToolsReformatLines"), cmd("ToolsRemoveBlankLines"), sep(),
          sub("mnuTrim", "&Trim",
              {cmd("ToolsTrimAll"), cmd("ToolsTrimLeft"), cmd("ToolsTrimRight")}),
          sub("mnuEncryption", "&Encryption", {cmd("ToolsEncrypt"), cmd("ToolsDecrypt")}), sep(),
          cmd("ToolsEval"), cmd("ToolsReverse"), cmd("ToolsSort")}},
        {QStringLiteral("mnuOptions"),
         QStringLiteral("&Options"),
         {cmd("ToolsWordWrap"), cmd("ToolsWordSelection"), cmd("OptionsViewRuler")}},
        {QStringLiteral("mnuHelp"), QStringLiteral("&Help"), {cmd("HelpAbout")}},
    };
}

QList<ToolBarSpec> toolBarLayout() {
    return {
        {QStringLiteral("tbFile"),
         QStringLiteral("File Toolbar"),
         QStringLiteral("File"),
         {cmd("FileNew"), sep(), cmd("FileOpen"), cmd("FileSave"), sep(), cmd("FilePrint"),
          cmd("FilePrintSetup")},
         false},
        {QStringLiteral("tbEdit"),
         QStringLiteral("Edit Toolbar"),
         QStringLiteral("&Edit"),
         {cmd("EditCut1"), cmd("EditCopy1"), cmd("EditPaste1"), sep(), cmd("EditUndo1"),
          cmd("EditRedo"), sep(), cmd("editChangeCase")},
         false},
        {QStringLiteral("tbTree"),
         QStringLiteral("Tree Toolbar"),
         QStringLiteral("&Tree"),
         {cmd("TreeAddNode"), cmd("TreeDeleteNode"), cmd("AA_Story_Add"), sep(),
          cmd("treeRenameNode"), cmd("TreeSortNode"), sep(), cmd("TreeChangeIcon"), sep(),
          cmd("TreeCopyLink"), sep(), cmd("TreeFindNode"), sep(), cmd("TreePrint")},
         false},
        {QStringLiteral("tbStyle"),
         QStringLiteral("Style Toolbar"),
         QStringLiteral("&Style"),
         {widget("cboStyles"),
          widget("cboFonts"),
          sep(),
          widget("seFontSize"),
          cmd("FormatBold"),
          cmd("FormatItalic"),
          cmd("FormatUnderline"),
          sep(),
          cmd("FormatAlignLeft"),
          cmd("FormatAlignCenter"),
          cmd("FormatAlignRight"),
          cmd("FormatAlignFull"),
          sep(),
          cmd("FormatBullets"),
          sep(),
          cmd("FormatPara"),
          cmd("FormatText"),
          sep(),
          cmd("FormatFontColor"),
          cmd("formatBackground")},
         true},
        {QStringLiteral("tbVarious"),
         QStringLiteral("Various Toolbar"),
         QStringLiteral("&Various"),
         {cmd("ToolsSpellCheck"), cmd("ToolsVazeve"), sep(), cmd("ToolsCalc"), sep(),
          cmd("EditProperties")},
         true},
        {QStringLiteral("tbTextTools"),
         QStringLiteral("Text Tools Toolbar"),
         QStringLiteral("&Text Tools"),
         {cmd("ToolsEncrypt"), cmd("ToolsDecrypt"), sep(), cmd("ToolsJoinLines"),
          cmd("ToolsReformatLines"), cmd("ToolsRemoveBlankLines"), sep(), cmd("ToolsReverse"),
          cmd("ToolsSort"), sep(), cmd("ToolsNameLookup")},
         false},
    };
}

QList<MenuItemSpec> editorContextMenuLayout() {
    return {cmd("EditCut1"), cmd("EditCopy1"),  cmd("EditPaste1"),   sep(), cmd("EditSelectAll1"),
            sep(),           cmd("SearchFind"), cmd("SearchReplace")};
}

bool isCheckableCommand(const QString& id) {
    static const QSet<QString> ids = {
        QStringLiteral("FormatBold"),        QStringLiteral("FormatItalic"),
        QStringLiteral("FormatUnderline"),   QStringLiteral("FormatAlignLeft"),
        QStringLiteral("FormatAlignCenter"), QStringLiteral("FormatAlignRight"),
        QStringLiteral("FormatAlignFull"),   QStringLiteral("formatHidden"),
        QStringLiteral("FormatDisabled"),    QStringLiteral("formatProtected"),
        QStringLiteral("ToolsWordWrap"),     QStringLiteral("ToolsWordSelection"),
        QStringLiteral("OptionsViewRuler")};
    return ids.contains(id);
}

} // namespace quillet
