#pragma once

#include "graph/UnitGrfRamo.h"
#include "graph/UnitGrfVertice.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brelix {

// Owned through pointers, so that a vertex or branch handed out stays where it is while the lists grow.
using TListVertice = std::vector<std::unique_ptr<TVertice>>;
using TListRamo = std::vector<std::unique_ptr<TRamo>>;

// One model for linear graphs and signal-flow diagrams. Vertices and branches keep the order in
// which the builder added them: every algorithm iterates in that order, so it fixes the numbering of
// loops and the choice of chords. Lookups by identifier or name return the first match.
class TGrafo {
public:
    explicit TGrafo(bool dirigido = true) : dirigido_(dirigido) {}
    // A deep copy: vertex marks start at 0 and the symbol list is empty.
    TGrafo(const TGrafo& other);
    TGrafo& operator=(const TGrafo& other);
    TGrafo(TGrafo&&) noexcept = default;
    TGrafo& operator=(TGrafo&&) noexcept = default;
    ~TGrafo() = default;

    // A directed graph enters a branch at its origin only, an undirected one at both ends.
    bool Dirigido() const { return dirigido_; }

    int VerticeCount() const { return static_cast<int>(vertices_.size()); }
    TVertice& Vertice(int i) { return *vertices_[static_cast<std::size_t>(i)]; }
    const TVertice& Vertice(int i) const { return *vertices_[static_cast<std::size_t>(i)]; }
    const TListVertice& Vertices() const { return vertices_; }

    int RamoCount() const { return static_cast<int>(ramos_.size()); }
    TRamo& Ramo(int i) { return *ramos_[static_cast<std::size_t>(i)]; }
    const TRamo& Ramo(int i) const { return *ramos_[static_cast<std::size_t>(i)]; }
    const TListRamo& Ramos() const { return ramos_; }

    TListSimboloVal& Simbolos() { return simbolos_; }
    const TListSimboloVal& Simbolos() const { return simbolos_; }

    TVertice& AddVertice(std::int32_t id, std::string nome, std::int32_t x = 0, std::int32_t y = 0);
    // Appends the branch and its adjacency entries; a transmittance parses its gain text. Refuses
    // (none, graph unchanged) when an end vertex does not exist.
    TRamo* AddRamo(std::int32_t id, std::int32_t tipo, std::string nome, std::string textoGanho,
                   std::int32_t origem, std::int32_t destino, std::int32_t x = 0, std::int32_t y = 0,
                   std::int32_t par = 0, std::string controle = {});
    TRamo* AddTransmitancia(std::int32_t id, std::string nome, std::string textoGanho, std::int32_t origem,
                            std::int32_t destino, std::int32_t x = 0, std::int32_t y = 0);

    TVertice* FindVertice(std::int32_t id);
    const TVertice* FindVertice(std::int32_t id) const;
    // The first vertex whose name equals the text exactly (letter case counts); none when absent.
    TVertice* FindVerticeNome(std::string_view nome);
    // Its identifier; -1 when absent (ambiguous when a vertex has identifier -1: prefer FindVerticeNome).
    std::int32_t FindVerticeId(std::string_view nome) const;
    TRamo* FindRamo(std::int32_t id);
    const TRamo* FindRamo(std::int32_t id) const;

    // Removes the vertex only: branches and adjacency entries that name it are the caller's concern.
    void DeleteVertice(std::int32_t id);
    // Removes the adjacency entries the branch created, then the branch.
    void DeleteRamo(std::int32_t id);
    // DeleteRamo of every identifier in turn, in one pass over the graph.
    void DeleteRamos(const std::vector<std::int32_t>& ids);
    // Deletes every branch from a to b, then every branch from b to a; an undirected branch joins
    // its two ends in either order.
    void DeleteRamosEntre(std::int32_t a, std::int32_t b);
    // Deletes every branch from a vertex to itself.
    void DeleteRamosCurto();
    // Contracts vertex n into v: v receives n's adjacency entries after its own, and every entry and
    // branch end naming n names v instead. n stays in the list for the caller to delete.
    void MergeVertices(std::int32_t n, std::int32_t v);

    // Rebuilds the symbol list from the branch gains, each symbol once with value 1, sorted.
    void CollectSimbolos();

private:
    int IndexOfRamo(std::int32_t id) const;
    // Lookups by identifier go through tables of the first vertex and the first branch of each
    // identifier, made again after a deletion: a graph of a large document is built and walked in
    // linear time, not by a scan of every vertex for every branch added.
    void IndexarVertices() const;
    void IndexarRamos() const;
    void DeleteRamoAt(int index);
    static void RemoveAdjacente(TVertice* vertice, TAdjacente entry);

    bool dirigido_ = true;
    TListVertice vertices_;
    TListRamo ramos_;
    TListSimboloVal simbolos_;
    mutable std::unordered_map<std::int32_t, TVertice*> indiceVertices_;
    mutable std::unordered_map<std::int32_t, int> indiceRamos_;
    mutable bool verticesIndexados_ = false;
    mutable bool ramosIndexados_ = false;
};

} // namespace brelix
