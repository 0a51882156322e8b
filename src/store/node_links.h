#pragma once

#include <QString>
#include <optional>

namespace quillet {

// Node links: "file://" + the target's encoded caption + "/" + its id. Only the id counts
// when a link is followed; the caption only makes the link readable.

// Letters A-Z, a-z and digits stay, a space becomes "+", every other byte becomes "%XX"
// (upper-case hex). Characters are taken as Windows-1252 bytes; one outside that code page
// is written as the "%XX" of its UTF-8 bytes so that no caption is lost.
QString encodeLinkCaption(const QString& caption);
QString nodeLinkText(const QString& caption, qint32 id);

// True when the text before and including the first ":" is "file:" in any case.
bool isNodeLink(const QString& link);
// The id part of a node link: after the last "/" of the path (which starts at the first
// "/" after the "//" that follows the scheme), up to a "?"; empty when there is no path.
QString linkIdText(const QString& link);
// The id when the id part is a whole number written as this program writes it.
std::optional<qint32> linkId(const QString& link);

} // namespace quillet
