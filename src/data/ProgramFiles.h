#pragma once
// Where the program's files are. A writable program folder (a build tree, a portable copy)
// keeps the settings and defaults beside the program. An installed program (its folder is not
// writable, or its support files lie in ../share/kavozel rather than beside it) keeps them in
// the user's configuration folder. Read-only support files are looked up in the
// program folder first, then in ../share/kavozel beside it, so an unpacked package runs where
// it lies.
#include <string>
#include <string_view>
#include <vector>

namespace zel {

// Name of the installed data folder (under share/) and of the user's configuration folder.
inline constexpr const char* kInstallName = "kavozel";

struct ProgramFiles {
    std::string programFolder;
    // Where "KAVOZel.INI" and "KavoZel.Def" are read and written.
    std::string configFolder;
    // Searched in order for the read-only support files.
    std::vector<std::string> supportFolders;
    // Offered by the file dialogs while the settings name no data folder.
    std::string dataFolder;

    // Path of a support file: the first folder that holds it, else the program folder's path
    // (so a message about a missing file names the place a user would look first).
    std::string SupportFile(std::string_view name) const;
    std::string ConfigFile(std::string_view name) const;
    // The folder of SupportFile(name), for widgets that take a folder of pictures.
    std::string SupportFolder(std::string_view name) const;
};

// Decides the folders for a program in `programFolder`. The configuration folder is
// $XDG_CONFIG_HOME/kavozel (default ~/.config/kavozel) and is created when it is chosen.
ProgramFiles LocateProgramFiles(const std::string& programFolder);

// Folder of the running executable, "" when it cannot be told.
std::string ExecutableFolder();

}  // namespace zel
