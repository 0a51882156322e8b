#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCollator;

namespace quillet {

// The line tools work on the plain text of a selection. Lines are split at CR LF, a lone CR
// or a lone LF; a break at the very end adds no empty line, and an empty text has no lines.
// Tools that put out lines end every line, the last one included, with CR LF.

// Called after each line with the number of input characters consumed so far, so a caller
// can keep its window painting during long work.
using LineProgress = std::function<void(qsizetype consumed)>;

QStringList splitLines(const QString& text);

// Empty, one space or two spaces. Three spaces, or a tab, are text.
bool isBlankLine(QStringView line);

// Every line followed by one space unless it already ends with one; no line breaks remain.
QString joinLines(const QString& text, const LineProgress& progress = {});

// Runs of non-blank lines become one line each (joined as by joinLines); every blank line
// ends a paragraph, so consecutive blank lines leave empty paragraphs between.
QString reformatLines(const QString& text, const LineProgress& progress = {});

QString removeBlankLines(const QString& text, const LineProgress& progress = {});

// Remove characters of code 32 and below from the start, the end, or both ends of the whole
// text; lines inside it are left alone.
QString trimLeft(const QString& text);
QString trimRight(const QString& text);
QString trimAll(const QString& text);

// The characters in reverse order. A CR LF pair and a surrogate pair each count as one
// character, so reversing twice gives the text back and a line break stays one break.
QString reverseText(const QString& text);

// The lines sorted by `collator` (used as given, normally the user's locale ignoring case).
// Lines that compare equal come out in the reverse of their input order.
QString sortLines(const QString& text, const QCollator& collator);

} // namespace quillet
