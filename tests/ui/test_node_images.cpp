#include "ui/node_images.h"

#include <QDir>
#include <QTest>

using namespace quillet;

namespace {

// The number of pixels that look clearly different: alpha or a colour channel (weighted
// by alpha) apart by more than a quarter of its range. Two shapes of one colour and two
// colours of one shape both count.
int differingPixels(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int count = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            const int d = qMax(qMax(qAbs(qAlpha(p) - qAlpha(q)), qAbs(qRed(p) - qRed(q))),
                               qMax(qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))));
            count += d > 64;
        }
    }
    return count;
}

} // namespace

class TestNodeImages : public QObject {
    Q_OBJECT

private slots:
    void catalogueNames_data();
    void catalogueNames();
    void everyPictureIsDrawn();
    void picturesAreDistinct();
    void outsideTheListIsEmpty();
    void writeContactSheet();
};

void TestNodeImages::catalogueNames_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << 0 << "Navy Page";
    QTest::newRow("chooser spelling") << 24 << "Calander";
    QTest::newRow("red and yellow") << 42 << "Ying Yang (Red/Yellow)";
    QTest::newRow("first tarot") << 96 << "Lovers (Tarot)";
    QTest::newRow("priestess spelling") << 109 << "Prestess (Tarot)";
    QTest::newRow("last tarot") << 115 << "Universe (Tarot)";
    QTest::newRow("digit zero") << 125 << "Number 0";
    QTest::newRow("digit nine") << 134 << "Number 9";
    QTest::newRow("last") << 149 << "Man In Box";
}

void TestNodeImages::catalogueNames() {
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(nodeImageNames().size(), kNodeImageCount);
    QCOMPARE(nodeImageName(index), name);
}

void TestNodeImages::everyPictureIsDrawn() {
    for (int i = 0; i < kNodeImageCount; ++i) {
        const QImage image = nodeImage(i);
        QCOMPARE(image.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        if (opaque < 24)
            QFAIL(qPrintable(
                QStringLiteral("picture %1 (%2) is nearly empty").arg(i).arg(nodeImageName(i))));
    }
}

void TestNodeImages::picturesAreDistinct() {
    // Families drawn from one shape (pages, books, post-its, balls, flowers, butterflies,
    // tarot cards, digits) differ by colour or symbol; no two pictures may look alike.
    int closest = 256;
    QString pair;
    for (int i = 0; i < kNodeImageCount; ++i) {
        for (int j = i + 1; j < kNodeImageCount; ++j) {
            const int d = differingPixels(nodeImage(i), nodeImage(j));
            if (d < closest) {
                closest = d;
                pair = nodeImageName(i) + QStringLiteral(" / ") + nodeImageName(j);
            }
        }
    }
    qInfo("closest pair: %s (%d pixels apart)", qPrintable(pair), closest);
    QVERIFY2(closest >= 8, qPrintable(pair));
}

void TestNodeImages::outsideTheListIsEmpty() {
    QVERIFY(nodeImage(-1).isNull());
    QVERIFY(nodeImage(kNodeImageCount).isNull());
    QVERIFY(nodeIcon(kNodeImageCount).isNull());
    QVERIFY(nodeImageName(150).isEmpty());
}

void TestNodeImages::writeContactSheet() {
    // Written beside the test (or where QUILLET_CONTACT_SHEET says) for a person to look at.
    QString path = qEnvironmentVariable("QUILLET_CONTACT_SHEET");
    if (path.isEmpty())
        path = QDir::current().absoluteFilePath(QStringLiteral("node_images_contact_sheet.png"));
    const QImage sheet = nodeImageContactSheet();
    QVERIFY(sheet.save(path, "PNG"));
    QImage back(path);
    QCOMPARE(back.size(), sheet.size());
}

QTEST_MAIN(TestNodeImages)
#include "test_node_images.moc"
