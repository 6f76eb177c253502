#pragma once
// Runs shell commands and the built `zel` for the command-line tests.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace zel::test {

struct ShellRun {
    int exitCode = -1;
    std::string out;  // stdout
    std::string err;  // stderr, where the command's stderr was captured
};

// A path as one shell word (the test folders hold no quote).
inline std::string Quote(const std::string& path) {
    return "'" + path + "'";
}

// Runs `command` with /bin/sh; stdout is captured, stderr goes where the command sends it.
inline ShellRun Shell(const std::string& command) {
    ShellRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[65536];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Runs the built zel with `arguments` (already quoted for the shell), stdout and stderr apart.
inline ShellRun RunZel(const std::string& arguments) {
    char errPath[] = "/tmp/zel_cli_stderr_XXXXXX";
    const int fd = mkstemp(errPath);
    if (fd < 0) return {};
    close(fd);
    ShellRun run = Shell(std::string(ZEL_BIN_DIR) + "/zel " + arguments + " 2>'" + errPath + "'");
    std::ifstream err(errPath, std::ios::binary);
    std::ostringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::remove(errPath);
    return run;
}

}  // namespace zel::test
