#include "editing/text_tool_commands.h"

#include "store/editor.h"
#include "store/prompts.h"
#include "texttools/counting.h"
#include "texttools/expression_evaluator.h"
#include "texttools/line_tools.h"
#include "texttools/number_format.h"
#include "texttools/scrambler.h"

#include <QCollator>
#include <QHash>
#include <QLocale>

#include <cmath>

namespace quillet {

namespace {

const QStringList kSelectionCommands = {
    QStringLiteral("ToolsJoinLines"),        QStringLiteral("ToolsReformatLines"),
    QStringLiteral("ToolsRemoveBlankLines"), QStringLiteral("ToolsTrimAll"),
    QStringLiteral("ToolsTrimLeft"),         QStringLiteral("ToolsTrimRight"),
    QStringLiteral("ToolsReverse"),          QStringLiteral("ToolsSort"),
    QStringLiteral("ToolsEncrypt"),          QStringLiteral("ToolsDecrypt")};

const QStringList kAlwaysEnabled = {QStringLiteral("ToolsEval"), QStringLiteral("ToolsCalc"),
                                    QStringLiteral("EditCountWords"),
                                    QStringLiteral("EditCountChars")};

QChar userDecimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

} // namespace

TextToolCommands::TextToolCommands(Editor& editor, Prompts& prompts, BusyIndicator& busy,
                                   CalculatorPrompt& calculator)
    : m_editor(editor), m_prompts(prompts), m_busy(busy), m_calculator(calculator) {}

void TextToolCommands::setCalculatorValue(double value) {
    m_calculatorValue = std::isfinite(value) ? value : 0;
}

void TextToolCommands::replaceWith(const QString& text) {
    m_editor.replaceSelection(text);
}

template <typename Tool> DocumentEffect TextToolCommands::runLineTool(Tool tool) {
    const QString text = m_editor.selectedText();
    if (text.isEmpty())
        return DocumentEffect::MarkModified; // the document is marked even when nothing changed

    if (text.size() < kLongSelection) {
        replaceWith(tool(text, LineProgress()));
        return DocumentEffect::MarkModified;
    }

    // A long selection keeps the window painting while it is worked through. The busy
    // state keeps the person from editing the page meanwhile; should the selection still
    // have changed, the result no longer belongs to it and is dropped.
    m_busy.setBusy(true);
    qsizetype nextEvents = kLongSelection;
    const QString result = tool(text, [&](qsizetype consumed) {
        if (consumed >= nextEvents) {
            m_busy.processEvents();
            nextEvents = consumed + kLongSelection;
        }
    });
    m_busy.setBusy(false);
    if (m_editor.selectedText() == text)
        replaceWith(result);
    return DocumentEffect::MarkModified;
}

DocumentEffect TextToolCommands::ToolsJoinLines() {
    // A selection that is not empty always joins to at least one space, so the result
    // always replaces it.
    return runLineTool(&joinLines);
}

DocumentEffect TextToolCommands::ToolsReformatLines() {
    return runLineTool(&reformatLines);
}

DocumentEffect TextToolCommands::ToolsRemoveBlankLines() {
    return runLineTool(&removeBlankLines);
}

DocumentEffect TextToolCommands::ToolsTrimAll() {
    replaceWith(trimAll(m_editor.selectedText()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsTrimLeft() {
    replaceWith(trimLeft(m_editor.selectedText()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsTrimRight() {
    replaceWith(trimRight(m_editor.selectedText()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsReverse() {
    replaceWith(reverseText(m_editor.selectedText()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsSort() {
    const QString text = m_editor.selectedText();
    if (text.isEmpty())
        return DocumentEffect::None;
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    replaceWith(sortLines(text, collator));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsEncrypt() {
    replaceWith(encryptForPage(m_editor.selectedText()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsDecrypt() {
    replaceWith(decryptFromPage(m_editor.selectedText()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsEval() {
    const QString text = m_editor.selectedText();
    if (text.isEmpty())
        return DocumentEffect::None;
    QString expression = trimAll(text);
    if (!expression.endsWith(u'='))
        expression.append(u'=');
    // The whole selection goes, including the spaces the trimming ignored.
    replaceWith(QString::number(EvaluateExpression(expression)));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::ToolsCalc() {
    const std::optional<double> value = m_calculator.runCalculator(m_calculatorValue);
    if (!value)
        return DocumentEffect::None;
    setCalculatorValue(*value);
    replaceWith(formatGeneralNumber(m_calculatorValue, userDecimalPoint()));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::EditCountWords() {
    const QString selected = m_editor.selectedText();
    const QString text = selected.isEmpty() ? m_editor.pageText() : selected;
    m_prompts.information(QString::number(CountWords(text)) + QStringLiteral(" words counted"));
    return DocumentEffect::None;
}

DocumentEffect TextToolCommands::EditCountChars() {
    const QString selected = m_editor.selectedText();
    const QString text = selected.isEmpty() ? m_editor.pageText() : selected;
    m_prompts.information(QString::number(CountChars(text)) +
                          QStringLiteral(" characters counted"));
    return DocumentEffect::None;
}

std::optional<DocumentEffect> TextToolCommands::run(const QString& id) {
    using Method = DocumentEffect (TextToolCommands::*)();
    static const QHash<QString, Method> methods = {
        {QStringLiteral("ToolsJoinLines"), &TextToolCommands::ToolsJoinLines},
        {QStringLiteral("ToolsReformatLines"), &TextToolCommands::ToolsReformatLines},
        {QStringLiteral("ToolsRemoveBlankLines"), &TextToolCommands::ToolsRemoveBlankLines},
        {QStringLiteral("ToolsTrimAll"), &TextToolCommands::ToolsTrimAll},
        {QStringLiteral("ToolsTrimLeft"), &TextToolCommands::ToolsTrimLeft},
        {QStringLiteral("ToolsTrimRight"), &TextToolCommands::ToolsTrimRight},
        {QStringLiteral("ToolsReverse"), &TextToolCommands::ToolsReverse},
        {QStringLiteral("ToolsSort"), &TextToolCommands::ToolsSort},
        {QStringLiteral("ToolsEncrypt"), &TextToolCommands::ToolsEncrypt},
        {QStringLiteral("ToolsDecrypt"), &TextToolCommands::ToolsDecrypt},
        {QStringLiteral("ToolsEval"), &TextToolCommands::ToolsEval},
        {QStringLiteral("ToolsCalc"), &TextToolCommands::ToolsCalc},
        {QStringLiteral("EditCountWords"), &TextToolCommands::EditCountWords},
        {QStringLiteral("EditCountChars"), &TextToolCommands::EditCountChars},
    };
    const auto it = methods.constFind(id);
    if (it == methods.constEnd())
        return std::nullopt;
    return (this->*it.value())();
}

const QStringList& TextToolCommands::commandIds() {
    static const QStringList ids = kSelectionCommands + kAlwaysEnabled;
    return ids;
}

bool TextToolCommands::isEnabled(const QString& id, bool selectionNotEmpty) {
    if (kSelectionCommands.contains(id))
        return selectionNotEmpty;
    return kAlwaysEnabled.contains(id);
}

} // namespace quillet
