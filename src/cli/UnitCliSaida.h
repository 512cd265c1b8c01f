#pragma once

#include <streambuf>

namespace brelix::cli {

// A stream buffer in front of the terminal: what the program prints comes in part from the documents
// it reads (names of variables and symbols, descriptions), and a document may hold control
// characters. Every control character but the line feed and the tab (C0, DEL, and the C1 controls
// U+0080 to U+009F) is written as \xNN, so that no file can move the cursor, retitle the window or
// ring the bell of the user's terminal. Everything else passes unchanged.
class TSaidaVisivel : public std::streambuf {
public:
    explicit TSaidaVisivel(std::streambuf* destino) : destino_(destino) {}
    ~TSaidaVisivel() override;

protected:
    int_type overflow(int_type c) override;
    // Runs of bytes that need no care go to the terminal whole; the others one by one, as overflow.
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    bool Escrever(const char* texto);

    std::streambuf* destino_;
    bool c2Pendente_ = false; // a C2 byte whose next byte decides whether it starts a C1 control
};

} // namespace brelix::cli
