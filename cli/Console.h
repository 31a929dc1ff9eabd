#pragma once

// Where a command reads its input and writes its answer: standard input and output, and files
// that are replaced whole. Every write is checked; a failure is a Failure naming where and why.

#include "Files.h"

#include <memory>
#include <string>
#include <string_view>

namespace kinmatch_cli {

using kinmatch::FileContents;
using kinmatch::FileError;

// Standard input, output and error as the commands see them; tests give their own.
class Console {
public:
    virtual ~Console() = default;
    // Throw FileError.
    virtual FileContents readInput(std::size_t limit) = 0;
    virtual void writeOutput(std::string_view bytes) = 0;
    virtual void finishOutput() = 0;
    virtual void writeError(std::string_view bytes) = 0;
};

// The process's own standard streams.
class StandardConsole final : public Console {
public:
    FileContents readInput(std::size_t limit) override
    {
        return kinmatch::ReadStandardInput(limit);
    }
    void writeOutput(std::string_view bytes) override { kinmatch::WriteStandardOutput(bytes); }
    void finishOutput() override { kinmatch::FinishStandardOutput(); }
    void writeError(std::string_view bytes) override { kinmatch::WriteStandardError(bytes); }
};

// The one way a command writes its answer. Text gathers in a buffer that is handed on whenever
// it grows large, so that a long batch never sits in memory whole; finish() hands on the rest.
class Output {
public:
    virtual ~Output() = default;

    Output& operator<<(std::string_view text)
    {
        buffer_ += text;
        return *this;
    }
    // For writers that append in place (CSV records); call written() after.
    std::string& buffer() { return buffer_; }
    // Hands the buffer on once it is large. Throws a Failure.
    void written()
    {
        if (buffer_.size() >= HandOnSize)
            handOn();
    }
    // Hands on the rest and completes the output. Throws a Failure.
    virtual void finish() = 0;

protected:
    explicit Output(std::string where) : where_(std::move(where)) {}
    void handOn();
    virtual void send(std::string_view bytes) = 0; // throws FileError
    [[noreturn]] void fail(const FileError& error) const;

private:
    static constexpr std::size_t HandOnSize = 1u << 20;
    std::string where_;
    std::string buffer_;
};

// Standard output.
std::unique_ptr<Output> ConsoleOutput(Console& console);
// A file replaced only once it is complete; until finish() any old file stays as it was.
// Throws a Failure.
std::unique_ptr<Output> FileOutput(const std::string& path);

} // namespace kinmatch_cli
