#pragma once
// A main-window controller wired to a scripted user and a recorded window in a fresh program
// folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "editor/MainController.h"
#include "editor/MainWindowUi.h"
#include "support/ScriptedPrompter.h"

namespace zel::test {

// Records what the main-window commands show; the questions go to the ScriptedPrompter.
class ScriptedMainWindowUi : public MainWindowUi {
  public:
    void OpenCheckView(int slot, const CheckViewTexts& texts) override {
        checkViews.push_back(slot);
        checkTexts.push_back(texts);
    }
    void CloseCheckView() override { ++checkViewCloses; }
    void OpenPreview(const SheetRequest& request) override {
        ++previews;
        sheetRequests.push_back(request);
    }
    SheetOutputResult WritePdf(const SheetDocument& document, const std::string& path,
                               const std::string& title) override {
        pdfWrites.push_back({path, title, document.PageCount()});
        return pdfResult;
    }
    void MainWindowChanged(const MainWindowView& view) override {
        lastView = view;
        ++viewChanges;
    }

    struct PdfWrite {
        std::string path;
        std::string title;
        int pages = 0;
    };
    std::vector<PdfWrite> pdfWrites;
    SheetOutputResult pdfResult{true, ""};
    std::vector<int> checkViews;
    std::vector<CheckViewTexts> checkTexts;
    std::vector<SheetRequest> sheetRequests;
    int checkViewCloses = 0;
    int previews = 0;
    MainWindowView lastView;
    int viewChanges = 0;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class ControllerTest : public ::testing::Test {
  protected:
    ControllerTest() {
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("zel_ctl_test_" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_ / "prog");
        std::filesystem::create_directories(folder_ / "data");
        std::filesystem::copy_file(
            std::filesystem::path(ZEL_SOURCE_DIR) / "resources" / "鉄筋Ｆ値.TBL",
            folder_ / "prog" / "鉄筋Ｆ値.TBL");
    }
    ~ControllerTest() override {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    std::string ProgramFolder() const { return (folder_ / "prog").string(); }
    std::string DataFile(const std::string& name) const {
        return (folder_ / "data" / name).string();
    }

    void Start() { ctl.StartUp(ProgramFolder()); }
    InputArea& area() { return ctl.Input(); }

    // Typing of the user (counted as edits).
    void Type(Field field, const std::string& text) { area().TextChanged(field, text); }
    void TypeBeam(const std::string& name, const std::string& span = "6",
                  const std::string& b = "30", const std::string& d = "60",
                  const std::string& cover = "5") {
        Type(Field::MemberName, name);
        Type(Field::Span, span);
        Type(Field::Breadth1, b);
        Type(Field::Depth1, d);
        Type(Field::Cover1, cover);
    }
    // A uniform load typed on the type 4 page and added to the load list.
    void AddUniform(const std::string& w, const std::string& l1, const std::string& l2,
                    const std::string& h) {
        area().SelectLoadType(3);
        Type(Field::Load0, w);
        Type(Field::Load1, l1);
        Type(Field::Load2, l2);
        Type(Field::Load3, h);
        area().AddLoad();
    }
    // Adds beams named B1..Bn (span 6, one uniform load each).
    void AddBeams(int n) {
        for (int i = 1; i <= n; ++i) {
            TypeBeam("B" + std::to_string(i));
            ASSERT_TRUE(ctl.AddBeam()) << "beam " << i;
        }
    }
    std::vector<std::string> Asked() const { return user.Texts(); }

    std::filesystem::path folder_;
    ScriptedPrompter user;
    ScriptedMainWindowUi ui;
    MainController ctl{user, ui};
};

}  // namespace zel::test
