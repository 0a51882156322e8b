#pragma once

#include "ui/text_attributes.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

class QTextDocument;

namespace quillet::test {

// One attribute of the attribute model by a short name ("bold", "size", "align", ...),
// read at the character of doc at pos (a one-character selection).
QVariant attributeAt(const QTextDocument* doc, int pos, const QString& name);

// Every character and paragraph attribute, run by run, with the text: two documents that
// give the same description look the same through the attribute model.
QString describe(const QTextDocument* doc);

QByteArray readFile(const QString& path);

} // namespace quillet::test
