// zel loads no Qt: it hands the drawing commands, with their whole command line, to zel-draw
// beside it or in ../libexec/kavozel, and says clearly when there is none.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../data/TempDir.h"
#include "ZelRunner.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::Shell;
using test::ShellRun;

const std::string kZel = std::string(ZEL_BIN_DIR) + "/zel";

TEST(DrawingProgram, ZelLoadsNoQtAndZelDrawDoes) {
    const ShellRun zel = Shell("ldd '" + kZel + "'");
    ASSERT_EQ(zel.exitCode, 0);
    EXPECT_NE(zel.out.find("libstdc++"), std::string::npos) << zel.out;
    EXPECT_EQ(zel.out.find("libQt"), std::string::npos) << zel.out;
    const std::string draw = std::string(ZEL_BIN_DIR) + "/zel-draw";
    if (!fs::exists(draw)) GTEST_SKIP() << "built without Qt: no zel-draw";
    EXPECT_NE(Shell("ldd '" + draw + "'").out.find("libQt6Gui"), std::string::npos);
}

// A copy of zel in <root>/bin, where the real zel-draw is not.
class CopiedZel : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir.path() / "bin");
        fs::copy_file(kZel, zel);
    }
    ShellRun Run(const std::string& arguments) {
        return Shell("'" + zel.string() + "' " + arguments + " 2>&1");
    }
    // A stand-in zel-draw that shows the arguments it was given.
    void PlaceDrawingProgram(const fs::path& folder) {
        fs::create_directories(folder);
        const fs::path program = folder / "zel-draw";
        std::ofstream(program) << "#!/bin/sh\nprintf '[%s]' \"$@\"\nexit 7\n";
        fs::permissions(program, fs::perms::owner_all);
    }
    test::TempDir dir;
    fs::path zel = dir.path() / "bin" / "zel";
};

class FoundDrawingProgram : public CopiedZel, public ::testing::WithParamInterface<const char*> {};

TEST_P(FoundDrawingProgram, GetsTheWholeCommandLineAndGivesItsExitCode) {
    PlaceDrawingProgram(dir.path() / GetParam());
    const ShellRun sheet = Run("sheet -q 'a b.Zel' --pages 2-3");
    EXPECT_EQ(sheet.exitCode, 7);
    EXPECT_EQ(sheet.out, "[sheet][-q][a b.Zel][--pages][2-3]");
    EXPECT_EQ(Run("print --list").out, "[print][--list]");
    EXPECT_EQ(Run("sections a.Zel -o b.PDF").out, "[sections][a.Zel][-o][b.PDF]");
    // zel itself answers help and usage mistakes.
    const ShellRun help = Run("sheet --help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: "), std::string::npos) << help.out;
    EXPECT_EQ(Run("sheet").exitCode, 2);
    EXPECT_EQ(Run("sheet x.Zel --dpi 5").exitCode, 2);
}

INSTANTIATE_TEST_SUITE_P(Places, FoundDrawingProgram, ::testing::Values("bin", "libexec/kavozel"),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "beside" : "libexec");
                         });

TEST_F(CopiedZel, AMissingDrawingProgramIsNamedWithExitCode3) {
    for (const char* command : {"sheet 'x.Zel'", "print --list"}) {
        const ShellRun run = Run(command);
        EXPECT_EQ(run.exitCode, 3) << command;
        EXPECT_NE(run.out.find("zel: the drawing program zel-draw is missing (looked for " +
                               (dir.path() / "bin" / "zel-draw").string()),
                  std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find((dir.path() / "libexec/kavozel/zel-draw").string()),
                  std::string::npos);
    }
    EXPECT_NE(Run("sheet 'x.Zel'").out.find("this zel cannot write the sheet"), std::string::npos);
    EXPECT_NE(Run("print --list").out.find("this zel cannot print"), std::string::npos);
    const std::string floor = std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel";
    const ShellRun pdf = Run("sections '" + floor + "' -o '" + dir.file("s.pdf") + "'");
    EXPECT_EQ(pdf.exitCode, 3);
    EXPECT_NE(pdf.out.find("this zel cannot write the section list as PDF"), std::string::npos)
        << pdf.out;
    // What draws nothing through Qt still runs: the DXF, the lists.
    EXPECT_EQ(Run("sections -o '" + dir.file("s.dxf") + "' '" + floor + "'").exitCode, 0);
    EXPECT_TRUE(fs::exists(dir.file("s.dxf")));
    EXPECT_EQ(Run("list '" + floor + "'").exitCode, 0);
}

}  // namespace
}  // namespace zel
