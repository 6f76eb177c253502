#include "data/ProgramFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "data/GradeTable.h"
#include "lib/Paths.h"

namespace zel {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The user's configuration folder for this program, created if needed; "" when there is none.
std::string UserConfigFolder() {
    std::string base = Env("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and are ignored.
    if (base.empty() || base.front() != '/') {
        const std::string home = Env("HOME");
        if (home.empty()) return {};
        base = JoinPath(home, ".config");
    }
    const std::string folder = JoinPath(base, kInstallName);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error)) return {};
    return folder;
}

// A writable folder keeps the settings unless the program is an installed one: its support
// files lie in the data folder beside it rather than in its own folder.
bool IsPortable(const std::string& programFolder, const std::string& share) {
    if (programFolder.empty() || ::access(programFolder.c_str(), W_OK) != 0) return false;
    return FileExists(JoinPath(programFolder, kGradeTableFileName)) ||
           !FileExists(JoinPath(share, kGradeTableFileName));
}

}  // namespace

std::string ProgramFiles::SupportFile(std::string_view name) const {
    for (const std::string& folder : supportFolders) {
        const std::string path = JoinPath(folder, name);
        if (FileExists(path)) return path;
    }
    return JoinPath(programFolder, name);
}

std::string ProgramFiles::SupportFolder(std::string_view name) const {
    for (const std::string& folder : supportFolders)
        if (FileExists(JoinPath(folder, name))) return folder;
    return programFolder;
}

std::string ProgramFiles::ConfigFile(std::string_view name) const {
    return JoinPath(configFolder, name);
}

ProgramFiles LocateProgramFiles(const std::string& programFolder) {
    ProgramFiles files;
    files.programFolder = programFolder;
    files.supportFolders.push_back(programFolder);
    const std::string share = (std::filesystem::path(programFolder) / ".." / "share" / kInstallName)
                                  .lexically_normal()
                                  .string();
    files.supportFolders.push_back(share);

    files.configFolder = programFolder;
    files.dataFolder = programFolder;
    if (!IsPortable(programFolder, share)) {
        // Without a configuration folder the saves fail and say so, as in a read-only folder.
        if (std::string config = UserConfigFolder(); !config.empty()) {
            files.configFolder = std::move(config);
            files.dataFolder = Env("HOME").empty() ? files.configFolder : Env("HOME");
        }
    }
    return files;
}

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return exe.parent_path().string();
}

}  // namespace zel
