#include "ApoioCli.h"

#include <regex>
#include <set>

// The examples cannot drift from what writes and shows them: the generator writes exactly the
// committed files, and every brelix-cli command of a README prints exactly the text shown under it.

using namespace apoiocli;

class CliDocumentacao : public apoio::PastaTemp {};

namespace {

// Every ```sh block's brelix-cli command, run in `pasta`, against the ```text block right after it;
// gives the documents analysed.
std::set<std::string> ConferirDocumentados(const std::filesystem::path& readme,
                                           const std::filesystem::path& pasta) {
    const std::string md = apoio::Slurp(readme.string());
    std::set<std::string> citados;
    for (std::size_t p = 0; (p = md.find("```sh\nbrelix-cli ", p)) != std::string::npos; ++p) {
        const std::size_t fim = md.find('\n', p + 6), texto = fim + 14;
        std::string comando = md.substr(p + 6, fim - p - 6);
        SCOPED_TRACE(comando);
        EXPECT_EQ(md.compare(fim, 14, "\n```\n\n```text\n"), 0) << "no output shown";
        // The quotes only keep the shell off the parentheses: no argument holds a blank.
        std::erase(comando, '"');
        const std::vector<std::string> palavras = Separar(comando);
        const TExecucao r = Brelix({palavras.begin() + 1, palavras.end()}, pasta);
        EXPECT_EQ(r.Status, 0) << r.Erros;
        EXPECT_EQ(r.Saida, md.substr(texto, md.find("\n```\n", texto) + 1 - texto));
        citados.insert(palavras.at(2));
    }
    EXPECT_FALSE(citados.empty()) << readme;
    return citados;
}

std::set<std::string> Documentos(const std::filesystem::path& pasta) {
    std::set<std::string> nomes;
    for (const auto& e : std::filesystem::directory_iterator(pasta))
        if (std::regex_match(e.path().extension().string(), std::regex("\\.(sis|grf|dfs)")))
            nomes.insert(e.path().filename().string());
    return nomes;
}

} // namespace

TEST_F(CliDocumentacao, TheGeneratorWritesExactlyTheCommittedExamples) {
    ASSERT_EQ(Rodar(Gerador, {dir_.string()}).Status, 0);
    const std::set<std::string> gerados = Documentos(dir_);
    EXPECT_EQ(gerados, Documentos(PastaExemplos));
    EXPECT_GE(gerados.size(), 11u);
    for (const std::string& nome : gerados)
        EXPECT_EQ(apoio::Slurp(Path(nome)), apoio::Slurp(Exemplo(nome))) << nome;
}

TEST_F(CliDocumentacao, EveryCommandOfTheReadmesPrintsWhatItShows) {
    // The examples README analyses every example.
    EXPECT_EQ(ConferirDocumentados(PastaExemplos / "README.md", PastaExemplos), Documentos(PastaExemplos));
    ConferirDocumentados(PastaExemplos.parent_path() / "README.md", PastaExemplos.parent_path());
}

TEST_F(CliDocumentacao, HelpListsEveryCommandAndOptionAndVersionIsMajorMinorPatch) {
    for (const char* linha : {"--help", "-h", "ft --help"}) {
        const TExecucao r = Brelix(Separar(linha));
        EXPECT_EQ(r.Status, 0);
        EXPECT_TRUE(r.Saida.starts_with("Uso: brelix-cli COMANDO ARQUIVO")) << r.Saida;
        for (const std::string& c : Separar("check variables convert ft show --json --set --between --mason "
                                            "--varnel --sensitivity --version"))
            EXPECT_NE(r.Saida.find(c), std::string::npos) << c;
    }
    const TExecucao v = Brelix({"--version"});
    EXPECT_EQ(v.Status, 0);
    EXPECT_TRUE(std::regex_match(v.Saida, std::regex("brelix-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << v.Saida;
}
