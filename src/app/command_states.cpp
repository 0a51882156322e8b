#include "app/command_states.h"

#include <initializer_list>

namespace quillet {

namespace {
void setAll(QHash<QString, bool>& map, std::initializer_list<const char*> ids, bool value) {
    for (const char* id : ids)
        map.insert(QString::fromLatin1(id), value);
}
} // namespace

CommandStates computeCommandStates(const CommandStateSnapshot& s) {
    CommandStates st;
    auto& en = st.enabled;
    setAll(en, {"ExportNode2"}, s.hasPath);
    setAll(en, {"EditPaste1"}, s.canPaste);
    setAll(en, {"EditCopy1", "EditCut1", "EditDelete1"}, s.selectionNotEmpty);
    setAll(en, {"EditUndo1"}, s.canUndo);
    setAll(en, {"EditRedo"}, s.canRedo);
    setAll(en, {"editChangeCase"}, s.selectionNotEmpty);
    setAll(en, {"FileSave"}, s.modified);
    setAll(en, {"FilePrint", "FileProperties"}, s.hasPath);
    setAll(en, {"TreeDeleteNode", "TreeChangeIcon", "treeRenameNode"}, s.nodeSelected);
    setAll(en, {"TreePrint"}, s.hasPath);
    setAll(en, {"TreeSortNode", "TreeCopyLink"}, s.nodeSelected);
    setAll(en, {"ImportDocument", "ImportDirTree"}, s.hasPath);
    setAll(en, {"ExportDocument"}, s.hasPath && s.nodeSelected);
    setAll(en, {"ToolsJoinLines"}, s.selectionNotEmpty);
    setAll(en, {"ToolsSpellSelection"}, s.hasPath);
    setAll(en,
           {"ToolsEncrypt", "ToolsDecrypt", "ToolsReformatLines", "ToolsRemoveBlankLines",
            "ToolsReverse", "ToolsSort", "ToolsTrimLeft", "ToolsTrimRight", "ToolsTrimAll"},
           s.selectionNotEmpty);

    auto& ch = st.checked;
    setAll(ch, {"ToolsWordWrap"}, s.wordWrap);
    setAll(ch, {"ToolsWordSelection"}, s.wordSelection);
    setAll(ch, {"OptionsViewRuler"}, s.rulerVisible);

    st.modifiedIndicator = s.modified;
    return st;
}

} // namespace quillet
