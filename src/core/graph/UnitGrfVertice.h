#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brelix {

// An entry (Vizinho, Ramo) in the list of vertex V: branch Ramo leads from V to Vizinho. In an
// undirected graph the other end holds the entry back to V as well.
struct TAdjacente {
    std::int32_t Vizinho = 0;
    std::int32_t Ramo = 0;

    bool operator==(const TAdjacente&) const = default;
};

using TListAdjacente = std::vector<TAdjacente>;

// Marks left by the search for input and output candidates.
constexpr std::int32_t kMarcaNenhuma = 0;
constexpr std::int32_t kMarcaEntrada = 1; // no branch enters the vertex
constexpr std::int32_t kMarcaSaida = 2;   // at least one branch enters it

// A variable of a signal-flow diagram or a node of a linear graph.
struct TVertice {
    std::int32_t Id = 0;
    std::string Nome;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    TListAdjacente Adjacentes; // in the order the branches were added
    std::int32_t Marca = kMarcaNenhuma;
};

} // namespace brelix
