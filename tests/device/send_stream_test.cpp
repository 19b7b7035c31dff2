#include <gtest/gtest.h>

#include "hand_map.h"
#include "send_stream.h"
#include "voltage_map.h"

namespace {

VoltageMap MapWith(int inputMax, int outputMax, int inputFilter, int outputFilter) {
    VoltageMap map;
    map.InputRangeMax = inputMax;
    map.OutputRangeMax = outputMax;
    map.InputFilter = inputFilter;
    map.OutputFilter = outputFilter;
    FillStartLine(map);
    return map;
}

void ExpectPacket(const SendStream& stream, int k, int payload) {
    EXPECT_EQ(stream[3 * k], payload) << "packet " << k;
    EXPECT_EQ(stream[3 * k + 1], 0xFF) << "packet " << k;
    EXPECT_EQ(stream[3 * k + 2], 0xFF) << "packet " << k;
}

TEST(SendStream, DefaultMapSendsTheIdentity) {
    const SendStream stream = BuildSendStream(MapWith(15, 15, 0, 0));
    ExpectPacket(stream, 0, 0x05);
    for (int k = 1; k <= 255; ++k) {
        ExpectPacket(stream, k, k);
    }
}

TEST(SendStream, ConfigurationByte) {
    struct Case {
        int inputMax, outputMax, inputFilter, outputFilter, config;
    };
    const Case cases[] = {
        {15, 15, 0, 0, 0x05}, {10, 10, 1, 1, 0x6A}, {5, 5, 0, 0, 0x00},
        {5, 15, 1, 0, 0x03},  {15, 5, 0, 1, 0x24},  {10, 5, 1, 1, 0x2A},
    };
    for (const Case& c : cases) {
        const SendStream stream =
            BuildSendStream(MapWith(c.inputMax, c.outputMax, c.inputFilter, c.outputFilter));
        EXPECT_EQ(stream[0], c.config)
            << c.inputMax << " " << c.outputMax << " " << c.inputFilter << c.outputFilter;
    }
}

TEST(SendStream, FullOutputSends255NeverWrapping) {
    VoltageMap map = MapWith(15, 10, 0, 0);
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, 10.0);
    }
    const SendStream stream = BuildSendStream(map);
    ExpectPacket(stream, 1, 128);  // halfway to the first breakpoint: 5 V of 10 V
    for (int k = 2; k <= 255; ++k) {
        ExpectPacket(stream, k, 255);
    }
}

TEST(SendStream, OtherSpansFiltersAndResolution) {
    const SendStream stream = BuildSendStream(HandMap());
    ExpectPacket(stream, 0, 0x2A);
    for (int m = 1; m <= 255; ++m) {
        ExpectPacket(stream, m, HandEntry(m));
    }
    // A few bytes read off by hand, beside the formulas above.
    const std::pair<int, int> spots[] = {
        {1, 2},   {32, 64},  {63, 126},  {97, 132},  {127, 252}, {128, 255}, {129, 248}, {159, 8},
        {160, 0}, {193, 37}, {224, 192}, {225, 192}, {226, 193}, {228, 194}, {255, 204}};
    for (const auto& [m, value] : spots) {
        EXPECT_EQ(stream[3 * m], value) << "entry " << m;
    }
}

TEST(SendStream, ProgressArithmetic) {
    const std::pair<int, int> blocks[] = {{1, 0},  {7, 0},  {8, 1},    {22, 1},   {23, 2},
                                          {39, 2}, {40, 3}, {247, 16}, {246, 15}, {255, 16}};
    for (const auto& [k, count] : blocks) {
        EXPECT_EQ(ProgressBlocksAfter(k), count) << "packet " << k;
    }
    const std::pair<int, int> percents[] = {{1, 1},    {31, 12},  {95, 38},   {127, 50},
                                            {159, 62}, {223, 88}, {254, 100}, {255, 100}};
    for (const auto& [k, percent] : percents) {
        EXPECT_EQ(ProgressPercentAfter(k), percent) << "packet " << k;
    }
}

}  // namespace
