// Link text comes from pages, which come from any RTF file: the id part must be read without
// running past the text, and a link this program writes must always lead back to its id.

#include "store/node_links.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace quillet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)isNodeLink(text);
    const QString idText = linkIdText(text);
    if (idText.contains(QLatin1Char('/')))
        std::abort();
    (void)linkId(text);

    const qint32 id = size >= 4 ? qint32(uint32_t(data[0]) | uint32_t(data[1]) << 8 |
                                         uint32_t(data[2]) << 16 | uint32_t(data[3]) << 24)
                                : qint32(size);
    const QString link = nodeLinkText(text, id);
    if (!isNodeLink(link))
        std::abort();
    const std::optional<qint32> back = linkId(link);
    if (!back || *back != id)
        std::abort();
    return 0;
}
