#include "ApoioCli.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

// The example documents and what the READMEs say of them cannot drift: the generator writes exactly
// the committed files, and every brelix-cli command shown in a README prints exactly the text shown
// under it.

using namespace apoiocli;

// Each test writes into a folder of its own.
class CliDocumentacao : public apoio::PastaTemp {};

namespace {

// The arguments of a command line as a shell splits it: blanks separate words, double quotes group.
std::vector<std::string> Palavras(const std::string& linha) {
    std::vector<std::string> palavras;
    std::string atual;
    bool aspas = false, tem = false;
    for (const char c : linha) {
        if (c == '"') {
            aspas = !aspas;
            tem = true;
        } else if (c == ' ' && !aspas) {
            if (tem) palavras.push_back(atual);
            atual.clear();
            tem = false;
        } else {
            atual += c;
            tem = true;
        }
    }
    if (tem) palavras.push_back(atual);
    return palavras;
}

struct TExemploDocumentado {
    std::string Comando; // the line of the sh block
    std::string Texto;   // the text block after it
};

// Every ```sh block holding one brelix-cli command, with the ```text block that follows it.
std::vector<TExemploDocumentado> Documentados(const std::string& markdown) {
    std::vector<std::string> linhas;
    std::istringstream in(markdown);
    for (std::string l; std::getline(in, l);)
        linhas.push_back(l);
    std::vector<TExemploDocumentado> r;
    for (std::size_t i = 0; i + 2 < linhas.size(); ++i) {
        if (linhas[i] != "```sh" || linhas[i + 1].rfind("brelix-cli ", 0) != 0) continue;
        TExemploDocumentado e;
        e.Comando = linhas[i + 1];
        std::size_t j = i + 2;
        EXPECT_EQ(linhas[j], "```") << e.Comando;
        ++j;
        while (j < linhas.size() && linhas[j].empty())
            ++j;
        EXPECT_TRUE(j < linhas.size() && linhas[j] == "```text") << "no output shown for " << e.Comando;
        for (++j; j < linhas.size() && linhas[j] != "```"; ++j)
            e.Texto += linhas[j] + "\n";
        r.push_back(e);
        i = j;
    }
    return r;
}

void ConferirDocumentados(const std::filesystem::path& readme, const std::filesystem::path& pasta,
                          std::set<std::string>* citados = nullptr) {
    const std::vector<TExemploDocumentado> exemplos = Documentados(apoio::Slurp(readme));
    ASSERT_FALSE(exemplos.empty()) << readme;
    for (const TExemploDocumentado& e : exemplos) {
        SCOPED_TRACE(e.Comando);
        const std::vector<std::string> palavras = Palavras(e.Comando);
        const TExecucao r = Brelix({palavras.begin() + 1, palavras.end()}, pasta);
        EXPECT_EQ(r.Status, 0) << r.Erros;
        EXPECT_EQ(r.Saida, e.Texto);
        if (citados != nullptr && palavras.size() > 2) citados->insert(palavras[2]);
    }
}

std::set<std::string> Documentos(const std::filesystem::path& pasta) {
    std::set<std::string> nomes;
    for (const auto& e : std::filesystem::directory_iterator(pasta)) {
        const std::string ext = e.path().extension().string();
        if (ext == ".sis" || ext == ".grf" || ext == ".dfs") nomes.insert(e.path().filename().string());
    }
    return nomes;
}

} // namespace

TEST_F(CliDocumentacao, TheGeneratorWritesExactlyTheCommittedExamples) {
    const TExecucao g = Rodar(Gerador(), {dir_.string()});
    ASSERT_EQ(g.Status, 0) << g.Erros;
    const std::set<std::string> gerados = Documentos(dir_);
    EXPECT_EQ(gerados, Documentos(PastaExemplos()));
    EXPECT_GE(gerados.size(), 11u);
    for (const std::string& nome : gerados) {
        SCOPED_TRACE(nome);
        EXPECT_EQ(apoio::Slurp(dir_ / nome), apoio::Slurp(Exemplo(nome)));
    }
}

TEST_F(CliDocumentacao, EveryCommandOfTheExamplesReadmePrintsWhatItShows) {
    std::set<std::string> citados;
    ConferirDocumentados(PastaExemplos() / "README.md", PastaExemplos(), &citados);
    // Every example is analysed there.
    EXPECT_EQ(citados, Documentos(PastaExemplos()));
}

TEST_F(CliDocumentacao, TheProjectReadmeShowsTheProgramWorking) {
    ConferirDocumentados(PastaExemplos().parent_path() / "README.md", PastaExemplos().parent_path());
}

TEST_F(CliDocumentacao, HelpAndVersion) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"-h"},
          std::vector<std::string>{"ft", "--help"}}) {
        const TExecucao r = Brelix(args);
        EXPECT_EQ(r.Status, 0);
        EXPECT_EQ(r.Saida.rfind("Uso: brelix-cli COMANDO ARQUIVO", 0), 0u) << r.Saida;
        for (const char* c : {"check", "variables", "convert", "ft", "show", "--json", "--set", "--between",
                              "--mason", "--varnel", "--sensitivity", "--version"})
            EXPECT_NE(r.Saida.find(c), std::string::npos) << c;
    }
    const TExecucao v = Brelix({"--version"});
    EXPECT_EQ(v.Status, 0);
    EXPECT_EQ(v.Saida.rfind("brelix-cli ", 0), 0u);
    EXPECT_EQ(std::count(v.Saida.begin(), v.Saida.end(), '\n'), 1);
    EXPECT_EQ(std::count(v.Saida.begin(), v.Saida.end(), '.'), 2) << v.Saida; // major.minor.patch
}
