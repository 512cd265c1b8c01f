#include "analysis/UnitVisaoVerificacao.h"

#include <utility>

namespace brelix {

namespace {

// On show: "Elementos em curto" unless it is visible with nothing in it, and "Elementos não
// validados" before both whenever it is visible.
TAbaVerificacao AbaAoMostrar(const TConteudoVerificacao& c) {
    if (c.NaoValidadosVisivel) return TAbaVerificacao::NaoValidados;
    if (c.EmCurtoVisivel && c.EmCurto.empty()) return TAbaVerificacao::NaoConectados;
    return TAbaVerificacao::EmCurto;
}

} // namespace

TConteudoVerificacao ShowCheckLista(const std::string& mensagem, const std::vector<std::string>& lista) {
    TConteudoVerificacao c;
    c.Mensagem = mensagem;
    c.NaoValidados = lista;
    c.NaoValidadosVisivel = true;
    c.AbaAtiva = AbaAoMostrar(c);
    return c;
}

TConteudoVerificacao ShowCheckGrafo(const std::string& mensagem, const std::vector<std::string>& curtos,
                                    const std::vector<std::string>& desconectados) {
    TConteudoVerificacao c;
    c.Mensagem = mensagem;
    c.EmCurto = curtos;
    c.NaoConectados = desconectados;
    c.EmCurtoVisivel = true;
    c.NaoConectadosVisivel = true;
    c.AbaAtiva = AbaAoMostrar(c);
    return c;
}

TRecusa TRecusa::ComVerificacao(TMotivoRecusa motivo, TConteudoVerificacao verificacao) {
    TRecusa r;
    r.Tipo = TTipo::Verificacao;
    r.Motivo = motivo;
    r.Verificacao = std::move(verificacao);
    return r;
}

TRecusa TRecusa::ComMensagem(TMotivoRecusa motivo, std::string mensagem) {
    TRecusa r;
    r.Tipo = TTipo::Mensagem;
    r.Motivo = motivo;
    r.Mensagem = std::move(mensagem);
    return r;
}

TRecusa RecusaCancelada() {
    return TRecusa::ComMensagem(TMotivoRecusa::Cancelado, kMsgAnaliseCancelada);
}

} // namespace brelix
