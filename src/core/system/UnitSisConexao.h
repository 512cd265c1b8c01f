#pragma once

#include "system/UnitSisElemento.h"

#include <cstdint>

namespace brelix {

// One wire of a system: terminal Terminal1 of Elemento1 to terminal Terminal2 of Elemento2. The
// wire does not own its ends. An end is none only while the system is refusing a wire whose element
// does not exist, or after that element was freed.
struct TConexao {
    // Stores the values and makes each end the other's neighbour on the wired terminal.
    TConexao(std::int32_t id, std::int32_t dominio, TElemento* elemento1, std::int32_t terminal1,
             TElemento* elemento2, std::int32_t terminal2);

    std::int32_t Id = 0;
    std::int32_t Dominio = 0;
    std::int32_t Terminal1 = 0;
    std::int32_t Terminal2 = 0;
    TElemento* Elemento1 = nullptr;
    TElemento* Elemento2 = nullptr;

    // Moves an end that sits on (removido, terminalAntigo) to (mantido, terminalNovo), and makes both
    // ends of the wire see `mantido` wherever they saw `removido`. Each end is tested on its own.
    void Redirect(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                  const TElemento* removido);
    // Drops the element from the ends that hold it.
    void ForgetElemento(const TElemento* elemento);
};

} // namespace brelix
