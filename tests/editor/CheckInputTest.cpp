// The whole-input check: span, sections in use, then the load page in front.
#include <gtest/gtest.h>

#include "editor/CheckInput.h"

namespace zel {
namespace {

InputCheckTexts SimpleBeam(int loadType, std::initializer_list<const char*> loadFields) {
    InputCheckTexts t;
    t.span = "6";
    t.sectionCount = 1;
    t.breadth[0] = "30";
    t.depth[0] = "60";
    t.cover[0] = "5";
    t.loadType = loadType;
    int i = 0;
    for (const char* f : loadFields) t.loadFields[i++] = f;
    return t;
}

TEST(CheckInputTest, SpanAndSectionsComeFirst) {
    InputCheckTexts t = SimpleBeam(4, {"500", "0", "6", "3"});
    EXPECT_EQ(CheckInput(t), kInputOk);
    t.span = "";
    EXPECT_EQ(CheckInput(t), kInputBadSpan);
    t.span = "-3";
    EXPECT_EQ(CheckInput(t), kInputBadSpan);
    t.span = "6";
    t.depth[0] = "0";  // accepted when the field is left, refused here
    EXPECT_EQ(CheckInput(t), kInputBadSection);
    t.depth[0] = "60";
    // Columns not in use are not looked at...
    EXPECT_EQ(CheckInput(t), kInputOk);
    // ...until they are.
    t.sectionCount = 2;
    EXPECT_EQ(CheckInput(t), kInputBadSection);
    t.breadth[1] = "30";
    t.depth[1] = "55";
    t.cover[1] = "5";
    EXPECT_EQ(CheckInput(t), kInputOk);
    // The span is judged before the sections, the sections before the load.
    t.span = "0";
    t.loadFields = {};
    EXPECT_EQ(CheckInput(t), kInputBadSpan);
}

TEST(CheckInputTest, LoadCodes) {
    // Uniform load on a 6 m span: L1 3 + L2 4 reaches beyond it.
    EXPECT_EQ(CheckInput(SimpleBeam(4, {"500", "3", "4", "3"})), kInputLoadBeyondSpan);
    EXPECT_EQ(CheckInput(SimpleBeam(4, {"500", "2", "4", "3"})), kInputOk);
    EXPECT_EQ(CheckInput(SimpleBeam(4, {"500", "2", "4.0000005", "3"})), kInputOk);
    EXPECT_EQ(CheckInput(SimpleBeam(4, {"500", "2", "4.00001", "3"})), kInputLoadBeyondSpan);

    // Concentrated: no P is code 1; a negative P passes; L1 is not compared with the span.
    EXPECT_EQ(CheckInput(SimpleBeam(1, {"", "2"})), kInputNoLoad);
    EXPECT_EQ(CheckInput(SimpleBeam(1, {"-10", "2"})), kInputOk);
    EXPECT_EQ(CheckInput(SimpleBeam(1, {"100", "99"})), kInputOk);

    // Trapezoid with no loaded length: 2; with no load either: 3.
    EXPECT_EQ(CheckInput(SimpleBeam(5, {"300", "1", "0", "0", "0", "3"})), kInputNoLength);
    EXPECT_EQ(CheckInput(SimpleBeam(5, {"", "1", "0", "0", "0", "3"})), kInputNoLoadNorLength);
    EXPECT_EQ(CheckInput(SimpleBeam(5, {"300", "1", "0", "1", "0", "3"})), kInputOk);
    // Type 2 with w and L2 but no height: 5.
    EXPECT_EQ(CheckInput(SimpleBeam(2, {"500", "0", "3", ""})), kInputNoHeight);
    EXPECT_EQ(CheckInput(SimpleBeam(6, {"500", "0", "3", "-1"})), kInputNoHeight);
    // A missing load is reported before a missing height.
    EXPECT_EQ(CheckInput(SimpleBeam(3, {"", "0", "3", ""})), kInputNoLoad);
    // Reaching beyond the span replaces every other load code.
    EXPECT_EQ(CheckInput(SimpleBeam(3, {"", "7", "0", ""})), kInputLoadBeyondSpan);
}

TEST(CheckInputTest, NumbersBeyondSinglePrecisionAreRefused) {
    InputCheckTexts t = SimpleBeam(4, {"500", "0", "6", "3"});
    t.span = "1e39";
    EXPECT_EQ(CheckInput(t), kInputBadSpan);
    t.span = "6";
    t.cover[0] = "9e99";
    EXPECT_EQ(CheckInput(t), kInputBadSection);
    EXPECT_EQ(CheckInput(SimpleBeam(1, {"9e99", "2"})), kInputNoLoadNorLength);
    EXPECT_EQ(CheckInput(SimpleBeam(4, {"500", "0", "6", "-9e99"})), kInputNoLoadNorLength);
    EXPECT_EQ(CheckInput(SimpleBeam(5, {"500", "0", "1", "1", "1", "1e50"})),
              kInputNoLoadNorLength);
    // Large but representable values are judged as usual.
    EXPECT_EQ(CheckInput(SimpleBeam(1, {"1e30", "2"})), kInputOk);
}

TEST(CheckInputTest, Messages) {
    EXPECT_EQ(InputErrorMessage(1), "荷重データを入力してください。");
    EXPECT_EQ(InputErrorMessage(2), "長さデータを入力してください。");
    EXPECT_EQ(InputErrorMessage(3), "荷重、及び長さデータを入力(訂正)してください。");
    EXPECT_EQ(InputErrorMessage(4),
              "スパン長と荷重長さデータに矛盾があります。\r\r  ( スパン長 < 荷重長さの合計 )\r\r"
              "まず、荷重長さデータを修正してください。");
    EXPECT_EQ(InputErrorMessage(5), "荷重高さデータを入力してください。");
    EXPECT_EQ(InputErrorMessage(99), "スパン長が入力されていないか、数値に誤りがあります。");
    EXPECT_EQ(InputErrorMessage(104), "断面サイズの数値が不正か、または入力されていません。");
    EXPECT_EQ(InputErrorMessage(0), "");
    EXPECT_EQ(InputErrorMessage(42), "");
}

}  // namespace
}  // namespace zel
