// Where settings, defaults and support files are found: beside a portable program, or in the
// user's configuration folder and ../share/kavozel for an installed one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "TempDir.h"
#include "data/GradeTable.h"
#include "data/ProgramFiles.h"

namespace zel::test {
namespace {

// Sets an environment variable for a scope and puts the former value back.
class EnvScope {
  public:
    EnvScope(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~EnvScope() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class ProgramFilesTest : public ::testing::Test {
  protected:
    // An unpacked package: root/usr/bin holds the programs, root/usr/share/kavozel the rest.
    void MakeInstalledLayout() {
        std::filesystem::create_directories(dir.path() / "usr" / "bin");
        std::filesystem::create_directories(dir.path() / "usr" / "share" / "kavozel");
        WriteBytes(Share(kGradeTableFileName), "SD295,3000\n");
    }
    std::string Bin() const { return (dir.path() / "usr" / "bin").string(); }
    std::string Share(const std::string& name) const {
        return (dir.path() / "usr" / "share" / "kavozel" / name).string();
    }

    TempDir dir;
    EnvScope home{"HOME", dir.file("home")};
    EnvScope xdg{"XDG_CONFIG_HOME", dir.file("config")};
};

TEST_F(ProgramFilesTest, PortableFolderKeepsEverythingBesideTheProgram) {
    WriteBytes(dir.file(kGradeTableFileName), "SD295,3000\n");
    const ProgramFiles files = LocateProgramFiles(dir.path().string());
    EXPECT_EQ(files.configFolder, dir.path().string());
    EXPECT_EQ(files.ConfigFile("KAVOZel.INI"), dir.file("KAVOZel.INI"));
    EXPECT_EQ(files.SupportFile(kGradeTableFileName), dir.file(kGradeTableFileName));
    EXPECT_EQ(files.dataFolder, dir.path().string());
    EXPECT_FALSE(std::filesystem::exists(dir.file("config")));
}

TEST_F(ProgramFilesTest, InstalledProgramUsesTheConfigFolderAndTheShareFolder) {
    MakeInstalledLayout();
    const ProgramFiles files = LocateProgramFiles(Bin());
    EXPECT_EQ(files.configFolder, dir.file("config") + "/kavozel");
    EXPECT_TRUE(std::filesystem::is_directory(files.configFolder));
    EXPECT_EQ(files.ConfigFile("KavoZel.Def"), dir.file("config") + "/kavozel/KavoZel.Def");
    EXPECT_EQ(files.SupportFile(kGradeTableFileName), Share(kGradeTableFileName));
    EXPECT_EQ(files.dataFolder, dir.file("home"));

    // A file beside the program is preferred; one found nowhere is named in the program folder.
    WriteBytes(Bin() + "/KAVOZel.HLP", "local");
    WriteBytes(Share("KAVOZel.HLP"), "shared");
    EXPECT_EQ(files.SupportFile("KAVOZel.HLP"), Bin() + "/KAVOZel.HLP");
    EXPECT_EQ(files.SupportFile("nowhere.jpg"), Bin() + "/nowhere.jpg");
}

TEST_F(ProgramFilesTest, WithoutXdgConfigHomeTheConfigFolderIsUnderHome) {
    MakeInstalledLayout();
    EnvScope noXdg("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(LocateProgramFiles(Bin()).configFolder, dir.file("home") + "/.config/kavozel");
    // Nowhere to put the files: they stay with the program, whose saves then report failure.
    EnvScope noHome("HOME", std::nullopt);
    EXPECT_EQ(LocateProgramFiles(Bin()).configFolder, Bin());
}

TEST(ProgramFilesExecutable, ExecutableFolderIsTheTestProgramsFolder) {
    EXPECT_TRUE(std::filesystem::equivalent(ExecutableFolder(), ZEL_BIN_DIR));
}

}  // namespace
}  // namespace zel::test
