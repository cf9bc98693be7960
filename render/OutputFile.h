// One output of the renderer written whole or not at all: a file is written
// under a part name of its own beside it and takes its own name only once
// complete, so a failed or interrupted run never leaves half a file, nor
// spoils the one that was there. A symbolic link is followed and the file it
// names written so, the link kept. A device, a FIFO and standard output ("-",
// or a name of the file it is) are written straight through: there is
// nothing half-written to protect. SIGHUP, SIGINT, SIGPIPE and SIGTERM
// remove the part files before they end the program.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();  // an unfinished file's part is removed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Finds what the path names, making nothing yet; false with a one-line
    // error for a folder, or a path whose folder is not there.
    bool Find(const std::string& path, std::string& error);
    // The two found paths name one file (or both standard output).
    bool SameAs(const OutputFile& other) const;
    // Makes the part file, or opens the device; false with a one-line error.
    bool Open(std::string& error);
    std::FILE* Stream() const { return file_; }
    bool IsOpen() const { return file_ != nullptr; }
    bool IsStandardOutput() const { return kind_ == Kind::Standard; }
    // "cannot write 'PATH': REASON", or "... to standard output: REASON".
    std::string Failure(const std::string& reason) const;
    // Writes it all out and gives the file its name; false with an error.
    bool Finish(std::string& error);

private:
    enum class Kind { Part, Straight, Standard };

    Kind kind_ = Kind::Part;
    std::string path_;    // as given
    std::string target_;  // the file a part is renamed to, links followed
    std::string part_;
    // Which file: the node written straight through, or for a part the folder
    // and the name in it.
    dev_t device_ = 0;
    ino_t node_ = 0;
    std::string name_;
    std::FILE* file_ = nullptr;
};
