#pragma once

#include <string>
#include <vector>

namespace brelix {

// The check window ("Brelix"): why the analysis of a document was refused. Either a list of
// validation problems (tab "Elementos não validados") or the short-circuited and unconnected
// elements of a linear graph (tabs "Elementos em curto" and "Elementos não conectados").

inline constexpr const char* kAbaNaoValidados = "Elementos não validados";
inline constexpr const char* kAbaEmCurto = "Elementos em curto";
inline constexpr const char* kAbaNaoConectados = "Elementos não conectados";

enum class TAbaVerificacao { NaoValidados, EmCurto, NaoConectados };

struct TConteudoVerificacao {
    std::string Mensagem; // the panel's caption
    // The memos, line by line.
    std::vector<std::string> NaoValidados;  // MemoV
    std::vector<std::string> EmCurto;       // MemoC
    std::vector<std::string> NaoConectados; // MemoD
    bool NaoValidadosVisivel = false;
    bool EmCurtoVisivel = false;
    bool NaoConectadosVisivel = false;
    TAbaVerificacao AbaAtiva = TAbaVerificacao::EmCurto; // the tab shown when the window opens

    bool operator==(const TConteudoVerificacao&) const = default;
};

// Validation problems: only the tab "Elementos não validados", which opens.
TConteudoVerificacao ShowCheckLista(const std::string& mensagem, const std::vector<std::string>& lista);

// A structurally invalid linear graph: the two lists; the window opens on "Elementos em curto"
// unless that list is empty.
TConteudoVerificacao ShowCheckGrafo(const std::string& mensagem, const std::vector<std::string>& curtos,
                                    const std::vector<std::string>& desconectados);

// Why a command computed nothing. Callers decide on the reason, never on the text shown.
enum class TMotivoRecusa {
    Nenhum,
    Incompleto,              // the drawing is incomplete or cannot be told apart (check view)
    GrafoInvalido,           // elements from a vertex to itself or off every closed circuit (check view)
    MultiDirecional,         // a mechanical domain drawn along both axes
    EscolhaInvalida,         // the input and output chosen are refused: the choice dialog stays open
    VerticesOutraComponente, // the effort between two vertices of separate parts of the graph
    ConversaoSemExito,       // no complete causal assignment: no signal-flow diagram
    ForaDoLimite,            // a gain or coefficient passes the range of the real numbers
    Cancelado,               // the user stopped the analysis; nothing was changed
    ParametroInvalido,       // a sensitivity to a symbol the function does not have
    ExportacaoRecusada,      // the function cannot be exported for Varnel
};

// How a command that computed nothing ended: with the check window or with one message in the
// message window, and why.
struct TRecusa {
    enum class TTipo { Nenhuma, Verificacao, Mensagem };
    TTipo Tipo = TTipo::Nenhuma;
    TMotivoRecusa Motivo = TMotivoRecusa::Nenhum;
    TConteudoVerificacao Verificacao;
    std::string Mensagem;

    bool Houve() const { return Tipo != TTipo::Nenhuma; }
    // The choice of input and output was refused: a dialog asks again.
    bool EscolhaRecusada() const { return Motivo == TMotivoRecusa::EscolhaInvalida; }
    bool Cancelada() const { return Motivo == TMotivoRecusa::Cancelado; }
    static TRecusa ComVerificacao(TMotivoRecusa motivo, TConteudoVerificacao verificacao);
    static TRecusa ComMensagem(TMotivoRecusa motivo, std::string mensagem);
};

// The text of a cancelled analysis.
inline constexpr const char* kMsgAnaliseCancelada = "Análise cancelada.";
TRecusa RecusaCancelada();

} // namespace brelix
