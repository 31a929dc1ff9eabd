#pragma once

// A console of strings for kinmatch-cli's Run: given input, gathered output and errors, and
// optionally an output that fails after so many bytes with a cause, as a full disk does.

#include "Console.h"

#include <optional>
#include <string>

struct StringConsole final : kinmatch_cli::Console {
    std::string input;
    std::string output;
    std::string error;
    std::optional<std::size_t> outputRoom; // bytes written before the output fails
    bool finished = false;

    kinmatch_cli::FileContents readInput(std::size_t limit) override
    {
        return {input.substr(0, limit), input.size() <= limit};
    }
    void writeOutput(std::string_view bytes) override
    {
        if (outputRoom && output.size() + bytes.size() > *outputRoom) {
            output.append(bytes.substr(0, *outputRoom - output.size()));
            throw kinmatch_cli::FileError("No space left on device");
        }
        output += bytes;
    }
    void finishOutput() override { finished = true; }
    void writeError(std::string_view bytes) override { error += bytes; }
};
