#include "device/box_state.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/voltage_map.h"
#include "history/sent_maps.h"

namespace {

// The box holds the stream of the newest send to its com number; the note never reaches it.
TEST(BoxState, TheNewestSendToTheChosenNumberDecides) {
    QTemporaryDir dir;
    SentMaps sent(dir.filePath("sent"));
    LastSentStream last(sent);
    VoltageMap start, changed, finer, filtered;
    for (VoltageMap* map : {&start, &changed, &finer, &filtered}) {
        FillStartLine(*map);
    }
    changed.SetOutputValue(5, 9);
    finer.SetOutputValue(0, 0.118);  // 0.117 V and 0.118 V are both entry 2 of 256
    filtered.OutputFilter = 1;
    WriteResult result;
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 0));
    last.Refresh(1);
    EXPECT_EQ(last.StateOf(start), BoxState::NothingSent);
    VoltageMap noted = start;
    noted.Note = "a note";
    sent.Keep(changed, 1, when, result);
    sent.Keep(noted, 1, when, result);
    sent.Keep(changed, 11, when, result);
    // An older copy of the same map does not stand for a box that a send broke off on.
    sent.Keep(start, 5, when, result);
    sent.BeginSend(start, 5, when, result);
    QFile bad(sent.Folder() + "/000009_bad_com2.pax");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly) && bad.write("15\r\n") == 4);
    bad.close();

    const struct {
        int port;
        const VoltageMap& map;
        BoxState state;
    } cases[] = {
        {1, start, BoxState::Same},        {1, finer, BoxState::Same},
        {1, changed, BoxState::Different}, {1, filtered, BoxState::Different},
        {11, changed, BoxState::Same},     {2, start, BoxState::NothingSent},
        {3, start, BoxState::NothingSent}, {5, start, BoxState::CutOff},
    };
    for (const auto& c : cases) {
        last.Refresh(c.port);
        EXPECT_EQ(last.StateOf(c.map), c.state) << "com " << c.port << " " << &c.map;
    }
}

}  // namespace
