// Any bytes as "Nodes.tree": the reader must fail cleanly, and whatever it read must write
// and read back to the same tree.
#include "store/node_tree.h"
#include "store/tree_stream.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quillet::NodeTree tree;
    QString error;
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    if (quillet::readTreeStreamData(tree, input, &error)) {
        const QByteArray written = quillet::treeStreamBytes(tree);
        quillet::NodeTree back;
        if (!quillet::readTreeStreamData(back, written, &error) ||
            back.nodeCount() != tree.nodeCount() || quillet::treeStreamBytes(back) != written)
            std::abort();
    }
    return 0;
}
