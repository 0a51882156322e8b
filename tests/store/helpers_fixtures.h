#pragma once

// Fixtures described in text instead of opaque binaries. A tree is written one node per
// line, two spaces of indentation per level: "Caption #id @icon" (id and icon optional;
// without an id a node gets the largest id so far plus one).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace quillet {
class NodeTree;
}

namespace quillet::test {

void buildTree(NodeTree& tree, const QString& description);
QString describeTree(const NodeTree& tree);

// Member name -> content.
using FileMap = QMap<QString, QByteArray>;

// A ".qlt" archive made directly with libzip: "Nodes.tree" from the description (left out
// when `treeDescription` is null) plus the given members.
bool writeQlt(const QString& path, const QString& treeDescription, const FileMap& files);
// The members of a zip archive with their contents.
FileMap readZip(const QString& path, bool* ok = nullptr);

// Sibling-notebook (ZLB) archives.
struct ZlbMember {
    QByteArray name;
    QByteArray path;
    QByteArray content;
    bool stored = true; // raw; false: one zlib stream
    // Overrides for broken archives; -1 keeps the true value.
    qint64 sizeOverride = -1;
    qint64 offsetOverride = -1;
};
struct ZlbOptions {
    bool compressedDirectory = false;
    bool breakChecksum = false;
    qint64 directoryOffsetOverride = -1;
    qint64 countOverride = -1;
};
QByteArray buildZlb(const QList<ZlbMember>& members, const ZlbOptions& options = {});
// An ".igv" notebook: "Nodes.tree" from the description and the given files.
QByteArray buildIgv(const QString& treeDescription, const FileMap& files,
                    const ZlbOptions& options = {}, bool compressMembers = true);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

} // namespace quillet::test
