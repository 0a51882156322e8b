#pragma once

// RTF bytes to a QTextDocument. Reads what this program writes and what other word
// processors write: fonts, colours, character and paragraph formatting, lists, tables,
// hyperlink fields, pictures. Metafiles and embedded objects are shown as a placeholder
// (or an object's result picture) and keep their original RTF, which the writer puts back.
//
// Never trusts its input: nesting is bounded, every count is checked against the bytes
// that are really there, and malformed input gives whatever text could be recovered.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace quillet {

class RtfReader {
public:
    // Groups deeper than this are read as part of their enclosing group.
    static constexpr int kMaxDepth = 128;

    // Replaces the content of doc. Returns false (doc left empty) when the bytes are not
    // RTF at all; anything that starts as RTF is read as far as it makes sense.
    static bool read(const QByteArray& rtf, QTextDocument* doc, QString* error = nullptr);

    // True when the bytes start like an RTF file.
    static bool looksLikeRtf(const QByteArray& bytes);
};

} // namespace quillet
