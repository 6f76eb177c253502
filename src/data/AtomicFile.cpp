#include "data/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "lib/Paths.h"

namespace zel {

namespace {

std::string ErrnoText(int err) {
    return std::strerror(err);
}

bool WriteAll(int fd, std::string_view bytes, int& err) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        if (n == 0) {
            err = EIO;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return "no file name";

    // Replace what a symbolic link points to, not the link itself.
    std::string target = path;
    struct stat st {};
    mode_t mode = 0666 & ~CurrentUmask();
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    if (std::string refused = CheckOutputFile(target); !refused.empty()) return refused;
    if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

    std::string folder = FolderOf(target);
    // Built by appending: GCC 12's -Wrestrict misreads the inlined insert of "." + name and the
    // assignment of a literal over a string.
    if (folder.empty()) folder.push_back(target.front() == '/' ? '/' : '.');
    std::string leaf(1, '.');
    leaf += FileNameOf(target);
    leaf += ".XXXXXX";
    std::string tempName = JoinPath(folder, leaf);
    std::vector<char> temp(tempName.begin(), tempName.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return target + ": cannot create a temporary file: " + ErrnoText(errno);

    int err = 0;
    bool ok = WriteAll(fd, bytes, err);
    if (ok && ::fchmod(fd, mode) != 0) {
        // Not fatal: the content is what matters.
    }
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok && ::rename(temp.data(), target.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.data());
        return target + ": " + ErrnoText(err);
    }
    // Make the rename itself durable.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

std::string CheckOutputFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};  // absent: it will be made
    if (!S_ISREG(st.st_mode)) return path + ": not a regular file";
    return {};
}

std::string CheckOutputFolder(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    if (!S_ISDIR(st.st_mode)) return path + ": not a folder";
    return {};
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes,
                   std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = path + ": " + why;
        return false;
    };
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return fail(ErrnoText(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail("not a regular file");
    }
    std::string data;
    const auto size = static_cast<std::size_t>(st.st_size);
    data.resize(size < maxBytes ? size : maxBytes);
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return fail(ErrnoText(err));
        }
        if (n == 0) break;  // the file shrank while we read it
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    bytes = std::move(data);
    return true;
}

}  // namespace zel
