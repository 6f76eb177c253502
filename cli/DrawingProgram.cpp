#include "DrawingProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Commands.h"
#include "data/ProgramFiles.h"
#include "lib/Paths.h"

namespace zel::cli {

namespace {

int keptArgc = 0;
char** keptArgv = nullptr;

}  // namespace

void KeepCommandLine(int argc, char** argv) {
    keptArgc = argc;
    keptArgv = argv;
}

std::vector<std::string> DrawingProgramPlaces(const std::string& programFolder) {
    // A relative place would run whatever lies in the working folder.
    if (programFolder.empty() || programFolder.front() != '/') return {};
    const std::string installed = JoinPath(FolderOf(programFolder), "libexec");
    return {JoinPath(programFolder, kDrawingProgramName),
            JoinPath(JoinPath(installed, kInstallName), kDrawingProgramName)};
}

void HandToDrawingProgram(const std::string& task) {
    std::string looked;
    for (const std::string& place : DrawingProgramPlaces(ExecutableFolder())) {
        looked += (looked.empty() ? "" : ", ") + place;
        if (::access(place.c_str(), X_OK) != 0) continue;
        if (keptArgv != nullptr && keptArgc > 0) ::execv(place.c_str(), keptArgv);
        Fail("cannot start " + place + ": " + std::strerror(errno) + "; this zel cannot " + task,
             kExitNoQt);
    }
    Fail(std::string("the drawing program ") + kDrawingProgramName + " is missing (looked for " +
             (looked.empty() ? "it beside this zel" : looked) +
             "; it is built with Qt, ZEL_BUILD_GUI=ON); this zel cannot " + task,
         kExitNoQt);
}

}  // namespace zel::cli
