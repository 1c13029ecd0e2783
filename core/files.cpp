#include "core/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

bool readRegularFile(const char* path, size_t limit, std::vector<unsigned char>& bytes, bool* more)
{
    bytes.clear();
    if (more)
        *more = false;
    struct stat status;
    // Looked at before it is opened: opening a pipe waits for a writer, and
    // opening a device may do something of its own.
    if (!path || stat(path, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const int file = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file < 0)
        return false;
    // Looked at again: it may have been swapped between the two.
    bool read = fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    if (read) {
        // One byte past the limit tells whether there is more. The size the
        // file claims is only a first guess: it may be growing.
        const size_t want = limit + 1;
        const size_t claimed = static_cast<size_t>(status.st_size);
        bytes.resize(claimed < want ? claimed + 1 : want);
        size_t got = 0;
        for (;;) {
            if (got == bytes.size()) {
                if (bytes.size() == want)
                    break;
                bytes.resize(bytes.size() * 2 < want ? bytes.size() * 2 : want);
            }
            const ssize_t n = ::read(file, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                read = false;
            if (n <= 0)
                break;
            got += static_cast<size_t>(n);
        }
        if (more)
            *more = got > limit;
        bytes.resize(got > limit ? limit : got);
    }
    close(file);
    if (!read)
        bytes.clear();
    return read;
}

static const char* absoluteVariable(const char* name)
{
    const char* value = getenv(name);
    return value && value[0] == '/' ? value : 0;
}

std::string userFolder(const char* variable, const char* underHome)
{
    if (const char* folder = absoluteVariable(variable))
        return folder;
    if (const char* home = absoluteVariable("HOME"))
        return std::string(home) + "/" + underHome;
    return "";
}

bool makeFolders(const std::string& path, unsigned mode)
{
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '/')
            continue;
        const std::string folder = path.substr(0, at);
        struct stat status;
        if (stat(folder.c_str(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) {
                errno = ENOTDIR;
                return false;
            }
            continue;
        }
        if (mkdir(folder.c_str(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}
