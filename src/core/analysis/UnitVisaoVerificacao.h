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
};

// Validation problems: only the tab "Elementos não validados", which opens.
TConteudoVerificacao ShowCheckLista(const std::string& mensagem, const std::vector<std::string>& lista);

// A structurally invalid linear graph: the two lists; the window opens on "Elementos em curto"
// unless that list is empty.
TConteudoVerificacao ShowCheckGrafo(const std::string& mensagem, const std::vector<std::string>& curtos,
                                    const std::vector<std::string>& desconectados);

// How a command that computed nothing ended: with the check window or with one message in the
// message window.
struct TRecusa {
    enum class TTipo { Nenhuma, Verificacao, Mensagem };
    TTipo Tipo = TTipo::Nenhuma;
    TConteudoVerificacao Verificacao;
    std::string Mensagem;

    bool Houve() const { return Tipo != TTipo::Nenhuma; }
    static TRecusa ComVerificacao(TConteudoVerificacao verificacao);
    static TRecusa ComMensagem(std::string mensagem);
};

} // namespace brelix
