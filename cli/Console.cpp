#include "Console.h"

#include "Failure.h"

namespace kinmatch_cli {

namespace {

class ToConsole final : public Output {
public:
    explicit ToConsole(Console& console) : Output("standard output"), console_(console) {}
    void finish() override
    {
        handOn();
        try {
            console_.finishOutput();
        } catch (const FileError& error) {
            fail(error);
        }
    }

private:
    void send(std::string_view bytes) override { console_.writeOutput(bytes); }
    Console& console_;
};

class ToFile final : public Output {
public:
    ToFile(const std::string& path, std::unique_ptr<kinmatch::ReplacingFile> file)
        : Output(Quoted(path)), file_(std::move(file))
    {
    }
    void finish() override
    {
        handOn();
        try {
            file_->commit();
        } catch (const FileError& error) {
            fail(error);
        }
    }

private:
    void send(std::string_view bytes) override { file_->write(bytes); }
    std::unique_ptr<kinmatch::ReplacingFile> file_;
};

} // namespace

void Output::handOn()
{
    try {
        send(buffer_);
    } catch (const FileError& error) {
        fail(error);
    }
    buffer_.clear();
}

void Output::fail(const FileError& error) const
{
    throw CannotWrite(where_, error.what());
}

std::unique_ptr<Output> ConsoleOutput(Console& console)
{
    return std::make_unique<ToConsole>(console);
}

std::unique_ptr<Output> FileOutput(const std::string& path)
{
    try {
        return std::make_unique<ToFile>(path, std::make_unique<kinmatch::ReplacingFile>(path));
    } catch (const FileError& error) {
        throw CannotWrite(Quoted(path), error.what());
    }
}

} // namespace kinmatch_cli
