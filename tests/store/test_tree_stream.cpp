#include "store/helpers_fixtures.h"
#include "store/node_tree.h"
#include "store/tree_stream.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace quillet;

namespace {

QByteArray shortStr(const QByteArray& s) {
    return QByteArray(1, char(s.size())) + s;
}

QByteArray le32(qint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(quint8(quint32(v) >> (8 * i)));
    return b;
}

QByteArray header(qint32 streamLength, const QByteArray& name = "BROWSER") {
    return QByteArray::fromHex("ff0a00") + name + QByteArray(1, '\0') +
           QByteArray::fromHex("3010") + le32(streamLength);
}

// A component stream with `properties` (already encoded) wrapped into a full file.
QByteArray wrap(const QByteArray& properties, const QByteArray& classAndObject = {}) {
    const QByteArray stream =
        "TPF0" +
        (classAndObject.isNull() ? shortStr("THETreeView") + shortStr("tvBrowser")
                                 : classAndObject) +
        properties + QByteArray(2, '\0');
    return header(qint32(stream.size())) + stream;
}

QByteArray itemsData(const QByteArray& nodeList) {
    return shortStr("Items.Data") + QByteArray(1, '\x0a') + le32(qint32(nodeList.size())) +
           nodeList;
}

QByteArray record(qint32 size, qint32 image, qint32 id, qint32 children,
                  const QByteArray& caption) {
    return le32(size) + le32(image) + le32(image) + le32(id) + le32(-1) + le32(0) + le32(children) +
           shortStr(caption);
}

const QByteArray kWorkedNodeList =
    QByteArray::fromHex("01000000"
                        "1D000000000000000000000000000000FFFFFFFF00000000010000000452 6F6F74"
                        "1D000000050000000500000001000000FFFFFFFF0000000000000000 0450 6C61 6E");

QString roundTrip(const QString& description, QByteArray* bytes = nullptr) {
    NodeTree tree;
    test::buildTree(tree, description);
    const QByteArray written = treeStreamBytes(tree);
    if (bytes)
        *bytes = written;
    NodeTree back;
    QString error;
    if (!readTreeStreamData(back, written, &error))
        return QStringLiteral("error: ") + error;
    return test::describeTree(back);
}

} // namespace

class TestTreeStream : public QObject {
    Q_OBJECT

private slots:
    void workedExampleIsByteExact();
    void writeToDeviceAndPathAgree();
    void captionLimits_data();
    void captionLimits();
    void captionsSurvive_data();
    void captionsSurvive();
    void cp1252CaptionsKeepTheirBytes();
    void negativeIdsAndForeignFieldsRoundTrip();
    void emptyTreeWritesNoItemsAndKeepsRootOnRead();
    void foreignStreamIsRead();
    void badHeaderOrSignature_data();
    void badHeaderOrSignature();
    void badRecordSizes_data();
    void badRecordSizes();
    void truncationNeverReadsPastTheEnd();
    void nodesBeforeAFaultStay();
    void largeTreeRoundTrips();
};

void TestTreeStream::workedExampleIsByteExact() {
    NodeTree tree;
    test::buildTree(tree, "Root #0\n  Plan #1 @5");
    const QByteArray bytes = treeStreamBytes(tree);

    const QByteArray i8 = "\x02";
    const QByteArray stream =
        "TPF0" + shortStr("THETreeView") + shortStr("tvBrowser") + shortStr("Left") + i8 + '\0' +
        shortStr("Top") + i8 + '\0' + shortStr("Width") + QByteArray::fromHex("03dc00") +
        shortStr("Height") + QByteArray::fromHex("039001") + shortStr("Align") + "\x07" +
        shortStr("alLeft") + shortStr("BorderWidth") + i8 + "\x04" + shortStr("Enabled") + "\x08" +
        shortStr("Font.Charset") + "\x07" + shortStr("ANSI_CHARSET") + shortStr("Font.Color") +
        "\x07" + shortStr("clWindowText") + shortStr("Font.Height") + i8 + "\xf3" +
        shortStr("Font.Name") + "\x06" + shortStr("Arial") + shortStr("Font.Style") + "\x0b" +
        '\0' + shortStr("Images") + "\x07" + shortStr("frmQuillet.ilVarious") + shortStr("Indent") +
        i8 + "\x23" + shortStr("ParentFont") + "\x08" + shortStr("ParentShowHint") + "\x08" +
        shortStr("ReadOnly") + "\x09" + shortStr("RightClickSelect") + "\x09" +
        shortStr("RowSelect") + "\x09" + shortStr("ShowHint") + "\x08" + shortStr("TabOrder") + i8 +
        "\x01" + shortStr("ToolTips") + "\x08" + itemsData(kWorkedNodeList) +
        shortStr("PrintOutTitle") + "\x06" + shortStr("Browser") + '\0' + '\0';

    QCOMPARE(kWorkedNodeList.size(), 70);
    QVERIFY(
        bytes.contains(QByteArray::fromHex("0a4974656d732e446174610a46000000") + kWorkedNodeList));
    QCOMPARE(bytes.left(13), QByteArray::fromHex("ff0a0042524f5753455200 3010"));
    QCOMPARE(bytes.toHex(' '), (header(qint32(stream.size())) + stream).toHex(' '));
}

void TestTreeStream::writeToDeviceAndPathAgree() {
    NodeTree tree;
    test::buildTree(tree, "Root #0\n  Plan #1 @5");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    QVERIFY(WriteTreeStream(tree, buffer, &error));

    QTemporaryDir dir;
    const QString path = dir.filePath("Nodes.tree");
    QVERIFY(test::writeFile(path, "old content that is longer than nothing"));
    QVERIFY(WriteTreeStream(tree, path, &error));
    QCOMPARE(test::readFile(path), buffer.data());

    NodeTree back;
    QVERIFY(ReadTreeStream(back, path, &error));
    QCOMPARE(test::describeTree(back), QString("Root #0\n  Plan #1 @5"));
    QVERIFY(!ReadTreeStream(back, dir.filePath("missing.tree"), &error));
}

void TestTreeStream::captionLimits_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("recordSize");
    QTest::addColumn<QString>("readBack");
    const QString longCaption = QString(300, QLatin1Char('x'));
    QTest::newRow("300 characters") << longCaption << 280 << longCaption.left(255);
    QTest::newRow("empty") << QString() << 25 << QString();
    // A reference is never split by the cut.
    const QString tail = QString(250, QLatin1Char('a')) + QChar(0x3A9) + "bbbb";
    QTest::newRow("reference at the cut") << tail << 25 + 250 << tail.left(250);
}

void TestTreeStream::captionLimits() {
    QFETCH(QString, caption);
    QFETCH(int, recordSize);
    QFETCH(QString, readBack);
    NodeTree tree;
    NodeFields f;
    f.caption = caption;
    tree.appendNode(nullptr, f);
    const QByteArray bytes = treeStreamBytes(tree);
    const qsizetype at = bytes.indexOf("Items.Data") + 10 + 1 + 4 + 4;
    QCOMPARE(bytes.mid(at, 4), le32(recordSize));
    QCOMPARE(quint8(bytes[at + 28]), quint8(recordSize - 25));
    NodeTree back;
    QString error;
    QVERIFY(readTreeStreamData(back, bytes, &error));
    QCOMPARE(back.firstNode()->caption(), readBack);
}

void TestTreeStream::captionsSurvive_data() {
    QTest::addColumn<QString>("caption");
    QTest::newRow("greek and emoji") << QString::fromUtf8("Ωmega \U0001F409 dragon");
    QTest::newRow("cjk") << QString::fromUtf8("第一章");
    QTest::newRow("ampersand alone") << "Tom & Jerry";
    QTest::newRow("literal reference text") << "A &#38; B &#937; C";
    QTest::newRow("broken reference text") << "&#; &# &#x41; &#99999999;";
    QTest::newRow("c1 control of an unassigned byte") << QString(QChar(0x81));
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
}

void TestTreeStream::captionsSurvive() {
    QFETCH(QString, caption);
    NodeTree tree;
    NodeFields f;
    f.caption = caption;
    tree.appendNode(nullptr, f);
    NodeTree back;
    QString error;
    QVERIFY(readTreeStreamData(back, treeStreamBytes(tree), &error));
    if (caption == QString(QChar(0xD800)))
        QCOMPARE(back.firstNode()->caption(), QString("&#55296;"));
    else
        QCOMPARE(back.firstNode()->caption(), caption);
}

void TestTreeStream::cp1252CaptionsKeepTheirBytes() {
    // Bytes as an older file holds them: every byte value a caption can carry.
    QByteArray raw;
    for (int b = 1; b < 256; ++b)
        raw.append(char(b));
    const QByteArray list = le32(1) + record(25 + 255, 0, 0, 0, raw);
    const QByteArray file = wrap(itemsData(list));
    NodeTree tree;
    QString error;
    QVERIFY(readTreeStreamData(tree, file, &error));
    QCOMPARE(tree.firstNode()->caption()[0x80 - 1], QChar(0x20AC));
    const QByteArray again = treeStreamBytes(tree);
    QVERIFY(again.contains(list));

    NodeTree cafe;
    test::buildTree(cafe, QString::fromUtf8("Café – “x” #0"));
    QVERIFY(treeStreamBytes(cafe).contains(QByteArray::fromHex("0a436166e92096209378 94")));
}

void TestTreeStream::negativeIdsAndForeignFieldsRoundTrip() {
    QCOMPARE(roundTrip("A #-1\n  B #-2147483648 @3\nC #2147483647"),
             QString("A #-1\n  B #-2147483648 @3\nC #2147483647"));
    // Overlay, data and a selected index of their own are written back as read.
    const QByteArray rec = le32(26) + le32(4) + le32(9) + le32(7) + le32(3) + le32(-559038737) +
                           le32(0) + shortStr("x");
    NodeTree tree;
    QString error;
    QVERIFY(readTreeStreamData(tree, wrap(itemsData(le32(1) + rec)), &error));
    Node* n = tree.firstNode();
    QCOMPARE(n->imageIndex(), 4);
    QCOMPARE(n->selectedIndex(), 9);
    QCOMPARE(n->overlayIndex(), 3);
    QCOMPARE(n->data(), 0xDEADBEEFu);
    QVERIFY(treeStreamBytes(tree).contains(rec));
}

void TestTreeStream::emptyTreeWritesNoItemsAndKeepsRootOnRead() {
    NodeTree empty;
    const QByteArray bytes = treeStreamBytes(empty);
    QVERIFY(!bytes.contains("Items.Data"));
    NodeTree tree;
    test::buildTree(tree, "Root #0");
    QString error;
    QVERIFY(readTreeStreamData(tree, bytes, &error));
    QCOMPARE(test::describeTree(tree), QString("Root #0"));
}

void TestTreeStream::foreignStreamIsRead() {
    const QByteArray b = "\x02";
    QByteArray props;
    props += shortStr("PrintOutTitle") + "\x06" + shortStr("Somewhere");
    props += shortStr("List") + "\x01" + b + "\x05" + "\x06" + shortStr("abc") +
             QByteArray::fromHex("010900") + '\0';
    props += shortStr("Coll") + "\x0e" + b + '\0' + "\x01" + shortStr("Name") + "\x06" +
             shortStr("x") + '\0' + "\x01" + '\0' + '\0';
    props += shortStr("Bin") + "\x0a" + le32(3) + "\xaa\xbb\xcc";
    props += shortStr("Set") + "\x0b" + shortStr("fsBold") + shortStr("fsItalic") + '\0';
    props += shortStr("Long") + "\x0c" + le32(4) + "abcd";
    props += shortStr("Wide") + "\x12" + le32(2) + QByteArray::fromHex("41004200");
    props += shortStr("Big") + "\x13" + QByteArray(8, '\x7f');
    props += shortStr("Ext") + "\x05" + QByteArray(10, '\x01');
    props += shortStr("Sgl") + "\x0f" + QByteArray(4, '\x02');
    props += shortStr("Cur") + "\x10" + QByteArray(8, '\x03');
    props += shortStr("Date") + "\x11" + QByteArray(8, '\x04');
    props += shortStr("Nil") + "\x0d" + shortStr("Yes") + "\x09" + shortStr("Id") + "\x07" +
             shortStr("alClient");
    props += shortStr("I16") + "\x03" + "\x10\x27" + shortStr("I32") + "\x04" + le32(100000);
    props += itemsData(le32(2) + record(29, 2, 10, 1, "Book") + record(30, 3, 11, 0, "Intro") +
                       record(25, 0, 12, 0, ""));
    props += shortStr("Height") + b + "\x10";
    // A prefix byte carrying an order value, other class and object names.
    const QByteArray names = "\xf2" + b + "\x05" + shortStr("TMyTreeView") + shortStr("tree1");
    NodeTree tree;
    test::buildTree(tree, "Root #0");
    QString error;
    QVERIFY2(readTreeStreamData(tree, wrap(props, names), &error), qPrintable(error));
    QCOMPARE(test::describeTree(tree), QString("Book #10 @2\n  Intro #11 @3\n #12"));
}

void TestTreeStream::badHeaderOrSignature_data() {
    QTest::addColumn<QByteArray>("bytes");
    NodeTree tree;
    test::buildTree(tree, "A #1");
    const QByteArray good = treeStreamBytes(tree);
    QByteArray wrongFirst = good;
    wrongFirst[0] = '\xfe';
    QByteArray wrongType = good;
    wrongType[1] = '\x0b';
    QByteArray wrongSignature = good;
    wrongSignature[17] = 'X';
    QTest::newRow("first byte") << wrongFirst;
    QTest::newRow("resource type") << wrongType;
    QTest::newRow("signature") << wrongSignature;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("name never ends") << QByteArray::fromHex("ff0a00414243");
}

void TestTreeStream::badHeaderOrSignature() {
    QFETCH(QByteArray, bytes);
    NodeTree tree;
    test::buildTree(tree, "Root #0");
    QString error;
    QVERIFY(!readTreeStreamData(tree, bytes, &error));
    QCOMPARE(error, QString("Invalid stream format"));
    QCOMPARE(test::describeTree(tree), QString("Root #0"));
}

void TestTreeStream::badRecordSizes_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::newRow("above 280") << le32(1) + record(281, 0, 1, 0, "A") + QByteArray(300, 'z');
    QTest::newRow("below 25 + caption") << le32(1) + record(27, 0, 1, 0, "ABCDE");
    QTest::newRow("below 25") << le32(1) + record(24, 0, 1, 0, "");
    QTest::newRow("negative") << le32(1) + record(-1, 0, 1, 0, "");
}

void TestTreeStream::badRecordSizes() {
    QFETCH(QByteArray, list);
    NodeTree tree;
    QString error;
    QVERIFY(!readTreeStreamData(tree, wrap(itemsData(list)), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(tree.nodeCount(), 0);
}

void TestTreeStream::truncationNeverReadsPastTheEnd() {
    NodeTree tree;
    test::buildTree(tree, "Root #0\n  Plan #1 @5\n  Cast #2");
    const QByteArray full = treeStreamBytes(tree);
    // Each cut copies into a buffer of its own size, so a read past it trips the sanitizer.
    for (qsizetype cut = 0; cut < full.size() - 1; ++cut) {
        const QByteArray part = full.left(cut);
        NodeTree t;
        QString error;
        QVERIFY2(!readTreeStreamData(t, part, &error), qPrintable(QString::number(cut)));
        QVERIFY(!error.isEmpty());
    }
}

void TestTreeStream::nodesBeforeAFaultStay() {
    // The child count promises two children; the list ends after the first.
    const QByteArray list = le32(1) + record(29, 0, 0, 2, "Root") + record(29, 0, 1, 0, "Plan");
    NodeTree tree;
    QString error;
    QVERIFY(!readTreeStreamData(tree, wrap(itemsData(list)), &error));
    QCOMPARE(test::describeTree(tree), QString("Root #0\n  Plan #1"));
}

void TestTreeStream::largeTreeRoundTrips() {
    NodeTree tree;
    Node* root = tree.AddChildNode(nullptr, "Root");
    Node* deep = root;
    for (int i = 0; i < 20000; ++i) {
        tree.AddChildNode(root, QString::number(i));
        deep = tree.AddChildNode(deep, "d");
    }
    const QByteArray bytes = treeStreamBytes(tree);
    NodeTree back;
    QString error;
    QVERIFY(readTreeStreamData(back, bytes, &error));
    QCOMPARE(back.nodeCount(), tree.nodeCount());
    QCOMPARE(back.MaxNodeId(), tree.MaxNodeId());
    QCOMPARE(treeStreamBytes(back), bytes);
}

QTEST_GUILESS_MAIN(TestTreeStream)
#include "test_tree_stream.moc"
