#pragma once

// Systems drawn in code, the way a system document hands them over, and their graphs as text.

#include "graph/UnitGrfGrafo.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brelix::testsis {

// Every object takes the next identifier; components and vertices take their kind's domain and
// terminal count, and a wire takes the domain of the terminal it starts from.
struct TDesenho {
    TSistema S;
    std::int32_t ultimoId = 0;

    std::int32_t Comp(std::int32_t tipo, const std::string& nome, const std::string& ganho,
                      const std::string& controle = {}, std::int32_t left = 0, std::int32_t top = 0) {
        S.AddElemento(++ultimoId, DominioDoTipo(tipo), true, controle, ganho, TerminaisDoTipo(tipo), top,
                      left, nome, tipo);
        return ultimoId;
    }
    std::int32_t Vert(std::int32_t tipo, const std::string& nome, std::int32_t left = 0,
                      std::int32_t top = 0) {
        S.AddElemento(++ultimoId, DominioDoTipo(tipo), false, {}, {}, 0, top, left, nome, tipo);
        return ultimoId;
    }
    // Several vertices of one kind, in the order named: const auto [a, b] = d.Verts(tipo, {"A", "B"}).
    template <std::size_t N>
    std::array<std::int32_t, N> Verts(std::int32_t tipo, const char* const (&nomes)[N]) {
        std::array<std::int32_t, N> ids{};
        for (std::size_t i = 0; i < N; ++i)
            ids[i] = Vert(tipo, nomes[i]);
        return ids;
    }
    void Fio(std::int32_t a, std::int32_t ta, std::int32_t b, std::int32_t tb) {
        const TElemento* e = S.Elementos().Find(a);
        S.AddConexao(++ultimoId, e != nullptr ? DominioDoTerminal(e->Tipo, ta) : 0, a, ta, b, tb);
    }
    // Every terminal of the component wired to the given vertices, terminal 1 first.
    void Liga(std::int32_t comp, std::initializer_list<std::int32_t> vertices) {
        std::int32_t t = 0;
        for (const std::int32_t v : vertices)
            Fio(comp, ++t, v, 1);
    }
};

// The graph as text, one line per vertex ("V number name x,y") in graph order, then one per branch
// ("R number kind name gain origin>destination").
inline std::vector<std::string> Texto(const TGrafo& g) {
    std::vector<std::string> linhas;
    for (const auto& v : g.Vertices())
        linhas.push_back("V " + std::to_string(v->Id) + " " + v->Nome + " " + std::to_string(v->X) + "," +
                         std::to_string(v->Y));
    for (const auto& r : g.Ramos())
        linhas.push_back("R " + std::to_string(r->Id) + " " + std::to_string(r->Tipo) + " " + r->Nome + " " +
                         r->TextoGanho + " " + std::to_string(r->Origem) + ">" + std::to_string(r->Destino));
    return linhas;
}

} // namespace brelix::testsis
