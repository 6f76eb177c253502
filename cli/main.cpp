// zel: the beam section calculation from the command line.
#include <iostream>

#include "Commands.h"
#include "lib/Version.h"

namespace zel::cli {

void Fail(const std::string& message, int code) {
    std::cerr << "zel: " << message << '\n';
    throw CommandFailed(code, message);
}

}  // namespace zel::cli

int main(int argc, char** argv) {
    CLI::App app{std::string("zel - ") + zel::kProgramTitle +
                 " (reinforced-concrete beam section design, allowable-stress method)"};
    app.set_version_flag("--version", std::string(zel::kVersionText));
    app.require_subcommand(1);
    app.fallthrough(false);

    zel::cli::AddCalcCommands(app);

    zel::cli::AddSheetCommands(app);

    zel::cli::AddDataCommands(app);

    zel::cli::AddPrintCommands(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        // Usage mistakes: message and usage on stderr, exit code 2 like other Unix tools.
        std::cerr << "zel: " << e.what() << "\n\n" << app.help();
        return 2;
    } catch (const zel::cli::CommandFailed& e) {
        return e.exitCode;
    }
    return 0;
}
