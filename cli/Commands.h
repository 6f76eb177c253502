#pragma once
// The subcommands of `zel`. Each Add...() registers its subcommands on the app; a subcommand
// reports failure by printing its message to stderr and throwing CommandFailed.
#include <CLI/CLI.hpp>
#include <stdexcept>
#include <string>

namespace zel::cli {

// Thrown by a subcommand after it has printed its message; carries the exit code.
struct CommandFailed : std::runtime_error {
    explicit CommandFailed(int code, const std::string& what = "failed")
        : std::runtime_error(what), exitCode(code) {}
    int exitCode;
};

// Prints "zel: <message>" to stderr and throws CommandFailed(code).
[[noreturn]] void Fail(const std::string& message, int code = 1);

void AddSheetCommands(CLI::App& app);  // sheet, check, list

void AddCalcCommands(CLI::App& app);  // zel calc FILE.Zel [--json] [--save]

void AddDataCommands(CLI::App& app);  // info FILE.Zel, export FILE.Zel, import FILE.json -o OUT.Zel

}  // namespace zel::cli
