#pragma once

#include "system/UnitSisElemento.h"

#include <cstdint>

namespace brelix {

// One wire of a system: terminal Terminal1 of Elemento1 to terminal Terminal2 of Elemento2. The
// wire does not own its ends; an end is none only after the system freed that element.
class TConexao {
public:
    // Stores the values and makes each end the other's neighbour on the wired terminal.
    TConexao(std::int32_t id, std::int32_t dominio, TElemento* elemento1, std::int32_t terminal1,
             TElemento* elemento2, std::int32_t terminal2);

    std::int32_t Id = 0;
    std::int32_t Dominio = 0;
    std::int32_t Terminal1 = 0;
    std::int32_t Terminal2 = 0;

    const TElemento* Elemento1() const { return elemento1_; }
    const TElemento* Elemento2() const { return elemento2_; }
    TElemento* Elemento1() { return elemento1_; }
    TElemento* Elemento2() { return elemento2_; }

    // Moves an end that sits on (removido, terminalAntigo) to (mantido, terminalNovo), and makes both
    // ends of the wire see `mantido` wherever they saw `removido`. Each end is tested on its own.
    void Redirect(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                  const TElemento* removido);
    // Drops the element from the ends that hold it.
    void ForgetElemento(const TElemento* elemento);

private:
    TElemento* elemento1_ = nullptr;
    TElemento* elemento2_ = nullptr;
};

} // namespace brelix
