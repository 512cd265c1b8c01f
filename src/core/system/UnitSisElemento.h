#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// One component or vertex of a physical system, as the analysis sees it: a flat copy of the drawn
// object plus the graph vertex number that the conversion gives it.
//
// Neighbours are the elements wired to it. A component has one slot per terminal (empty until a wire
// arrives); a vertex keeps one entry per wire, in wiring order, and answers no index. The element
// does not own its neighbours: the system that owns every element clears them from each slot before
// it frees one, so a slot never points at a freed element.
class TElemento {
public:
    // A control variable written with a domain letter (v(R1), Q(Tq_P2)) is stored as the graph
    // variable it stands for: across letters become E and through letters F (E(R1), F(Tq_P2)).
    TElemento(std::int32_t id, bool componente, std::string varControle, std::string ganho,
              std::int32_t numTerminais, std::int32_t top, std::int32_t left, std::string nome,
              std::int32_t tipo, std::int32_t dominio);

    std::int32_t Id = 0;
    std::int32_t Numero = 0; // graph vertex number; 0 until numbered
    std::int32_t Dominio = 0;
    std::int32_t Tipo = 0;
    std::string Nome;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t NumTerminais = 0;
    std::string Ganho; // several gains joined by ";"
    std::string VarControle;
    bool Componente = false;
    bool VerticeProprio = false; // a mechanical or hydraulic vertex that is a graph vertex of its own

    // The element on terminal i (from 1) of a component; none for a vertex, an empty slot or an index
    // out of range.
    const TElemento* Neighbour(std::int32_t i) const;
    TElemento* Neighbour(std::int32_t i);
    // A component overwrites slot i (false, nothing stored, when there is no such terminal); a vertex
    // appends the element and ignores i.
    bool SetNeighbour(std::int32_t i, TElemento* elemento);
    // Every slot or entry holding `antigo` holds `novo` instead.
    void ReplaceNeighbour(const TElemento* antigo, TElemento* novo);
    // Empties every slot holding the element; a vertex drops its entries for it.
    void ForgetNeighbour(const TElemento* elemento);
    std::span<const TElemento* const> Neighbours() const { return {vizinhos_.data(), vizinhos_.size()}; }

    // GainPart(0) is the whole gain text; GainPart(i) its i-th piece between ";" (empty past the last).
    std::string GainPart(std::int32_t i) const;

private:
    std::vector<TElemento*> vizinhos_;
};

// Rewrites the first letter of a domain variable into the graph's E or F.
std::string VariavelDeGrafo(std::string_view variavel);

} // namespace brelix
