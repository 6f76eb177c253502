// What the program does with targets it must not replace, output nobody received, and data
// files that are damaged, run through the real program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <string>

#include "ZelRunner.h"
#include "data/ZelFile.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

using test::RunZel;
using test::ShellRun;

const std::string kFloor = std::string(ZEL_SOURCE_DIR) + "/resources/samples/floor.Zel";

std::string Q(const fs::path& p) {
    return "'" + p.string() + "'";
}

class ZelOutputs : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zel_outputs_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    // floor.Zel with one change made through the data layer.
    template <typename Change>
    fs::path FloorWith(const std::string& name, Change change) {
        Project p = MakeEmptyProject();
        EXPECT_TRUE(LoadZelFile(kFloor, p).Ok());
        change(p);
        const fs::path path = dir / name;
        const std::string bytes = EncodeZel(p);
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    fs::path dir;
};

TEST_F(ZelOutputs, SpecialFilesAreNeverReplaced) {
    const fs::path fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    std::vector<fs::path> targets{fifo};
    const fs::path device = dir / "null";
    if (geteuid() == 0 && mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        targets.push_back(device);
    const std::string json = (dir / "floor.json").string();
    ASSERT_EQ(RunZel("export '" + kFloor + "' > '" + json + "'").exitCode, 0);
    for (const fs::path& target : targets) {
        for (const std::string& command :
             {"sheet -q '" + kFloor + "' -o " + Q(target), "import '" + json + "' -o " + Q(target),
              "sheet -q '" + kFloor + "' -o " + Q(dir / "x.pdf") + " --png " + Q(target)}) {
            const ShellRun run = RunZel(command);
            if (run.exitCode == 3) continue;  // built without Qt
            EXPECT_EQ(run.exitCode, 1) << command;
            EXPECT_NE(run.err.find(target.string() + ": not a "), std::string::npos) << run.err;
            EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(target))) << command;
        }
    }
    // A PNG page that exists as a FIFO is not replaced either.
    fs::create_directories(dir / "png");
    ASSERT_EQ(mkfifo((dir / "png" / "page-001.png").c_str(), 0666), 0);
    const ShellRun png = RunZel("sheet -q '" + kFloor + "' -o " + Q(dir / "y.pdf") +
                                " --pages 1 --png " + Q(dir / "png"));
    if (png.exitCode != 3) {
        EXPECT_EQ(png.exitCode, 1);
        EXPECT_TRUE(fs::is_fifo(dir / "png" / "page-001.png"));
    }
}

TEST_F(ZelOutputs, OutputThatCannotBeWrittenIsAFailure) {
    for (const std::string& command :
         {"export '" + kFloor + "'", "info '" + kFloor + "'", "calc '" + kFloor + "'",
          "calc --json '" + kFloor + "'", "check '" + kFloor + "'", "list '" + kFloor + "'",
          std::string("--help"), std::string("--version")}) {
        const ShellRun run = RunZel(command + " > /dev/full");
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_NE(run.err.find("zel: cannot write to standard output: No space left on device"),
                  std::string::npos)
            << command << ": " << run.err;
    }
}

TEST_F(ZelOutputs, ABeamCutByTheFileEndIsNotCalculatedAndEveryCommandSaysSo) {
    const fs::path cut = dir / "cut.Zel";
    fs::copy_file(kFloor, cut);
    fs::resize_file(cut, 1000);
    const std::string warning = "zel: warning: " + cut.string() +
                                ": file ends at byte 1000, inside beam 2; beams 2… "
                                "are incomplete\n";
    for (const char* command : {"info", "calc", "check", "list", "export"}) {
        const ShellRun run = RunZel(std::string(command) + " " + Q(cut));
        EXPECT_EQ(run.exitCode, 4) << command;
        EXPECT_EQ(run.err, warning) << command;
    }
    const ShellRun calc = RunZel("calc --json " + Q(cut));
    EXPECT_NE(calc.out.find("\"slot\":2,\"memberName\":\"2G2"), std::string::npos) << calc.out;
    EXPECT_NE(calc.out.find("\"error\":\"データファイルがこの梁の途中で終わっているため"),
              std::string::npos)
        << calc.out;
    const ShellRun check = RunZel("check " + Q(cut));
    EXPECT_NE(check.out.find("計算できません: データファイルがこの梁の途中で"), std::string::npos)
        << check.out;
    const ShellRun sheet = RunZel("sheet -q " + Q(cut) + " -o " + Q(dir / "cut.pdf"));
    if (sheet.exitCode != 3) {
        EXPECT_EQ(sheet.exitCode, 4);
        EXPECT_EQ(sheet.err, warning);
    }
}

TEST_F(ZelOutputs, CountsOutOfRangeAreClampedOnReadAndRefusedByImport) {
    const fs::path many = FloorWith("many.Zel", [](Project& p) { p.settings.beamCount = 999; });
    const ShellRun info = RunZel("info " + Q(many));
    EXPECT_EQ(info.exitCode, 4);
    EXPECT_NE(info.err.find("beam count 999 is out of range 0…50; read as 50"), std::string::npos)
        << info.err;
    EXPECT_NE(info.out.find("beams: 50\n"), std::string::npos);

    const std::string json = (dir / "floor.json").string();
    ASSERT_EQ(RunZel("export '" + kFloor + "' > '" + json + "'").exitCode, 0);
    struct Edit {
        const char* sed;
        const char* field;
    };
    for (const Edit& edit :
         {Edit{"s/\"beamCount\": 13/\"beamCount\": 999/", "settings.beamCount"},
          Edit{"0,/\"spanLength\": [0-9.]*/s//\"spanLength\": -6/", "beams[0].spanLength"},
          Edit{"0,/\"loadCount\": [0-9]*/s//\"loadCount\": 21/", "beams[0].loadCount"},
          Edit{"0,/\"unitCode\": [0-9]*/s//\"unitCode\": 7/", "settings.unitCode"}}) {
        const std::string edited = (dir / "edited.json").string();
        ASSERT_EQ(
            test::Shell(std::string("sed -e '") + edit.sed + "' '" + json + "' > '" + edited + "'")
                .exitCode,
            0);
        const ShellRun run = RunZel("import '" + edited + "' -o " + Q(dir / "out.Zel"));
        EXPECT_EQ(run.exitCode, 1) << edit.field;
        EXPECT_NE(run.err.find(std::string(edit.field) + ": "), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(dir / "out.Zel"));
    }
}

// A load whose lengths are not finite, or absurdly large, is refused by the calculation and
// must not turn the sheet into endless lines.
TEST_F(ZelOutputs, ADamagedLoadKeepsTheSheetSmall) {
    for (const float length : {std::numeric_limits<float>::infinity(), -5e17f}) {
        const fs::path file =
            FloorWith("load.Zel", [&](Project& p) { p.Beam(5).loadLengths[0][1] = length; });
        const fs::path pdf = dir / "load.pdf";
        const ShellRun run = RunZel("sheet -q " + Q(file) + " -o " + Q(pdf));
        if (run.exitCode == 3) GTEST_SKIP() << "zel was built without Qt";
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_LT(fs::file_size(pdf), 2u << 20) << length;
    }
}

TEST_F(ZelOutputs, UsageMistakesNameTheProblemAndShowTheUsage) {
    const ShellRun unknown = RunZel("frobnicate '" + kFloor + "'");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("zel: unknown command 'frobnicate'"), std::string::npos)
        << unknown.err;
    const ShellRun empty = RunZel("sheet '" + kFloor + "' --pages 9-3 -o " + Q(dir / "z.pdf"));
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_NE(empty.err.find("--pages"), std::string::npos);
    EXPECT_NE(empty.err.find("Usage:"), std::string::npos) << empty.err;
    EXPECT_FALSE(fs::exists(dir / "z.pdf"));
}

}  // namespace
}  // namespace zel
