#include "system/UnitSisConexao.h"

namespace brelix {

TConexao::TConexao(std::int32_t id, std::int32_t dominio, TElemento* elemento1, std::int32_t terminal1,
                   TElemento* elemento2, std::int32_t terminal2)
    : Id(id), Dominio(dominio), Terminal1(terminal1), Terminal2(terminal2), Elemento1(elemento1),
      Elemento2(elemento2) {
    if (Elemento1 != nullptr) Elemento1->SetNeighbour(Terminal1, Elemento2);
    if (Elemento2 != nullptr) Elemento2->SetNeighbour(Terminal2, Elemento1);
}

void TConexao::Redirect(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                        const TElemento* removido) {
    const auto ajustar = [&](std::int32_t& terminal, TElemento*& elemento) {
        if (terminal != terminalAntigo || elemento != removido) return;
        terminal = terminalNovo;
        elemento = mantido;
        if (Elemento1 != nullptr) Elemento1->ReplaceNeighbour(removido, mantido);
        if (Elemento2 != nullptr) Elemento2->ReplaceNeighbour(removido, mantido);
    };
    ajustar(Terminal1, Elemento1);
    ajustar(Terminal2, Elemento2);
}

void TConexao::ForgetElemento(const TElemento* elemento) {
    if (Elemento1 == elemento) Elemento1 = nullptr;
    if (Elemento2 == elemento) Elemento2 = nullptr;
}

} // namespace brelix
