#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

#include "device_table.h"
#include "qt_printers.h"
#include "range_changes.h"
#include "table_view.h"

namespace {

class TableViewTest : public ::testing::Test {
protected:
    void SetUp() override { table.BuildTable(map); }

    void ChangeResolution(int resolution) {
        ApplyResolution(map, ResolutionIndexOf(resolution));
        table.RefreshTable(map);
    }

    QWidget form;
    TableView table{&form, '.'};
    VoltageMap map;
};

TEST_F(TableViewTest, ScrollRangeAtEveryResolution) {
    struct Case {
        int resolution, maximum;
        bool visible;
    };
    for (const Case c : {Case{64, 8160, true}, Case{32, 0, false}, Case{128, 24480, true}}) {
        ChangeResolution(c.resolution);
        EXPECT_EQ(table.ScrollMaximum(), c.maximum) << c.resolution << " rows";
        EXPECT_EQ(table.ScrollBarVisible(), c.visible) << c.resolution << " rows";
        EXPECT_EQ(table.Picture1->height(), c.resolution * 17) << c.resolution << " rows";
    }
}

TEST_F(TableViewTest, PanelFollowsTheScrollPosition) {
    table.VScroll->setValue(1200);
    EXPECT_EQ(table.PanelTop(), -1200);
    EXPECT_EQ(table.Picture1->y(), -80);
    table.SetScrollPosition(30000);  // beyond the maximum
    EXPECT_EQ(table.ScrollPosition(), 24480);
    EXPECT_EQ(table.PanelTop(), -24480);

    ChangeResolution(64);  // the position is kept within the smaller range
    EXPECT_EQ(table.ScrollPosition(), 8160);
    EXPECT_EQ(table.PanelTop(), -8160);
    ChangeResolution(16);
    EXPECT_EQ(table.ScrollPosition(), 0);
    EXPECT_EQ(table.PanelTop(), 0);
}

TEST_F(TableViewTest, RowsBeyondTheResolutionAreHiddenAndComeBack) {
    map.InputRangeMax = 5;
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

}  // namespace
