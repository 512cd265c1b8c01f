#include "UnitCliSaida.h"

#include <cstdio>

namespace brelix::cli {

TSaidaVisivel::~TSaidaVisivel() {
    // A C2 byte at the very end of what was written: there is no C1 control to hide.
    if (c2Pendente_) destino_->sputc(static_cast<char>(0xC2));
    destino_->pubsync();
}

bool TSaidaVisivel::Escrever(const char* texto) {
    for (; *texto != '\0'; ++texto)
        if (destino_->sputc(*texto) == traits_type::eof()) return false;
    return true;
}

TSaidaVisivel::int_type TSaidaVisivel::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
    char escape[8];
    if (c2Pendente_) {
        c2Pendente_ = false;
        if (byte >= 0x80 && byte <= 0x9F) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            return Escrever(escape) ? c : traits_type::eof();
        }
        if (destino_->sputc(static_cast<char>(0xC2)) == traits_type::eof()) return traits_type::eof();
    }
    if (byte == 0xC2) {
        c2Pendente_ = true;
        return c;
    }
    if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F) {
        std::snprintf(escape, sizeof escape, "\\x%02x", byte);
        return Escrever(escape) ? c : traits_type::eof();
    }
    return destino_->sputc(static_cast<char>(byte)) == traits_type::eof() ? traits_type::eof() : c;
}

std::streamsize TSaidaVisivel::xsputn(const char* s, std::streamsize n) {
    const auto cuidado = [](unsigned char byte) {
        return (byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F || byte == 0xC2;
    };
    std::streamsize i = 0;
    while (i < n) {
        if (c2Pendente_ || cuidado(static_cast<unsigned char>(s[i]))) {
            if (traits_type::eq_int_type(overflow(traits_type::to_int_type(s[i])), traits_type::eof()))
                return i;
            ++i;
            continue;
        }
        std::streamsize j = i;
        while (j < n && !cuidado(static_cast<unsigned char>(s[j])))
            ++j;
        const std::streamsize escritos = destino_->sputn(s + i, j - i);
        if (escritos != j - i) return i + escritos;
        i = j;
    }
    return n;
}

int TSaidaVisivel::sync() {
    // A pending C2 byte waits for the next one even across a flush.
    return destino_->pubsync();
}

} // namespace brelix::cli
