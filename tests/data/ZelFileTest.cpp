#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "TempDir.h"
#include "ZelLayout.h"
#include "data/DefaultsRecord.h"
#include "data/ZelFile.h"
#include "lib/ShiftJis.h"

namespace zel {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

template <typename T>
T At(const std::string& bytes, std::size_t offset) {
    T value{};
    EXPECT_LE(offset + sizeof(T), bytes.size());
    if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

std::unique_ptr<Project> NewProject() {
    return std::make_unique<Project>(MakeEmptyProject());
}

// Header 15 + settings with an empty title 10.
constexpr std::size_t kBeam1 = 25;
constexpr std::size_t kResult1 = kBeam1 + 50 * 700 + 202;

TEST(ZelFileTest, EmptyProjectSizeAndHeader) {
    auto p = NewProject();
    const std::string bytes = EncodeZel(*p);
    EXPECT_EQ(bytes.size(), 84431u);
    EXPECT_EQ(bytes.size(), kEmptyZelFileSize);
    EXPECT_EQ(bytes.substr(0, 15), std::string("\x03\x00"
                                               "205"
                                               "\x08\x00"
                                               "KAVO-Zel",
                                               15));

    // A new project with the default title and font: +14 and +9 bytes.
    ApplyDefaultsToProject(BuiltInDefaults(), p->settings, p->font);
    EXPECT_EQ(EncodeZel(*p).size(), 84431u + 14 + 9);

    p->Beam(1).memberName = "大梁G1";  // two double-byte characters and two single bytes
    const std::string named = EncodeZel(*p);
    EXPECT_EQ(named.size(), 84431u + 14 + 9 + 6);
    const std::size_t beam1 = kBeam1 + 14;
    EXPECT_EQ(At<std::uint16_t>(named, beam1), 6);
    EXPECT_EQ(named.substr(beam1 + 2, 6), *Utf8ToSjis("大梁G1"));
}

TEST(ZelFileTest, BeamFieldsSitAtTheirOffsets) {
    auto p = NewProject();
    BeamRecord& b = p->Beam(1);
    b.sectionWidth = {30, 35, 40};
    b.sectionCover = {5, 6, 7};
    b.spanLength = 6.5f;
    b.minRebarRule = 1;
    b.stirrupGrade = 3;
    b.mainBarSize = "D19";
    b.stirrupSize = "D10";
    b.assemblyMethod = 2;
    b.compressionBarRatio = 0.4f;
    b.spanType = 6;
    b.concreteFc = 240;
    b.stirrupGradeValue = 2.4f;
    b.allowableStresses = {2.0f, 0.01f, 0.007f, 2.1f};
    b.reserved[0] = 11.0f;
    b.selfWeight = 0.396;
    b.momentPositionMode = 1;
    b.momentPosition = 2.25f;
    b.loadCount = 20;
    b.loadType[19] = 6;
    b.loadValue[0] = 1.5f;
    b.loadLengths[0] = {1, 2, 3, 4};
    b.loadLengths[19][3] = 9.0f;
    b.loadHeight[19] = 0.75f;
    b.userCoefficients = {1.0f, 0.5f, 1.25f};
    p->Beam(2).memberName = "X";
    const std::string f = EncodeZel(*p);

    const std::size_t a = kBeam1 + 2;  // after the empty name
    EXPECT_EQ(At<float>(f, a + 0), 30.0f);
    EXPECT_EQ(At<float>(f, a + 8), 40.0f);
    EXPECT_EQ(At<float>(f, a + 24), 5.0f);
    EXPECT_EQ(At<float>(f, a + 36), 6.5f);
    EXPECT_EQ(At<std::int16_t>(f, a + 40), 1);
    EXPECT_EQ(At<std::int16_t>(f, a + 46), 3);
    EXPECT_EQ(f.substr(a + 48, 10), std::string("\x03\x00"
                                                "D19"
                                                "\x03\x00"
                                                "D10",
                                                10));
    const std::size_t bb = a + 58;
    EXPECT_EQ(At<std::int16_t>(f, bb + 0), 2);
    EXPECT_EQ(At<float>(f, bb + 4), 0.4f);
    EXPECT_EQ(At<std::int16_t>(f, bb + 12), 6);
    const std::size_t c = bb + 14;
    EXPECT_EQ(At<float>(f, c + 0), 240.0f);
    EXPECT_EQ(At<float>(f, c + 8), 2.4f);
    const std::size_t d = c + 12;
    EXPECT_EQ(At<float>(f, d + 0), 2.0f);
    EXPECT_EQ(At<float>(f, d + 4), 0.01f);  // fa before fs
    EXPECT_EQ(At<float>(f, d + 12), 2.1f);
    const std::size_t e = d + 16;
    EXPECT_EQ(At<float>(f, e + 0), 11.0f);
    EXPECT_EQ(At<double>(f, e + 48), 0.396);
    EXPECT_EQ(At<std::int16_t>(f, e + 64), 1);
    const std::size_t ff = e + 66;
    EXPECT_EQ(At<float>(f, ff + 0), 2.25f);
    EXPECT_EQ(At<std::int16_t>(f, ff + 4), 20);
    EXPECT_EQ(At<std::int16_t>(f, ff + 6 + 38), 6);
    const std::size_t g = ff + 46;
    EXPECT_EQ(At<float>(f, g + 0), 1.5f);
    EXPECT_EQ(At<float>(f, g + 80), 1.0f);
    EXPECT_EQ(At<float>(f, g + 92), 4.0f);   // L4 of load 1
    EXPECT_EQ(At<float>(f, g + 396), 9.0f);  // L4 of load 20
    EXPECT_EQ(At<float>(f, g + 400 + 76), 0.75f);
    EXPECT_EQ(At<float>(f, g + 480), 1.0f);
    EXPECT_EQ(At<float>(f, g + 488), 1.25f);
    // The next slot starts right after block G.
    EXPECT_EQ(f.substr(g + 492, 3), std::string("\x01\x00"
                                                "X",
                                                3));
}

TEST(ZelFileTest, ResultFieldsSitAtTheirOffsets) {
    auto p = NewProject();
    ResultRecord& r = p->Result(1);
    r.sectionCount = 3;
    r.sectionWidth[0] = 30;
    r.sectionCover[2] = 7;
    r.unusedBlock132[95] = 0xAB;
    r.barCounts[ResultRecord::BarIndex(0, 1, 1)] = 2;  // section 1, second layer, bottom
    r.barCounts[11] = 9;
    r.stirrupLegs[2] = 4;
    r.stirrupPitch = {100, 150, 200};
    r.unusedBlock188[187] = 0xCD;
    p->Result(100).memberName = "Z";
    p->resultSummary.resultCount = 7;
    p->font.fontChoice = 1;
    const std::string f = EncodeZel(*p);

    EXPECT_EQ(At<std::int16_t>(f, kResult1 - 202), 7);
    const std::size_t base = kResult1;
    EXPECT_EQ(At<std::int32_t>(f, base), 3);
    EXPECT_EQ(At<float>(f, base + 12), 30.0f);
    EXPECT_EQ(At<float>(f, base + 12 + 32), 7.0f);
    EXPECT_EQ(static_cast<unsigned char>(f[base + 143]), 0xAB);
    EXPECT_EQ(At<std::int32_t>(f, base + 168 + 12), 2);
    EXPECT_EQ(At<std::int32_t>(f, base + 168 + 44), 9);
    EXPECT_EQ(At<std::int32_t>(f, base + 216 + 8), 4);
    EXPECT_EQ(At<std::int32_t>(f, base + 234 + 8), 200);
    EXPECT_EQ(static_cast<unsigned char>(f[base + 451]), 0xCD);
    // Slot 100's name: 99 more records of 492 bytes.
    EXPECT_EQ(f.substr(base + 99 * 492 + 4, 3), std::string("\x01\x00"
                                                            "Z",
                                                            3));
    EXPECT_EQ(At<std::int16_t>(f, f.size() - 4), 1);
    EXPECT_EQ(f.size(), 84431u + 1);
}

TEST(ZelFileTest, IndependentLayoutAgreesWithTheWriter) {
    const std::string built =
        test::BuildZel([](int size) { return std::string(static_cast<std::size_t>(size), '\0'); },
                       [] { return std::string(); });
    EXPECT_EQ(built, EncodeZel(*NewProject()));
}

TEST(ZelFileTest, LoadThenSaveIsByteIdentical) {
    TempDir dir;
    std::mt19937 rng(20261208);
    for (int round = 0; round < 5; ++round) {
        const std::string original = test::RandomZel(rng);
        const std::string in = dir.file("in" + std::to_string(round) + ".Zel");
        const std::string out = dir.file("out" + std::to_string(round) + ".Zel");
        WriteBytes(in, original);

        auto p = NewProject();
        const ZelLoadResult loaded = LoadZelFile(in, *p);
        ASSERT_TRUE(loaded.Ok()) << loaded.message;
        EXPECT_FALSE(loaded.truncated);
        const ZelSaveResult saved = SaveZelFile(out, *p);
        ASSERT_TRUE(saved.ok) << saved.error;
        EXPECT_EQ(saved.unencodableTexts, 0);
        EXPECT_TRUE(ReadBytes(out) == original) << "round " << round;
    }
}

TEST(ZelFileTest, TextsWithoutAnExactUtf8FormAreCarriedUntilEdited) {
    const std::string odd = "\xff\xfe\x80";
    auto p = NewProject();
    std::string bytes = EncodeZel(*p);
    // Give beam 1 the odd name by splicing its text in.
    bytes.replace(kBeam1, 2, test::Text(odd));
    ASSERT_TRUE(DecodeZel(bytes, *p).Ok());
    EXPECT_FALSE(p->Beam(1).memberName.empty());
    EXPECT_EQ(EncodeZel(*p), bytes);

    // Moving the text to another slot or editing it re-encodes it from its UTF-8 form.
    p->Beam(1).memberName = "G1";
    const std::string edited = EncodeZel(*p);
    EXPECT_EQ(edited.substr(kBeam1, 4), std::string("\x02\x00"
                                                    "G1",
                                                    4));

    // A character with no Shift-JIS form is written as "?" and reported.
    p->Beam(1).memberName = "A😀B";
    int altered = 0;
    const std::string withEmoji = EncodeZel(*p, &altered);
    EXPECT_EQ(altered, 1);
    EXPECT_EQ(withEmoji.substr(kBeam1, 5), std::string("\x03\x00"
                                                       "A?B",
                                                       5));
}

TEST(ZelFileTest, HeaderOnlyFileLoadsWithResetSlotsAndIsReportedShort) {
    TempDir dir;
    const std::string path = dir.file("header.Zel");
    WriteBytes(path, std::string("\x03\x00"
                                 "205"
                                 "\x08\x00"
                                 "KAVO-Zel",
                                 15));
    EXPECT_TRUE(CheckZelSignature(path));

    auto p = NewProject();
    p->settings.beamCount = 3;
    p->Beam(2).memberName = "old";
    p->Result(7).sectionCount = 2;
    p->font.fontName = "x";
    const ZelLoadResult r = LoadZelFile(path, *p);
    ASSERT_TRUE(r.Ok()) << r.message;
    EXPECT_TRUE(r.truncated);
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(p->settings, ProjectSettings{});
    EXPECT_EQ(p->Beam(2), BeamRecord{});
    EXPECT_EQ(p->Result(7), ResultRecord{});
    EXPECT_EQ(p->font, SheetFontSetting{});
    EXPECT_EQ(p->header.versionText, "205");
}

TEST(ZelFileTest, TruncatedFileKeepsWhatItReachedAndResetsTheRest) {
    auto p = NewProject();
    p->settings.beamCount = 2;
    p->Beam(1).memberName = "A";
    p->Beam(1).spanLength = 5.0f;
    p->Beam(2).memberName = "B";
    p->Beam(2).spanLength = 6.0f;
    const std::string full = EncodeZel(*p);

    // Cut inside beam 2's block A: its name is read, its span is not.
    const std::size_t cut = kBeam1 + 703 + 3 + 20;
    auto q = NewProject();
    q->Beam(2).spanLength = 99.0f;
    const ZelLoadResult r = DecodeZel(full.substr(0, cut), *q);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.truncated);
    EXPECT_EQ(q->settings.beamCount, 2);
    EXPECT_EQ(q->Beam(1), p->Beam(1));
    EXPECT_EQ(q->Beam(2).memberName, "B");
    EXPECT_EQ(q->Beam(2).spanLength, 0.0f);
    EXPECT_EQ(q->Beam(3), BeamRecord{});

    // A text whose length runs past the end stops reading there.
    std::string bad = full.substr(0, kBeam1);
    bad += std::string(
        "\xff\xff"
        "abc",
        5);
    auto s = NewProject();
    const ZelLoadResult rs = DecodeZel(bad, *s);
    ASSERT_TRUE(rs.Ok());
    EXPECT_TRUE(rs.truncated);
    EXPECT_TRUE(s->Beam(1).memberName.empty());

    // Saving a short file's project writes every slot again.
    EXPECT_EQ(EncodeZel(*q).size(), kEmptyZelFileSize + 2);
    const ZelLoadResult whole = DecodeZel(full, *q);
    EXPECT_FALSE(whole.truncated);
}

TEST(ZelFileTest, ForeignFilesAreRefusedAndTheProjectIsKept) {
    TempDir dir;
    auto p = NewProject();
    p->settings.beamCount = 1;
    p->Beam(1).memberName = "keep";
    const auto before = std::make_unique<Project>(*p);

    const std::vector<std::string> foreign = {
        std::string(),
        std::string("\x03\x00"
                    "205"
                    "\x08\x00"
                    "kavo-zel",
                    15),  // case matters
        std::string("\x03\x00"
                    "205"
                    "\x08\x00"
                    "KAVO-Ze",
                    14),  // cut signature
        std::string("\x03\x00"
                    "205"
                    "\x07\x00"
                    "KAVO-Ze",
                    14),
        std::string("PK\x03\x04 some archive"),
    };
    for (std::size_t i = 0; i < foreign.size(); ++i) {
        const std::string path = dir.file("f" + std::to_string(i) + ".Zel");
        WriteBytes(path, foreign[i]);
        EXPECT_FALSE(CheckZelSignature(path)) << i;
        const ZelLoadResult r = LoadZelFile(path, *p);
        EXPECT_EQ(r.status, ZelLoadStatus::NotZelFile) << i;
        EXPECT_EQ(r.message,
                  "このファイルは、[ KAVO-Zel /ＲＣ梁断面算定 ] のデータではありません。"
                  "\r\rFile Name: f" +
                      std::to_string(i) + ".Zel");
        EXPECT_TRUE(*p == *before) << i;
    }

    // Another program's file whose second text happens to be the signature is accepted.
    const std::string other = dir.file("other.dat");
    WriteBytes(other, std::string("\x02\x00"
                                  "XY"
                                  "\x08\x00"
                                  "KAVO-Zel"
                                  "\x01\x00",
                                  16));
    EXPECT_TRUE(CheckZelSignature(other));
    EXPECT_TRUE(LoadZelFile(other, *p).Ok());
}

TEST(ZelFileTest, UnreadableFileLeavesTheProjectUnchanged) {
    TempDir dir;
    auto p = NewProject();
    p->Beam(4).memberName = "keep";
    const auto before = std::make_unique<Project>(*p);
    for (const std::string& path : {dir.file("missing.Zel"), dir.path().string()}) {
        const ZelLoadResult r = LoadZelFile(path, *p);
        EXPECT_EQ(r.status, ZelLoadStatus::CannotOpen) << path;
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
        EXPECT_FALSE(CheckZelSignature(path));
        EXPECT_TRUE(*p == *before);
    }
}

// Saves `p` to `target`, expecting failure, and checks that `survivor` is unchanged.
void ExpectFailedSave(const std::string& target, Project& p, const std::string& survivor,
                      const std::string& survivorBytes) {
    const ProjectHeader header = p.header;
    const ZelSaveResult r = SaveZelFile(target, p);
    EXPECT_FALSE(r.ok) << target;
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(p.header, header);
    EXPECT_TRUE(ReadBytes(survivor) == survivorBytes) << target;
}

TEST(ZelFileTest, FailedSaveIsReportedAndTheOldFileSurvives) {
    TempDir dir;
    auto p = NewProject();
    p->Beam(1).memberName = "new content";
    p->header.versionText = "204";  // stays when the save fails
    const std::string oldPath = dir.file("old.Zel");
    const std::string oldBytes = "previous file";
    WriteBytes(oldPath, oldBytes);

    // Folder that does not exist; a "folder" that is a file; a target that is a folder.
    ExpectFailedSave(dir.file("nowhere/x.Zel"), *p, oldPath, oldBytes);
    ExpectFailedSave(oldPath + "/x.Zel", *p, oldPath, oldBytes);
    std::filesystem::create_directory(dir.file("sub"));
    ExpectFailedSave(dir.file("sub"), *p, oldPath, oldBytes);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("sub")));

    // A device is never replaced by a regular file.
    struct stat st {};
    if (::stat("/dev/full", &st) == 0) {
        ExpectFailedSave("/dev/full", *p, oldPath, oldBytes);
        ASSERT_EQ(::stat("/dev/full", &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }

    // Read-only folder (root may write anyway, so only where permissions bind).
    if (::geteuid() != 0) {
        const std::string ro = dir.file("ro");
        std::filesystem::create_directory(ro);
        const std::string roFile = ro + "/old.Zel";
        WriteBytes(roFile, oldBytes);
        std::filesystem::permissions(
            ro, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        ExpectFailedSave(roFile, *p, roFile, oldBytes);
        std::filesystem::permissions(ro, std::filesystem::perms::owner_all);
    }
    // No temporary files are left behind.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
    }
}

TEST(ZelFileTest, WriteFailureMidwayLeavesTheOldFile) {
    // A file-size limit makes write() fail with EFBIG for every user, root included: the same
    // path a full disk takes.
    TempDir dir;
    const std::string path = dir.file("old.Zel");
    const std::string oldBytes(1000, 'o');
    WriteBytes(path, oldBytes);
    auto p = NewProject();

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const ZelSaveResult r = SaveZelFile(path, *p);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("old.Zel"), std::string::npos) << r.error;
    EXPECT_TRUE(ReadBytes(path) == oldBytes);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u);

    // Without the limit the same save succeeds and replaces the file.
    const ZelSaveResult ok = SaveZelFile(path, *p);
    EXPECT_TRUE(ok.ok) << ok.error;
    EXPECT_EQ(ReadBytes(path).size(), kEmptyZelFileSize);
}

TEST(ZelFileTest, SaveStampsTheCurrentVersionAndKeepsFilePermissions) {
    TempDir dir;
    const std::string path = dir.file("p.Zel");
    WriteBytes(path, "x");
    ::chmod(path.c_str(), 0640);
    auto p = NewProject();
    p->header = ProjectHeader{"204", "KAVO-Zel"};
    ASSERT_TRUE(SaveZelFile(path, *p).ok);
    EXPECT_EQ(p->header.versionText, "205");
    EXPECT_EQ(ReadBytes(path).substr(0, 5), std::string("\x03\x00"
                                                        "205",
                                                        5));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // Saving through a symbolic link replaces the file it points to, not the link.
    const std::string link = dir.file("link.Zel");
    std::filesystem::create_symlink(path, link);
    p->Beam(1).memberName = "via link";
    ASSERT_TRUE(SaveZelFile(link, *p).ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(path).size(), kEmptyZelFileSize + 8);
}

}  // namespace
}  // namespace zel

namespace zel {
namespace {

// Where a short file ends decides what it says and which beam is damaged.
TEST(ZelFileDamage, ABeamCutInTheMiddleIsMarkedAndNamedInOneWarning) {
    auto p = NewProject();
    p->settings.beamCount = 3;
    for (int k = 1; k <= 3; ++k) {
        p->Beam(k).memberName = "B" + std::to_string(k);
        p->Beam(k).spanLength = 5.0f;
    }
    const std::string full = EncodeZel(*p);
    // Inside beam 2: after its name (2 + 2 bytes), before its span.
    const std::size_t cut = kBeam1 + 702 + 4 + 20;
    auto q = NewProject();
    const ZelLoadResult r = DecodeZel(full.substr(0, cut), *q);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.truncated);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], "file ends at byte " + std::to_string(cut) +
                                 ", inside beam 2; beams 2… are incomplete");
    EXPECT_EQ(r.message, r.warnings[0]);
    EXPECT_FALSE(q->Beam(1).cutByFileEnd);
    EXPECT_TRUE(q->Beam(2).cutByFileEnd);
    EXPECT_FALSE(q->Beam(3).cutByFileEnd);

    // Ending exactly between two beams damages none: the rest is merely empty.
    auto e = NewProject();
    const ZelLoadResult between = DecodeZel(full.substr(0, kBeam1 + 702 * 2), *e);
    ASSERT_EQ(between.warnings.size(), 1u);
    EXPECT_NE(between.warnings[0].find("before beam 3; beams 3… are empty"), std::string::npos)
        << between.warnings[0];
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(e->Beam(k).cutByFileEnd) << k;

    // A whole file is not damaged.
    EXPECT_FALSE(DecodeZel(full, *e).Damaged());
}

TEST(ZelFileDamage, ABeamCountAboveFiftyIsClampedWithAWarning) {
    auto p = NewProject();
    p->settings.beamCount = 999;
    std::string bytes = EncodeZel(*p);
    auto q = NewProject();
    ZelLoadResult r = DecodeZel(bytes, *q);
    ASSERT_TRUE(r.Ok());
    EXPECT_FALSE(r.truncated);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], "beam count 999 is out of range 0…50; read as 50");
    EXPECT_EQ(q->BeamCount(), 50);
    EXPECT_EQ(EncodeZel(*q), bytes);  // still saved back byte for byte

    p->settings.beamCount = -3;
    r = DecodeZel(EncodeZel(*p), *q);
    EXPECT_TRUE(r.Damaged());
    EXPECT_EQ(q->BeamCount(), 0);
}

}  // namespace
}  // namespace zel
