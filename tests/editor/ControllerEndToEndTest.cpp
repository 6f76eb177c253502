// A user's session from a bare program folder to a second data file: enter three beams with
// loads, save, exit, start again, open from the history, change a beam, save under a new name.
#include <cmath>
#include <filesystem>

#include "ControllerFixture.h"
#include "calc/CalculateBeam.h"
#include "data/DefaultsFile.h"
#include "data/SettingsFile.h"
#include "data/ZelFile.h"
#include "lib/Paths.h"

namespace zel::test {
namespace {

constexpr double kG = 9.80665;  // N per kgf: SI input is divided by it

struct Effects {
    double CL, CR, Mo, QL, QR;
};

// A uniform load q (t/m) over the whole of a simple span L, moment at mid-span.
Effects UniformFullSpan(double q, double L) {
    return {-q * L * L / 12, q * L * L / 12, q * L * L / 8, q * L / 2, -q * L / 2};
}

// A point load P (t) at a from the left end of a simple span L, moment at mid-span (a < L/2).
Effects PointLoad(double P, double a, double L) {
    const double b = L - a;
    return {-P * a * b * b / (L * L), P * a * a * b / (L * L), P * a / 2, P * b / L, -P * a / L};
}

void ExpectEffects(const LoadEffects& got, const Effects& want, const char* beam) {
    const auto near = [](double w) { return std::max(1e-5, std::abs(w) * 2e-5); };
    EXPECT_NEAR(got.CL, want.CL, near(want.CL)) << beam;
    EXPECT_NEAR(got.CR, want.CR, near(want.CR)) << beam;
    EXPECT_NEAR(got.Mo, want.Mo, near(want.Mo)) << beam;
    EXPECT_NEAR(got.QL, want.QL, near(want.QL)) << beam;
    EXPECT_NEAR(got.QR, want.QR, near(want.QR)) << beam;
}

class EndToEndTest : public ControllerTest {
  protected:
    // Focus, type, leave, as the user fills a field; the field must accept the text.
    void Enter(MainController& c, Field field, const std::string& text) {
        c.Input().FocusEnter(field);
        c.Input().TextChanged(field, text);
        EXPECT_TRUE(c.Input().FocusLeave(field).accepted) << text;
    }
    void EnterBeam(MainController& c, const std::string& name, const std::string& span,
                   const std::string& b, const std::string& d) {
        Enter(c, Field::MemberName, name);
        Enter(c, Field::Span, span);
        Enter(c, Field::Breadth1, b);
        Enter(c, Field::Depth1, d);
        Enter(c, Field::Cover1, "5");
    }
    void EnterLoad(MainController& c, int type, const std::vector<std::string>& fields) {
        c.Input().SelectLoadType(type - 1);
        for (std::size_t i = 0; i < fields.size(); ++i)
            Enter(c, LoadField(static_cast<int>(i)), fields[i]);
        const std::size_t before = c.Input().LoadLines().size();
        c.Input().AddLoad();
        EXPECT_EQ(c.Input().LoadLines().size(), before + 1);
    }
};

TEST_F(EndToEndTest, ThreeBeamsSavedReopenedChangedAndSavedAs) {
    // ----- First session: nothing in the program folder but the grade table. -----
    Start();
    EXPECT_TRUE(user.asked.empty());

    // G1: simple beam, 6 m, 30 x 60, uniform 20 kN/m2 over 1 m height on the whole span,
    // self weight included.
    EnterBeam(ctl, "G1", "6", "30", "60");
    EnterLoad(ctl, 4, {"20000", "0", "6", "1"});
    ASSERT_TRUE(ctl.AddBeam());
    // G2: simple beam, 5 m, 35 x 70, 50 kN at 2 m, self weight ignored.
    EnterBeam(ctl, "G2", "5", "35", "70");
    area().ClearLoadFields();
    while (!area().LoadLines().empty()) {  // the list still holds G1's load
        area().SelectLoad(0);
        area().DeleteLoad();
    }
    area().SetCalculationFlag(2, true);
    EnterLoad(ctl, 1, {"50000", "2"});
    ASSERT_TRUE(ctl.AddBeam());
    // G3: cantilever, 2 m, 30 x 50, 10 kN at the tip, self weight ignored.
    EnterBeam(ctl, "G3", "2", "30", "50");
    area().SelectSupportType(1);
    area().SelectLoad(0);
    area().DeleteLoad();
    EnterLoad(ctl, 1, {"10000", "2"});
    ASSERT_TRUE(ctl.AddBeam());

    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"G1", "G2", "G3"}));
    EXPECT_EQ(ui.lastView.positionLabel, "3/3");
    // The load deletions asked their questions (answered OK by default); nothing else was asked.
    for (const auto& a : user.asked) EXPECT_EQ(a.text.rfind("荷重データ (No.", 0), 0u) << a.text;

    const std::string first = DataFile("project.Zel");
    user.saveAnswers.push_back(first);
    ASSERT_TRUE(ctl.SaveAs());
    EXPECT_EQ(ui.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   project.Zel");
    user.Clear();
    ASSERT_TRUE(ctl.RequestExit());
    EXPECT_EQ(user.asked.at(0).text, "『 KAVO-Zel /ＲＣ梁断面算定 』 を終了します");
    EXPECT_EQ(std::filesystem::file_size(ctl.DefaultsPath()), 76u);

    // What the first file holds.
    Project saved;
    ASSERT_TRUE(LoadZelFile(first, saved).Ok());
    EXPECT_EQ(saved.BeamCount(), 3);
    EXPECT_EQ(saved.settings.unitCode, 3);
    EXPECT_EQ(saved.settings.sheetTitle, "梁断面算定結果");
    EXPECT_EQ(saved.font.fontName, "ＭＳ 明朝");
    EXPECT_EQ(saved.resultSummary.resultCount, 3);
    const BeamRecord& g1 = saved.Beam(1);
    EXPECT_EQ(g1.memberName, "G1");
    EXPECT_FLOAT_EQ(g1.concreteFc, 210.0f);
    EXPECT_EQ(g1.loadCount, 1);
    EXPECT_FLOAT_EQ(g1.loadValue[0], 20.0f);  // kN/m2
    EXPECT_NEAR(g1.selfWeight, 30 * 60 * 2.4 / 10000, 1e-6);
    EXPECT_FLOAT_EQ(g1.momentPosition, 3.0f);
    EXPECT_EQ(saved.Beam(2).ignoreSelfWeight, 1);
    EXPECT_EQ(saved.Beam(2).loadType[0], 1);
    EXPECT_FLOAT_EQ(saved.Beam(2).loadLengths[0][0], 2.0f);
    EXPECT_EQ(saved.Beam(3).supportType, 1);
    EXPECT_EQ(saved.Beam(3).sectionCount, 1);
    EXPECT_EQ(saved.Result(1).memberName, "G1");
    EXPECT_EQ(saved.Result(3).memberName, "G3");
    EXPECT_FLOAT_EQ(saved.Result(2).sectionWidth[0], 35.0f);

    // ----- Second session: the history leads back to the file. -----
    ScriptedPrompter user2;
    ScriptedMainWindowUi ui2;
    MainController ctl2(user2, ui2);
    ctl2.StartUp(ProgramFolder());
    EXPECT_TRUE(user2.asked.empty());
    EXPECT_EQ(ctl2.CurrentFile(), "新規データ");
    ASSERT_EQ(ui2.lastView.history, std::vector<std::string>{first});
    ASSERT_TRUE(ctl2.OpenHistory(0));
    EXPECT_EQ(ui2.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   project.Zel");
    EXPECT_EQ(ui2.lastView.beamList, (std::vector<std::string>{"G1", "G2", "G3"}));
    EXPECT_EQ(ctl2.CurrentProject(), saved);
    EXPECT_EQ(ctl2.Input().Text(Field::MemberName), "G1");
    EXPECT_EQ(ctl2.Input().LoadLines().size(), 1u);

    // The calculation of the reopened project against hand statics.
    {
        Project p = ctl2.CurrentProject();
        const std::vector<CalcResult> r = CalculateAll(p);
        ASSERT_EQ(r.size(), 3u);
        const double q1 = 20.0 / kG + 30 * 60 * 2.4 / 10000;
        ExpectEffects(r[0].loadEffects, UniformFullSpan(q1, 6), "G1");
        ExpectEffects(r[1].loadEffects, PointLoad(50.0 / kG, 2, 5), "G2");
        const double P3 = 10.0 / kG;
        ExpectEffects(r[2].loadEffects, {-2 * P3, 2 * P3, 2 * P3, P3, 0}, "G3");
        // A cantilever's coefficients are 1, 1, 1: the end moments pass through unchanged and
        // the shear needs no correction.
        EXPECT_NEAR(r[2].designStresses.Mleft, -2 * P3, 1e-5);
        EXPECT_NEAR(r[2].designStresses.Mright, 2 * P3, 1e-5);
        EXPECT_NEAR(r[2].designStresses.Qleft, P3, 1e-5);
        EXPECT_FLOAT_EQ(r[2].designStresses.Qcentre, 0.0f);
        for (const CalcResult& c : r) EXPECT_TRUE(c.Calculated()) << c.error;
    }

    // Change G2's span to 6 m with "変  更" and save under a new name.
    ASSERT_TRUE(ctl2.SelectBeam(1));
    EXPECT_FALSE(ctl2.MemberModified());
    Enter(ctl2, Field::Span, "6");
    user2.Answer(kAnswerOk);
    ASSERT_TRUE(ctl2.RunMemberCommand(MemberCommand::ChangeMember));
    EXPECT_EQ(user2.LastText(), "[ G2 ] (Data No.2) を変更します。");
    EXPECT_TRUE(ctl2.FileModified());

    const std::string second = DataFile("changed.Zel");
    user2.saveAnswers.push_back(second);
    const std::string firstBytes = ReadFileBytes(first);
    ASSERT_TRUE(ctl2.SaveAs());
    EXPECT_EQ(user2.saveRequests.at(0).fileName, "project.Zel");
    EXPECT_EQ(user2.saveRequests.at(0).folder, FolderOf(first));
    EXPECT_EQ(ReadFileBytes(first), firstBytes);  // the first file is not touched
    EXPECT_EQ(ui2.lastView.caption, "KAVO-Zel /ＲＣ梁断面算定   changed.Zel");
    EXPECT_FALSE(ctl2.FileModified());

    SettingsFile s;
    ASSERT_TRUE(ReadSettingsFile(ctl2.SettingsPath(), s));
    EXPECT_EQ(s.history, (std::vector<std::string>{second, first}));
    EXPECT_EQ(s.currentFile, second);

    // The second file differs from the first in G2 and its result only.
    Project changed;
    ASSERT_TRUE(LoadZelFile(second, changed).Ok());
    EXPECT_FLOAT_EQ(changed.Beam(2).spanLength, 6.0f);
    EXPECT_FLOAT_EQ(changed.Beam(2).momentPosition, 3.0f);
    EXPECT_EQ(changed.Beam(1), saved.Beam(1));
    EXPECT_EQ(changed.Beam(3), saved.Beam(3));
    EXPECT_EQ(changed.Result(1), saved.Result(1));
    EXPECT_EQ(changed.Result(3), saved.Result(3));
    EXPECT_EQ(changed.settings, saved.settings);
    {
        Project p = changed;
        const std::vector<CalcResult> r = CalculateAll(p);
        ExpectEffects(r.at(1).loadEffects, PointLoad(50.0 / kG, 2, 6), "G2 changed");
    }
    // Saving the unchanged project again gives the same bytes.
    user2.Answer(kAnswerYes);
    const std::string secondBytes = ReadFileBytes(second);
    ASSERT_TRUE(ctl2.Save());
    EXPECT_EQ(ReadFileBytes(second), secondBytes);
}

}  // namespace
}  // namespace zel::test
