#include "system/UnitSisConexao.h"

namespace brelix {

TConexao::TConexao(std::int32_t id, std::int32_t dominio, TElemento* elemento1, std::int32_t terminal1,
                   TElemento* elemento2, std::int32_t terminal2)
    : Id(id), Dominio(dominio), Terminal1(terminal1), Terminal2(terminal2), elemento1_(elemento1),
      elemento2_(elemento2) {
    if (elemento1_ != nullptr) elemento1_->SetNeighbour(Terminal1, elemento2_);
    if (elemento2_ != nullptr) elemento2_->SetNeighbour(Terminal2, elemento1_);
}

void TConexao::Redirect(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                        const TElemento* removido) {
    const auto ajustar = [&](std::int32_t& terminal, TElemento*& elemento) {
        if (terminal != terminalAntigo || elemento != removido) return;
        terminal = terminalNovo;
        elemento = mantido;
        if (elemento1_ != nullptr) elemento1_->ReplaceNeighbour(removido, mantido);
        if (elemento2_ != nullptr) elemento2_->ReplaceNeighbour(removido, mantido);
    };
    ajustar(Terminal1, elemento1_);
    ajustar(Terminal2, elemento2_);
}

void TConexao::ForgetElemento(const TElemento* elemento) {
    if (elemento1_ == elemento) elemento1_ = nullptr;
    if (elemento2_ == elemento) elemento2_ = nullptr;
}

} // namespace brelix
