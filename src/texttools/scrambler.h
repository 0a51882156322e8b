#pragma once

#include <QString>

namespace quillet {

// The built-in key of Encrypt and Decrypt; there is no password.
inline constexpr int kScrambleKey = 38160429;

// Each character's Windows-1252 code c becomes (c + key) mod 256; characters outside the
// code page are left as they are. The result has the same length.
QString ScrambleText(const QString& text, int key);
// The inverse: (c - key) mod 256, taken as 0..255.
QString UnscrambleText(const QString& text, int key);

// What Encrypt puts into the page. A scrambled text can hold characters that a page cannot
// keep as they are (NUL, CR and LF turned into paragraph breaks, tabs, other controls,
// no-break spaces the page may turn into spaces, ...), so those are written as an escape:
// the sign "¬" followed by one character for the common ones, or by "#" and four hex
// digits for the rare ones; a "¬" of the scrambled text itself is doubled. The result holds
// only printable characters, no line break and no tab. The scrambled "¬" comes only from
// DEL, so escaping the escape sign almost never costs anything.
QString encryptForPage(const QString& text, int key = kScrambleKey);
// Undoes encryptForPage. A "¬" that starts no escape is read as itself, so text that was
// never encrypted still decrypts character by character.
QString decryptFromPage(const QString& text, int key = kScrambleKey);

// True for a character that encryptForPage writes as an escape.
bool needsPageEscape(QStringView text, qsizetype index);

} // namespace quillet
