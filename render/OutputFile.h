// One output of the renderer written whole or not at all: a file is written
// under a name of its own beside it and takes its own name only once
// complete, so a failed or interrupted run never leaves half a file, nor
// spoils the one that was there. "-" is standard output.
#pragma once

#include <cstdio>
#include <string>

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();  // an unfinished file's part is removed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False with a one-line error when the file cannot be made.
    bool Open(const std::string& path, std::string& error);
    std::FILE* Stream() const { return file_; }
    bool IsOpen() const { return file_ != nullptr; }
    // Writes it all out and gives the file its name; false with an error.
    bool Finish(std::string& error);

private:
    std::string path_, part_;
    std::FILE* file_ = nullptr;
};
