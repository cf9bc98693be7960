// Writing an output under a part name and renaming it when complete.
#include "render/OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

OutputFile::~OutputFile()
{
    if (file_ == nullptr || file_ == stdout) return;
    std::fclose(file_);
    std::remove(part_.c_str());
}

bool OutputFile::Open(const std::string& path, std::string& error)
{
    path_ = path;
    if (path == "-") {
        file_ = stdout;
        return true;
    }
    part_ = path + ".part-" + std::to_string(getpid());
    file_ = std::fopen(part_.c_str(), "wbx");
    if (file_ == nullptr) error = "cannot write '" + path + "': " + std::strerror(errno);
    return file_ != nullptr;
}

bool OutputFile::Finish(std::string& error)
{
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0 && !std::ferror(file);
    if (file == stdout) {
        if (!flushed) error = std::string("cannot write to standard output: ") + std::strerror(errno);
        return flushed;
    }
    const bool closed = std::fclose(file) == 0;
    if (flushed && closed && std::rename(part_.c_str(), path_.c_str()) == 0) return true;
    error = "cannot write '" + path_ + "': " + std::strerror(errno);
    std::remove(part_.c_str());
    return false;
}
