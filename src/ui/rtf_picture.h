#pragma once

// Pictures inside RTF: decoding a {\pict ...} group for display, a stand-in for what cannot
// be shown (metafiles, objects without a result picture), and writing a picture group.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quillet {

struct RtfPicture {
    QImage image;       // what the page shows; a placeholder when the data cannot be shown
    QString kind;       // "png", "jpeg", "dib", "wbitmap", "wmf", "emf", "other"
    QSize displaySize;  // pixels on the page
    bool shown = false; // false: image is a placeholder
};

// Index just past the group that opens at data[open] ('{'), honouring escapes and \binN.
// With depth 1, scanning starts inside a group and finds its end. Returns data.size() for a
// group that never closes.
qsizetype rtfGroupEnd(const QByteArray& data, qsizetype open, qsizetype depth = 0);

// Decodes a complete {\pict ...} group (braces included). pixelBudget, when given, is the
// number of bytes of decoded pixels still allowed; it is lowered by what is decoded.
RtfPicture decodeRtfPicture(const QByteArray& group, qint64* pixelBudget = nullptr);

// A grey framed box that stands in for content the page cannot show (scaled when shown).
QImage placeholderImage();

// A {\pict\pngblip ...} group for a picture shown at displaySize pixels.
QByteArray rtfPictureGroup(const QImage& image, QSize displaySize);

// Upper-case hex with a line break every 128 digits, as RTF writers lay it out.
void appendRtfHex(QByteArray& out, const QByteArray& data);

} // namespace quillet
