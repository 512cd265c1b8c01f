#pragma once

#include "analysis/UnitVisaoMason.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"
#include "visual/UnitVisualDocumento.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brelix {

class TProgresso;

// The analysis commands of the "Algoritmos" menu for a document of any kind, as the main window
// dispatches them to the active document: each command goes to the signal-flow, linear-graph or
// system command of the document's kind. A caller without windows (the command-line program, a batch
// run) gets what the windows would show: the check view or the message of a refusal, the new document
// of a conversion, the transfer function with its symbols.

// The effort between two vertices is offered by the choice dialog of a linear graph only.
inline constexpr const char* kMsgEsforcoEntreSoGrafo =
    "O esforço entre dois vértices só pode ser escolhido como saída de um grafo linear.";
// A vertex named for the effort between two vertices that the graph does not have.
inline constexpr const char* kMsgVerticeInexistente = "Vértice inexistente: ";

// A document file of any kind of the catalogue, chosen by its extension (sis, grf or dfs, letter case
// ignored). Raises EFileError naming the file when the extension is none of these or the file cannot
// be read as a document of its kind.
std::unique_ptr<TVisualDocumento> AbrirDocumento(const TCatalogoDocumentos& catalogo,
                                                 const std::string& fileName);

// The check every analysis command of the document starts with: the completeness check of the
// drawing and, for a linear graph or a system, the validation of the linear graph (no element from a
// vertex to itself, every element in a closed circuit). Nothing when the document can be analysed.
TRecusa VerificarDocumento(TVisualDocumento& doc);

// The lists the choice dialog of the document's transfer-function command offers; the vertex list
// ("%d - %s") for a linear graph only. Nothing but the refusal when the check fails.
struct TCandidatosFT {
    TRecusa Recusa;
    std::vector<std::string> Entradas;
    std::vector<std::string> Saidas;
    std::vector<std::string> Vertices;
};
TCandidatosFT CandidatosFT(TVisualDocumento& doc);

// The conversion command of a system ("Sistema -> Grafo": a new graph document) or of a linear graph
// ("Grafo -> DFS": a new signal-flow document): the new, unsaved document exactly as the display
// would open it. A signal-flow document has no conversion: neither a document nor a refusal.
struct TConversaoDocumento {
    TRecusa Recusa;
    std::unique_ptr<TVisualDocumento> Documento;
};
TConversaoDocumento ConverterDocumento(TVisualDocumento& doc);

// What is chosen in the dialog: the input, and the output variable or (linear graphs only) the
// effort between two vertices given by identifier or name.
struct TPedidoFT {
    std::string Entrada;
    std::string Saida;
    bool EntreVertices = false;
    std::string Positivo;
    std::string Negativo;
};

// The transfer function, with what ShowFT takes: the result's name, the input and output as the
// candidate lists spell them, the function and the diagram's symbols (DFS among them); and, for a
// signal-flow document, the Mason view. On a refusal the candidate lists stay filled when the check
// passed, so that the caller can say what may be chosen.
struct TFTDocumento {
    TRecusa Recusa;
    std::string Nome;
    std::string Entrada;
    std::string Saida;
    TFuncao Funcao;
    TListSimboloVal Simbolos;
    std::optional<TConteudoMason> Mason;
    TCandidatosFT Candidatos;

    bool Calculado() const { return !Recusa.Houve(); }
};
TFTDocumento CalcularFTDocumento(TVisualDocumento& doc, const TPedidoFT& pedido,
                                 TProgresso* progresso = nullptr);

} // namespace brelix
