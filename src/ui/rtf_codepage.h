#pragma once

// 8-bit text of RTF files: the document's code page (\ansicpgN) and the font character sets.

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>

class QStringDecoder;

namespace quillet {

// The Windows code page a font's \fcharsetN stands for; 0 when it means "the document's".
int codePageForCharset(int charset);

// Windows-1252: the byte for a character, or -1 when the code page has none.
int encodeWindows1252(char16_t c);
char16_t decodeWindows1252(unsigned char b);

// Decodes runs of bytes under a code page. Unknown code pages read as Windows-1252, so
// nothing is ever dropped. Keeps one decoder per code page for the life of a read.
class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    QString decode(const QByteArray& bytes, int codePage);

private:
    QHash<int, std::shared_ptr<QStringDecoder>> decoders_;
};

} // namespace quillet
