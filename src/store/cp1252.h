#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace quillet {

// The 8-bit code page of the document formats. Every byte decodes to one character (the five
// bytes the code page leaves unassigned decode to the C1 control of the same value), so
// decoding and encoding again gives the same bytes.
QString fromCp1252(QByteArrayView bytes);

// The character of one byte.
char16_t cp1252Char(unsigned char byte);

// The byte for `c`, or -1 when the code page has no such character.
int cp1252Byte(char32_t c);
inline bool fitsCp1252(char32_t c) {
    return cp1252Byte(c) >= 0;
}
bool fitsCp1252(QStringView text);

// Characters outside the code page become '?'; callers that must not lose them check
// fitsCp1252 first.
QByteArray toCp1252(QStringView text);

// Text files of this program: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
// A UTF-8 byte order mark is dropped.
QString decodeUtf8OrCp1252(QByteArrayView bytes, bool* wasUtf8 = nullptr);

} // namespace quillet
