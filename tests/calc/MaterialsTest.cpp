// Bar table, diameter numbers and the allowable stresses of steel and concrete.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/Allowables.h"
#include "calc/BarTable.h"
#include "calc/UnitFactor.h"
#include "data/BeamRecord.h"

namespace zel {
namespace {

constexpr double kgPerCm2ToNPerMm2 = 0.0980665;

TEST(BarTable, ListsFollowTheGradeKind) {
    const auto deformedMain = BarSizesFor(BarList::MainBars, kSD345);
    ASSERT_EQ(deformedMain.size(), 11u);
    EXPECT_EQ(deformedMain.front(), "D10");
    EXPECT_EQ(deformedMain.back(), "D41");
    const auto roundMain = BarSizesFor(BarList::MainBars, kSR235);
    ASSERT_EQ(roundMain.size(), 7u);
    EXPECT_EQ(roundMain.front(), "13φ");
    EXPECT_EQ(BarSizesFor(BarList::Stirrups, kSD295),
              (std::vector<std::string>{"D10", "D10D13", "D13", "D16"}));
    EXPECT_EQ(BarSizesFor(BarList::Stirrups, kSR295),
              (std::vector<std::string>{"9φ", "9φ13φ", "13φ", "16φ"}));
    // Every listed name is in the geometry table.
    for (int grade = 0; grade < 4; ++grade) {
        for (BarList list : {BarList::MainBars, BarList::Stirrups}) {
            for (const std::string& name : BarSizesFor(list, grade)) {
                EXPECT_TRUE(LookupBar(name).known) << name;
            }
        }
    }
}

TEST(BarTable, LookupGivesAreaPerimeterAndOuterDiameter) {
    const BarData d10 = LookupBar("D10");
    EXPECT_NEAR(d10.area, 0.7133, 5e-5);
    EXPECT_EQ(d10.perimeter, 3.0f);
    EXPECT_FLOAT_EQ(d10.outer, 1.1f);

    const BarData twoSize = LookupBar(" D10D13 ");  // blanks around the name are ignored
    EXPECT_TRUE(twoSize.known);
    EXPECT_NEAR(twoSize.area, 0.9703, 5e-5);
    EXPECT_EQ(twoSize.perimeter, 3.0f);
    EXPECT_FLOAT_EQ(twoSize.outer, 1.4f);
    EXPECT_FLOAT_EQ(LookupBar("9φ13φ").outer, 1.3f);
    EXPECT_NEAR(LookupBar("9φ13φ").area, 0.9503, 5e-5);

    EXPECT_FLOAT_EQ(LookupBar("19φ").outer, 1.9f);
    EXPECT_EQ(LookupBar("D22").perimeter, 7.0f);
    EXPECT_NEAR(LookupBar("D41").area, 13.3965, 5e-4);
    EXPECT_EQ(LookupBar("D35").perimeter, 11.0f);
    EXPECT_NEAR(LookupBar("32φ").area, 8.0425, 5e-4);
}

TEST(BarTable, UnknownNameGivesNothingAtAll) {
    for (const char* name : {"", "D23", "d22", "D22 x", "φ"}) {
        const BarData bar = LookupBar(name);
        EXPECT_FALSE(bar.known) << name;
        EXPECT_EQ(bar.area, 0.0f) << name;
        EXPECT_EQ(bar.perimeter, 0.0f) << name;
        // Never a value carried over from an earlier lookup.
        EXPECT_EQ(bar.outer, 0.0f) << name;
    }
}

TEST(BarTable, DiameterNumbers) {
    EXPECT_EQ(BarDiameterNumber("D22", kSD295, BarList::MainBars), 22);
    EXPECT_EQ(BarDiameterNumber("22φ", kSR235, BarList::MainBars), 22);
    EXPECT_EQ(BarDiameterNumber("9φ", kSR295, BarList::Stirrups), 9);
    EXPECT_EQ(BarDiameterNumber("D10D13", kSD295, BarList::Stirrups), 13);
    EXPECT_EQ(BarDiameterNumber("9φ13φ", kSR235, BarList::Stirrups), 13);
    EXPECT_EQ(BarDiameterNumber("D16", kSD345, BarList::Stirrups), 16);
    EXPECT_EQ(BarDiameterNumber(" D29 ", kSD345, BarList::MainBars), 29);
    EXPECT_EQ(BarDiameterNumber("", kSD345, BarList::MainBars), 0);
    EXPECT_EQ(BarDiameterNumber("xyz", kSR235, BarList::MainBars), 0);
}

TEST(SteelAllowables, ConventionalTable) {
    const CalcUnits conv = CalcUnitsFor(false);
    EXPECT_FLOAT_EQ(SteelAllowable(kSD295, 22, false, conv), 2.0f);
    EXPECT_FLOAT_EQ(SteelAllowable(kSD345, 25, false, conv), 2.2f);
    EXPECT_FLOAT_EQ(SteelAllowable(kSD345, 28, false, conv), 2.2f);
    EXPECT_FLOAT_EQ(SteelAllowable(kSD345, 29, false, conv), 2.0f);
    for (int d : {10, 25, 29, 41}) EXPECT_FLOAT_EQ(SteelAllowable(kSD345, d, true, conv), 3.5f);
    EXPECT_FLOAT_EQ(SteelAllowable(kSR235, 13, false, conv), 1.6f);
    EXPECT_FLOAT_EQ(SteelAllowable(kSR235, 13, true, conv), 2.4f);
    EXPECT_FLOAT_EQ(SteelAllowable(kSR295, 13, true, conv), 3.0f);
    EXPECT_EQ(SteelAllowable(4, 13, false, conv), 0.0f);
    EXPECT_EQ(SteelAllowable(-1, 13, false, conv), 0.0f);
}

TEST(SteelAllowables, SiTableIsConvertedToTonnesPerCm2) {
    const CalcUnits si = CalcUnitsFor(true);
    EXPECT_FLOAT_EQ(si.unitFactor, 9.80665f);
    EXPECT_NEAR(SteelAllowable(kSD295, 22, false, si), 1.9884, 5e-5);
    EXPECT_NEAR(SteelAllowable(kSD345, 29, true, si), 3.45 / 9.80665 * 10, 1e-6);
    EXPECT_NEAR(SteelAllowable(kSR235, 13, false, si), 1.55 / 9.80665 * 10, 1e-6);
}

TEST(ConcreteAllowables, ConventionalUnits) {
    const CalcUnits conv = CalcUnitsFor(false);
    const float F210 = ConcreteF(210.0f, conv);
    EXPECT_FLOAT_EQ(F210, 0.21f);
    const ConcreteAllowables deformed = ConcreteAllowable(F210, true, false, conv);
    EXPECT_NEAR(deformed.fs, 0.007, 1e-9);
    EXPECT_NEAR(deformed.fa, 0.014, 1e-9);
    EXPECT_NEAR(ConcreteAllowable(F210, false, false, conv).fa, 0.0084, 1e-9);
    // Short term raises fs by half and leaves fa.
    const ConcreteAllowables shortTerm = ConcreteAllowable(F210, true, true, conv);
    EXPECT_NEAR(shortTerm.fs, 0.0105, 1e-9);
    EXPECT_NEAR(shortTerm.fa, 0.014, 1e-9);
    // Fc 300: the second shear limit governs (5 + 3 < 10); bond 9 + 8 < 20.
    const ConcreteAllowables fc300 = ConcreteAllowable(ConcreteF(300.0f, conv), true, false, conv);
    EXPECT_NEAR(fc300.fs, 0.008, 1e-9);
    EXPECT_NEAR(fc300.fa, 0.017, 1e-9);
    EXPECT_NEAR(ConcreteAllowable(ConcreteF(300.0f, conv), false, false, conv).fa, 0.009, 1e-9);
}

TEST(ConcreteAllowables, SiUnitsUseTheSameRules) {
    const CalcUnits si = CalcUnitsFor(true);
    const double toTonnes = 1.0 / 98.0665;  // N/mm2 -> t/cm2
    // Fc 24 N/mm2 is stored as 240.
    const float F24 = ConcreteF(240.0f, si);
    EXPECT_FLOAT_EQ(F24, 0.024f);
    const ConcreteAllowables fc24 = ConcreteAllowable(F24, true, false, si);
    EXPECT_NEAR(fc24.fa, 1.54 * toTonnes, 1e-7);
    // min(24/30, 0.49 + 0.24) = 0.73, not 0.80.
    EXPECT_NEAR(fc24.fs, 0.73 * toTonnes, 1e-7);
    // Round bars: 4·21/100 = 0.84, not 0.9 for every strength.
    EXPECT_NEAR(ConcreteAllowable(ConcreteF(210.0f, si), false, false, si).fa, 0.84 * toTonnes,
                1e-7);
    EXPECT_NEAR(ConcreteAllowable(ConcreteF(300.0f, si), false, false, si).fa, 0.9 * toTonnes,
                1e-7);
    // Deformed bars below 22.5 N/mm2: Fc/15.
    EXPECT_NEAR(ConcreteAllowable(ConcreteF(180.0f, si), true, false, si).fa, 1.2 * toTonnes, 1e-7);
}

// One concrete, one steel: whichever unit system it is entered in, the allowables agree.
TEST(ConcreteAllowables, SiAndConventionalAgreeForTheSameMaterial) {
    const CalcUnits conv = CalcUnitsFor(false);
    const CalcUnits si = CalcUnitsFor(true);
    const auto close = [](double a, double b) { return std::fabs(a - b) <= 0.025 * std::fabs(b); };
    for (int fc = 150; fc <= 360; ++fc) {
        // kg/cm2 -> N/mm2, stored × 10 for SI input.
        const float siStored = static_cast<float>(fc * kgPerCm2ToNPerMm2 * 10.0);
        for (bool shortTerm : {false, true}) {
            for (int grade = 0; grade < 4; ++grade) {
                const bool deformed = IsDeformedGrade(grade);
                const ConcreteAllowables c = ConcreteAllowable(
                    ConcreteF(static_cast<float>(fc), conv), deformed, shortTerm, conv);
                const ConcreteAllowables s =
                    ConcreteAllowable(ConcreteF(siStored, si), deformed, shortTerm, si);
                EXPECT_TRUE(close(s.fs, c.fs)) << fc << " fs " << s.fs << " vs " << c.fs;
                EXPECT_TRUE(close(s.fa, c.fa)) << fc << " fa " << s.fa << " vs " << c.fa;
                for (int d : {13, 25, 29, 41}) {
                    const float ftConv = SteelAllowable(grade, d, shortTerm, conv);
                    const float ftSi = SteelAllowable(grade, d, shortTerm, si);
                    EXPECT_TRUE(close(ftSi, ftConv)) << grade << " " << d;
                }
            }
        }
    }
}

}  // namespace
}  // namespace zel
