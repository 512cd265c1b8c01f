// Every seed of the fuzz corpora and every reproducer a fuzzer has found, run through the code of its
// target as the fuzzer runs it: a fault found once stays found by the test command, without clang.

#include "UnitFuzzAlvos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace brelix::fuzz;
namespace fs = std::filesystem;

namespace {

struct TAlvo {
    const char* Nome;   // of the target, and of its folder of reproducers
    const char* Corpus; // its folder of seeds
    void (*Funcao)(std::string_view);
};

const TAlvo kAlvos[] = {
    {"documento", "documents", AlvoDocumento},
    {"arquivo_ft", "arquivo_ft", AlvoArquivoFT},
    {"ganho", "ganho", AlvoGanho},
    {"simbolos", "simbolos", AlvoSimbolos},
    {"opcoes", "opcoes", AlvoOpcoes},
    {"documento_ft", "documento_ft", AlvoDocumentoFT},
};

std::vector<fs::path> Arquivos(const fs::path& pasta) {
    std::vector<fs::path> arquivos;
    if (!fs::is_directory(pasta)) return arquivos;
    for (const auto& e : fs::directory_iterator(pasta))
        if (e.is_regular_file()) arquivos.push_back(e.path());
    std::sort(arquivos.begin(), arquivos.end());
    return arquivos;
}

} // namespace

TEST(FuzzReplay, EverySeedAndEveryReproducerPassesItsTarget) {
    const fs::path raiz = BRELIX_FUZZ_DIR;
    std::size_t sementes = 0;
    for (const TAlvo& alvo : kAlvos) {
        const std::vector<fs::path> corpus = Arquivos(raiz / "corpus" / alvo.Corpus);
        EXPECT_FALSE(corpus.empty()) << "no seed for " << alvo.Nome;
        sementes += corpus.size();
        std::vector<fs::path> arquivos = Arquivos(raiz / "reproducers" / alvo.Nome);
        arquivos.insert(arquivos.end(), corpus.begin(), corpus.end());
        for (const fs::path& arquivo : arquivos) {
            std::ifstream in(arquivo, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            try {
                alvo.Funcao(bytes);
            } catch (const std::exception& e) {
                ADD_FAILURE() << alvo.Nome << " on " << arquivo.string() << ": " << e.what();
            }
        }
    }
    EXPECT_GT(sementes, 30u);
}
