#pragma once

#include "symbolic/UnitGrfGanho.h"

#include <cstdint>
#include <optional>
#include <string>

namespace brelix {

// Kinds of branch. A two-port element of element kind k enters the graph as two branches of kinds
// 10k + 1 and 10k + 2, each holding the other's identifier as its pair.
enum TTipoRamo : std::int32_t {
    kRamoTransmitancia = 0,
    kRamoImpedancia = 2,
    kRamoFonteEsforco = 3,
    kRamoFonteEsforcoCtrl = 4,
    kRamoFonteFluxo = 5,
    kRamoFonteFluxoCtrl = 6,
    kRamoTransformador1 = 71,
    kRamoTransformador2 = 72,
    kRamoGirador1 = 81,
    kRamoGirador2 = 82,
    kRamoQuadripolo1 = 91,
    kRamoQuadripolo2 = 92,
};

// A branch: a transmittance of a signal-flow diagram or an element of a linear graph. Its ends are
// held by vertex identifier, so that they survive the deletion and merging of vertices; the graph
// resolves them (TGrafo::FindVertice).
struct TRamo {
    std::int32_t Id = 0;
    std::int32_t Tipo = kRamoTransmitancia;
    std::string Nome;
    bool Dirigido = true;
    std::optional<TGanho> Ganho; // parsed from TextoGanho for transmittances only
    std::string TextoGanho;      // a generic two-port joins its four gains with ";"
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Origem = 0;
    std::int32_t Destino = 0;
    std::int32_t Par = 0; // the other port's branch of a two-port element; 0 otherwise
    std::string Controle; // the controlling variable of a controlled source

    const TGanho* GanhoPtr() const { return Ganho ? &*Ganho : nullptr; }
};

} // namespace brelix
