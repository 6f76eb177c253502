// A save cut short by a crash or a power cut must leave the complete old file or the complete
// new one. A child process saves over and over and is killed with SIGKILL at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "TempDir.h"
#include "data/DefaultsFile.h"
#include "data/SettingsFile.h"
#include "data/ZelFile.h"
#include "lib/Paths.h"

namespace zel::test {
namespace {

constexpr int kKills = 200;

// save(0) and save(1) each write one version of the file at `path`.
struct KillStats {
    int oldFile = 0, newFile = 0;
};

void KillWhileSaving(const TempDir& dir, const std::string& name,
                     const std::function<void(int version)>& save, KillStats& stats) {
    const std::string path = dir.file(name);
    // The two versions as a save writes them.
    save(1);
    const std::string second = ReadBytes(path);
    save(0);
    const std::string first = ReadBytes(path);
    EXPECT_NE(first, second);

    // Kill within a few save times, so most kills land inside a save.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i) save(i % 2);
    const auto saveTime = (std::chrono::steady_clock::now() - start) / 10;
    const long maxDelayUs = std::max<long>(
        200, 2 * std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());

    std::mt19937 rng(std::random_device{}());
    for (int kill = 0; kill < kKills; ++kill) {
        const std::string before = ReadBytes(path);
        const pid_t child = fork();
        if (child == 0) {
            for (int version = before == first ? 1 : 0;; version ^= 1) save(version);
        }
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % maxDelayUs));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";

        const std::string after = ReadBytes(path);
        ASSERT_TRUE(after == first || after == second)
            << name << ": after kill " << kill << " the file has " << after.size() << " bytes";
        ++(after == before ? stats.oldFile : stats.newFile);
    }
    // Besides the file itself, a kill may only leave the save's own temporary files.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string leaf = entry.path().filename().string();
        EXPECT_TRUE(leaf == name || leaf.starts_with("." + name + ".")) << leaf;
    }
    std::cout << "[          ] " << name << ": " << kKills << " kills, old file " << stats.oldFile
              << ", new file " << stats.newFile << " (save " << saveTime.count() / 1000 << " us)\n";
}

// In the child a failed save must not look like a kill.
void SaveOrExit(const std::string& error) {
    if (!error.empty()) _exit(3);
}

TEST(KillWhileSavingTest, DataFileIsOldOrNewAfterEveryKill) {
    TempDir dir;
    std::array<Project, 2> projects{MakeEmptyProject(), MakeEmptyProject()};
    projects[1].settings.beamCount = 1;
    projects[1].Beam(1).memberName = "大梁G1";
    projects[1].settings.sheetTitle = std::string(3000, 'x');  // the versions differ in size
    KillStats stats;
    KillWhileSaving(
        dir, "floor.Zel",
        [&](int version) {
            SaveOrExit(SaveZelFile(dir.file("floor.Zel"), projects[version]).error);
        },
        stats);
    EXPECT_GT(stats.newFile, 0);
}

TEST(KillWhileSavingTest, SettingsAndDefaultsAreOldOrNewAfterEveryKill) {
    TempDir settingsDir;
    std::array<SettingsFile, 2> settings;
    settings[1].dataFolder = "/home/user/構造計算";
    settings[1].history = {"/home/user/a.Zel", "/home/user/b.Zel"};
    KillStats stats;
    KillWhileSaving(
        settingsDir, "KAVOZel.INI",
        [&](int version) {
            SaveOrExit(WriteSettingsFile(settingsDir.file("KAVOZel.INI"), settings[version]));
        },
        stats);
    EXPECT_GT(stats.newFile, 0);

    TempDir defaultsDir;
    std::array<DefaultsRecord, 2> defaults{BuiltInDefaults(), BuiltInDefaults()};
    defaults[1].sheetTitle = "見出し";
    defaults[1].concreteFc = 240;
    stats = {};
    KillWhileSaving(
        defaultsDir, "KavoZel.Def",
        [&](int version) {
            SaveOrExit(WriteDefaultsFile(defaultsDir.file("KavoZel.Def"), defaults[version]));
        },
        stats);
    EXPECT_GT(stats.newFile, 0);
}

}  // namespace
}  // namespace zel::test
