#pragma once
// The commands that draw (the sheet's fonts, painting and printing) need Qt, and loading Qt
// takes most of a short command's time. So `zel` holds no Qt: the files of the drawing
// commands are built twice (the list is in cli/CMakeLists.txt), into the companion program
// zel-draw with Qt, where they draw, and into zel, where they hand the whole command line on
// to zel-draw. zel parses it first, so help and usage mistakes never need the companion.
// A new drawing command's file joins the list and, where ZEL_WITH_QT is not defined, calls
// HandToDrawingProgram before it reads or says anything, where it will need Qt (see RunSheet);
// what needs no Qt runs in zel itself (the DXF of `zel sections`).
#include <string>
#include <vector>

namespace zel::cli {

inline constexpr const char* kDrawingProgramName = "zel-draw";

// Kept by main for HandToDrawingProgram.
void KeepCommandLine(int argc, char** argv);

// Where zel-draw may be, in the order looked at: beside the program (a build tree, a portable
// copy), then in the installed folder ../libexec/kavozel.
std::vector<std::string> DrawingProgramPlaces(const std::string& programFolder);

// Runs zel-draw in place of this process with the same command line; it never returns. When
// zel-draw is missing or cannot start, fails with kExitNoQt: "… it cannot <task>".
[[noreturn]] void HandToDrawingProgram(const std::string& task);

}  // namespace zel::cli
