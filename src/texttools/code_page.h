#pragma once

#include <QChar>

namespace quillet {

// Rules defined on character codes (counting, scrambling, case, separators) work on the
// Windows-1252 code of a character, because the files this program reads and writes are
// 8-bit. The five codes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the C1 control characters of the same value, so the 256 codes and their 256
// characters correspond one to one and a shift of codes can always be undone.

// The Windows-1252 code (0..255) of a UTF-16 code unit, or -1 when the character is not in
// the code page. Surrogates are never in it.
int windows1252Code(char16_t unit);

// The character of a Windows-1252 code; `code` must be 0..255.
char16_t windows1252Char(int code);

} // namespace quillet
