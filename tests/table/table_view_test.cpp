#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <tuple>

#include "core/map_document.h"
#include "table/table_view.h"
#include "tests/fakes/qt_printers.h"

namespace {

class TableViewTest : public ::testing::Test {
protected:
    void SetUp() override { table.BuildTable(document.Map()); }

    void ChangeResolution(int resolution) {
        document.ChangeResolution(ResolutionIndexOf(resolution));
        table.RefreshTable(document.Map());
    }

    QWidget form;
    TableView table{&form, '.'};
    MapDocument document;
};

// 17 pixels and 255 twips a row, 32 rows in view.
TEST_F(TableViewTest, ScrollRangeAndPanelFollowTheResolution) {
    EXPECT_TRUE(table.ScrollBarVisible());
    table.VScroll->setValue(1200);
    EXPECT_EQ(table.PanelTop(), -1200);
    EXPECT_EQ(table.Picture1->y(), -80);
    table.SetScrollPosition(30000);  // beyond the maximum
    EXPECT_EQ(table.ScrollPosition(), 24480);
    ChangeResolution(64);  // the position is kept within the smaller range
    EXPECT_EQ(std::tuple(table.ScrollMaximum(), table.PanelTop(), table.Picture1->height()),
              std::tuple(8160, -8160, 64 * 17));
    ChangeResolution(32);
    EXPECT_EQ(table.ScrollMaximum(), 0);
    EXPECT_FALSE(table.ScrollBarVisible());
}

TEST_F(TableViewTest, RowsBeyondTheResolutionAreHiddenAndComeBack) {
    document.ChangeInputSpan(0);
    ChangeResolution(8);
    EXPECT_TRUE(table.Text1[7]->isVisibleTo(&form));
    EXPECT_FALSE(table.Text1[8]->isVisibleTo(&form));
    EXPECT_FALSE(table.Label2[127]->isVisibleTo(&form));
    EXPECT_EQ(table.CellText(0), "1.875");  // entry 32 = 32 -> 32 * 15 / 256
    EXPECT_EQ(table.Label2[0]->text() + table.Label2[7]->text(), "0.6255.000");

    ChangeResolution(128);
    EXPECT_TRUE(table.Text1[127]->isVisibleTo(&form));
    EXPECT_EQ(table.Label1[100]->text(), "101:");
    EXPECT_EQ(table.CellText(100), "11.836");  // entry 202 -> 202 * 15 / 256 = 11.8359375
}

// Three rows a notch, the platform's default; a touchpad's eighths of a notch add up.
TEST_F(TableViewTest, TheWheelScrollsByRowsOverTheRowsAndTheScrollBar) {
    const auto wheel = [](QWidget* over, int delta) {
        QWheelEvent event({5, 5}, over->mapToGlobal(QPointF(5, 5)), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    };
    wheel(table.Text1[0], -120);
    EXPECT_EQ(table.ScrollPosition(), 3 * 255);
    for (int i = 0; i < 3; ++i) {
        wheel(table.VScroll, -15);  // 135 of the 120 a row takes
    }
    EXPECT_EQ(table.ScrollPosition(), 4 * 255);
    wheel(table.Label2[0], 120);  // the other way: what was left over goes
    EXPECT_EQ(table.ScrollPosition(), 255);
}

}  // namespace
