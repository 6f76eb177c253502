#pragma once
// The subcommands of `zel`. Each Add...() registers its subcommands on the app; a subcommand
// reports failure by printing its message to stderr and throwing CommandFailed.
#include <CLI/CLI.hpp>
#include <stdexcept>
#include <string>

#include "data/Project.h"

namespace zel::cli {

// Thrown by a subcommand after it has printed its message; carries the exit code.
struct CommandFailed : std::runtime_error {
    explicit CommandFailed(int code, const std::string& what = "failed")
        : std::runtime_error(what), exitCode(code) {}
    int exitCode;
};

// Prints "zel: <message>" to stderr and throws CommandFailed(code).
[[noreturn]] void Fail(const std::string& message, int code = 1);

// Loads a data file or fails with its reason; warns on stderr when the file ends early.
Project LoadProjectOrFail(const std::string& path);

// "3", "2-5", "4-" or "-2" -> first and last page (1-based, inclusive); a range that is not
// a-b or lies beyond the sheet fails with exit code 2.
void ParsePageRange(const std::string& text, int pageCount, int& first, int& last);

void AddSheetCommands(CLI::App& app);  // sheet, check, list

void AddCalcCommands(CLI::App& app);  // zel calc FILE.Zel [--json] [--save]

void AddDataCommands(CLI::App& app);  // info FILE.Zel, export FILE.Zel, import FILE.json -o OUT.Zel

// print FILE.Zel [--printer NAME] [--pages a-b], print --list
void AddPrintCommands(CLI::App& app);

}  // namespace zel::cli
