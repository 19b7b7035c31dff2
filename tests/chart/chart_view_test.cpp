#include "chart_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>

#include "device_table.h"
#include "fake_chart_host.h"
#include "voltage_map.h"

namespace {

/// Collects the rectangles the panel actually repaints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    int paints = 0;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

class ChartViewTest : public ::testing::Test {
protected:
    ChartViewTest() : view(map) {
        FillStartLine(map);
        BuildDeviceTable(map);
        map.SelectedPoint = 128;
        view.Chart().RedrawChart();
        view.EnableEditing(host, stepButtonHeld);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    VoltageMap map;
    ChartView view;
    FakeChartHost host;
    bool stepButtonHeld = false;
};

TEST_F(ChartViewTest, PanelIdentityPointerAndSize) {
    EXPECT_EQ(view.objectName(), "Frame7");
    view.setTitle("Grafikon");
    EXPECT_EQ(view.title(), "Grafikon");
    EXPECT_EQ(view.size(), QSize(713, 609));
    EXPECT_EQ(view.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view.cursor().pixmap().size(), QSize(32, 32));
}

TEST_F(ChartViewTest, RealMouseDragChangesTheValue) {
    // Breakpoint 4 sits at x 870 twips (58 px) and is drawn at y 8330 (555.3 px).
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
    EXPECT_EQ(map.SelectedPoint, 4);
    EXPECT_TRUE(stepButtonHeld);
    QTest::mouseMove(&view, QPoint(58, 455));
    // 0.586 + (8325 - 6825) * 15 / 8192 = 3.3326
    EXPECT_DOUBLE_EQ(map.OutputValues[4], 3.333);
    EXPECT_EQ(map.DeviceTable[10], 57);         // N(3.333 * 256 / 15) = N(56.88)
    QTest::mouseMove(&view, QPoint(-40, -40));  // outside the panel, above the top
    EXPECT_DOUBLE_EQ(map.OutputValues[4], 15.0);
    QTest::mouseMove(&view, QPoint(58, 455));
    EXPECT_DOUBLE_EQ(map.OutputValues[4], 3.342);  // (8650 - 6825) * 15 / 8192 = 3.3417
    host.calls.clear();
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, 455));
    EXPECT_FALSE(stepButtonHeld);
    EXPECT_EQ(host.calls, std::vector<std::string>{"SetEditedCell 4"});
}

TEST_F(ChartViewTest, DoubleClickIsNoExtraPress) {
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
    host.calls.clear();
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(58, 555),
                            view.mapToGlobal(QPointF(58, 555)), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(&view, &doubleClick);
    EXPECT_TRUE(host.calls.empty());
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, 555));
}

TEST_F(ChartViewTest, ReleaseOutsideThePanelIsNoClick) {
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
    QTest::mouseMove(&view, QPoint(58, -40));
    host.calls.clear();
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, -40));
    EXPECT_FALSE(stepButtonHeld);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(ChartViewTest, RightButtonLeavesEverything) {
    QTest::mousePress(&view, Qt::RightButton, {}, QPoint(58, 555));
    QTest::mouseMove(&view, QPoint(58, 455));
    QTest::mouseRelease(&view, Qt::RightButton, {}, QPoint(58, 455));
    EXPECT_EQ(map.SelectedPoint, 128);
    EXPECT_DOUBLE_EQ(map.OutputValues[4], 0.586);
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(ChartViewTest, MarkerDotAndAxisArePainted) {
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, 555));
    const QImage image = view.grab().toImage();
    // Dot of code 10 at (870, 8330): twips 802..937 x 8262..8397, pixels 53..61 x 551..559.
    EXPECT_EQ(image.pixelColor(53, 555), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(61, 555), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(57, 555), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(300, 577), QColor(0, 192, 0));   // input axis
    EXPECT_EQ(image.pixelColor(32, 300), QColor(128, 0, 128));  // output axis
}

TEST_F(ChartViewTest, DragRepaintsOnlyAroundThePoint) {
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
    QApplication::processEvents();
    PaintRecorder recorder;
    view.installEventFilter(&recorder);
    QTest::mouseMove(&view, QPoint(58, 550));
    QApplication::processEvents();
    view.removeEventFilter(&recorder);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, 550));
    ASSERT_GT(recorder.paints, 0);
    const QRect bounds = recorder.painted.boundingRect();
    EXPECT_LT(bounds.width(), 80) << bounds.x() << "," << bounds.y();
    EXPECT_LT(bounds.height(), 60) << bounds.x() << "," << bounds.y();
}

TEST_F(ChartViewTest, AxisLabelsHaveTheirOwnToolTips) {
    view.setToolTip("panel");
    EXPECT_EQ(view.ToolTipAt(QPoint(226, 600)), QString::fromUtf8("Bemeneti feszültség."));
    EXPECT_EQ(view.ToolTipAt(QPoint(10, 305)), QString::fromUtf8("Kimeneti feszültség."));
    EXPECT_EQ(view.ToolTipAt(QPoint(300, 300)), "panel");
}

}  // namespace
