// The options file: any bytes as Brelix.ini, then a key and a value set through SetKey; saved and
// loaded again, nothing may change and no line may be split.

#include "UnitFuzzComum.h"

#include "shell/UnitOpcoes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace brelix::fuzz {

namespace {

constexpr std::string_view kAlvo = "opcoes";

bool MesmaConfig(const TConfigOpcoes& a, const TConfigOpcoes& b) {
    return a.DefaultDir == b.DefaultDir && a.RFontName == b.RFontName && a.RFontSize == b.RFontSize &&
           a.ARowHeight == b.ARowHeight && a.AColWidth == b.AColWidth && a.AutoVrt == b.AutoVrt;
}

// A folder of this process for the file, made once.
const std::filesystem::path& Pasta() {
    static const std::filesystem::path pasta = [] {
        std::filesystem::path p =
            std::filesystem::temp_directory_path() / ("brelix_fuzz_opcoes_" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return pasta;
}

} // namespace

void AlvoOpcoes(std::string_view bytes) {
    const std::size_t fim = bytes.find('\0');
    const std::string_view arquivo = bytes.substr(0, fim);
    std::string_view resto = fim == std::string_view::npos ? std::string_view() : bytes.substr(fim + 1);
    const std::size_t meio = resto.find('\0');
    const std::string chave(resto.substr(0, meio));
    const std::string valor(meio == std::string_view::npos ? std::string_view() : resto.substr(meio + 1));

    const std::string nome = (Pasta() / "Brelix.ini").string();
    {
        std::ofstream out(nome, std::ios::binary | std::ios::trunc);
        out.write(arquivo.data(), static_cast<std::streamsize>(arquivo.size()));
    }
    TOpcoes o;
    o.LoadOptionsFrom(nome, Pasta().string());
    for (const std::string& linha : o.Lines())
        Exigir(linha.find_first_of("\r\n") == std::string::npos, kAlvo, "a line holds a line break");
    const bool definida = o.SetKey(chave, valor);
    if (definida) {
        Exigir(o.Value(chave) == valor, kAlvo, "the value set does not read back");
        Exigir(chave.find_first_of("=\r\n") == std::string::npos &&
                   valor.find_first_of("\r\n") == std::string::npos,
               kAlvo, "a key with \"=\" or a line break was set");
    }
    Exigir(o.SaveOptions(), kAlvo, "the lines read could not be saved");
    TOpcoes lido;
    lido.LoadOptionsFrom(nome, Pasta().string());
    Exigir(lido.Lines() == o.Lines(), kAlvo, "the saved lines do not read back as they were");
    // Without a new value the settings read again are those read first.
    Exigir(definida || MesmaConfig(lido.Config(), o.Config()), kAlvo, "the settings changed on reading");
}

} // namespace brelix::fuzz
