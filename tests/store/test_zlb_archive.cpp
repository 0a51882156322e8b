#include "store/helpers_fixtures.h"
#include "store/zlb_archive.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace quillet;
using test::ZlbMember;
using test::ZlbOptions;

Q_DECLARE_METATYPE(QList<test::ZlbMember>)
Q_DECLARE_METATYPE(test::ZlbOptions)

namespace {

struct Progress {
    QStringList messages;
    QList<int> percents;
};

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestZlbArchive : public QObject {
    Q_OBJECT

private slots:
    void extracts_data();
    void extracts();
    void rejects_data();
    void rejects();
    void emptyArchiveReportsOnlyTheEnd();
    void progressRoundsHalvesToEven();
    void notOpenAndMissing();
};

void TestZlbArchive::extracts_data() {
    QTest::addColumn<bool>("compressedDirectory");
    QTest::addColumn<bool>("storedMembers");
    for (bool dir : {false, true}) {
        for (bool stored : {true, false}) {
            QTest::newRow(
                qPrintable(QString("%1 directory, %2 members")
                               .arg(dir ? "compressed" : "raw", stored ? "raw" : "compressed")))
                << dir << stored;
        }
    }
}

void TestZlbArchive::extracts() {
    QFETCH(bool, compressedDirectory);
    QFETCH(bool, storedMembers);
    QByteArray big;
    for (int i = 0; i < 3000; ++i)
        big += "line " + QByteArray::number(i) + "\r\n";
    QList<ZlbMember> members{
        {"0.rtf", "C:\\N\\", "{\\rtf1 root}", storedMembers},
        {"big.rtf", "C:\\N\\", big, storedMembers},
        {"empty.ini", "C:\\N\\", "", storedMembers},
        {"same.txt", "C:\\A\\", "first", storedMembers},
        {"same.txt", "C:\\B\\", "second wins", storedMembers},
        {"..\\up.rtf", "", "flattened", storedMembers},
        {"sub/dir/deep.rtf", "", "flattened too", storedMembers},
    };
    ZlbOptions options;
    options.compressedDirectory = compressedDirectory;
    QTemporaryDir tmp;
    const QString path = tmp.filePath("n.igv");
    QVERIFY(test::writeFile(path, test::buildZlb(members, options)));
    const QString dest = tmp.filePath("out");

    TZLBArchive zlb;
    Progress p;
    zlb.setProgress([&](const QString& m, int pct) {
        p.messages << m;
        p.percents << pct;
    });
    QVERIFY2(zlb.OpenArchive(path), qPrintable(zlb.errorString()));
    QCOMPARE(zlb.entries().size(), members.size());
    QCOMPARE(zlb.entries()[3].path, QString("C:\\A\\"));
    QVERIFY(zlb.ExtractAll(dest + "//"));
    zlb.CloseArchive();
    QVERIFY(!zlb.isOpen());

    QCOMPARE(filesIn(dest),
             (QStringList{"0.rtf", "big.rtf", "deep.rtf", "empty.ini", "same.txt", "up.rtf"}));
    QCOMPARE(test::readFile(dest + "/big.rtf"), big);
    QCOMPARE(test::readFile(dest + "/same.txt"), QByteArray("second wins"));
    QCOMPARE(QFileInfo(dest + "/empty.ini").size(), 0);
    QVERIFY(!QFileInfo::exists(tmp.filePath("up.rtf")));

    QCOMPARE(p.messages.count("Extracting archive registry") > 0, compressedDirectory);
    QVERIFY(!p.messages.contains("Extracting empty.ini"));
    QCOMPARE(p.messages.count("Extracting big.rtf"), int((big.size() + 4095) / 4096));
    QCOMPARE(p.messages.last(), path);
    QCOMPARE(p.percents.last(), 0);
}

void TestZlbArchive::rejects_data() {
    QTest::addColumn<QList<ZlbMember>>("members");
    QTest::addColumn<ZlbOptions>("options");
    QTest::addColumn<QString>("openError");    // empty: opens
    QTest::addColumn<QString>("extractError"); // empty: extracts
    QTest::addColumn<QStringList>("extracted");

    const QList<ZlbMember> good{{"a.rtf", "", "aaaa", true}, {"b.rtf", "", "bbbb", false}};
    ZlbOptions crc;
    crc.breakChecksum = true;
    QTest::newRow("bad checksum") << good << crc << "The archive file appears to be corrupted"
                                  << "" << QStringList();
    ZlbOptions farDir;
    farDir.directoryOffsetOverride = 1 << 30;
    QTest::newRow("directory offset outside the file")
        << good << farDir << "Unable to read archive file list"
        << "" << QStringList();
    ZlbOptions manyRaw;
    manyRaw.countOverride = 0x7FFFFFFF;
    QTest::newRow("count larger than the raw directory")
        << good << manyRaw << "Unable to read archive file list"
        << "" << QStringList();
    ZlbOptions manyPacked = manyRaw;
    manyPacked.compressedDirectory = true;
    QTest::newRow("count larger than the compressed directory can hold")
        << good << manyPacked << "Unable to read archive file list"
        << "" << QStringList();
    ZlbOptions shortPacked;
    shortPacked.compressedDirectory = true;
    shortPacked.countOverride = 3;
    QTest::newRow("compressed directory ends early")
        << good << shortPacked << "Unable to read archive file list"
        << "" << QStringList();

    QList<ZlbMember> farMember = good;
    farMember[1].offsetOverride = 1 << 30;
    QTest::newRow("data offset outside the file") << farMember << ZlbOptions{} << ""
                                                  << "File (1) is corrupt" << QStringList{"a.rtf"};
    QList<ZlbMember> longRaw = good;
    longRaw[0].sizeOverride = 1 << 30;
    QTest::newRow("raw size past the end") << longRaw << ZlbOptions{} << ""
                                           << "File (0) is corrupt" << QStringList();
    QList<ZlbMember> longPacked = good;
    longPacked[1].sizeOverride = 5000;
    QTest::newRow("compressed member shorter than its size")
        << longPacked << ZlbOptions{} << ""
        << "File (1) is corrupt" << QStringList{"a.rtf"};
    // Flagged compressed, but pointing at the raw bytes of the first member.
    QList<ZlbMember> lying = good;
    lying.append({"c.rtf", "", "", false});
    lying[2].offsetOverride = 0;
    lying[2].sizeOverride = 10;
    QTest::newRow("compressed member that is no zlib stream")
        << lying << ZlbOptions{} << ""
        << "File (2) is corrupt" << QStringList{"a.rtf", "b.rtf"};
    QList<ZlbMember> badName = good;
    badName.prepend({"..", "", "nothing", true});
    QTest::newRow("name with nothing left is skipped") << badName << ZlbOptions{} << ""
                                                       << "" << QStringList{"a.rtf", "b.rtf"};
}

void TestZlbArchive::rejects() {
    QFETCH(QList<ZlbMember>, members);
    QFETCH(ZlbOptions, options);
    QFETCH(QString, openError);
    QFETCH(QString, extractError);
    QFETCH(QStringList, extracted);
    QTemporaryDir tmp;
    const QString path = tmp.filePath("x.igv");
    QVERIFY(test::writeFile(path, test::buildZlb(members, options)));
    const QString dest = tmp.filePath("out");
    TZLBArchive zlb;
    const bool opened = zlb.OpenArchive(path);
    QCOMPARE(zlb.errorString(), openError);
    QCOMPARE(opened, openError.isEmpty());
    if (opened) {
        QCOMPARE(zlb.ExtractAll(dest), extractError.isEmpty());
        QCOMPARE(zlb.errorString(), extractError);
    }
    QCOMPARE(filesIn(dest), extracted);
}

void TestZlbArchive::emptyArchiveReportsOnlyTheEnd() {
    QTemporaryDir tmp;
    const QString path = tmp.filePath("empty.igv");
    QVERIFY(test::writeFile(path, test::buildZlb({})));
    TZLBArchive zlb;
    Progress p;
    zlb.setProgress([&](const QString& m, int pct) {
        p.messages << m;
        p.percents << pct;
    });
    QVERIFY(zlb.OpenArchive(path));
    QVERIFY(zlb.ExtractAll(tmp.filePath("out")));
    QCOMPARE(p.messages, (QStringList{path, path}));
    QCOMPARE(p.percents, (QList<int>{0, 0}));
    QCOMPARE(filesIn(tmp.filePath("out")), QStringList());

    // Too short to hold a trailer.
    QVERIFY(test::writeFile(path, "tiny"));
    QVERIFY(!zlb.OpenArchive(path));
    QCOMPARE(zlb.errorString(), QString("The archive file appears to be corrupted"));
}

void TestZlbArchive::progressRoundsHalvesToEven() {
    // 4096 of 163840 bytes is 2.5 %, 12288 is 7.5 %, 20480 is 12.5 %.
    QTemporaryDir tmp;
    const QString path = tmp.filePath("p.igv");
    QVERIFY(test::writeFile(path, test::buildZlb({{"p.rtf", "", QByteArray(163840, 'p'), true}})));
    TZLBArchive zlb;
    QList<int> percents;
    zlb.setProgress([&](const QString& m, int pct) {
        if (m == "Extracting p.rtf")
            percents << pct;
    });
    QVERIFY(zlb.OpenArchive(path));
    QVERIFY(zlb.ExtractAll(tmp.filePath("out")));
    QCOMPARE(percents.size(), 40);
    QCOMPARE(percents.mid(0, 5), (QList<int>{2, 5, 8, 10, 12}));
    QCOMPARE(percents.last(), 100);
}

void TestZlbArchive::notOpenAndMissing() {
    TZLBArchive zlb;
    QVERIFY(!zlb.ExtractAll(QDir::tempPath()));
    QCOMPARE(zlb.errorString(), QString("No archive is currently open"));
    QVERIFY(!zlb.OpenArchive(QDir::tempPath() + "/no/such.igv"));
    QCOMPARE(zlb.errorString(), QString("Archive file not found"));
    QVERIFY(!zlb.OpenArchive(QString()));
    QVERIFY(!zlb.isOpen());
}

QTEST_GUILESS_MAIN(TestZlbArchive)
#include "test_zlb_archive.moc"
