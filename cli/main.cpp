// zel: the beam section calculation from the command line.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Commands.h"
#include "DrawingProgram.h"
#include "data/ZelFile.h"
#include "lib/Version.h"

namespace zel::cli {

namespace {

bool damagedFileSeen = false;

bool DamagedFileSeen() {
    return damagedFileSeen;
}

struct UsageMistakeFound : CLI::ParseError {
    explicit UsageMistakeFound(const std::string& message)
        : CLI::ParseError("UsageMistake", message, kExitUsage) {}
};

// The subcommand the user named, for its own usage text.
const CLI::App* NamedSubcommand(const CLI::App& app) {
    const std::vector<CLI::App*> named = app.get_subcommands();
    return named.empty() ? &app : named.front();
}

// Output that never reached its reader (a full disk, a closed pipe) is a failure, not a
// success: checked once everything is written.
int CheckStandardOutput(int exitCode) {
    // A write that failed earlier left its reason in errno, and nothing since has failed.
    int err = errno;
    errno = 0;
    std::cout.flush();  // flushes stdout too, as cout writes through it
    if (errno != 0) err = errno;
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    if (!flushed && errno != 0) err = errno;
    if (flushed && !std::ferror(stdout) && std::cout.good()) return exitCode;
    std::cerr << "zel: cannot write to standard output: " << std::strerror(err != 0 ? err : EIO)
              << '\n';
    return kExitFailure;
}

}  // namespace

void Fail(const std::string& message, int code) {
    std::cerr << "zel: " << message << '\n';
    throw CommandFailed(code, message);
}

void UsageMistake(const std::string& message) {
    throw UsageMistakeFound(message);
}

Project LoadProjectOrFail(const std::string& path) {
    Project project = MakeEmptyProject();
    const ZelLoadResult loaded = LoadZelFile(path, project);
    if (loaded.status == ZelLoadStatus::NotZelFile) {
        std::string message = loaded.message;
        std::replace(message.begin(), message.end(), '\r', '\n');
        Fail(message);
    }
    if (!loaded.Ok()) Fail("cannot read " + loaded.message);
    for (const std::string& warning : loaded.warnings)
        std::cerr << "zel: warning: " << path << ": " << warning << '\n';
    if (loaded.Damaged()) damagedFileSeen = true;
    return project;
}

}  // namespace zel::cli

namespace {

int Run(int argc, char** argv) {
    using namespace zel::cli;
    KeepCommandLine(argc, argv);
    CLI::App app{std::string("zel - ") + zel::kProgramTitle +
                 " (reinforced-concrete beam section design, allowable-stress method)"};
    app.set_version_flag("--version", std::string(zel::kVersionText));
    app.require_subcommand(1);
    app.fallthrough(false);
    app.footer(
        "Exit codes: 0 done; 1 failed (\"zel: <reason>\"); 2 usage mistake; 3 built without Qt "
        "(no sheet); 4 done, but the data file is damaged (ends inside a beam, or a count out "
        "of range; the warning says which).");

    AddCalcCommands(app);
    AddSheetCommands(app);
    AddDataCommands(app);
    AddSuggestCommands(app);

    zel::cli::AddPrintCommands(app);
    AddSectionsCommands(app);
    AddScheduleCommands(app);

    try {
        // Without this, a misspelt command would only hear that a subcommand is required.
        if (argc > 1 && argv[1][0] != '-') {
            const std::string name = argv[1];
            const auto subs = app.get_subcommands([](CLI::App*) { return true; });
            if (std::none_of(subs.begin(), subs.end(),
                             [&](const CLI::App* s) { return s->check_name(name); })) {
                throw UsageMistakeFound("unknown command '" + name + "'");
            }
        }
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // Usage mistakes: message and usage on stderr, exit code 2 like other Unix tools.
        std::cerr << "zel: " << e.what() << "\n\n" << NamedSubcommand(app)->help();
        return kExitUsage;
    } catch (const CommandFailed& e) {
        return e.exitCode;
    }
    return DamagedFileSeen() ? kExitDamagedFile : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int exitCode = Run(argc, argv);
    return zel::cli::CheckStandardOutput(exitCode);
}
