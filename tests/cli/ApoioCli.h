#pragma once

#include "support/PastaTemp.h"
#include "support/SolucaoLinear.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

// Helpers of the end-to-end tests: running the built brelix-cli as a user's shell would (no shell in
// between, so arguments pass exactly), reading its JSON, and editing documents as text.
namespace apoiocli {

using apoio::Complexo;

// Where the build put the programs, and the committed examples folder.
std::string Cli();
std::string Gerador();
std::filesystem::path PastaExemplos();
std::filesystem::path Exemplo(const std::string& nome);

struct TExecucao {
    int Status = -1; // the exit status; -1 when the program did not exit normally
    std::string Saida;
    std::string Erros;
};

// Runs the program with the arguments, in `pasta` when given, and collects both streams.
TExecucao Rodar(const std::string& programa, const std::vector<std::string>& args,
                const std::filesystem::path& pasta = {});
// brelix-cli with the arguments.
TExecucao Brelix(const std::vector<std::string>& args, const std::filesystem::path& pasta = {});

// ---- JSON ----

// A JSON value as the tests read it. Reading raises std::runtime_error on anything that is not JSON.
struct TJson {
    enum class TTipo { Nulo, Logico, Numero, Texto, Lista, Objeto };
    TTipo Tipo = TTipo::Nulo;
    bool Logico = false;
    double Numero = 0.0;
    std::string Texto;
    std::vector<TJson> Lista;
    std::vector<std::pair<std::string, TJson>> Objeto;

    bool Tem(const std::string& chave) const;
    // The member; raises std::runtime_error when absent.
    const TJson& operator[](const std::string& chave) const;
    const TJson& operator[](std::size_t i) const { return Lista.at(i); }
    std::vector<std::string> Textos() const;
};
TJson LerJson(const std::string& texto);

// ---- Transfer functions as brelix-cli reports them ----

// Ganho x N(s) / D(s) from the numeric form (monic coefficients of S^0, S^1, ...).
Complexo ValorNumerico(const TJson& ft, Complexo s);

// The symbolic terms {k, expS, simbolos} summed for the symbol values; "C1.L1^-1" style products.
Complexo ValorTermos(const TJson& termos, const std::map<std::string, double>& valores, Complexo s);

// Random symbol values with two decimals, from 0,5 to 3, as text in the program's decimal comma
// and as the number that text stands for.
struct TValores {
    std::map<std::string, double> Valor;
    std::vector<std::string> Args; // "--set", "R=1,25", ...
    double operator()(const std::string& nome) const { return Valor.at(nome); }
};
TValores Sortear(const std::vector<std::string>& nomes, std::mt19937& rng);

// ---- Documents as text ----

// A document file as blocks of lines ("Object %d: %s" ... "end"), kept with the file's line ends.
class TDocumentoTexto {
public:
    explicit TDocumentoTexto(const std::string& bytes);
    std::string Bytes() const;

    // The identity of the object with this description; fails the test when there is none.
    std::int32_t Id(const std::string& desc) const;
    // The value of a key of the object with this identity.
    std::string Valor(std::int32_t id, const std::string& chave) const;
    void Definir(std::int32_t id, const std::string& chave, const std::string& valor);
    void Remover(std::int32_t id);
    // Gives the object another class: its first line names the class.
    void Classe(std::int32_t id, const std::string& classe);
    // Inserts a block, given as lines without their ends (CR LF is added), right after the header:
    // before every object that may refer to it.
    void Inserir(const std::vector<std::string>& linhas);
    // Moves the connection's end at vertex `de` to vertex `para`.
    void Religar(std::int32_t conexao, std::int32_t de, std::int32_t para);
    // The connection from port `porta` of the element: the one whose ObjID1/CntID1 or ObjID2/CntID2
    // are the element and port.
    std::int32_t Conexao(std::int32_t elemento, std::int32_t porta) const;

private:
    struct TBloco {
        std::int32_t Id = -1;
        std::vector<std::string> Linhas;
    };
    TBloco& Bloco(std::int32_t id);
    const TBloco& Bloco(std::int32_t id) const;

    std::vector<TBloco> blocos_;
};

} // namespace apoiocli
