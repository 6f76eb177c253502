#pragma once
// The binary data file (*.Zel): header, settings, 50 beam slots, result summary, 100 result
// slots and the sheet font, little-endian, texts as a 2-byte byte count plus Shift-JIS bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/Project.h"

namespace zel {

// Size of a file whose texts are all empty except the 15-byte header.
inline constexpr std::size_t kEmptyZelFileSize = 84431;

enum class ZelLoadStatus {
    Ok,          // loaded (possibly short: see ZelLoadResult::truncated)
    CannotOpen,  // the file could not be opened or read; project unchanged
    NotZelFile,  // signature is not "KAVO-Zel"; project unchanged
};

struct ZelLoadResult {
    ZelLoadStatus status = ZelLoadStatus::Ok;
    // The file ended before the last record: what it did not reach stays reset. Older files
    // rely on this, so it is loaded, but the caller must show the warnings. A beam the end
    // cuts in the middle is marked BeamRecord::cutByFileEnd.
    bool truncated = false;
    // Loaded, but damaged: one line each, e.g. "file ends at byte 1000, inside beam 2;
    // beams 2… are incomplete" or a beam count out of range that was clamped.
    std::vector<std::string> warnings;
    // For CannotOpen / NotZelFile the reason; when loaded, the warnings one per line.
    std::string message;
    bool Ok() const { return status == ZelLoadStatus::Ok; }
    bool Damaged() const { return !warnings.empty(); }
};

struct ZelSaveResult {
    bool ok = false;
    std::string error;  // why the save failed; the previous file is untouched then
    // Texts that had characters without a Shift-JIS form (written as "?").
    int unencodableTexts = 0;
};

// Parses a whole file image into `project`. On NotZelFile `project` is left as it was;
// otherwise it is replaced (slots the bytes do not reach are reset).
ZelLoadResult DecodeZel(std::string_view bytes, Project& project);

// The file image of a project, with its header exactly as held in project.header.
std::string EncodeZel(const Project& project, int* unencodableTexts = nullptr);

// True when the file starts with a header whose signature is "KAVO-Zel".
bool CheckZelSignature(const std::string& path);

// Loads a file. On any failure the project in memory is unchanged.
ZelLoadResult LoadZelFile(const std::string& path, Project& project);

// Stamps the current version header into the project and writes it atomically (temporary file
// beside the target, flushed to disk, renamed over it). On failure the old file and the
// project are untouched and the error must be shown.
ZelSaveResult SaveZelFile(const std::string& path, Project& project);

// "このファイルは、[ KAVO-Zel /ＲＣ梁断面算定 ] のデータではありません。" + CR CR +
// "File Name: " + file name: the message for a refused file.
std::string NotZelFileMessage(const std::string& path);

}  // namespace zel
