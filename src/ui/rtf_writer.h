#pragma once

// QTextDocument to RTF bytes, in the style of the rich-edit control: a Windows-1252 header
// with font and colour tables, then the text with its formatting. Everything the reader
// understands is written: character and paragraph attributes, lists (as \pn groups with a
// \pntext label, so simple readers still show bullets and numbers), tables, hyperlink
// fields, pictures (their original RTF when they came from a file, else PNG) and kept
// objects and metafiles exactly as they were read.

#include <QByteArray>

class QTextDocument;

namespace quillet {

class RtfWriter {
public:
    static QByteArray write(const QTextDocument* doc);
};

} // namespace quillet
