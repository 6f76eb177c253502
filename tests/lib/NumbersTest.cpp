#include "lib/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using zel::FormatFixed;
using zel::FormatGeneral;
using zel::FormatNumber;
using zel::LeadingValue;
using zel::ParseNumberList;

TEST(LeadingValue, ReadsTheNumberAtTheStartAndStopsAtTheFirstForeignCharacter) {
    EXPECT_EQ(LeadingValue("12abc"), 12.0);
    EXPECT_EQ(LeadingValue("abc"), 0.0);
    EXPECT_EQ(LeadingValue(""), 0.0);
    EXPECT_EQ(LeadingValue("-3.5"), -3.5);
    EXPECT_EQ(LeadingValue("   7.25 m"), 7.25);
    EXPECT_EQ(LeadingValue("+4"), 4.0);
    EXPECT_EQ(LeadingValue(".5"), 0.5);
    EXPECT_EQ(LeadingValue("5."), 5.0);
    EXPECT_EQ(LeadingValue("1.2.3"), 1.2);
    EXPECT_EQ(LeadingValue("-"), 0.0);
    EXPECT_EQ(LeadingValue("."), 0.0);
}

TEST(LeadingValue, ReadsExponentsOnlyWhenDigitsFollow) {
    EXPECT_EQ(LeadingValue("2.5E3"), 2500.0);
    EXPECT_EQ(LeadingValue("2.5e-1"), 0.25);
    EXPECT_EQ(LeadingValue("3E+2x"), 300.0);
    EXPECT_EQ(LeadingValue("3E"), 3.0);
    EXPECT_EQ(LeadingValue("3Ex"), 3.0);
}

TEST(LeadingValue, HugeTextsStayFiniteOrInfiniteWithoutFailing) {
    const std::string digits(400, '9');
    EXPECT_TRUE(std::isinf(LeadingValue(digits)));
    EXPECT_TRUE(std::isinf(LeadingValue("1E999999999")));
    EXPECT_EQ(LeadingValue("1E-999999999"), 0.0);
    EXPECT_EQ(LeadingValue("0." + std::string(500, '0') + "1"), 0.0);
    EXPECT_NEAR(LeadingValue(std::string(120, '1').insert(1, ".")), 1.1111111111, 1e-9);
}

TEST(ParseNumberList, SplitsLoadLinesIntoValues) {
    EXPECT_EQ(ParseNumberList("4    12.5  1.2000 0.0000 6.0000"),
              (std::vector<float>{4, 12.5f, 1.2f, 0, 6}));
    EXPECT_EQ(ParseNumberList("1-2"), (std::vector<float>{1, -2}));
    EXPECT_EQ(ParseNumberList("2.5E3"), (std::vector<float>{2500}));
    EXPECT_EQ(ParseNumberList(".5"), (std::vector<float>{0.5f}));
    EXPECT_EQ(ParseNumberList("1:集中荷重 ｶﾞ 3"), (std::vector<float>{1, 3}));
    EXPECT_TRUE(ParseNumberList("").empty());
    EXPECT_TRUE(ParseNumberList("abc").empty());
    EXPECT_EQ(ParseNumberList("E5"), (std::vector<float>{5})) << "an exponent needs a value before it";
}

TEST(ParseNumberList, ExpandsRepeatGroups) {
    EXPECT_EQ(ParseNumberList("3(1 2)"), (std::vector<float>{1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(ParseNumberList("5 2(7) 9"), (std::vector<float>{5, 7, 7, 9}));
    EXPECT_EQ(ParseNumberList("2(1.5E2 -3)"), (std::vector<float>{150, -3, 150, -3}));
}

TEST(ParseNumberList, HostileTextsStayBounded) {
    // A repeat count far beyond reason is capped; a group of more than 100 values keeps 100.
    std::string group = "2(";
    for (int i = 0; i < 150; ++i) group += std::to_string(i) + " ";
    group += ")";
    EXPECT_EQ(ParseNumberList(group).size(), 200u);
    EXPECT_LE(ParseNumberList("99999999(1 2 3)").size(), 3000u);
    // More than 100 digits: the value keeps its magnitude.
    const auto big = ParseNumberList("1" + std::string(150, '0') + " 7");
    ASSERT_EQ(big.size(), 2u);
    EXPECT_TRUE(std::isinf(big[0]));
    EXPECT_EQ(big[1], 7.0f);
    const auto small = ParseNumberList("." + std::string(140, '0') + "5");
    ASSERT_EQ(small.size(), 1u);
    EXPECT_EQ(small[0], 0.0f);
    EXPECT_EQ(ParseNumberList(std::string(200000, '7')).size(), 1u);
    EXPECT_EQ(ParseNumberList("2 E 999999").size(), 1u);
    EXPECT_EQ(ParseNumberList(") ( ) 4").size(), 1u) << "a group without a count behaves sanely";
}

TEST(NumberFormats, GiveFixedDecimalsWithALeadingDigit) {
    EXPECT_EQ(FormatNumber(12.56, "#0.0"), "12.6");
    EXPECT_EQ(FormatNumber(0.05, "#0.0000"), "0.0500");
    EXPECT_EQ(FormatNumber(7, "#0.00"), "7.00");
    EXPECT_EQ(FormatNumber(0.4, "#0"), "0");
    EXPECT_EQ(FormatNumber(-3.5, "#0.000"), "-3.500");
    EXPECT_EQ(FormatNumber(2.5, "#0"), "2");
    EXPECT_EQ(FormatNumber(3.5, "#0"), "4");
    EXPECT_EQ(FormatNumber(-0.0001, "#0.00"), "0.00");
    EXPECT_EQ(FormatFixed(34.3232f, 3), "34.323");
    EXPECT_EQ(FormatFixed(1e11, 0), "100000000000");
}

TEST(NumberFormats, GeneralFormatIsTheShortestTextThatReadsBack) {
    EXPECT_EQ(FormatGeneral(0.0f), "0");
    EXPECT_EQ(FormatGeneral(2.5f), "2.5");
    EXPECT_EQ(FormatGeneral(210.0f), "210");
    EXPECT_EQ(FormatGeneral(0.1f), "0.1");
    EXPECT_EQ(FormatGeneral(-6.3f), "-6.3");
    EXPECT_EQ(FormatGeneral(0.0005f), "0.0005");
    for (float v : {0.1f, 1.0f / 3.0f, 12.345f, 5.94f, 1e-7f, 3.0e20f}) {
        EXPECT_EQ(static_cast<float>(LeadingValue(FormatGeneral(v))), v) << FormatGeneral(v);
    }
}
