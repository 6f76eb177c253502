// The display line of a load: built from the fields, rebuilt from a record, read back.
#include <gtest/gtest.h>

#include <limits>

#include "data/BeamRecord.h"
#include "editor/LoadLine.h"

namespace zel {
namespace {

std::array<std::string, 6> Fields(std::initializer_list<const char*> texts) {
    std::array<std::string, 6> fields;
    int i = 0;
    for (const char* t : texts) fields[i++] = t;
    return fields;
}

TEST(LoadLineTest, LinesBuiltFromTheFields) {
    // Type 4: w 500, L1 0, L2 6, H 3.5 (fields w, L1, L2, H).
    EXPECT_EQ(BuildLoadLine(4, Fields({"500", "0", "6", "3.5"})),
              "4    500.0  3.5000 0.0000 6.0000");
    // Type 1 has no height: eight blanks stand in its column, and only L1 follows.
    EXPECT_EQ(BuildLoadLine(1, Fields({"250", "2.5"})),
              "1    250.0" + std::string(8, ' ') + " 2.5000");
    // Type 5: w, L1..L4, H.
    EXPECT_EQ(BuildLoadLine(5, Fields({"300", "1", "2", "1.5", "12.5", "3"})),
              "5    300.0  3.0000 1.0000 2.0000 1.5000 12.500");
    // Decimals by size: two from 10 on, one above 99.994, the load whole from 1000000.
    EXPECT_EQ(BuildLoadLine(4, Fields({"1000000", "12.5", "100", "10"})),
              "4  1000000   10.00  12.50  100.0");
    EXPECT_EQ(BuildLoadLine(2, Fields({"-20", "0", "99.994", "100000"})),
              "2    -20.0  100000 0.0000  99.99");
    // Texts are read by their leading number; an empty field is 0.
    EXPECT_EQ(BuildLoadLine(6, Fields({"12abc", "", "3", "1"})),
              "6     12.0  1.0000 0.0000 3.0000");
}

TEST(LoadLineTest, LinesRebuiltFromAStoredRecord) {
    LoadLineValues load;
    load.type = 4;
    load.value = 500;
    load.height = 3;
    load.lengths = {12.5, 6, 0, 0};
    // The record's builder gives three decimals where the field builder gives two.
    EXPECT_EQ(RecordLoadLine(load), "4    500.0  3.0000 12.500 6.0000");
    EXPECT_EQ(BuildLoadLine(4, Fields({"500", "12.5", "6", "3"})),
              "4    500.0  3.0000  12.50 6.0000");
    load.lengths = {100000, 12.5, 0, 0};
    load.height = 12.5;
    EXPECT_EQ(RecordLoadLine(load), "4    500.0  12.500 100000 12.500");

    BeamRecord beam;
    beam.loadCount = 2;
    beam.loadType[0] = 1;
    beam.loadValue[0] = 0.25f;
    beam.loadLengths[0] = {2.5f, 0, 0, 0};
    beam.loadType[1] = 5;
    beam.loadValue[1] = 0.35f;  // 350 kg/m2, not 349.99997
    beam.loadHeight[1] = 3;
    beam.loadLengths[1] = {0, 2, 2, 2};
    EXPECT_EQ(RecordLoadLine(beam, 1), "1    250.0" + std::string(8, ' ') + " 2.5000");
    EXPECT_EQ(RecordLoadLine(beam, 2), "5    350.0  3.0000 0.0000 2.0000 2.0000 2.0000");

    // A damaged record's non-finite value keeps its column, so the line reads back in order.
    beam.loadValue[1] = std::numeric_limits<float>::quiet_NaN();
    beam.loadLengths[1][1] = std::numeric_limits<float>::infinity();
    const std::string line = RecordLoadLine(beam, 2);
    EXPECT_EQ(line, "5      0.0  3.0000 0.0000 0.0000 2.0000 2.0000");
    EXPECT_DOUBLE_EQ(ParseLoadLine(line).lengths[3], 2.0);
}

TEST(LoadLineTest, LinesReadBack) {
    LoadLineValues uniform = ParseLoadLine("4    500.0  3.5000 1.2000 6.0000");
    EXPECT_EQ(uniform.type, 4);
    EXPECT_DOUBLE_EQ(uniform.value, 500);
    EXPECT_FLOAT_EQ(uniform.height, 3.5f);
    EXPECT_FLOAT_EQ(uniform.lengths[0], 1.2f);
    EXPECT_DOUBLE_EQ(uniform.lengths[1], 6);
    EXPECT_DOUBLE_EQ(uniform.lengths[2], 0);

    LoadLineValues point = ParseLoadLine("1    -10.0" + std::string(8, ' ') + " 2.5000");
    EXPECT_EQ(point.type, 1);
    EXPECT_DOUBLE_EQ(point.value, -10);
    EXPECT_DOUBLE_EQ(point.height, 0);
    EXPECT_DOUBLE_EQ(point.lengths[0], 2.5);

    LoadLineValues trapezoid = ParseLoadLine("5    300.0  3.0000 1.0000 2.0000 1.5000 12.500");
    EXPECT_DOUBLE_EQ(trapezoid.height, 3);
    EXPECT_DOUBLE_EQ(trapezoid.lengths[3], 12.5);

    // A short or empty line gives zeros, never garbage.
    LoadLineValues empty = ParseLoadLine("");
    EXPECT_EQ(empty.type, 0);
    EXPECT_DOUBLE_EQ(empty.value, 0);
    EXPECT_DOUBLE_EQ(ParseLoadLine("5 100").lengths[3], 0);
}

TEST(LoadLineTest, FindLoadBeyondSpan) {
    const std::vector<std::string> lines = {
        "4    500.0  3.0000 2.0000 4.0000",                // reaches 6
        "1    100.0        9.0000",                        // a point load beyond the span
        "5    300.0  3.0000 1.0000 2.0000 2.0000 1.0000",  // reaches 6
    };
    EXPECT_EQ(FindLoadBeyondSpan(lines, 6.0), 2);
    EXPECT_EQ(FindLoadBeyondSpan(lines, 9.0), std::nullopt);
    EXPECT_EQ(FindLoadBeyondSpan(lines, 5.5), 1);
    EXPECT_EQ(FindLoadBeyondSpan({}, 1.0), std::nullopt);
    // Within one millionth of the span is not beyond it.
    EXPECT_FALSE(ReachesBeyond(6.0, 6.0000005));
    EXPECT_TRUE(ReachesBeyond(6.0, 6.000002));
}

}  // namespace
}  // namespace zel
