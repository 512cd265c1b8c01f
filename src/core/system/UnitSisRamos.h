#pragma once

#include "symbolic/UnitPropGanho.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brelix {

// The graph branches that each kind of system component becomes, as a table read by the conversion
// and by the check of control variables.

// Where a branch ends, besides terminal 1 to 4 of the element: its own vertex (masses, inertias and
// reservoirs, whose vertex the numbering gives them) or the reference of the domain of its other end.
inline constexpr std::int32_t kPontoProprio = 0;
inline constexpr std::int32_t kPontoReferencia = -1;

// What the branch does to the element's gain: in the mobility analogy a damper's admittance is its
// coefficient, so its impedance is the reciprocal; a spring's is S/K, a mass's 1/(M.S), an inductor's
// L.S and a capacitor's 1/(C.S).
enum class TTransfGanho {
    Nenhuma,
    MaisS,        // times S
    Inversa,      // reciprocal
    InversaMaisS, // reciprocal times S
    InversaMenosS // reciprocal divided by S
};

struct TRamoDoTipo {
    std::int32_t TipoRamo = 0;
    std::int32_t Origem = 0;
    std::int32_t Destino = 0;
    TTransfGanho Transf = TTransfGanho::Nenhuma;
    std::int32_t Parte = 0;  // the gain piece the branch takes; 0 = the whole text
    std::string_view Sufixo; // appended to the element's name
};

// The branches of an element of the kind, in the order they are added: none for vertices,
// references and unknown kinds; two for transformers, couplers and the friction kinds, one otherwise.
std::span<const TRamoDoTipo> RamosDoTipo(std::int32_t tipo);

// Port 1 of a transformer or coupler: its branch and the next one are the two halves of one element.
bool RamoEhPorta1(std::int32_t tipoRamo);

// The gain of the branch: the element's gain piece (parsed strictly; the document's dialogs judge the
// text itself) with the branch's transformation applied.
TPropGanho GanhoTransformado(std::string texto, TTransfGanho transf);

// Why the transformed gain has no gain text, for a message: a reciprocal that passes the range of
// the real numbers (the reciprocal of 1E-310), or a power of S past kMaxExpSGanho. Empty when it has.
std::string FaltaGanhoTransformado(const TPropGanho& ganho);

} // namespace brelix
