#include "editing/ruler_geometry.h"
#include "editing/ruler_widget.h"

#include <QFrame>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

using namespace quillet;

namespace {

// A ruler over an editor whose paragraph has the given indents.
struct RulerFixture {
    QTextEdit editor;
    RulerWidget ruler;
    explicit RulerFixture(int first, int left, int right, int width = 579) {
        editor.setPlainText(QStringLiteral("A paragraph of text."));
        ParaAttributes p;
        p.firstIndent = first;
        p.leftIndent = left;
        p.rightIndent = right;
        QTextCursor c = editor.textCursor();
        writeParaAttributes(
            c, p, ParaField::FirstIndent | ParaField::LeftIndent | ParaField::RightIndent);
        ruler.resize(width, ruler::kHeight);
        ruler.show();
        ruler.attach(&editor);
        ruler.PlaceRulerMarkers();
    }
    ParaAttributes para() const { return readParaAttributes(editor.textCursor()); }
};

// Press a marker `pressX` pixels into it, move by `dx`, release where the pointer is.
void drag(RulerMarker* marker, int pressX, int dx) {
    const QPoint press(pressX, marker->height() / 2);
    QTest::mousePress(marker, Qt::LeftButton, {}, press);
    if (dx != 0) {
        QMouseEvent move(QEvent::MouseMove, QPointF(press + QPoint(dx, 0)),
                         marker->mapToGlobal(QPointF(press + QPoint(dx, 0))), Qt::NoButton,
                         Qt::LeftButton, {});
        QCoreApplication::sendEvent(marker, &move);
    }
    // After the move the marker is centred under the pointer again.
    QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(marker->width() / 2, press.y()));
}

} // namespace

class TestRuler : public QObject {
    Q_OBJECT

private slots:
    void placement_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("firstEdge");
        QTest::addColumn<int>("leftEdge");
        QTest::addColumn<int>("rightEdge");
        QTest::newRow("no indents, 579 wide") << 0 << 0 << 0 << 579 << 2 << 2 << 565;
        QTest::newRow("first indent 30") << 30 << 0 << 0 << 579 << 42 << 42 << 565;
        QTest::newRow("hanging") << 36 << -18 << 9 << 400 << 50 << 26 << 374;
        // 1 point is 4/3 pixel: 0.5 can never arise, 1.33 rounds down, 2.67 up.
        QTest::newRow("rounding") << 1 << 1 << 1 << 100 << 3 << 5 << 85;
    }
    void placement() {
        QFETCH(int, first);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(int, width);
        QFETCH(int, firstEdge);
        QFETCH(int, leftEdge);
        QFETCH(int, rightEdge);
        QCOMPARE(ruler::firstIndLeft(first), firstEdge);
        QCOMPARE(ruler::leftIndLeft(first, left), leftEdge);
        QCOMPARE(ruler::rightIndLeft(right, width), rightEdge);
    }

    void releaseFormulasInvertPlacement() {
        for (int first = -100; first <= 400; ++first) {
            QCOMPARE(ruler::firstIndentAt(ruler::firstIndLeft(first)), first);
            for (int left : {-40, -7, 0, 5, 13})
                QCOMPARE(ruler::leftIndentAt(ruler::leftIndLeft(first, left), first), left);
            QCOMPARE(ruler::rightIndentAt(ruler::rightIndLeft(first, 579), 579), first);
        }
    }

    void stripLayout() {
        RulerFixture f(0, 0, 0);
        QCOMPARE(f.ruler.height(), 26);
        QCOMPARE(f.ruler.firstInd()->geometry(), QRect(2, 2, 10, 9));
        QCOMPARE(f.ruler.leftInd()->geometry(), QRect(2, 12, 10, 11));
        QCOMPARE(f.ruler.rightInd()->geometry(), QRect(565, 14, 9, 12));
        QCOMPARE(f.ruler.rulerLine()->geometry(), QRect(4, 12, 571, 2));
        QCOMPARE(RulerWidget::tickText().size(), 200);
        QVERIFY(RulerWidget::tickText().startsWith(QStringLiteral("\t|\t|")));
    }

    void pressAndReleaseWithoutMovingKeepsTheIndents_data() {
        QTest::addColumn<int>("marker"); // 0 first, 1 left, 2 right
        QTest::newRow("FirstInd") << 0;
        QTest::newRow("LeftInd") << 1;
        QTest::newRow("RightInd") << 2;
    }
    void pressAndReleaseWithoutMovingKeepsTheIndents() {
        QFETCH(int, marker);
        RulerFixture f(17, -5, 11);
        QSignalSpy released(&f.ruler, &RulerWidget::markerReleased);
        RulerMarker* m = marker == 0   ? f.ruler.firstInd()
                         : marker == 1 ? f.ruler.leftInd()
                                       : f.ruler.rightInd();
        drag(m, m->width() / 2, 0);
        QCOMPARE(released.count(), 1);
        const ParaAttributes p = f.para();
        QCOMPARE(p.firstIndent, 17);
        QCOMPARE(p.leftIndent, -5);
        QCOMPARE(p.rightIndent, 11);
    }

    void draggingFirstLineKeepsTheLaterLines() {
        RulerFixture f(10, 20, 0);
        const int later = ruler::firstIndentAt(f.ruler.leftInd()->x()); // 30 points
        QCOMPARE(later, 30);
        drag(f.ruler.firstInd(), f.ruler.firstInd()->width() / 2, 40);
        const ParaAttributes p = f.para();
        QCOMPARE(p.firstIndent, ruler::firstIndentAt(f.ruler.firstInd()->x()));
        QVERIFY(p.firstIndent > 10);
        QCOMPARE(p.firstIndent + p.leftIndent, later);
    }

    void draggingLeftMarkerPastFirstGivesHangingIndent() {
        RulerFixture f(30, 0, 0);
        drag(f.ruler.leftInd(), f.ruler.leftInd()->width() / 2, -24);
        const ParaAttributes p = f.para();
        QCOMPARE(p.firstIndent, 30);
        QCOMPARE(p.leftIndent, -18);
    }

    void draggingRightMarker() {
        RulerFixture f(0, 0, 0);
        drag(f.ruler.rightInd(), f.ruler.rightInd()->width() / 2, -40);
        QCOMPARE(f.para().rightIndent, 30);
    }

    void hidingAndShowingKeepsTheMarkers() {
        RulerFixture f(30, 6, 12);
        const QPoint first = f.ruler.firstInd()->pos();
        const QPoint right = f.ruler.rightInd()->pos();
        f.ruler.show();
        f.ruler.hide();
        f.ruler.show();
        QCOMPARE(f.ruler.firstInd()->pos(), first);
        QCOMPARE(f.ruler.rightInd()->pos(), right);
    }

    void resizingMovesTheRightMarker() {
        RulerFixture f(0, 0, 0);
        f.ruler.resize(400, ruler::kHeight);
        QCOMPARE(f.ruler.rightInd()->x(), 386);
        QCOMPARE(f.ruler.rulerLine()->width(), 392);
    }
};

QTEST_MAIN(TestRuler)
#include "test_ruler.moc"
