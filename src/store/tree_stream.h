#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

namespace quillet {

class NodeTree;

// What the stream records about the tree pane besides the nodes. Readers take nothing of it
// back; it is written so the file looks like the tree control's own resource.
struct TreePaneState {
    int left = 0;
    int top = 0;
    int width = 220;
    int height = 400;
    QString printOutTitle = QStringLiteral("Browser");
};

// "Nodes.tree": a resource header and a component stream describing the tree control, its
// nodes in the binary property "Items.Data".
QByteArray treeStreamBytes(const NodeTree& tree, const TreePaneState& pane = {});
bool WriteTreeStream(const NodeTree& tree, QIODevice& device, QString* error,
                     const TreePaneState& pane = {});
// Removes an existing file first, so a failed write never leaves an older tree behind.
bool WriteTreeStream(const NodeTree& tree, const QString& path, QString* error,
                     const TreePaneState& pane = {});

// The nodes of "Items.Data" replace the tree's nodes. On failure the tree keeps what was
// read up to the fault (or its old nodes when the fault comes before "Items.Data").
bool readTreeStreamData(NodeTree& tree, QByteArrayView stream, QString* error);
bool ReadTreeStream(NodeTree& tree, const QString& path, QString* error);

} // namespace quillet
