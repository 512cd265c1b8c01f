#pragma once

#include "analysis/UnitVisaoGrafoDFS.h"
#include "analysis/UnitVisaoMason.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitFTProgresso.h"
#include "symbolic/UnitSymListSimboloVal.h"
#include "system/UnitSisResultado.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVisualDocumento.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brelix {

// The analysis of a document, one command per document kind: the "Algoritmos" items of the main
// window, and the command-line program, reach every kind through this one interface. A command reads
// the document's objects and never changes them; what it computed comes back as data that the result
// windows copy (the check view, the Mason view, the graph-to-DFS view, the system result, the
// transfer function), and every refusal as a TRecusa with its reason. The models a command builds on
// the way (the system model, the linear graph, the signal-flow diagram, Mason's results) are its own
// and freed before it returns.
//
// The two long commands, the transfer function and the conversion, report their stages to the
// progress object of the context and ask it now and then whether the user stopped them; a stopped
// command returns the refusal "cancelled" (RecusaCancelada) and nothing else.

// What a command may need from its caller: where to report progress (and learn whether the user
// stopped it), and the option values of the views it fills.
struct TContextoAnalise {
    TProgresso* Progresso = nullptr;
    std::int32_t AlturaLinha = 18;   // ARowHeight: row height of the "Matrizes A" grids
    std::int32_t LarguraColuna = 40; // AColWidth: their column width
    // Whether the transfer function of a signal-flow document comes with the Mason view. Without it
    // the loop sets go straight into the function and are never kept, which a large diagram needs.
    bool VisaoMason = true;
};

// The lists the choice dialog of the transfer-function command offers; the vertex list ("%d - %s")
// for a linear graph only. Nothing but the refusal when the check fails.
struct TCandidatosFT {
    TRecusa Recusa;
    std::vector<std::string> Entradas;
    std::vector<std::string> Saidas;
    std::vector<std::string> Vertices;
};

// What is chosen in the dialog: the input, and the output variable or (linear graphs only) the
// effort between two vertices given by identifier or name.
struct TPedidoFT {
    std::string Entrada;
    std::string Saida;
    bool EntreVertices = false;
    std::string Positivo;
    std::string Negativo;
};

// The transfer function, with what the transfer-function window takes: the result's name, the input
// and output as the candidate lists spell them, the function and the diagram's symbols (DFS among
// them); and, for a signal-flow document, the Mason view. On a refusal the candidate lists stay filled
// when the check passed, so that the caller can say what may be chosen.
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

// A conversion ("Sistema -> Grafo", "Grafo -> DFS"): the new, unsaved document exactly as the display
// opens it, and the content of the result window the conversion fills.
struct TConversaoDocumento {
    TRecusa Recusa;
    std::unique_ptr<TVisualDocumento> Documento;
    std::optional<TConteudoGrafoDFS> VisaoGrafoDFS; // "Resultados" > "Grafo -> DFS..."
    std::optional<TResultadoSis> ResultadoSis;      // "Resultados" > "Sistema -> Grafo..."

    bool Convertido() const { return !Recusa.Houve() && Documento != nullptr; }
};

class TComandoDocumento {
public:
    virtual ~TComandoDocumento() = default;

    // The check every command of the document starts with: the completeness of the drawing and, for a
    // linear graph or a system, the validation of the linear graph. Nothing when it may be analysed.
    virtual TRecusa Verificar(const TVisualDocumento& doc) const = 0;
    // The candidates of the transfer-function command's choice dialog.
    virtual TCandidatosFT Candidatos(const TVisualDocumento& doc) const = 0;
    // The transfer function for the choice.
    virtual TFTDocumento CalcularFT(const TVisualDocumento& doc, const TPedidoFT& pedido,
                                    const TContextoAnalise& contexto) const = 0;
    // Whether the kind has a conversion into the next kind of the pipeline, and the conversion. A
    // kind without one answers with neither a document nor a refusal.
    virtual bool Converte() const { return false; }
    virtual TConversaoDocumento Converter(const TVisualDocumento& doc,
                                          const TContextoAnalise& contexto) const;
};

// Runs a command's analysis: a stop by the user becomes the result holding the refusal "cancelled"
// alone, whatever the analysis had built already freed on the way out.
template <class TResultado, class FAnalise> TResultado Cancelavel(FAnalise&& analise) {
    try {
        return analise();
    } catch (const EAnaliseCancelada&) {
        TResultado r;
        r.Recusa = RecusaCancelada();
        return r;
    }
}

// The program's document kinds, each registered with its analysis command. Documents point into it,
// so it lives as long as the last document.
class TCatalogo {
public:
    // A kind with its command; a code already known is refused (false, nothing changed).
    bool Registrar(TDocKindInfo info, std::unique_ptr<TComandoDocumento> comando);

    const TCatalogoDocumentos& Documentos() const { return documentos_; }
    // The command of a kind; none when the kind is unknown.
    const TComandoDocumento* Comando(std::int32_t docKind) const;
    // The command of the document's kind, which the catalogue must know.
    const TComandoDocumento& Comando(const TVisualDocumento& doc) const;

private:
    TCatalogoDocumentos documentos_;
    std::vector<std::pair<std::int32_t, std::unique_ptr<TComandoDocumento>>> comandos_;
};

// A document file of any kind of the catalogue, chosen by its extension (sis, grf or dfs, letter case
// ignored). Raises EFileError naming the file when the extension is none of these or the file cannot
// be read as a document of its kind.
std::unique_ptr<TVisualDocumento> AbrirDocumento(const TCatalogoDocumentos& catalogo,
                                                 const std::string& fileName);

} // namespace brelix
