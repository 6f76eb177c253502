#pragma once
// A private print server for the printing tests: a cupsd of its own in the foreground, with its
// configuration, spool, cache, state and logs in a temporary folder and a local socket to talk
// to. Its queues print to a small backend that keeps every job's document as a file, so a test
// can look at exactly what the program sent. CUPS_SERVER points this process (and the programs
// it starts) at the server; printing never reaches the machine's own printers.
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace zel::test {

class PrivateCups {
  public:
    PrivateCups() = default;
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;
    ~PrivateCups() { Stop(); }

    // Starts the server; false with the reason in Error() when it cannot run here.
    bool Start() {
        namespace fs = std::filesystem;
        if (!fs::exists("/usr/sbin/cupsd") || !fs::exists("/usr/sbin/lpadmin"))
            return Failed("cupsd or lpadmin is not installed (cups-daemon, cups-client)");
        if (!fs::exists("/usr/lib/cups/daemon/cups-exec"))
            return Failed("/usr/lib/cups/daemon/cups-exec is missing");
        char pattern[] = "/tmp/zel-cups-XXXXXX";
        if (!mkdtemp(pattern)) return Failed("cannot make a temporary folder");
        root_ = pattern;
        // The backend runs as the unprivileged "lp" user: it must reach the kept-jobs folder.
        chmod(root_.c_str(), 0755);
        std::error_code ec;
        for (const char* sub : {"spool/tmp", "cache", "state", "log", "ppd", "bin/backend"})
            fs::create_directories(root_ + "/" + sub, ec);
        fs::create_directories(JobsFolder(), ec);
        chmod(JobsFolder().c_str(), 01777);
        for (const char* sub : {"daemon", "filter"}) {
            const std::string system = std::string("/usr/lib/cups/") + sub;
            if (fs::exists(system)) fs::create_directory_symlink(system, root_ + "/bin/" + sub, ec);
        }
        const std::string backend = root_ + "/bin/backend/keep";
        WriteFile(backend,
                  "#!/bin/sh\n"
                  "# Keeps each job's document in the folder named by the device URI.\n"
                  "if [ $# -eq 0 ]; then echo 'direct keep \"Unknown\" \"Keeps documents\"'; "
                  "exit 0; fi\n"
                  "umask 022\n"
                  "dir=\"${DEVICE_URI#keep:}\"\n"
                  "printf 'copies=%s %s\\n' \"$4\" \"$5\" > \"$dir/options-$1\"\n"
                  "if [ $# -ge 6 ]; then cat \"$6\" > \"$dir/.job-$1\"; "
                  "else cat > \"$dir/.job-$1\"; fi || exit 1\n"
                  "mv \"$dir/.job-$1\" \"$dir/job-$1\"\n");
        chmod(backend.c_str(), 0755);
        socket_ = root_ + "/cups.sock";
        WriteFile(root_ + "/cupsd.conf",
                  "Listen " + socket_ +
                      "\nLogLevel info\nWebInterface No\nBrowsing No\n"
                      "DefaultAuthType None\n"
                      "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                      "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n");
        WriteFile(root_ + "/cups-files.conf",
                  "ServerRoot " + root_ + "\nServerBin " + root_ + "/bin\n" +
                      "DataDir /usr/share/cups\nRequestRoot " + root_ + "/spool\n" + "TempDir " +
                      root_ + "/spool/tmp\nCacheDir " + root_ + "/cache\n" + "StateDir " + root_ +
                      "/state\nAccessLog " + root_ + "/log/access_log\n" + "ErrorLog " + root_ +
                      "/log/error_log\nPageLog " + root_ + "/log/page_log\nSandboxing Relaxed\n");

        // Everything the child needs is prepared before the fork: a test process may have
        // other threads, so the child only calls what is safe there.
        const std::string log = root_ + "/log/cupsd.out";
        const std::string conf = root_ + "/cupsd.conf";
        const std::string files = root_ + "/cups-files.conf";
        const int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (logFd < 0) return Failed("cannot write " + log);
        pid_ = fork();
        if (pid_ < 0) {
            close(logFd);
            return Failed("cannot start cupsd (fork failed)");
        }
        if (pid_ == 0) {
            dup2(logFd, STDOUT_FILENO);
            dup2(logFd, STDERR_FILENO);
            execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(logFd);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (!Answers()) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return Failed("cupsd stopped at once: " + ReadFile(root_ + "/log/cupsd.out") +
                              ReadFile(root_ + "/log/error_log"));
            }
            if (std::chrono::steady_clock::now() > deadline)
                return Failed("cupsd does not answer on " + socket_);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        // The server chosen by the environment wins over the user's and the machine's.
        setenv("CUPS_SERVER", socket_.c_str(), 1);
        unsetenv("LPDEST");
        unsetenv("PRINTER");
        return true;
    }

    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
        if (!root_.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(root_, ec);
            root_.clear();
        }
    }

    // Adds a raw queue printing to the keeping backend; `isDefault` makes it the server's
    // default destination.
    bool AddQueue(const std::string& name, bool isDefault = false) {
        if (!Run("/usr/sbin/lpadmin -p '" + name + "' -E -v keep:" + JobsFolder() + " -m raw"))
            return false;
        return !isDefault || Run("/usr/sbin/lpadmin -d '" + name + "'");
    }
    // A queue whose driver offers two-sided printing; its jobs reach the keeping backend as
    // sent (PDF), with the options the server passes to a driver.
    bool AddDuplexQueue(const std::string& name) {
        const std::string ppd = root_ + "/ppd/" + name + ".ppd";
        WriteFile(ppd,
                  "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                  "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
                  "*PCFileName: \"ZELDUPLX.PPD\"\n*Manufacturer: \"Zel\"\n"
                  "*Product: \"(Duplex test)\"\n*ModelName: \"Zel duplex test\"\n"
                  "*ShortNickName: \"Zel duplex test\"\n*NickName: \"Zel duplex test\"\n"
                  "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n"
                  "*ColorDevice: False\n*DefaultColorSpace: Gray\n*FileSystem: False\n"
                  "*Throughput: \"1\"\n*LandscapeOrientation: Plus90\n"
                  "*TTRasterizer: Type42\n*cupsFilter: \"application/pdf 0 -\"\n"
                  "*OpenUI *PageSize: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n"
                  "*DefaultPageSize: A4\n*PageSize A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
                  "*CloseUI: *PageSize\n"
                  "*OpenUI *PageRegion: PickOne\n*OrderDependency: 10 AnySetup *PageRegion\n"
                  "*DefaultPageRegion: A4\n"
                  "*PageRegion A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
                  "*CloseUI: *PageRegion\n"
                  "*DefaultImageableArea: A4\n*ImageableArea A4: \"0 0 595 842\"\n"
                  "*DefaultPaperDimension: A4\n*PaperDimension A4: \"595 842\"\n"
                  "*OpenUI *Duplex/2-Sided: PickOne\n*OrderDependency: 10 AnySetup *Duplex\n"
                  "*DefaultDuplex: None\n*Duplex None/Off: \"\"\n"
                  "*Duplex DuplexNoTumble/Long Edge: \"\"\n"
                  "*Duplex DuplexTumble/Short Edge: \"\"\n*CloseUI: *Duplex\n"
                  "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n");
        return Run("/usr/sbin/lpadmin -p '" + name + "' -E -v keep:" + JobsFolder() + " -P '" +
                   ppd + "'");
    }
    bool RejectJobs(const std::string& name) { return Run("/usr/sbin/cupsreject '" + name + "'"); }
    bool AcceptJobs(const std::string& name) { return Run("/usr/sbin/cupsaccept '" + name + "'"); }
    bool RemoveQueue(const std::string& name) { return Run("/usr/sbin/lpadmin -x '" + name + "'"); }

    // Documents the backend kept, in job order; waits up to `timeoutSeconds` for `count`.
    std::vector<std::string> WaitForJobs(std::size_t count, int timeoutSeconds = 30) const {
        const auto deadline =
            std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
        for (;;) {
            std::vector<std::string> jobs = KeptJobs();
            if (jobs.size() >= count || std::chrono::steady_clock::now() > deadline) return jobs;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    std::vector<std::string> KeptJobs() const {
        std::vector<std::pair<int, std::string>> found;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(JobsFolder(), ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("job-", 0) == 0)
                found.emplace_back(std::atoi(name.c_str() + 4), entry.path().string());
        }
        std::sort(found.begin(), found.end());
        std::vector<std::string> paths;
        for (auto& [id, path] : found) paths.push_back(path);
        return paths;
    }
    void ClearJobs() const {
        std::error_code ec;
        for (const std::string& path : KeptJobs()) std::filesystem::remove(path, ec);
    }

    // What the server passed to the backend with a kept job: "copies=N" and its options.
    static std::string JobOptions(const std::string& jobPath) {
        const std::filesystem::path path(jobPath);
        const std::string id = path.filename().string().substr(4);
        return ReadFile((path.parent_path() / ("options-" + id)).string());
    }

    const std::string& Socket() const { return socket_; }
    const std::string& Error() const { return error_; }
    std::string JobsFolder() const { return root_ + "/jobs"; }
    std::string Log() const { return ReadFile(root_ + "/log/error_log"); }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

  private:
    bool Failed(const std::string& reason) {
        error_ = reason;
        Stop();
        return false;
    }
    static void WriteFile(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    bool Run(const std::string& command) const {
        const std::string line =
            "CUPS_SERVER='" + socket_ + "' " + command + " >>'" + root_ + "/log/admin' 2>&1";
        return std::system(line.c_str()) == 0;
    }
    // True once the scheduler accepts a connection on its socket.
    bool Answers() const {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0) return false;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        socket_.copy(address.sun_path, sizeof address.sun_path - 1);
        const bool ok =
            connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        return ok;
    }

    std::string root_;
    std::string socket_;
    std::string error_;
    pid_t pid_ = -1;
};

}  // namespace zel::test
