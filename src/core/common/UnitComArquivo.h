#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// Whole-file reading and writing. Documents and transfer-function files are Windows-1252 text with
// CR LF line ends; in memory their lines are UTF-8.

// Files larger than this are refused rather than read: no document of Brelix comes near it.
constexpr std::size_t kMaxFileSize = 64u * 1024u * 1024u;

// Splits text into lines at CR, LF or CR LF. A final line end does not start an empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole file as bytes; raises EFileError naming the file when it cannot be read or is
// larger than kMaxFileSize.
std::string ReadFileBytes(const std::string& fileName);

// Reads a Windows-1252 text file into UTF-8 lines.
std::vector<std::string> ReadTextLines(const std::string& fileName);

// Writes bytes to a file by replacing it atomically: the bytes go to a temporary file beside it,
// which then takes the file's name. A failure raises EFileError and leaves any old file untouched.
void WriteFileAtomically(const std::string& fileName, std::string_view bytes);

// Writes UTF-8 lines as Windows-1252 text, each line followed by CR LF, atomically. A line holding a
// character that Windows-1252 cannot hold raises EFileError (with its line number) before anything
// is written.
void WriteTextLines(const std::string& fileName, const std::vector<std::string>& lines);

} // namespace brelix
