#include "lib/Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace zel {

std::string FileNameOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string BaseNameOf(std::string_view path) {
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return FileNameOf(path);
    return FileNameOf(path.substr(0, dot));
}

std::string LowerExtensionOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    const auto dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string FolderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    if (slash == 0) return "/";
    return std::string(path.substr(0, slash));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string result(folder);
    if (result.back() != '/') result.push_back('/');
    result += name;
    return result;
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    std::error_code error;
    // A folder opens for reading on Linux too, but it is not a file.
    if (std::filesystem::is_directory(std::filesystem::path(path), error)) return false;
    std::ifstream in{std::string(path), std::ios::binary};
    return in.good();
}

}  // namespace zel
