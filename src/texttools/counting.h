#pragma once

#include <QString>

namespace quillet {

// Every maximal run of non-separator characters is one word ("3.5" is two, "well-known"
// one, a run of dashes one).
qsizetype CountWords(const QString& text);

// Counts the characters a writer types as letters, digits and keyboard punctuation: the
// Windows-1252 codes 33..126 except the vertical bar, plus the pound sign and the negation
// sign. Spaces, line breaks, accented letters and characters outside the code page do not
// count.
qsizetype CountChars(const QString& text);

} // namespace quillet
