#include "store/helpers_fixtures.h"

#include "store/node_tree.h"
#include "store/tree_stream.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <zip.h>
#include <zlib.h>

#include <vector>

namespace quillet::test {

void buildTree(NodeTree& tree, const QString& description) {
    tree.clear();
    std::vector<Node*> levels;
    static const QRegularExpression idToken(QStringLiteral("^#-?\\d+$"));
    static const QRegularExpression iconToken(QStringLiteral("^@-?\\d+$"));
    const QStringList lines = description.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        qsizetype indent = 0;
        while (indent < line.size() && line[indent] == QLatin1Char(' '))
            ++indent;
        const size_t depth = size_t(indent / 2);
        QStringList tokens = line.mid(indent).split(QLatin1Char(' '));
        NodeFields f;
        f.id = tree.MaxNodeId() + 1;
        bool haveId = false;
        while (!tokens.isEmpty()) {
            const QString last = tokens.last();
            if (!haveId && idToken.match(last).hasMatch()) {
                f.id = last.mid(1).toInt();
                haveId = true;
            } else if (iconToken.match(last).hasMatch()) {
                f.imageIndex = f.selectedIndex = last.mid(1).toInt();
            } else {
                break;
            }
            tokens.removeLast();
        }
        f.caption = tokens.join(QLatin1Char(' '));
        levels.resize(depth);
        Node* parent = depth == 0 ? nullptr : levels[depth - 1];
        levels.push_back(tree.appendNode(parent, f));
    }
}

QString describeTree(const NodeTree& tree) {
    QStringList lines;
    tree.forEachNode([&](Node* n) {
        int depth = 0;
        for (Node* p = n->parent(); p; p = p->parent())
            ++depth;
        QString line = QString(depth * 2, QLatin1Char(' ')) + n->caption() + QStringLiteral(" #") +
                       QString::number(n->id());
        if (n->imageIndex() != 0)
            line += QStringLiteral(" @") + QString::number(n->imageIndex());
        lines << line;
    });
    return lines.join(QLatin1Char('\n'));
}

bool writeQlt(const QString& path, const QString& treeDescription, const FileMap& files) {
    FileMap members = files;
    if (!treeDescription.isNull()) {
        NodeTree tree;
        buildTree(tree, treeDescription);
        members.insert(QStringLiteral("Nodes.tree"), treeStreamBytes(tree));
    }
    QFile::remove(path);
    int err = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    if (!za)
        return false;
    // Buffers must outlive zip_close, which is when libzip reads them.
    std::vector<QByteArray> keep;
    keep.reserve(size_t(members.size()));
    for (auto it = members.cbegin(); it != members.cend(); ++it) {
        keep.push_back(it.value());
        zip_source_t* src =
            zip_source_buffer(za, keep.back().constData(), zip_uint64_t(keep.back().size()), 0);
        if (!src || zip_file_add(za, it.key().toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(src);
            zip_discard(za);
            return false;
        }
    }
    return zip_close(za) == 0;
}

FileMap readZip(const QString& path, bool* ok) {
    FileMap out;
    if (ok)
        *ok = false;
    int err = 0;
    zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &err);
    if (!za)
        return out;
    const zip_int64_t n = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        zip_stat_t st;
        if (zip_stat_index(za, zip_uint64_t(i), 0, &st) != 0)
            continue;
        zip_file_t* f = zip_fopen_index(za, zip_uint64_t(i), 0);
        QByteArray content;
        char buf[8192];
        zip_int64_t got = 0;
        while (f && (got = zip_fread(f, buf, sizeof buf)) > 0)
            content.append(buf, qsizetype(got));
        if (f)
            zip_fclose(f);
        out.insert(QString::fromUtf8(st.name), content);
    }
    zip_close(za);
    if (ok)
        *ok = true;
    return out;
}

namespace {

void put32(QByteArray& b, qint64 pos, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b[pos + i] = char(quint8(v >> (8 * i)));
}

QByteArray compress(const QByteArray& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    ::compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()), 9);
    out.resize(qsizetype(size));
    return out;
}

void putShortString(QByteArray& entry, qint64 pos, const QByteArray& s) {
    const qsizetype n = std::min<qsizetype>(s.size(), 255);
    entry[pos] = char(n);
    for (qsizetype i = 0; i < n; ++i)
        entry[pos + 1 + i] = s[i];
}

} // namespace

QByteArray buildZlb(const QList<ZlbMember>& members, const ZlbOptions& options) {
    QByteArray file;
    QByteArray directory;
    for (const ZlbMember& m : members) {
        const qint64 offset = file.size();
        file += m.stored ? m.content : compress(m.content);
        QByteArray entry(532, '\0');
        putShortString(entry, 0, m.name);
        putShortString(entry, 256, m.path);
        put32(entry, 512, quint32(m.sizeOverride >= 0 ? m.sizeOverride : m.content.size()));
        put32(entry, 520, quint32(m.offsetOverride >= 0 ? m.offsetOverride : offset));
        put32(entry, 524,
              quint32(crc32(0, reinterpret_cast<const Bytef*>(m.content.constData()),
                            uInt(m.content.size()))));
        entry[528] = m.stored ? 1 : 0;
        directory += entry;
    }
    const qint64 dirOffset = file.size();
    file += options.compressedDirectory ? compress(directory) : directory;
    QByteArray trailer(36, '\0');
    put32(trailer, 4, quint32(options.countOverride >= 0 ? options.countOverride : members.size()));
    put32(trailer, 16,
          quint32(options.directoryOffsetOverride >= 0 ? options.directoryOffsetOverride
                                                       : dirOffset));
    trailer[20] = options.compressedDirectory ? 1 : 0;
    quint32 crc =
        quint32(crc32(0, reinterpret_cast<const Bytef*>(file.constData()), uInt(file.size())));
    if (options.breakChecksum)
        crc ^= 0x5A5A5A5Au;
    put32(trailer, 0, crc);
    return file + trailer;
}

QByteArray buildIgv(const QString& treeDescription, const FileMap& files, const ZlbOptions& options,
                    bool compressMembers) {
    QList<ZlbMember> members;
    if (!treeDescription.isNull()) {
        NodeTree tree;
        buildTree(tree, treeDescription);
        members.append({"Nodes.tree", "C:\\Notes\\", treeStreamBytes(tree), !compressMembers});
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        members.append({it.key().toLatin1(), "C:\\Notes\\", it.value(), !compressMembers});
    return buildZlb(members, options);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace quillet::test
