#pragma once

// The code each fuzz target runs on its input, in a library of its own: the libFuzzer targets call it
// (built with clang only), and the test build replays through it every reproducer a fuzzer has found
// and every seed of the corpora (tests/fuzz), so that a fault once found stays found without clang.
//
// An input may only be refused the way a user's file is (EFileError and the like are caught here);
// anything else the code promises and breaks raises EFalhaAlvo, which a fuzzer reports as a crash.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brelix::fuzz {

class EFalhaAlvo : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Any bytes as a graph document and as a signal-flow document: whatever was read holds together,
// writes back and reads again into the same text, and survives every query and the deletion of all
// its objects.
void AlvoDocumento(std::string_view bytes);

// Any bytes as a transfer-function file: read, shown, the sensitivity to its symbols, the Varnel
// bytes, written and read back, the second writing equal to the first; no NaN or infinity anywhere.
void AlvoArquivoFT(std::string_view bytes);

// Any text as a gain, by the lenient and the strict parse: the canonical text reads back to itself,
// and a text the strict parse accepts means what the lenient one makes of it.
void AlvoGanho(std::string_view bytes);

// Any lines as symbol values: written and read again they give the same lines, the names unique and
// the values real numbers, sorted in ascending upper-cased order.
void AlvoSimbolos(std::string_view bytes);

// An options file, then a key and a value to set (the three parts separated by NUL bytes): loaded, set,
// saved and loaded again, the lines and the settings the same; no line break reaches the file.
void AlvoOpcoes(std::string_view bytes);

// Any bytes (at most kMaxDocumentoFT of them) as a document of each kind: loaded, checked, converted
// and the converted document read back, then the transfer function for the first input and output
// offered, its texts free of NaN and infinity and its file written and read back.
inline constexpr std::size_t kMaxDocumentoFT = 4096;
void AlvoDocumentoFT(std::string_view bytes);

} // namespace brelix::fuzz
