// Where the frame wizard's preview puts its boxes for a layout of rows or columns.
#include "support/test_registry.h"
#include "wizards/frame_layout.h"

#include <QTest>

using namespace tamsel;

class FrameLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void boxes_share_the_area_data() {
        QTest::addColumn<int>("split");
        QTest::addColumn<QList<int>>("frames");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("gap");
        QTest::addColumn<QList<QRect>>("boxes");
        QTest::newRow("one frame fills the area inside the gap")
            << 0 << QList<int>{1} << QSize(100, 60) << 2 << QList<QRect>{{2, 2, 96, 56}};
        QTest::newRow("rows are cut across into their frames")
            << 0 << QList<int>{1, 3} << QSize(90, 60) << 0
            << QList<QRect>{{0, 0, 90, 30}, {0, 30, 30, 30}, {30, 30, 30, 30}, {60, 30, 30, 30}};
        QTest::newRow("columns are cut down into their frames")
            << 1 << QList<int>{2, 1} << QSize(80, 60) << 0 << QList<QRect>{{0, 0, 40, 30}, {0, 30, 40, 30}, {40, 0, 40, 60}};
        QTest::newRow("uneven shares differ by one pixel and fill the area")
            << 0 << QList<int>{1, 1, 1} << QSize(10, 10) << 0 << QList<QRect>{{0, 0, 10, 3}, {0, 3, 10, 3}, {0, 6, 10, 4}};
    }
    void boxes_share_the_area() {
        QFETCH(int, split);
        QFETCH(QList<int>, frames);
        QFETCH(QSize, area);
        QFETCH(int, gap);
        QFETCH(QList<QRect>, boxes);
        FrameLayout layout;
        layout.split = split == 0 ? FrameSplit::rows : FrameSplit::columns;
        layout.strips = static_cast<int>(frames.size());
        for (int i = 0; i < frames.size(); ++i) layout.frames[i] = frames[i];
        QCOMPARE(frame_boxes(layout, area, gap), boxes);
    }

    void only_the_first_strips_count() {
        FrameLayout layout;
        layout.strips = 2;
        layout.frames = {8, 8, 8, 8, 8, 8, 8, 8};
        QCOMPARE(frame_boxes(layout, QSize(400, 300), 2).size(), 16);
        layout.strips = 8;
        QCOMPARE(frame_boxes(layout, QSize(400, 300), 2).size(), 64);
    }
};

TAMSEL_TEST(FrameLayoutTest)
#include "frame_layout_test.moc"
