#pragma once
// Program identity shown in captions, files and the about box.
namespace zel {

inline constexpr const char* kProgramTitle = "KAVO-Zel /ＲＣ梁断面算定";
inline constexpr const char* kNewDataName = "新規データ";
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 5;
// "Ver.2.0.5"
inline constexpr const char* kVersionText = "Ver.2.0.5";
// Digits without separators, as the data file's header stores them.
inline constexpr const char* kFileVersionText = "205";

}  // namespace zel
