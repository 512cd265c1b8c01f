#pragma once

#include <stdexcept>
#include <string>

namespace brelix {

// The only two kinds of raised error in Brelix. Ordinary failures of the algorithms are results
// (a boolean, an empty list, -1); these two end the current command with a message for the user.

// A file could not be read or written, or its content is not what was expected. The message names
// the file and, where one is known, the line.
class EFileError : public std::runtime_error {
public:
    EFileError(std::string fileName, int line, const std::string& what);
    EFileError(std::string fileName, const std::string& what) : EFileError(std::move(fileName), 0, what) {}

    const std::string& FileName() const { return fileName_; }
    int Line() const { return line_; } // 1-based; 0 when the error is not tied to a line

private:
    std::string fileName_;
    int line_;
};

// A text that must be a number is not one.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace brelix
