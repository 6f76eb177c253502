#pragma once
// The subcommands of `zel`. Each Add...() registers its subcommands on the app; a subcommand
// reports failure by printing its message to stderr and throwing CommandFailed.
#include <CLI/CLI.hpp>
#include <stdexcept>
#include <string>

#include "data/Project.h"

namespace zel::cli {

// Exit codes besides 0 (listed in --help and the README).
inline constexpr int kExitFailure = 1;      // could not do it ("zel: <reason>")
inline constexpr int kExitUsage = 2;        // usage mistake: message and usage
inline constexpr int kExitNoQt = 3;         // no sheet: no Qt, or zel-draw is missing
inline constexpr int kExitDamagedFile = 4;  // done, but the data file is damaged (warned)

// Thrown by a subcommand after it has printed its message; carries the exit code.
struct CommandFailed : std::runtime_error {
    explicit CommandFailed(int code, const std::string& what = "failed")
        : std::runtime_error(what), exitCode(code) {}
    int exitCode;
};

// Prints "zel: <message>" to stderr and throws CommandFailed(code).
[[noreturn]] void Fail(const std::string& message, int code = kExitFailure);

// A usage mistake found by a subcommand itself: main prints the message and that subcommand's
// usage and exits with kExitUsage.
[[noreturn]] void UsageMistake(const std::string& message);

// Loads a data file or fails. A damaged file is loaded with its warnings on stderr
// ("zel: warning: FILE: file ends at byte N, inside beam k; beams k… are incomplete"), and
// the run then ends with kExitDamagedFile.
Project LoadProjectOrFail(const std::string& path);

// "3", "2-5", "4-" or "-2" -> first and last page (1-based, inclusive); a range that is not
// a-b or lies beyond the sheet fails with exit code 2.
void ParsePageRange(const std::string& text, int pageCount, int& first, int& last);

void AddSheetCommands(CLI::App& app);  // sheet, check, list

void AddCalcCommands(CLI::App& app);  // zel calc FILE.Zel [--json] [--save]

void AddDataCommands(CLI::App& app);  // info FILE.Zel, export FILE.Zel, import FILE.json -o OUT.Zel

// suggest FILE.Zel [--beam NAME] [--step 5] [--max-depth 150] [--max-width 100]
// [--apply -o OUT.Zel]
void AddSuggestCommands(CLI::App& app);

// print FILE.Zel [--printer NAME] [--pages a-b] [--copies N] [--duplex long/short/none], print --list
void AddPrintCommands(CLI::App& app);

// schedule FILE.Zel -o OUT.xlsx|OUT.csv [--encoding utf8|cp932]
void AddScheduleCommands(CLI::App& app);

// sections FILE.Zel -o OUT.pdf|OUT.dxf [--scale N]
void AddSectionsCommands(CLI::App& app);

}  // namespace zel::cli
