#include "visual/UnitPilhaDesfazer.h"

#include "visual/UnitVOElemento.h"
#include "visual/UnitVisualDocumento.h"

#include <cassert>
#include <unordered_map>

namespace brelix {

namespace {

std::unordered_map<std::int32_t, std::size_t> Posicoes(const std::vector<std::int32_t>& ids) {
    std::unordered_map<std::int32_t, std::size_t> at;
    at.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i)
        at.emplace(ids[i], i);
    return at;
}

} // namespace

TFotoDocumento Fotografar(const TVisualDocumento& doc) {
    TFotoDocumento foto;
    const TListVisualObject& list = doc.Objects();
    foto.IDs.reserve(static_cast<std::size_t>(list.Count()));
    foto.Objetos.reserve(static_cast<std::size_t>(list.Count()));
    for (const TVisualObject& o : list) {
        TEstadoObjeto estado;
        estado.Classe = &o.Class();
        estado.Props = o.Props().Lines();
        if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) estado.Conexoes = e->Connections();
        foto.IDs.push_back(o.ID());
        foto.Objetos.push_back(std::move(estado));
        foto.Modificados.push_back(o.Modified());
    }
    foto.Cabecalho = {doc.Desc(), doc.Width(), doc.Height()};
    foto.Selecionado = list.Selected() != nullptr ? list.Selected()->ID() : 0;
    foto.DocumentoModificado = doc.Modified();
    return foto;
}

std::optional<TPassoEdicao> Comparar(TAcaoEdicao acao, const TFotoDocumento& antes,
                                     const TFotoDocumento& depois) {
    TPassoEdicao passo;
    passo.Acao = acao;
    const auto depoisEm = Posicoes(depois.IDs);
    for (std::size_t i = 0; i < antes.IDs.size(); ++i) {
        const auto found = depoisEm.find(antes.IDs[i]);
        if (found != depoisEm.end() && depois.Objetos[found->second] == antes.Objetos[i]) continue;
        TAlteracaoObjeto& alt = passo.Objetos.emplace_back();
        alt.ID = antes.IDs[i];
        alt.Antes = antes.Objetos[i];
        alt.IndiceAntes = static_cast<int>(i);
        if (found == depoisEm.end()) continue;
        alt.Depois = depois.Objetos[found->second];
        alt.IndiceDepois = static_cast<int>(found->second);
    }
    const auto antesEm = Posicoes(antes.IDs);
    for (std::size_t i = 0; i < depois.IDs.size(); ++i) {
        if (antesEm.count(depois.IDs[i]) != 0) continue;
        TAlteracaoObjeto& alt = passo.Objetos.emplace_back();
        alt.ID = depois.IDs[i];
        alt.Depois = depois.Objetos[i];
        alt.IndiceDepois = static_cast<int>(i);
    }
    if (!(antes.Cabecalho == depois.Cabecalho)) {
        passo.CabecalhoAntes = antes.Cabecalho;
        passo.CabecalhoDepois = depois.Cabecalho;
    }
    if (passo.Objetos.empty() && !passo.CabecalhoAntes) return std::nullopt;
    passo.SelecaoAntes = antes.Selecionado;
    passo.SelecaoDepois = depois.Selecionado;
    return passo;
}

void TPilhaDesfazer::Registrar(TPassoEdicao passo) {
    if (limpo_ && *limpo_ > indice_) limpo_.reset();
    passos_.resize(indice_);
    passos_.push_back(std::move(passo));
    ++indice_;
}

const TPassoEdicao* TPilhaDesfazer::ProximoDesfazer() const {
    return PodeDesfazer() ? &passos_[indice_ - 1] : nullptr;
}

const TPassoEdicao* TPilhaDesfazer::ProximoRefazer() const {
    return PodeRefazer() ? &passos_[indice_] : nullptr;
}

const TPassoEdicao& TPilhaDesfazer::Desfazer() {
    assert(PodeDesfazer() && "Desfazer needs a step done");
    return passos_[--indice_];
}

const TPassoEdicao& TPilhaDesfazer::Refazer() {
    assert(PodeRefazer() && "Refazer needs a step undone");
    return passos_[indice_++];
}

void TPilhaDesfazer::Limpar() {
    passos_.clear();
    indice_ = 0;
    limpo_ = 0;
}

} // namespace brelix
