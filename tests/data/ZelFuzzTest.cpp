// Thousands of damaged files: the reader must neither crash nor read out of bounds (run it in
// the sanitizer build), and whatever it accepts must save and reload stably.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "ZelLayout.h"
#include "data/ZelFile.h"

namespace zel {
namespace {

std::string Mutate(const std::string& seed, std::mt19937& rng) {
    std::string f = seed;
    auto pick = [&](std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rng() % n); };
    switch (rng() % 6) {
        case 0:  // truncation anywhere
            f.resize(pick(f.size() + 1));
            break;
        case 1:  // scattered byte flips
            for (int i = 0, n = 1 + static_cast<int>(rng() % 32); i < n && !f.empty(); ++i) {
                f[pick(f.size())] = static_cast<char>(rng() & 0xFF);
            }
            break;
        case 2:  // a huge length somewhere (often lands on a text length)
            if (f.size() > 2) {
                const std::size_t at = pick(f.size() - 1);
                f[at] = '\xff';
                f[at + 1] = static_cast<char>(rng() & 1 ? 0xff : 0x7f);
            }
            break;
        case 3:  // insertion or deletion shifts everything after it
            if (rng() & 1) {
                f.insert(pick(f.size() + 1), std::string(1 + pick(40), static_cast<char>(rng())));
            } else if (!f.empty()) {
                const std::size_t at = pick(f.size());
                f.erase(at, 1 + pick(40));
            }
            break;
        case 4: {  // valid header followed by random bytes
            std::string r(pick(100000), '\0');
            for (auto& c : r) c = static_cast<char>(rng() & 0xFF);
            f = f.substr(0, 15) + r;
            break;
        }
        default:  // truncation plus flips
            f.resize(pick(f.size() + 1));
            for (int i = 0; i < 8 && !f.empty(); ++i) f[pick(f.size())] ^= 0x55;
            break;
    }
    return f;
}

TEST(ZelFuzzTest, DamagedFilesNeverCrashAndReloadStably) {
    std::mt19937 rng(424242);
    std::vector<std::string> seeds;
    for (int i = 0; i < 3; ++i) seeds.push_back(test::RandomZel(rng));
    {
        Project p;
        p.Beam(1).memberName = "大梁G1";
        seeds.push_back(EncodeZel(p));
    }

    int accepted = 0;
    int shortFiles = 0;
    constexpr int kRounds = 3000;
    auto project = std::make_unique<Project>();
    auto again = std::make_unique<Project>();
    for (int round = 0; round < kRounds; ++round) {
        const std::string file = Mutate(seeds[round % seeds.size()], rng);
        const ZelLoadResult r = DecodeZel(file, *project);
        if (!r.Ok()) {
            EXPECT_EQ(r.status, ZelLoadStatus::NotZelFile);
            continue;
        }
        ++accepted;
        if (r.truncated) ++shortFiles;
        // Whatever was accepted saves whole and reads back to the same bytes.
        const std::string saved = EncodeZel(*project);
        ASSERT_GE(saved.size(), kEmptyZelFileSize) << "round " << round;
        // A complete file of unchanged length comes back byte for byte.
        if (!r.truncated && file.size() == saved.size()) {
            EXPECT_TRUE(saved == file) << "round " << round;
        }
        if (round % 8 != 0) continue;  // the reload check is the slow half; sample it
        const ZelLoadResult back = DecodeZel(saved, *again);
        ASSERT_TRUE(back.Ok()) << "round " << round;
        EXPECT_FALSE(back.truncated) << "round " << round;
        ASSERT_TRUE(EncodeZel(*again) == saved) << "round " << round;
    }
    // The mutations must exercise both outcomes, or the test proves little.
    EXPECT_GT(accepted, kRounds / 2);
    EXPECT_GT(shortFiles, kRounds / 10);
    EXPECT_LT(accepted, kRounds);
}

}  // namespace
}  // namespace zel
