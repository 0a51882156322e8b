#include "store/helpers_fixtures.h"
#include "store/ini_file.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <sys/stat.h>

using namespace quillet;

// Runs against an open INI object and returns what the caller observed.
using IniOp = std::function<QString(TBigIniFile&)>;
Q_DECLARE_METATYPE(IniOp)

namespace {

const QByteArray kUntouched = QByteArrayLiteral("<untouched>");

quint64 inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void operations_data();
    void operations();
    void missingFileReadsEmptyAndWriteCreatesIt();
    void rereadSeesChangesOfTheSameSize();
    void largeStyleSheetLookups();
};

void TestIniFile::operations_data() {
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<IniOp>("op");
    QTest::addColumn<QString>("observed");
    QTest::addColumn<QByteArray>("after"); // kUntouched: the file was not rewritten

    const QByteArray longValue(300 - 2, 'v');
    const QByteArray simple = "[S]\r\nk=1\r\n\r\n";

    QTest::newRow("duplicate section: first wins, release drops the second")
        << QByteArray("[Style]\r\nx=1\r\n[STYLE]\r\nx=2\r\ny=3\r\n") << IniOp([](TBigIniFile& f) {
               return f.ReadString("style", "x", "-") + f.ReadString("Style", "y", "-");
           })
        << "1-" << QByteArray("[Style]\r\nx=1\r\n\r\n");
    QTest::newRow("300-character line reads as its first 255")
        << QByteArray("[S]\r\nk=" + longValue + "\r\n")
        << IniOp([](TBigIniFile& f) { return QString::number(f.ReadString("S", "k", "").size()); })
        << "253" << kUntouched;
    QTest::newRow("written line is cut to 255") << QByteArray() << IniOp([&](TBigIniFile& f) {
        f.WriteString("S", "key", QString(300, 'w'));
        return QString();
    }) << "" << QByteArray("[S]\r\nkey=" + QByteArray(251, 'w') + "\r\n\r\n");
    QTest::newRow("cut never splits a character outside the code page")
        << QByteArray() << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "k", QString(200, QChar(0x3A9)));
               return QString::number(f.ReadString("S", "k", "").size());
           })
        << "126" << QByteArray("[S]\r\nk=" + QString(126, QChar(0x3A9)).toUtf8() + "\r\n\r\n");

    struct Int {
        const char* name;
        const char* value;
        int expected;
    };
    const Int ints[] = {{"0x1F", "0x1F", 31},
                        {"0X1f", "0X1f", 31},
                        {"$1F", "$1F", 31},
                        {"letters", "abc", -7},
                        {"negative", "-42", -42},
                        {"leading spaces", "  12", 12},
                        {"trailing junk", "12a", -7},
                        {"too large", "99999999999", -7},
                        {"$FFFFFFFF", "$FFFFFFFF", -1},
                        {"empty", "", -7},
                        {"bare 0x", "0x", -7}};
    for (const Int& i : ints) {
        QTest::newRow(qPrintable(QString("ReadInteger ") + i.name))
            << QByteArray("[S]\r\nn=") + i.value + "\r\n"
            << IniOp([](TBigIniFile& f) { return QString::number(f.ReadInteger("S", "n", -7)); })
            << QString::number(i.expected) << kUntouched;
    }
    QTest::newRow("ReadBool") << QByteArray("[S]\r\nz=0\r\no=1\r\nt=7\r\n")
                              << IniOp([](TBigIniFile& f) {
                                     return QString("%1%2%3%4")
                                         .arg(f.ReadBool("S", "z", true))
                                         .arg(f.ReadBool("S", "o", false))
                                         .arg(f.ReadBool("S", "t", false))
                                         .arg(f.ReadBool("S", "absent", true));
                                 })
                              << "0111" << kUntouched;
    QTest::newRow("WriteBool and WriteInteger") << QByteArray() << IniOp([](TBigIniFile& f) {
        f.WriteBool("S", "b", true);
        f.WriteInteger("S", "i", -12);
        return QString();
    }) << "" << QByteArray("[S]\r\nb=1\r\ni=-12\r\n\r\n");
    QTest::newRow("hex integers")
        << QByteArray("[S]\r\nh=ff\r\nbad=xyz\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteHexInteger("S", "w", 255);
               f.WriteHexInteger("S", "m", -1);
               return QString("%1 %2 %3 %4")
                   .arg(f.ReadHexInteger("S", "h", 0))
                   .arg(f.ReadHexInteger("S", "absent", 0x1234))
                   .arg(f.ReadHexInteger("S", "bad", 5))
                   .arg(f.ReadHexInteger("S", "m", 0));
           })
        << "255 4660 5 -1"
        << QByteArray("[S]\r\nh=ff\r\nbad=xyz\r\nw=000000FF\r\nm=FFFFFFFF\r\n\r\n");
    QTest::newRow("same value leaves the file untouched") << simple << IniOp([](TBigIniFile& f) {
        f.WriteString("s", "k", "1");
        return QString::number(f.isModified());
    }) << "0" << kUntouched;
    QTest::newRow("same value, other key case, rewrites the line")
        << simple << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "K", "1");
               return QString::number(f.isModified());
           })
        << "1" << QByteArray("[S]\r\nK=1\r\n\r\n");
    QTest::newRow("section whose entries are all deleted is left out")
        << QByteArray("[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n\r\n") << IniOp([](TBigIniFile& f) {
               f.DeleteKey("A", "k");
               return QString();
           })
        << "" << QByteArray("[B]\r\nk=2\r\n\r\n");
    QTest::newRow("entries before the first header are lost on rewrite")
        << QByteArray("orphan=1\r\n[S]\r\nk=1\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "n", "2");
               return f.ReadString("", "orphan", "-");
           })
        << "-" << QByteArray("[S]\r\nk=1\r\nn=2\r\n\r\n");
    QTest::newRow("space before = belongs to the key")
        << QByteArray("[S]\r\na =1\r\n") << IniOp([](TBigIniFile& f) {
               return f.ReadString("S", "a", "-") + f.ReadString("S", "a ", "-");
           })
        << "-1" << kUntouched;
    QTest::newRow("line without = kept; Ctrl-Z and blank lines dropped")
        << QByteArray("[S]\r\njust text\r\n\x1a\r\n\r\nk=1\nj=2\rl=3") << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "k", "9");
               QStringList keys;
               f.ReadSection("S", keys);
               return keys.join(',');
           })
        << "k,j,l" << QByteArray("[S]\r\njust text\r\nk=9\r\nj=2\r\nl=3\r\n\r\n");
    QTest::newRow("header kept untrimmed")
        << QByteArray("[ Spaced ]\r\nk=1\r\n") << IniOp([](TBigIniFile& f) {
               return f.ReadString("Spaced", "k", "-") + f.ReadString(" Spaced ", "k", "-");
           })
        << "-1" << kUntouched;
    QTest::newRow("ReadSections and ReadSectionValues")
        << QByteArray("[A]\r\nx=1\r\ny=2\r\n[B]\r\n[C]\r\nz=3\r\n") << IniOp([](TBigIniFile& f) {
               QStringList names{"stale"};
               f.ReadSections(names);
               QStringList values{"kept"};
               f.ReadSectionValues("a", values);
               f.ReadSectionValues("missing", values);
               return names.join(',') + '|' + values.join(',');
           })
        << "A,B,C|kept,x=1,y=2" << kUntouched;
    QTest::newRow("empty key erases the section")
        << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteString("a", "", "");
               return f.ReadString("A", "x", "-");
           })
        << "-" << QByteArray("[B]\r\ny=2\r\n\r\n");
    QTest::newRow("EraseSection") << QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\n")
                                  << IniOp([](TBigIniFile& f) {
                                         f.EraseSection("B");
                                         return QString();
                                     })
                                  << "" << QByteArray("[A]\r\nx=1\r\n\r\n");
    QTest::newRow("DeleteKey of a missing section or key changes nothing")
        << simple << IniOp([](TBigIniFile& f) {
               f.DeleteKey("Other", "k");
               f.DeleteKey("S", "nothere");
               return QString::number(f.isModified());
           })
        << "0" << kUntouched;
    QTest::newRow("numbered list read with defaults")
        << QByteArray("[L]\r\nCount=3\r\n1=a\r\n3=c\r\n") << IniOp([](TBigIniFile& f) {
               QStringList list{"x"};
               f.ReadNumberedList("L", list, "?");
               f.ReadNumberedList("none", list, "?");
               return list.join(',');
           })
        << "x,a,?,c" << kUntouched;
    QTest::newRow("numbered list rewritten with the same items is untouched")
        << QByteArray("[L]\r\nCount=2\r\n1=a\r\n2=b\r\n\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteNumberedList("L", {"a", "b"});
               return QString::number(f.isModified());
           })
        << "0" << kUntouched;
    QTest::newRow("numbered list shrinks")
        << QByteArray("[L]\r\nCount=3\r\n1=a\r\n2=b\r\n3=c\r\nother=o\r\n")
        << IniOp([](TBigIniFile& f) {
               f.WriteNumberedList("L", {"z"});
               return QString();
           })
        << "" << QByteArray("[L]\r\nCount=1\r\nother=o\r\n1=z\r\n\r\n");
    QTest::newRow("Windows-1252 file keeps its bytes")
        << QByteArray("[S]\r\nk=caf\xe9 \x93q\x94\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "n", "1");
               return f.ReadString("S", "k", "");
           })
        << QString::fromUtf8("café “q”") << QByteArray("[S]\r\nk=caf\xe9 \x93q\x94\r\nn=1\r\n\r\n");
    QTest::newRow("UTF-8 file read as UTF-8, written as Windows-1252 when it fits")
        << QByteArray("[S]\r\nk=caf\xc3\xa9\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "n", "1");
               return f.ReadString("S", "k", "");
           })
        << QString::fromUtf8("café") << QByteArray("[S]\r\nk=caf\xe9\r\nn=1\r\n\r\n");
    QTest::newRow("character outside the code page makes the file UTF-8")
        << QByteArray("[S]\r\nk=caf\xe9\r\n") << IniOp([](TBigIniFile& f) {
               f.WriteString("S", "g", QString::fromUtf8("Ω"));
               return QString();
           })
        << "" << QByteArray("[S]\r\nk=caf\xc3\xa9\r\ng=\xce\xa9\r\n\r\n");
    QTest::newRow("last-found search wraps around")
        << QByteArray("[A]\r\na=1\r\n[B]\r\nb=2\r\n[C]\r\nc=3\r\n") << IniOp([](TBigIniFile& f) {
               return f.ReadString("C", "c", "-") + f.ReadString("A", "a", "-") +
                      f.ReadString("B", "b", "-") + f.ReadString("C", "c", "-");
           })
        << "3123" << kUntouched;
}

void TestIniFile::operations() {
    QFETCH(QByteArray, before);
    QFETCH(IniOp, op);
    QFETCH(QString, observed);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    const QString path = dir.filePath("test.ini");
    if (!before.isNull())
        QVERIFY(test::writeFile(path, before));
    const quint64 inode = inodeOf(path);
    {
        TBigIniFile ini(path);
        QCOMPARE(op(ini), observed);
    }
    if (after == kUntouched) {
        QCOMPARE(test::readFile(path), before);
        QCOMPARE(inodeOf(path), inode);
    } else {
        QCOMPARE(test::readFile(path), after);
    }
}

void TestIniFile::missingFileReadsEmptyAndWriteCreatesIt() {
    QTemporaryDir dir;
    const QString path = dir.filePath("new.ini");
    {
        TBigIniFile ini(path);
        QCOMPARE(ini.ReadString("S", "k", "d"), QString("d"));
        QVERIFY(ini.errorString().isEmpty());
    }
    QVERIFY(!QFileInfo::exists(path));
    {
        TBigIniFile ini(path);
        ini.WriteString("S", "k", "v");
        QVERIFY(ini.UpdateFile());
        QVERIFY(!ini.isModified());
    }
    QCOMPARE(test::readFile(path), QByteArray("[S]\r\nk=v\r\n\r\n"));

    // A folder that cannot hold the file: the write fails and says so.
    TBigIniFile bad(dir.filePath("no/such/folder/x.ini"));
    bad.WriteString("S", "k", "v");
    QVERIFY(!bad.UpdateFile());
    QVERIFY(!bad.errorString().isEmpty());
    QVERIFY(bad.isModified());
}

void TestIniFile::rereadSeesChangesOfTheSameSize() {
    QTemporaryDir dir;
    const QString path = dir.filePath("style.ini");
    QVERIFY(test::writeFile(path, "[S]\r\nk=1\r\n"));
    QCOMPARE(TBigIniFile(path).ReadString("S", "k", ""), QString("1"));
    QVERIFY(test::writeFile(path, "[S]\r\nk=2\r\n"));
    QCOMPARE(TBigIniFile(path).ReadString("S", "k", ""), QString("2"));
    {
        TBigIniFile ini(path);
        ini.WriteString("S", "k", "3");
    }
    QCOMPARE(TBigIniFile(path).ReadString("S", "k", ""), QString("3"));
}

void TestIniFile::largeStyleSheetLookups() {
    QTemporaryDir dir;
    const QString path = dir.filePath("styles.ini");
    QByteArray content;
    for (int s = 0; s < 100; ++s) {
        content += "[Style" + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < 20; ++k)
            content +=
                "Key" + QByteArray::number(k) + "=" + QByteArray::number(s * 100 + k) + "\r\n";
    }
    QVERIFY(test::writeFile(path, content));
    for (int round = 0; round < 50; ++round) {
        TBigIniFile ini(path);
        QCOMPARE(ini.ReadInteger("style99", "key19", -1), 9919);
        QCOMPARE(ini.ReadInteger("Style0", "Key0", -1), 0);
    }
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_ini_file.moc"
