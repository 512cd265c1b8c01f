#pragma once

#include <cstddef>
#include <functional>
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

// How a writer may treat the file it replaces.
struct TOpcoesGravacao {
    // A file the user may not write (no write permission for this user, or none at all) is replaced
    // only when the user has said so: the desktop program asks first (see ArquivoSomenteLeitura).
    bool SobrescreverSomenteLeitura = false;
};

// Writes bytes to a file by replacing it atomically: the bytes go to a temporary file beside it,
// which then takes the file's name. A failure raises EFileError and leaves any old file untouched.
// What the name designates is respected:
//  - a symbolic link is followed, and its target is replaced in the target's own folder;
//  - anything that is not a regular file (a folder, a device, a fifo, a socket) is refused;
//  - the new file keeps the permission bits (and, where the system lets it, the owner) of the old;
//  - a read-only file is refused unless the options allow it;
//  - a file with several hard links is rewritten in place, so that every name keeps seeing it; the
//    bytes are first written in full to the temporary file, so that a full disk fails before the
//    file is touched.
void WriteFileAtomically(const std::string& fileName, std::string_view bytes,
                         const TOpcoesGravacao& opcoes = {});

// The bytes of a file handed over piece by piece: the producer calls the sink with each piece, in
// order, so that a file of hundreds of megabytes is never held whole.
using TSaidaBytes = std::function<void(std::string_view)>;
using TProdutorBytes = std::function<void(const TSaidaBytes&)>;
// WriteFileAtomically of the bytes the producer hands over. An exception the producer raises (a line
// it cannot write) leaves any old file untouched and no temporary file behind, and goes on to the
// caller.
void WriteFileAtomically(const std::string& fileName, const TProdutorBytes& produzir,
                         const TOpcoesGravacao& opcoes = {});

// Writes UTF-8 lines as Windows-1252 text, each line followed by CR LF, atomically. A line holding a
// character that Windows-1252 cannot hold raises EFileError (with its line number) before anything
// is written.
void WriteTextLines(const std::string& fileName, const std::vector<std::string>& lines,
                    const TOpcoesGravacao& opcoes = {});

// Appends one UTF-8 line as WriteTextLines writes it (Windows-1252, then CR LF) to the bytes of a
// file; EFileError with the file name and the line number when a character does not fit.
void AppendLinhaTexto(std::string& bytes, std::string_view line, const std::string& fileName, int lineNumber);

// Raises the EFileError WriteFileAtomically would raise before writing anything: a name that is not
// a regular file, a read-only file the options do not allow, or a folder that does not exist. A
// command that writes several files checks them all first, so that one bad name leaves none written.
void ConferirGravacao(const std::string& fileName, const TOpcoesGravacao& opcoes = {});

// True when the name designates an existing regular file (through symbolic links) that the user may
// not write: the writers refuse it unless told otherwise.
bool ArquivoSomenteLeitura(const std::string& fileName);

// True when the two names designate the same file: the same path once symbolic links, "." and ".."
// are resolved, or two hard links of one file.
bool MesmoArquivo(const std::string& a, const std::string& b);

} // namespace brelix
