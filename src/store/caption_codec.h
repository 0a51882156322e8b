#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quillet {

// Node captions are stored as Windows-1252 bytes. A character outside that code page is
// written as "&#N;" (N its decimal code point) and an "&" that would read back as such a
// reference as "&#38;", so any caption survives while plain Windows-1252 captions keep their
// exact bytes. The result is cut to `maxBytes` without splitting a character or reference.
QByteArray encodeCaption(const QString& caption, int maxBytes = 255);
QString decodeCaption(QByteArrayView bytes);

} // namespace quillet
