// The main window's "断面リストの出力(&L)..." and the check view's "断面を提案...": the menu
// item and the button reach the controller, the files it writes read back with readers of
// their own (pdftotext, ezdxf), and the suggestion shows in the input area's fields.
#include <QLabel>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "calc/SectionSuggestion.h"
#include "lib/Numbers.h"
#include "qt/dialogs/CheckViewDialog.h"

namespace zel::test {
namespace {

namespace fs = std::filesystem;

class SectionOutputsWindowTest : public MainWindowTest {
  protected:
    qt::MainWindow& OpenFloor() {
        const fs::path copy = folder_ / "data" / "floor.Zel";
        fs::copy_file(fs::path(ZEL_SOURCE_DIR) / "resources/samples/floor.Zel", copy);
        qt::MainWindow& w = Open();
        w.OpenFile(copy.string());
        user.Clear();
        return w;
    }
};

TEST_F(SectionOutputsWindowTest, TheMenuItemWritesAPdfAndADxfThatReadBack) {
    OpenFloor();
    QAction* item = window_->Action("sectionListAction");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), qt::ToQ("断面リストの出力(&L)..."));
    EXPECT_TRUE(item->isEnabled());

    const std::string pdf = (folder_ / "data" / "list.pdf").string();
    const std::string dxf = (folder_ / "data" / "list.dxf").string();
    user.saveAnswers.push_back(pdf);
    Trigger("sectionListAction");
    const std::string text = CommandOutput("pdftotext -layout '" + pdf + "' -");
    for (const char* wanted : {"梁断面リスト", "2G1", "2G6", "floor.Zel"})
        EXPECT_NE(text.find(wanted), std::string::npos) << wanted;

    user.saveAnswers.push_back(dxf);
    Trigger("sectionListAction");
    const std::string read = CommandOutput(
        "/usr/bin/python3 -c \"import sys, ezdxf; from ezdxf import recover; "
        "doc, auditor = recover.readfile(sys.argv[1]); "
        "print('errors', len(auditor.errors)); "
        "print('circles', len(doc.modelspace().query('CIRCLE'))); "
        "print('\\n'.join(t.dxf.text for t in doc.modelspace().query('TEXT')))\" '" +
        dxf + "'");
    EXPECT_NE(read.find("errors 0"), std::string::npos) << read;
    EXPECT_EQ(read.find("circles 0\n"), std::string::npos) << read;
    EXPECT_NE(read.find("2G6"), std::string::npos) << read;
    EXPECT_EQ(user.asked.size(), 2u);  // the two "出力しました" messages, no failure
}

TEST_F(SectionOutputsWindowTest, TheCheckViewOfAFailedBeamSaysWhyAndPutsASuggestionInTheFields) {
    OpenFloor();
    // A beam that passes shows no button and no sentence.
    OnModalDialog<qt::CheckViewDialog>([&](qt::CheckViewDialog* view) {
        EXPECT_FALSE(view->SuggestButton()->isVisible());
        for (int c = 0; c < 3; ++c) EXPECT_FALSE(view->FailureLabel(c)->isVisible());
        EXPECT_TRUE(view->WhyLabel()->isVisible());
        view->accept();
    });
    Trigger("checkAction");

    window_->BeamList()->setCurrentRow(9);  // 2G6, "設計不可"
    ASSERT_EQ(window_->Controller().Position(), 10);
    bool shown = false;
    OnModalDialog<qt::CheckViewDialog>([&](qt::CheckViewDialog* view) {
        shown = true;
        EXPECT_TRUE(view->FailureLabel(0)->isVisible());
        EXPECT_EQ(view->FailureLabel(0)->text(), qt::ToQ("主筋が100本を超える"));
        EXPECT_TRUE(view->WhyLabel()->text().contains(qt::ToQ("主筋:")));
        ASSERT_NE(view->SuggestButton(), nullptr);
        ASSERT_TRUE(view->SuggestButton()->isVisible());
        if (const char* out = std::getenv("ZEL_SCREENSHOT_DIR")) {
            EXPECT_TRUE(view->grab().save(QString::fromUtf8(out) + "/check-view-why.png"));
        }
        user.Answer(kAnswerOk);  // the suggestion's question
        QTest::mouseClick(view->SuggestButton(), Qt::LeftButton);
    });
    Trigger("checkAction");
    ASSERT_TRUE(shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // the view closed itself
    EXPECT_NE(user.LastText().find("提案  "), std::string::npos);
    // The widgets show the model's new texts, which are the suggestion's section.
    const SectionSuggestion expected =
        SuggestSection(window_->Controller().CurrentProject(), 10, {});
    ASSERT_TRUE(expected.found);
    EXPECT_EQ(Text(Field::Breadth1), FormatGeneral(expected.beam.sectionWidth[0]));
    EXPECT_EQ(Text(Field::Depth1), FormatGeneral(expected.beam.sectionDepth[0]));
    EXPECT_TRUE(window_->Controller().MemberModified());
}

}  // namespace
}  // namespace zel::test
