#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace brelix::cli {

// Exit statuses: done; refused by the analysis (the document is not valid, a choice is not
// offered, ...); the command line cannot be followed or a file cannot be read or written.
inline constexpr int kSaidaFeito = 0;
inline constexpr int kSaidaRecusado = 1;
inline constexpr int kSaidaUso = 2;

// A command line that cannot be followed; the message says what is wrong with it.
class EUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TComando { Ajuda, Versao, Check, Variables, Convert, Ft, Show };

// A symbol value given on the command line, already read as a number.
struct TValorDado {
    std::string Nome;
    double Valor = 0.0;
};

// Everything the command line asks for.
struct TArgumentos {
    TComando Comando = TComando::Ajuda;
    std::string Arquivo;
    std::string Entrada;                                      // --input
    std::optional<std::string> Saida;                         // --output
    std::optional<std::pair<std::string, std::string>> Entre; // --between P,N
    std::vector<TValorDado> Valores; // --set, in order (a later value of a name wins)
    std::string ArquivoSaida;        // -o
    std::optional<std::string> Sensibilidade;
    std::string Varnel;
    bool Mason = false;
    bool Json = false;
};

// Reads the arguments after the program's name; raises EUso for anything it cannot follow.
TArgumentos LerArgumentos(const std::vector<std::string>& args);

// Reads NAME=VALUE with the value in the program's number form (decimal comma); raises EUso naming
// what is wrong, so that "2.5" is refused instead of being taken as 1.
TValorDado LerValor(const std::string& texto);

std::string TextoAjuda();
std::string TextoVersao();

} // namespace brelix::cli
