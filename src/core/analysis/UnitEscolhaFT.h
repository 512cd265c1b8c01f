#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// The rules of the two choice dialogs "Função de Transferência" that ask for the input and the
// output of a transfer function: of a signal-flow document (an output variable) and of a linear-graph
// document (an output variable on the tab "1 Elemento", or the effort between two vertices on the tab
// "N Elementos"). The dialogs only show the lists and apply these rules; the analysis commands apply
// the same rules to the names they are given, so a command run without a display refuses what the
// dialog would refuse, with the same message.

inline constexpr const char* kMsgEntradaNaoInformada = "Variável de entrada não informada";
inline constexpr const char* kMsgSaidaNaoInformada = "Variável de saída não informada";
inline constexpr const char* kMsgVerticesInvalidos = "Vértices positivo e negativo inválidos";
// The effort between two vertices is offered by the choice dialog of a linear graph only.
inline constexpr const char* kMsgEsforcoEntreSoGrafo =
    "O esforço entre dois vértices só pode ser escolhido como saída de um grafo linear.";
// A vertex named for the effort between two vertices that the graph does not have.
inline constexpr const char* kMsgVerticeInexistente = "Vértice inexistente: ";

// Only list entries can be chosen: the entry the text names (letter case ignored, as in every list
// lookup), or the empty text when it names none, which is what a combo box then shows.
std::string TextoEscolhido(const std::vector<std::string>& lista, std::string_view texto);

enum class TFocoEscolha { Entrada, Saida };

// The dialog as it opens: both texts empty, except that a single input candidate is chosen at once.
struct TAberturaEscolha {
    std::string Entrada;
    TFocoEscolha Foco = TFocoEscolha::Entrada;
};

// Signal-flow dialog: with a single input the focus goes on to the output.
TAberturaEscolha AbrirEscolhaDFS(const std::vector<std::string>& entradas);
// Linear-graph dialog: the focus stays on the input, and the tab "1 Elemento" is active.
TAberturaEscolha AbrirEscolhaGrafo(const std::vector<std::string>& entradas);

// "Calcular" of the signal-flow dialog on the texts its combo boxes show: the message to show, or
// the empty text when the dialog closes with OK.
std::string ConferirEscolhaDFS(std::string_view entrada, std::string_view saida);

// What the linear-graph dialog shows when "Calcular" is pressed.
struct TEscolhaGrafo {
    std::string Entrada;    // CBE
    bool UmElemento = true; // the tab "1 Elemento" is the active page
    std::string Saida;      // CBS
    std::string Positivo;   // CBP, a "%d - %s" entry of the vertex list
    std::string Negativo;   // CBN
};

// Which output boxes take input on the active tab.
struct TSaidasHabilitadas {
    bool Saida = true;
    bool Positivo = false;
    bool Negativo = false;
};
TSaidasHabilitadas SaidasHabilitadas(bool umElemento);

// "Calcular" of the linear-graph dialog: the message to show, or empty when it closes with OK.
std::string ConferirEscolhaGrafo(const TEscolhaGrafo& escolha);

// The vertex identifier of a vertex entry "%d - %s": the integer before the blank that precedes the
// first "-"; 0 when that text is not an integer.
std::int32_t VerticeDaEntrada(std::string_view entrada);
inline std::int32_t GetPositivo(const TEscolhaGrafo& e) {
    return VerticeDaEntrada(e.Positivo);
}
inline std::int32_t GetNegativo(const TEscolhaGrafo& e) {
    return VerticeDaEntrada(e.Negativo);
}

// The entry of the vertex list "%d - %s" that a caller without the dialog names by the vertex's
// identifier ("3") or by its name ("V3", letter case counting, as in every lookup of a vertex by name);
// the identifier is tried first over the whole list. Empty when no entry matches.
std::string EntradaDoVertice(const std::vector<std::string>& vertices, std::string_view texto);

} // namespace brelix
