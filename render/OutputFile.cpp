// Finding what an output's path names, writing a file under a part name and
// renaming it when complete, and removing the parts when a signal ends the run.
#include "render/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int endingSignals[] = {SIGHUP, SIGINT, SIGPIPE, SIGTERM};

// The part files made and not yet renamed or removed, in fixed places that a
// signal handler may read at any moment.
std::atomic<const char*> parts[8];

extern "C" void RemovePartsAndEnd(int signal)
{
    for (auto& part : parts) {
        if (const char* name = part.load()) unlink(name);
    }
    raise(signal);  // the handler was reset: the default action ends the program by this signal
}

// Once: each ending signal the program was not started ignoring removes the
// parts first.
void HandleEndingSignals()
{
    static bool handled = false;
    if (handled) return;
    handled = true;
    struct sigaction action {};
    action.sa_handler = RemovePartsAndEnd;
    action.sa_flags = SA_RESETHAND;
    for (const int signal : endingSignals) sigaddset(&action.sa_mask, signal);
    for (const int signal : endingSignals) {
        struct sigaction was {};
        if (sigaction(signal, nullptr, &was) == 0 && was.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
    }
}

// Puts a part's name in a free place (there is one for each output), or
// takes it out.
void Swap(const char* from, const char* to)
{
    for (auto& slot : parts) {
        const char* held = from;
        if (slot.compare_exchange_strong(held, to)) return;
    }
}
void Note(const char* part) { Swap(nullptr, part); }
void Forget(const char* part) { Swap(part, nullptr); }

// The ending signals held back while a part file is made and noted, so that
// none is made without being noted.
class SignalsHeld {
public:
    SignalsHeld()
    {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : endingSignals) sigaddset(&ending, signal);
        sigprocmask(SIG_BLOCK, &ending, &was_);
    }
    ~SignalsHeld() { sigprocmask(SIG_SETMASK, &was_, nullptr); }

private:
    sigset_t was_;
};

// The file a chain of symbolic links ends at (the last part of the path
// only: the folders are taken as they are); false with errno.
bool FollowLinks(std::string& path)
{
    for (int hops = 0;; ++hops) {
        char buffer[4096];
        const ssize_t length = readlink(path.c_str(), buffer, sizeof buffer);
        if (length < 0) return errno == EINVAL || errno == ENOENT;  // not a link, or nothing there yet
        if (hops == 40 || length == sizeof buffer) {
            errno = ELOOP;
            return false;
        }
        const std::string link(buffer, static_cast<std::size_t>(length));
        const auto slash = path.rfind('/');
        path = link[0] == '/' || slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
    }
}

}  // namespace

OutputFile::~OutputFile()
{
    if (file_ == nullptr || kind_ == Kind::Standard) return;
    std::fclose(file_);
    if (kind_ != Kind::Part) return;
    unlink(part_.c_str());
    Forget(part_.c_str());
}

bool OutputFile::Find(const std::string& path, std::string& error)
{
    path_ = path;
    const auto refuse = [this, &error](int code) {
        error = Failure(std::strerror(code));
        return false;
    };
    struct stat named {}, out {};
    const bool exists = path != "-" && stat(path.c_str(), &named) == 0;
    if (path != "-" && !exists && errno != ENOENT) return refuse(errno);
    if (path == "-" || (exists && fstat(STDOUT_FILENO, &out) == 0 && out.st_dev == named.st_dev &&
                        out.st_ino == named.st_ino)) {
        kind_ = Kind::Standard;
        return true;
    }
    if (exists && S_ISDIR(named.st_mode)) return refuse(EISDIR);
    if (exists && !S_ISREG(named.st_mode)) {
        kind_ = Kind::Straight;
        device_ = named.st_dev, node_ = named.st_ino;
        return true;
    }
    target_ = path;
    if (!FollowLinks(target_)) return refuse(errno);
    // The folder keeps its slash, so that a file where it should be is ENOTDIR.
    const auto slash = target_.rfind('/');
    struct stat folder {};
    if (stat(slash == std::string::npos ? "." : target_.substr(0, slash + 1).c_str(), &folder) != 0) {
        return refuse(errno);
    }
    kind_ = Kind::Part;
    device_ = folder.st_dev, node_ = folder.st_ino;
    name_ = target_.substr(slash + 1);
    return true;
}

bool OutputFile::SameAs(const OutputFile& other) const
{
    return kind_ == other.kind_ && device_ == other.device_ && node_ == other.node_ && name_ == other.name_;
}

bool OutputFile::Open(std::string& error)
{
    if (kind_ == Kind::Standard) {
        file_ = stdout;
        return true;
    }
    int fd;
    if (kind_ == Kind::Straight) {
        fd = open(path_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    } else {
        HandleEndingSignals();
        const SignalsHeld held;
        part_ = target_ + ".part-XXXXXX";
        fd = mkostemp(part_.data(), O_CLOEXEC);
        if (fd >= 0) {
            // Readable by whoever the umask lets read a new file.
            const mode_t mask = umask(0);
            umask(mask);
            fchmod(fd, 0666 & ~mask);
            Note(part_.c_str());
        }
    }
    file_ = fd >= 0 ? fdopen(fd, "wb") : nullptr;
    if (file_ != nullptr) return true;
    error = Failure(std::strerror(errno));
    if (fd >= 0) close(fd);
    if (fd >= 0 && kind_ == Kind::Part) {
        unlink(part_.c_str());
        Forget(part_.c_str());
    }
    return false;
}

std::string OutputFile::Failure(const std::string& reason) const
{
    return (kind_ == Kind::Standard ? std::string("cannot write to standard output")
                                    : "cannot write '" + path_ + "'") +
           ": " + reason;
}

bool OutputFile::Finish(std::string& error)
{
    std::FILE* file = file_;
    file_ = nullptr;
    bool written = std::fflush(file) == 0 && !std::ferror(file);
    if (kind_ == Kind::Standard) {
        if (!written) error = Failure(std::strerror(errno));
        return written;
    }
    written = std::fclose(file) == 0 && written;
    if (kind_ == Kind::Part) written = written && std::rename(part_.c_str(), target_.c_str()) == 0;
    if (!written) error = Failure(std::strerror(errno));
    if (kind_ == Kind::Part) {
        if (!written) unlink(part_.c_str());
        Forget(part_.c_str());  // after the rename: a signal before it still finds the part
    }
    return written;
}
