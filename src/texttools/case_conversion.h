#pragma once

#include <QString>

namespace quillet {

// Case rules touch the letters A to Z and a to z only; accented letters and every other
// character stay as they are.
QString lowerCaseAZ(const QString& text);
QString upperCaseAZ(const QString& text);

// The whole text in lower case, then its first character in upper case.
QString SentenceCase(const QString& text);
// Word by word (words as the word separators delimit them), lower case then the first
// letter in upper case; words are joined by single spaces and delimiters at both ends go.
QString TitleCase(const QString& text);
// As TitleCase, but the rest of each word keeps its case.
QString InitialCaps(const QString& text);
// Lower-case letters become upper case and upper-case letters lower case.
QString ToggleCase(const QString& text);

// The modes of the change-case dialog: 0 sentence, 1 lower, 2 upper, 3 title, 4 initial
// caps, 5 toggle; any other mode (6 is "no change") returns the text unchanged.
QString convertCase(const QString& text, int mode);

} // namespace quillet
