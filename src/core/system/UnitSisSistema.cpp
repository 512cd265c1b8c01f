#include "system/UnitSisSistema.h"

#include "common/UnitComTexto.h"
#include "system/UnitSisTipo.h"

#include <utility>

namespace brelix {

namespace {

// A vertex has the single terminal 1 however many wires it takes; a component the terminals it has.
bool TerminalExiste(const TElemento& e, std::int32_t terminal) {
    if (!e.Componente) return terminal == 1;
    return terminal >= 1 && terminal <= e.NumTerminais;
}

} // namespace

const TElemento& TSistema::AddElemento(std::int32_t id, std::int32_t dominio, bool componente,
                                       std::string varControle, std::string ganho, std::int32_t numTerminais,
                                       std::int32_t top, std::int32_t left, std::string nome,
                                       std::int32_t tipo) {
    return NovoElemento(id, dominio, componente, std::move(varControle), std::move(ganho), numTerminais, top,
                        left, std::move(nome), tipo);
}

TElemento& TSistema::NovoElemento(std::int32_t id, std::int32_t dominio, bool componente,
                                  std::string varControle, std::string ganho, std::int32_t numTerminais,
                                  std::int32_t top, std::int32_t left, std::string nome, std::int32_t tipo) {
    if (id > maiorId_) maiorId_ = id;
    const TParDominios par = DominiosDoCodigo(dominio);
    if (par.Primeiro != 0) ++contagem_[IndiceDominio(par.Primeiro)];
    if (par.Segundo != 0 && par.Segundo != par.Primeiro) ++contagem_[IndiceDominio(par.Segundo)];
    return elementos_.Add(id, componente, std::move(varControle), std::move(ganho), numTerminais, top, left,
                          std::move(nome), tipo, dominio);
}

const TConexao* TSistema::AddConexao(std::int32_t id, std::int32_t dominio, std::int32_t objId1,
                                     std::int32_t cntId1, std::int32_t objId2, std::int32_t cntId2) {
    if (id > maiorId_) maiorId_ = id;
    TElemento* e1 = elementos_.Find(objId1);
    TElemento* e2 = elementos_.Find(objId2);
    const std::string conexao = "A conexão " + IntToStr(id);
    for (const auto& [e, objId] : {std::pair{e1, objId1}, std::pair{e2, objId2}}) {
        if (e != nullptr) continue;
        faltasMontagem_.push_back(conexao + " liga o objeto " + IntToStr(objId) +
                                  ", que não existe no sistema.");
        return nullptr;
    }
    for (const auto& [e, terminal] : {std::pair{e1, cntId1}, std::pair{e2, cntId2}}) {
        if (TerminalExiste(*e, terminal)) continue;
        faltasMontagem_.push_back(conexao + " usa o terminal " + IntToStr(terminal) + " de " + e->Nome +
                                  ", que não existe.");
        return nullptr;
    }
    return &conexoes_.Add(id, dominio, e1, cntId1, e2, cntId2);
}

std::int32_t TSistema::Contagem(std::int32_t dominio) const {
    return DominioFisico(dominio) ? contagem_[IndiceDominio(dominio)] : 0;
}

std::int32_t TSistema::NumerosUsados(std::int32_t dominio) const {
    return DominioFisico(dominio) ? numeros_[IndiceDominio(dominio)] : 0;
}

std::int32_t TSistema::Referencia(std::int32_t dominio) const {
    return DominioFisico(dominio) ? referencias_[IndiceDominio(dominio)] : 0;
}

std::int32_t TSistema::NovoId() {
    // Verificar has made sure that the identifiers the conversion issues stay within 32 bits.
    return ++maiorId_;
}

void TSistema::RemoveElemento(const TElemento* elemento) {
    conexoes_.ForgetElemento(elemento);
    elementos_.Remove(elemento);
}

TConversaoSistema TSistema::ToGraph(TProgresso* progresso) {
    return Converter(nullptr, nullptr, progresso);
}

TConversaoSistema TSistema::ToGraph(std::vector<std::string>& adicionados,
                                    std::vector<std::string>& removidos, TProgresso* progresso) {
    return Converter(&adicionados, &removidos, progresso);
}

} // namespace brelix
