// The command-state routine: which commands follow which part of the window's state.

#include "app/command_states.h"

#include <QTest>

using namespace quillet;

namespace {
enum Field { HasPath, Modified, NodeSelected, SelectionNotEmpty, CanPaste, CanUndo, CanRedo };

void set(CommandStateSnapshot& s, Field f, bool v) {
    switch (f) {
    case HasPath:
        s.hasPath = v;
        break;
    case Modified:
        s.modified = v;
        break;
    case NodeSelected:
        s.nodeSelected = v;
        break;
    case SelectionNotEmpty:
        s.selectionNotEmpty = v;
        break;
    case CanPaste:
        s.canPaste = v;
        break;
    case CanUndo:
        s.canUndo = v;
        break;
    case CanRedo:
        s.canRedo = v;
        break;
    }
}
} // namespace

Q_DECLARE_METATYPE(Field)

class TestCommandStates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enabledFollows_data();
    void enabledFollows();
    void exportDocumentNeedsPathAndNode();
    void checkedStates();
    void untouchedCommandsAreLeftAlone();
    void modifiedIndicatorFollowsFlag();
};

void TestCommandStates::enabledFollows_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<Field>("field");
    const QList<QPair<const char*, Field>> rows = {
        {"ExportNode2", HasPath},
        {"EditPaste1", CanPaste},
        {"EditCopy1", SelectionNotEmpty},
        {"EditCut1", SelectionNotEmpty},
        {"EditDelete1", SelectionNotEmpty},
        {"EditUndo1", CanUndo},
        {"EditRedo", CanRedo},
        {"editChangeCase", SelectionNotEmpty},
        {"FileSave", Modified},
        {"FilePrint", HasPath},
        {"FileProperties", HasPath},
        {"TreeDeleteNode", NodeSelected},
        {"TreeChangeIcon", NodeSelected},
        {"treeRenameNode", NodeSelected},
        {"TreePrint", HasPath},
        {"TreeSortNode", NodeSelected},
        {"TreeCopyLink", NodeSelected},
        {"ImportDocument", HasPath},
        {"ImportDirTree", HasPath},
        {"ToolsJoinLines", SelectionNotEmpty},
        {"ToolsSpellSelection", HasPath},
        {"ToolsEncrypt", SelectionNotEmpty},
        {"ToolsDecrypt", SelectionNotEmpty},
        {"ToolsReformatLines", SelectionNotEmpty},
        {"ToolsRemoveBlankLines", SelectionNotEmpty},
        {"ToolsReverse", SelectionNotEmpty},
        {"ToolsSort", SelectionNotEmpty},
        {"ToolsTrimLeft", SelectionNotEmpty},
        {"ToolsTrimRight", SelectionNotEmpty},
        {"ToolsTrimAll", SelectionNotEmpty},
    };
    for (const auto& [cmd, field] : rows)
        QTest::newRow(cmd) << QString::fromLatin1(cmd) << field;
}

void TestCommandStates::enabledFollows() {
    QFETCH(QString, command);
    QFETCH(Field, field);
    // Everything else switched on, so only the one field decides.
    CommandStateSnapshot s;
    for (Field f : {HasPath, Modified, NodeSelected, SelectionNotEmpty, CanPaste, CanUndo, CanRedo})
        set(s, f, true);
    QVERIFY(computeCommandStates(s).enabled.value(command, false));
    set(s, field, false);
    const CommandStates off = computeCommandStates(s);
    QVERIFY(off.enabled.contains(command));
    QVERIFY(!off.enabled.value(command));
}

void TestCommandStates::exportDocumentNeedsPathAndNode() {
    CommandStateSnapshot s;
    for (bool path : {false, true})
        for (bool node : {false, true}) {
            s.hasPath = path;
            s.nodeSelected = node;
            QCOMPARE(computeCommandStates(s).enabled.value(QStringLiteral("ExportDocument")),
                     path && node);
        }
}

void TestCommandStates::checkedStates() {
    CommandStateSnapshot s;
    s.wordWrap = false;
    s.wordSelection = true;
    s.rulerVisible = false;
    CommandStates st = computeCommandStates(s);
    QCOMPARE(st.checked.value(QStringLiteral("ToolsWordWrap")), false);
    QCOMPARE(st.checked.value(QStringLiteral("ToolsWordSelection")), true);
    QCOMPARE(st.checked.value(QStringLiteral("OptionsViewRuler")), false);
    s.wordWrap = true;
    s.wordSelection = false;
    s.rulerVisible = true;
    st = computeCommandStates(s);
    QCOMPARE(st.checked.value(QStringLiteral("ToolsWordWrap")), true);
    QCOMPARE(st.checked.value(QStringLiteral("ToolsWordSelection")), false);
    QCOMPARE(st.checked.value(QStringLiteral("OptionsViewRuler")), true);
}

void TestCommandStates::untouchedCommandsAreLeftAlone() {
    // Commands the routine does not mention keep their state: they must not appear at all.
    const CommandStates st = computeCommandStates({});
    for (const char* id : {"FileNew", "FileOpen", "FileSaveAs", "TreeAddNode", "SearchFind",
                           "ToolsCalc", "HelpAbout", "ToolsEval"})
        QVERIFY2(!st.enabled.contains(QString::fromLatin1(id)), id);
}

void TestCommandStates::modifiedIndicatorFollowsFlag() {
    CommandStateSnapshot s;
    QVERIFY(!computeCommandStates(s).modifiedIndicator);
    s.modified = true;
    QVERIFY(computeCommandStates(s).modifiedIndicator);
}

QTEST_GUILESS_MAIN(TestCommandStates)
#include "test_command_states.moc"
