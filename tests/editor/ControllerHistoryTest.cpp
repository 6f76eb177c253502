// Undo and redo over random command sequences, the saved point, the input area's edits as
// their own step, and copy, paste and duplicate of beams.
#include <random>

#include "ControllerFixture.h"
#include "data/ProjectJson.h"
#include "data/ZelFile.h"
#include "editor/BeamClipboard.h"
#include "support/SampleBeams.h"

namespace zel::test {
namespace {

class HistoryTest : public ControllerTest {
  protected:
    // Opens a data file of `beams` random beams (the saved point).
    void OpenRandom(std::mt19937& rng, bool si, int beams, const std::string& name = "r.Zel") {
        Project project = RandomProject(rng, si, beams);
        ASSERT_TRUE(SaveZelFile(DataFile(name), project).ok);
        ASSERT_TRUE(ctl.OpenFile(DataFile(name)));
    }
    int Pick(std::mt19937& rng, int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    }
    // One random command; false when it could not run at all.
    void RunRandomCommand(std::mt19937& rng) {
        const int count = ctl.BeamCount();
        lastCommand = Pick(rng, 0, 10);
        switch (lastCommand) {
            case 0:
                TypeBeam("N" + std::to_string(Pick(rng, 1, 99)), "6", "30",
                         std::to_string(Pick(rng, 40, 90)));
                ctl.AddBeam();
                break;
            case 1:
                ctl.DeleteBeam();
                break;
            case 2:
                ctl.MoveUp();
                break;
            case 3:
                ctl.MoveDown();
                break;
            case 4:  // an edit committed by selecting another beam, or by 変更
                if (count < 1) break;
                Type(Field::Depth1, std::to_string(Pick(rng, 40, 90)));
                Type(Field::MemberName, "E" + std::to_string(Pick(rng, 1, 99)));
                if (count > 1 && Pick(rng, 0, 1) == 0)
                    ctl.SelectBeam((ctl.Position() % count));
                else
                    ctl.RunMemberCommand(MemberCommand::ChangeMember);
                break;
            case 5:
                ctl.SelectInputUnits(ctl.Input().InputIsSI() ? 0 : 1);
                break;
            case 6:
                ctl.SelectOutputUnits(ctl.Input().OutputIsSI() ? 0 : 1);
                break;
            case 7: {
                const bool si = Pick(rng, 0, 1) == 1;
                ctl.PasteBeam(MakeBeamClip(RandomBeam(rng, si), si ? 3 : 0).json);
                break;
            }
            case 8:
                ctl.DuplicateBeam();
                break;
            case 9: {
                PrintSettings settings = ctl.CurrentPrintSettings();
                settings.HeadingText = "H" + std::to_string(Pick(rng, 1, 99));
                ctl.ApplyPrintSettings(settings);
                break;
            }
            default:  // a selection alone changes nothing
                if (count > 0) ctl.SelectBeam(Pick(rng, 0, count - 1));
                break;
        }
    }
    int lastCommand = -1;  // the case of RunRandomCommand, for the failure messages
};

TEST_F(HistoryTest, UndoingEveryStepGivesTheStartAndRedoingGivesTheEndBitForBit) {
    constexpr int kSequences = 40;
    constexpr int kLength = 30;
    int steps = 0;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        SCOPED_TRACE("sequence " + std::to_string(sequence));
        std::mt19937 rng(1000 + sequence);
        Start();
        OpenRandom(rng, sequence % 2 == 1, Pick(rng, 0, 6));
        const std::string startJson = ProjectToJson(ctl.CurrentProject());
        const int startPosition = ctl.Position();
        // The project after each change, as undo must give them back.
        std::vector<Project> states{ctl.CurrentProject()};
        for (int i = 0; i < kLength; ++i) {
            if (Pick(rng, 0, 9) == 0 && ctl.CanUndo()) {
                ASSERT_TRUE(ctl.Undo());
                states.pop_back();
            } else {
                RunRandomCommand(rng);
                // Edits a refused command left in the area: taken back, as their own step
                // that only redo reaches.
                if (ctl.MemberModified()) {
                    ASSERT_TRUE(ctl.Undo());
                    ASSERT_FALSE(ctl.MemberModified());
                }
                if (!(ctl.CurrentProject() == states.back()))
                    states.push_back(ctl.CurrentProject());
            }
            ASSERT_EQ(ctl.CurrentProject(), states.back())
                << "command " << i << ": " << lastCommand;
            ASSERT_EQ(ctl.History().UndoCount() + 1, states.size())
                << "command " << i << ": " << lastCommand;
        }
        const std::string endJson = ProjectToJson(ctl.CurrentProject());
        const std::size_t redoAtEnd = ctl.History().RedoCount();
        const int endPosition = ctl.Position();
        steps += static_cast<int>(states.size()) - 1;

        for (std::size_t i = states.size() - 1; i > 0; --i) {
            ASSERT_TRUE(ctl.Undo());
            ASSERT_EQ(ctl.CurrentProject(), states[i - 1]);
            EXPECT_EQ(ctl.FileModified(), i - 1 > 0);
        }
        EXPECT_FALSE(ctl.CanUndo());
        EXPECT_EQ(ProjectToJson(ctl.CurrentProject()), startJson);
        EXPECT_EQ(ctl.Position(), startPosition);
        EXPECT_FALSE(ctl.FileModified());
        EXPECT_EQ(ui.lastView.beamList.size(), static_cast<std::size_t>(ctl.BeamCount()));

        for (std::size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(ctl.Redo());
            ASSERT_EQ(ctl.CurrentProject(), states[i]);
        }
        EXPECT_EQ(ctl.History().RedoCount(), redoAtEnd);
        EXPECT_EQ(ProjectToJson(ctl.CurrentProject()), endJson);
        EXPECT_EQ(ctl.Position(), endPosition);
        EXPECT_EQ(ctl.FileModified(), states.size() > 1);
    }
    // The sequences really change the project (not a row of refused commands).
    RecordProperty("steps", steps);
    EXPECT_GT(steps, kSequences * kLength / 2);
}

TEST_F(HistoryTest, ASaveAfterUndoingToTheSavedPointWritesTheSameFile) {
    std::mt19937 rng(7);
    Start();
    OpenRandom(rng, false, 5);
    const std::string path = DataFile("r.Zel");
    ASSERT_TRUE(ctl.Save());
    const std::string first = ReadFileBytes(path);
    const std::size_t firstSteps = ctl.History().UndoCount();
    ctl.DeleteBeam();
    ctl.MoveDown();
    ASSERT_TRUE(ctl.Save());
    const std::string second = ReadFileBytes(path);
    const std::size_t steps = ctl.History().UndoCount() - firstSteps;
    ASSERT_TRUE(first != second);
    ASSERT_GE(steps, 2u);

    for (std::size_t i = 0; i < steps; ++i) {
        ctl.Undo();
        EXPECT_TRUE(ctl.FileModified());  // the file holds the second save
    }
    ASSERT_TRUE(ctl.Save());
    EXPECT_TRUE(ReadFileBytes(path) == first);
    EXPECT_FALSE(ctl.FileModified());
    for (std::size_t i = 0; i < steps; ++i) ctl.Redo();
    EXPECT_TRUE(ctl.FileModified());
    ASSERT_TRUE(ctl.Save());
    EXPECT_TRUE(ReadFileBytes(path) == second);
    // Undo and redo around the point just saved: the flag follows.
    ctl.Undo();
    EXPECT_TRUE(ctl.FileModified());
    ctl.Redo();
    EXPECT_FALSE(ctl.FileModified());
}

TEST_F(HistoryTest, TypedEditsAreUndoneFirstAsAStepOfTheirOwn) {
    Start();
    AddBeams(2);
    const std::size_t before = ctl.History().UndoCount();
    Type(Field::MemberName, "B2X");
    Type(Field::Span, "7");
    EXPECT_TRUE(ctl.CanUndo());
    EXPECT_FALSE(ctl.CanRedo());  // typing overtakes what was undone
    EXPECT_EQ(ctl.UndoName(), "入力中の変更 B2");

    ASSERT_TRUE(ctl.Undo());
    EXPECT_EQ(area().Text(Field::MemberName), "B2");
    EXPECT_EQ(area().Text(Field::Span), "6");
    EXPECT_FALSE(ctl.MemberModified());
    EXPECT_EQ(ctl.History().UndoCount(), before);
    EXPECT_EQ(ctl.RedoName(), "入力中の変更 B2");

    ASSERT_TRUE(ctl.Redo());
    EXPECT_EQ(area().Text(Field::MemberName), "B2X");
    EXPECT_EQ(area().Text(Field::Span), "7");
    EXPECT_TRUE(ctl.MemberModified());
    // Committed, the edits are one more step; the undo after it keeps them in the area.
    ASSERT_TRUE(ctl.RunMemberCommand(MemberCommand::ChangeMember));
    EXPECT_EQ(ctl.UndoName(), "変更 B2X");
    ctl.Undo();
    EXPECT_EQ(ctl.CurrentProject().Beam(2).memberName, "B2");
    EXPECT_EQ(area().Text(Field::MemberName), "B2X");

    // A new project starts a new history: nothing to undo, and the view says so.
    ASSERT_TRUE(ctl.NewProject());
    EXPECT_FALSE(ctl.CanUndo());
    EXPECT_FALSE(ctl.CanRedo());
    EXPECT_EQ(ctl.UndoName(), "");
}

TEST_F(HistoryTest, KeepsTheLastHundredStepsAndForgetsASavedPointDropped) {
    std::mt19937 rng(3);
    Start();
    OpenRandom(rng, false, 3);
    for (int i = 0; i < 120; ++i) i % 2 ? ctl.MoveUp() : ctl.MoveDown();
    EXPECT_EQ(ctl.History().UndoCount(), EditHistory::kMaxSteps);
    EXPECT_EQ(ctl.UndoName(), "上げる " + ctl.CurrentProject().Beam(ctl.Position()).memberName);
    int undone = 0;
    while (ctl.CanUndo()) undone += ctl.Undo() ? 1 : 0;
    EXPECT_EQ(undone, 100);
    EXPECT_TRUE(ctl.FileModified());  // the state of the file is no longer among them
}

TEST_F(HistoryTest, PasteInsertsAfterTheCurrentBeamAndConvertsLoads) {
    Start();
    AddBeams(3);
    ctl.SelectBeam(0);
    BeamRecord copied = TypicalBeam("C1");  // 1 t/m2 in conventional units
    ASSERT_TRUE(ctl.PasteBeam(MakeBeamClip(copied, 0).json));
    EXPECT_EQ(ctl.BeamCount(), 4);
    EXPECT_EQ(ctl.Position(), 2);
    EXPECT_EQ(ui.lastView.beamList, (std::vector<std::string>{"B1", "C1", "B2", "B3"}));
    EXPECT_EQ(ctl.UndoName(), "貼り付け C1");
    // Into SI input units: kg become N by 9.80665, Fc (kg/cm2 stored) is kept.
    const BeamRecord& pasted = ctl.CurrentProject().Beam(2);
    EXPECT_FLOAT_EQ(pasted.loadValue[0], 9.80665f);
    EXPECT_EQ(pasted.concreteFc, 210.0f);
    EXPECT_EQ(area().Text(Field::MemberName), "C1");

    // The same beam back from SI into conventional units, and a copy of the current beam.
    const std::optional<BeamClip> clip = ctl.CopyBeam();
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->text,
              "C1\tL=6m\tB×D=30×60\t主筋 SD345 D22\tｽﾀｰﾗｯﾌﾟ SD295 D10\t"
              "Fc=21(N/mm2)\t荷重 1");
    const PastedBeam back = ReadBeamClip(clip->json, false);
    ASSERT_TRUE(back.beam);
    EXPECT_FLOAT_EQ(back.beam->loadValue[0], 1.0f);
    const PastedBeam same = ReadBeamClip(clip->json, true);
    ASSERT_TRUE(same.beam);
    EXPECT_EQ(*same.beam, pasted);
}

TEST_F(HistoryTest, PasteRefusesWhatIsNoBeamAndChangesNothing) {
    Start();
    AddBeams(1);
    BeamRecord heavy = TypicalBeam("H");
    heavy.loadValue[0] = 5000.0f;  // 5,000,000 kg/m2: 49,033,250 N/m2 has no room in the field
    BeamRecord wrong = TypicalBeam("W");
    wrong.spanLength = -6.0f;
    Project two = ProjectOf({TypicalBeam(), TypicalBeam()});
    const struct {
        std::string json;
        std::string message;
    } cases[] = {
        {"G1  6m  30×60", "クリップボードの内容は、梁データではありません。"},
        {"{\"beams\": [], \"settings\": {\"beamCount\": 0}}",
         "クリップボードの内容は、梁データではありません。"},
        {ProjectToJson(two), "クリップボードの内容は、梁データではありません。"},
        {MakeBeamClip(wrong, 0).json,
         "クリップボードの梁データに誤りがあります。\r\r"
         "beams[0].spanLength: -6.0 must be a number above 0 up to 50"},
        {MakeBeamClip(heavy, 0).json,
         "[ H ] を貼り付けられません。\r\r荷重データ No.1 の荷重を"
         "ＳＩ単位に換算すると、入力できる桁数を超えます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json.substr(0, 40));
        user.Clear();
        const Project before = ctl.CurrentProject();
        const std::size_t steps = ctl.History().UndoCount();
        EXPECT_FALSE(ctl.PasteBeam(c.json));
        EXPECT_EQ(Asked(), std::vector<std::string>{c.message});
        EXPECT_EQ(ctl.CurrentProject(), before);
        EXPECT_EQ(ctl.History().UndoCount(), steps);
    }
}

TEST_F(HistoryTest, DuplicateSelectsTheCopyForANewNameAndTheFullListRefuses) {
    std::mt19937 rng(11);
    Start();
    OpenRandom(rng, true, 49);
    ctl.SelectBeam(2);
    ASSERT_TRUE(ctl.DuplicateBeam());
    EXPECT_EQ(ctl.Position(), 4);
    EXPECT_EQ(ctl.CurrentProject().Beam(4), ctl.CurrentProject().Beam(3));
    EXPECT_EQ(area().View().focusRequest, Field::MemberName);
    EXPECT_EQ(ctl.UndoName(), "梁の複写 " + ctl.CurrentProject().Beam(3).memberName);

    user.Clear();
    const std::string full = "これ以上、梁を追加できません。(最大 50 本)";
    EXPECT_FALSE(ctl.DuplicateBeam());
    EXPECT_FALSE(ctl.PasteBeam(MakeBeamClip(TypicalBeam(), 3).json));
    EXPECT_EQ(Asked(), (std::vector<std::string>{full, full}));
    EXPECT_EQ(ctl.BeamCount(), 50);
}

}  // namespace
}  // namespace zel::test
