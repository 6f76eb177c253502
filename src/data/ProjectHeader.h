#pragma once
// First record of the data file: the version digits and the signature.
#include <string>

#include "lib/Version.h"

namespace zel {

inline constexpr const char* kZelSignature = "KAVO-Zel";

struct ProjectHeader {
    std::string versionText = kFileVersionText;  // "205"
    std::string signature = kZelSignature;

    bool operator==(const ProjectHeader&) const = default;
};

}  // namespace zel
