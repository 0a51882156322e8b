#include "store/tree_stream.h"

#include "store/caption_codec.h"
#include "store/node_tree.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

namespace quillet {

namespace {

// Value tags of the component stream.
enum Tag : quint8 {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
};

constexpr qint64 kMaxStreamFile = 256 * 1024 * 1024;
constexpr int kMinRecord = 25;
constexpr int kMaxRecord = 280;
constexpr int kMaxValueNesting = 64;

const QString kInvalidFormat = QStringLiteral("Invalid stream format");
const QString kReadError = QStringLiteral("Stream read error");
const QString kBadRecord = QStringLiteral("Invalid node record");

class Writer {
public:
    QByteArray bytes;

    void u8(quint8 v) { bytes.append(char(v)); }
    void i16(qint16 v) {
        const auto u = quint16(v);
        u8(quint8(u));
        u8(quint8(u >> 8));
    }
    void i32(qint32 v) {
        const auto u = quint32(v);
        for (int s = 0; s < 32; s += 8)
            u8(quint8(u >> s));
    }
    void shortString(QByteArrayView s) {
        const qsizetype n = std::min<qsizetype>(s.size(), 255);
        u8(quint8(n));
        bytes.append(s.first(n));
    }
    void intValue(qint32 v) {
        if (v >= -128 && v <= 127) {
            u8(vaInt8);
            u8(quint8(qint8(v)));
        } else if (v >= -32768 && v <= 32767) {
            u8(vaInt16);
            i16(qint16(v));
        } else {
            u8(vaInt32);
            i32(v);
        }
    }
    void identValue(QByteArrayView ident) {
        const QByteArray lower = ident.toByteArray().toLower();
        if (lower == "false")
            u8(vaFalse);
        else if (lower == "true")
            u8(vaTrue);
        else if (lower == "nil")
            u8(vaNil);
        else if (lower == "null")
            u8(vaNull);
        else {
            u8(vaIdent);
            shortString(ident);
        }
    }
    void stringValue(QByteArrayView s) {
        if (s.size() <= 255) {
            u8(vaString);
            shortString(s);
        } else {
            u8(vaLString);
            i32(qint32(s.size()));
            bytes.append(s);
        }
    }
    void boolValue(bool b) { u8(b ? vaTrue : vaFalse); }
    void property(const char* name) { shortString(QByteArrayView(name)); }
};

QByteArray nodeList(const NodeTree& tree) {
    Writer w;
    w.i32(tree.topLevelCount());
    for (const Node* n = tree.firstNode(); n; n = NodeTree::nextInTreeOrder(n)) {
        const QByteArray caption = encodeCaption(n->caption(), 255);
        w.i32(qint32(kMinRecord + caption.size()));
        w.i32(n->imageIndex());
        w.i32(n->selectedIndex());
        w.i32(n->id());
        w.i32(n->overlayIndex());
        w.i32(qint32(n->data()));
        w.i32(n->childCount());
        w.shortString(caption);
    }
    return w.bytes;
}

// A bounded reader over the stream bytes: every read checks the remaining length and a
// failed read leaves `ok` false for good.
class Reader {
public:
    explicit Reader(QByteArrayView data) : data_(data) {}

    bool ok = true;

    qsizetype remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

    bool need(qsizetype n) {
        if (!ok || n < 0 || n > remaining()) {
            ok = false;
            return false;
        }
        return true;
    }
    quint8 u8() {
        if (!need(1))
            return 0;
        return quint8(data_[pos_++]);
    }
    quint8 peek() const { return atEnd() ? 0 : quint8(data_[pos_]); }
    qint32 i32() {
        if (!need(4))
            return 0;
        quint32 v = 0;
        for (int i = 0; i < 4; ++i)
            v |= quint32(quint8(data_[pos_ + i])) << (8 * i);
        pos_ += 4;
        return qint32(v);
    }
    QByteArrayView take(qsizetype n) {
        if (!need(n))
            return {};
        QByteArrayView v = data_.sliced(pos_, n);
        pos_ += n;
        return v;
    }
    void skip(qsizetype n) { take(n); }
    QByteArrayView shortString() { return take(u8()); }

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
};

bool skipValue(Reader& r, int depth);

bool skipProperties(Reader& r, int depth) {
    for (;;) {
        const quint8 nameLength = r.u8();
        if (!r.ok)
            return false;
        if (nameLength == 0)
            return true;
        r.skip(nameLength);
        if (!skipValue(r, depth + 1))
            return false;
    }
}

bool skipValue(Reader& r, int depth) {
    if (depth > kMaxValueNesting) {
        r.ok = false;
        return false;
    }
    const quint8 tag = r.u8();
    switch (tag) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaList:
        while (r.ok && r.peek() != vaNull)
            skipValue(r, depth + 1);
        r.u8();
        break;
    case vaInt8:
        r.skip(1);
        break;
    case vaInt16:
        r.skip(2);
        break;
    case vaInt32:
    case vaSingle:
        r.skip(4);
        break;
    case vaExtended:
        r.skip(10);
        break;
    case vaString:
    case vaIdent:
        r.shortString();
        break;
    case vaBinary:
    case vaLString:
        r.skip(qsizetype(quint32(r.i32())));
        break;
    case vaSet:
        for (quint8 n = r.u8(); r.ok && n != 0; n = r.u8())
            r.skip(n);
        break;
    case vaCollection:
        while (r.ok && r.peek() != vaNull) {
            const quint8 t = r.peek();
            if (t == vaInt8 || t == vaInt16 || t == vaInt32)
                skipValue(r, depth + 1);
            if (r.u8() != vaList) {
                r.ok = false;
                break;
            }
            skipProperties(r, depth + 1);
        }
        r.u8();
        break;
    case vaCurrency:
    case vaDate:
    case vaInt64:
        r.skip(8);
        break;
    case vaWString:
        r.skip(2 * qsizetype(quint32(r.i32())));
        break;
    default:
        r.ok = false;
        break;
    }
    return r.ok;
}

bool readNodeList(NodeTree& tree, QByteArrayView payload, QString* error) {
    Reader r(payload);
    tree.clear();
    struct Pending {
        Node* parent;
        qint64 children;
    };
    std::vector<Pending> stack;
    stack.push_back({nullptr, r.i32()});
    while (r.ok && !stack.empty()) {
        Pending& top = stack.back();
        if (top.children <= 0) {
            stack.pop_back();
            continue;
        }
        --top.children;
        Node* parent = top.parent;

        const qint32 size = r.i32();
        if (!r.ok)
            break;
        if (size < kMinRecord || size > kMaxRecord) {
            *error = kBadRecord;
            return false;
        }
        Reader rec(r.take(size));
        if (!r.ok)
            break;
        NodeFields f;
        f.imageIndex = rec.i32();
        f.selectedIndex = rec.i32();
        f.id = rec.i32();
        f.overlayIndex = rec.i32();
        f.data = quint32(rec.i32());
        const qint32 childCount = rec.i32();
        const quint8 captionLength = rec.u8();
        if (kMinRecord + captionLength > size) {
            *error = kBadRecord;
            return false;
        }
        f.caption = decodeCaption(rec.take(captionLength));
        Node* node = tree.appendNode(parent, f);
        if (childCount > 0)
            stack.push_back({node, childCount});
    }
    if (!r.ok) {
        *error = kReadError;
        return false;
    }
    return true;
}

} // namespace

QByteArray treeStreamBytes(const NodeTree& tree, const TreePaneState& pane) {
    Writer s;
    s.bytes.append("TPF0");
    s.shortString("THETreeView");
    s.shortString("tvBrowser");
    s.property("Left");
    s.intValue(pane.left);
    s.property("Top");
    s.intValue(pane.top);
    s.property("Width");
    s.intValue(pane.width);
    s.property("Height");
    s.intValue(pane.height);
    s.property("Align");
    s.identValue("alLeft");
    s.property("BorderWidth");
    s.intValue(4);
    // The tree is disabled while a save runs, and the stream records that.
    s.property("Enabled");
    s.boolValue(false);
    s.property("Font.Charset");
    s.identValue("ANSI_CHARSET");
    s.property("Font.Color");
    s.identValue("clWindowText");
    s.property("Font.Height");
    s.intValue(-13);
    s.property("Font.Name");
    s.stringValue("Arial");
    s.property("Font.Style");
    s.u8(vaSet);
    s.u8(0);
    s.property("Images");
    s.identValue("frmQuillet.ilVarious");
    s.property("Indent");
    s.intValue(35);
    s.property("ParentFont");
    s.boolValue(false);
    s.property("ParentShowHint");
    s.boolValue(false);
    s.property("ReadOnly");
    s.boolValue(true);
    s.property("RightClickSelect");
    s.boolValue(true);
    s.property("RowSelect");
    s.boolValue(true);
    s.property("ShowHint");
    s.boolValue(false);
    s.property("TabOrder");
    s.intValue(1);
    s.property("ToolTips");
    s.boolValue(false);
    if (!tree.isEmpty()) {
        const QByteArray list = nodeList(tree);
        s.property("Items.Data");
        s.u8(vaBinary);
        s.i32(qint32(list.size()));
        s.bytes.append(list);
    }
    s.property("PrintOutTitle");
    s.stringValue(encodeCaption(pane.printOutTitle, 1 << 20));
    s.u8(0); // end of properties
    s.u8(0); // end of child objects

    Writer file;
    file.u8(0xFF);
    file.i16(10);
    file.bytes.append("BROWSER");
    file.u8(0);
    file.i16(0x1030);
    file.i32(qint32(s.bytes.size()));
    file.bytes.append(s.bytes);
    return file.bytes;
}

bool WriteTreeStream(const NodeTree& tree, QIODevice& device, QString* error,
                     const TreePaneState& pane) {
    const QByteArray bytes = treeStreamBytes(tree, pane);
    if (device.write(bytes) != bytes.size()) {
        *error = device.errorString();
        return false;
    }
    return true;
}

bool WriteTreeStream(const NodeTree& tree, const QString& path, QString* error,
                     const TreePaneState& pane) {
    if (QFileInfo::exists(path) && !QFile::remove(path)) {
        *error = QStringLiteral("Cannot replace %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!WriteTreeStream(tree, file, error, pane))
        return false;
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool readTreeStreamData(NodeTree& tree, QByteArrayView stream, QString* error) {
    QString ignored;
    if (!error)
        error = &ignored;
    Reader r(stream);
    if (r.u8() != 0xFF || r.u8() != 10 || r.u8() != 0 || !r.ok) {
        *error = kInvalidFormat;
        return false;
    }
    while (r.ok && r.u8() != 0)
        ;
    r.skip(6);
    const QByteArrayView signature = r.take(4);
    if (!r.ok || signature != QByteArrayView("TPF0")) {
        *error = kInvalidFormat;
        return false;
    }

    NodeTree::BulkChange bulk(tree);
    if ((r.peek() & 0xF0) == 0xF0) {
        const quint8 prefix = r.u8();
        if (prefix & 0x02) {
            const quint8 t = r.peek();
            if (t != vaInt8 && t != vaInt16 && t != vaInt32) {
                *error = kReadError;
                return false;
            }
            skipValue(r, 0);
        }
    }
    r.shortString(); // class name
    r.shortString(); // object name
    for (;;) {
        const quint8 nameLength = r.u8();
        if (!r.ok)
            break;
        if (nameLength == 0)
            break;
        const QByteArrayView name = r.take(nameLength);
        if (name == QByteArrayView("Items.Data") && r.peek() == vaBinary) {
            r.u8();
            const QByteArrayView payload = r.take(qsizetype(quint32(r.i32())));
            if (!r.ok)
                break;
            if (!readNodeList(tree, payload, error))
                return false;
        } else if (!skipValue(r, 0)) {
            break;
        }
    }
    // Child objects after the properties carry nothing this program uses; they are not read.
    if (!r.ok) {
        *error = kReadError;
        return false;
    }
    return true;
}

bool ReadTreeStream(NodeTree& tree, const QString& path, QString* error) {
    QString ignored;
    if (!error)
        error = &ignored;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (file.size() > kMaxStreamFile) {
        *error = kReadError;
        return false;
    }
    const QByteArray bytes = file.readAll();
    return readTreeStreamData(tree, bytes, error);
}

} // namespace quillet
