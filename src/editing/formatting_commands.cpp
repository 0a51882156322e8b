#include "editing/formatting_commands.h"

#include "store/cp1252.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

namespace quillet {

CharAttributes FormattingCommands::selectionChar() const {
    return readCharAttributes(m_editor.textCursor());
}

ParaAttributes FormattingCommands::selectionPara() const {
    return readParaAttributes(m_editor.textCursor());
}

void FormattingCommands::writeChar(const CharAttributes& a, CharFields fields) {
    QTextCursor c = m_editor.textCursor();
    writeCharAttributes(c, a, fields);
    // With nothing selected the insertion point's format is what changed.
    if (!c.hasSelection())
        m_editor.setTextCursor(c);
}

void FormattingCommands::writePara(const ParaAttributes& a, ParaFields fields) {
    QTextCursor c = m_editor.textCursor();
    writeParaAttributes(c, a, fields);
}

void FormattingCommands::toggle(bool CharAttributes::*field, CharFields fields) {
    CharAttributes a = selectionChar();
    a.*field = !(a.*field);
    writeChar(a, fields);
}

void FormattingCommands::FormatBold() {
    toggle(&CharAttributes::bold, CharField::StyleBits);
}

void FormattingCommands::FormatItalic() {
    toggle(&CharAttributes::italic, CharField::StyleBits);
}

void FormattingCommands::FormatUnderline() {
    toggle(&CharAttributes::underline, CharField::StyleBits);
}

void FormattingCommands::formatProtected() {
    toggle(&CharAttributes::isProtected, CharField::Protected);
}

void FormattingCommands::FormatDisabled() {
    toggle(&CharAttributes::disabled, CharField::Disabled);
}

void FormattingCommands::formatHidden() {
    toggle(&CharAttributes::hidden, CharField::Hidden);
}

void FormattingCommands::setAlignment(int alignment) {
    ParaAttributes p;
    p.alignment = alignment;
    writePara(p, ParaField::Alignment);
}

void FormattingCommands::FormatBullets() {
    ParaAttributes p = selectionPara();
    p.numbering = NumberingBullet;
    writePara(p, ParaField::Numbering);
}

void FormattingCommands::setFontName(const QString& name) {
    CharAttributes a;
    a.fontName = name;
    writeChar(a, CharField::FontName);
}

void FormattingCommands::setFontSize(int points) {
    CharAttributes a;
    a.size = points;
    writeChar(a, CharField::Size);
}

void FormattingCommands::setFontSizeText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    // A size the editor cannot show (0 included) is ignored by the attribute model.
    setFontSize(ok ? value : 0);
}

void FormattingCommands::setTextColor(qint32 value) {
    CharAttributes a;
    a.color = value;
    writeChar(a, CharField::Color);
}

void FormattingCommands::setBackColor(qint32 value) {
    CharAttributes a;
    a.backColor = value;
    writeChar(a, CharField::BackColor);
}

const QStringList& FormattingCommands::commandIds() {
    static const QStringList ids{
        QStringLiteral("FormatBold"),       QStringLiteral("FormatItalic"),
        QStringLiteral("FormatUnderline"),  QStringLiteral("formatProtected"),
        QStringLiteral("FormatDisabled"),   QStringLiteral("formatHidden"),
        QStringLiteral("FormatAlignLeft"),  QStringLiteral("FormatAlignCenter"),
        QStringLiteral("FormatAlignRight"), QStringLiteral("FormatAlignFull"),
        QStringLiteral("FormatBullets"),
    };
    return ids;
}

bool FormattingCommands::run(const QString& id) {
    using Command = void (FormattingCommands::*)();
    static const QHash<QString, Command> table{
        {QStringLiteral("FormatBold"), &FormattingCommands::FormatBold},
        {QStringLiteral("FormatItalic"), &FormattingCommands::FormatItalic},
        {QStringLiteral("FormatUnderline"), &FormattingCommands::FormatUnderline},
        {QStringLiteral("formatProtected"), &FormattingCommands::formatProtected},
        {QStringLiteral("FormatDisabled"), &FormattingCommands::FormatDisabled},
        {QStringLiteral("formatHidden"), &FormattingCommands::formatHidden},
        {QStringLiteral("FormatAlignLeft"), &FormattingCommands::FormatAlignLeft},
        {QStringLiteral("FormatAlignCenter"), &FormattingCommands::FormatAlignCenter},
        {QStringLiteral("FormatAlignRight"), &FormattingCommands::FormatAlignRight},
        {QStringLiteral("FormatAlignFull"), &FormattingCommands::FormatAlignFull},
        {QStringLiteral("FormatBullets"), &FormattingCommands::FormatBullets},
    };
    const Command c = table.value(id);
    if (!c)
        return false;
    (this->*c)();
    return true;
}

QHash<QString, bool> formatCheckedStates(const CharAttributes& t, const ParaAttributes& p) {
    return {
        {QStringLiteral("FormatBold"), t.bold},
        {QStringLiteral("FormatItalic"), t.italic},
        {QStringLiteral("FormatUnderline"), t.underline},
        {QStringLiteral("FormatAlignLeft"), p.alignment == AlignLeft},
        {QStringLiteral("FormatAlignRight"), p.alignment == AlignRight},
        {QStringLiteral("FormatAlignCenter"), p.alignment == AlignCenter},
        {QStringLiteral("FormatAlignFull"), p.alignment == AlignJustify},
        {QStringLiteral("formatHidden"), t.hidden},
        {QStringLiteral("FormatDisabled"), t.disabled},
        {QStringLiteral("formatProtected"), t.isProtected},
    };
}

CaretPosition caretPosition(const QTextEdit& editor) {
    const QTextCursor cursor = editor.textCursor();
    const int pos = cursor.selectionEnd();
    const QTextDocument* doc = editor.document();
    const QTextBlock caretBlock = doc->findBlock(pos);
    CaretPosition caret;
    // Blocks that are not laid out yet (a page never shown) count as one line each.
    for (QTextBlock b = doc->begin(); b.isValid() && b != caretBlock; b = b.next()) {
        const QTextLayout* layout = b.layout();
        caret.line += (layout && layout->lineCount() > 0) ? layout->lineCount() : 1;
    }
    if (!caretBlock.isValid())
        return caret;
    int lineStart = caretBlock.position();
    if (const QTextLayout* layout = caretBlock.layout(); layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(pos - caretBlock.position());
        if (line.isValid()) {
            caret.line += line.lineNumber();
            lineStart += line.textStart();
        } else {
            // The caret after the last character of the block sits on its last line.
            const QTextLine last = layout->lineAt(layout->lineCount() - 1);
            caret.line += last.lineNumber();
            lineStart += last.textStart();
        }
    }
    caret.column = pos - lineStart;
    return caret;
}

QString statusLineText(const CaretPosition& caret, std::optional<int> selectedNodeIndex,
                       int nodeCount) {
    QString text = QStringLiteral("Line: %1 Col: %2").arg(caret.line + 1).arg(caret.column + 1);
    if (selectedNodeIndex)
        text += QStringLiteral(" Node: %1/%2").arg(*selectedNodeIndex).arg(nodeCount - 1);
    else
        text += QStringLiteral(" Node Count: %1").arg(nodeCount - 1);
    return text;
}

QString characterTableText() {
    QString text;
    int entries = 0;
    for (int code = 32; code <= 255; ++code) {
        const char byte = char(code);
        text += QString::number(code) + QStringLiteral(" = [") +
                fromCp1252(QByteArrayView(&byte, 1)) + QStringLiteral("]\t");
        if (++entries % 9 == 0)
            text += QLatin1Char('\r');
    }
    return text;
}

} // namespace quillet
