#pragma once
// The defaults file "KavoZel.Def": one DefaultsRecord in the data file's encoding.
#include <string>
#include <string_view>

#include "data/DefaultsRecord.h"

namespace zel {

inline constexpr const char* kDefaultsFileName = "KavoZel.Def";

enum class DefaultsReadStatus {
    Read,       // the whole record was in the file
    Short,      // the file ended early: the missing fields took the built-in defaults
    Missing,    // no file: built-in defaults (the caller may create the file)
    Unreadable  // could not be read: built-in defaults
};

// Reads the defaults. Never leaves a field that a damaged or missing file did not supply
// without its built-in value.
DefaultsReadStatus ReadDefaultsFile(const std::string& path, DefaultsRecord& defaults);
DefaultsReadStatus DecodeDefaults(std::string_view bytes, DefaultsRecord& defaults);

std::string EncodeDefaults(const DefaultsRecord& defaults);
// Returns "" or the reason it failed.
std::string WriteDefaultsFile(const std::string& path, const DefaultsRecord& defaults);

}  // namespace zel
