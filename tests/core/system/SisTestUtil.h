#pragma once

#include "graph/UnitGrfGrafo.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

namespace brelix::testsis {

// Draws a system in code the way a system document would hand it over: every object takes the next
// identifier, components and vertices take their kind's domain and terminal count, and a wire takes
// the domain of the terminal it starts from.
class TDesenho {
public:
    TSistema S;

    std::int32_t Comp(std::int32_t tipo, const std::string& nome, const std::string& ganho,
                      const std::string& controle = {}, std::int32_t left = 0, std::int32_t top = 0) {
        S.AddElemento(++id_, DominioDoTipo(tipo), true, controle, ganho, TerminaisDoTipo(tipo), top, left,
                      nome, tipo);
        return id_;
    }
    std::int32_t Vert(std::int32_t tipo, const std::string& nome, std::int32_t left = 0,
                      std::int32_t top = 0) {
        S.AddElemento(++id_, DominioDoTipo(tipo), false, {}, {}, 0, top, left, nome, tipo);
        return id_;
    }
    // Several vertices of one kind, in the order named: const auto [a, b] = d.Verts(tipo, {"A", "B"}).
    template <std::size_t N>
    std::array<std::int32_t, N> Verts(std::int32_t tipo, const char* const (&nomes)[N]) {
        std::array<std::int32_t, N> ids{};
        for (std::size_t i = 0; i < N; ++i)
            ids[i] = Vert(tipo, nomes[i]);
        return ids;
    }
    std::int32_t Fio(std::int32_t a, std::int32_t ta, std::int32_t b, std::int32_t tb) {
        const TElemento* e = S.Elementos().Find(a);
        const std::int32_t dominio = e != nullptr ? DominioDoTerminal(e->Tipo, ta) : 0;
        S.AddConexao(++id_, dominio, a, ta, b, tb);
        return id_;
    }
    // Every terminal of the component wired to the given vertices, terminal 1 first.
    void Liga(std::int32_t comp, std::initializer_list<std::int32_t> vertices) {
        std::int32_t t = 0;
        for (const std::int32_t v : vertices)
            Fio(comp, ++t, v, 1);
    }

private:
    std::int32_t id_ = 0;
};

// A DC motor drawn in code: a voltage source Va, an armature Ra, La, the electrical / rotational
// coupler Motor (back electromotive force v = Kb.W, so W = v / Kb; torque T = Kt.i) and an inertia J
// with friction, grounded by a drawn reference. With `verticesEmSerie` the series components meet at
// vertices N2 and N3; without, they are wired straight to each other and the conversion adds them.
inline void DesenharMotorCC(TDesenho& d, bool verticesEmSerie) {
    const auto va = d.Comp(kTipoEleFonteTensao, "Va", "Va");
    const auto ra = d.Comp(kTipoEleResistor, "Ra", "Ra");
    const auto la = d.Comp(kTipoEleIndutor, "La", "La");
    const auto motor = d.Comp(kTipoAcpEleMcr, "Motor", "Kb^-1;0;0;Kt");
    const auto j = d.Comp(kTipoMcrInerciaAtrito, "J", "J;B");
    const auto ref = d.Comp(kTipoMcrReferencia, "Ref1", "Ref");
    const auto n1 = d.Vert(kTipoEleVertice, "N1");
    std::int32_t n2 = 0, n3 = 0;
    if (verticesEmSerie) {
        n2 = d.Vert(kTipoEleVertice, "N2");
        n3 = d.Vert(kTipoEleVertice, "N3");
    }
    const auto n0 = d.Vert(kTipoEleVertice, "N0");
    const auto w1 = d.Vert(kTipoMcrVertice, "W1");
    const auto wr = d.Vert(kTipoMcrVertice, "Wr");
    d.Liga(va, {n1, n0});
    if (verticesEmSerie) {
        d.Liga(ra, {n1, n2});
        d.Liga(la, {n2, n3});
        d.Liga(motor, {n3, n0, w1});
    } else {
        d.Fio(ra, 1, n1, 1);
        d.Fio(ra, 2, la, 1);
        d.Fio(la, 2, motor, 1);
        d.Fio(motor, 2, n0, 1);
        d.Fio(motor, 3, w1, 1);
    }
    d.Liga(j, {w1, wr});
    d.Liga(ref, {wr});
}

// A force F1 on a mass with friction MB1 (gains M1 and 2,5.B1) whose two sides share one vertex,
// and no reference drawn: the conversion adds it.
inline void DesenharMassaComAtrito(TDesenho& d) {
    const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
    const auto mb = d.Comp(kTipoMctMassaAtrito, "MB1", "M1;2,5.B1");
    const auto v = d.Vert(kTipoMctVertice, "V");
    d.Liga(f1, {v});
    d.Liga(mb, {v, v});
}

// The graph as text, one line per vertex ("V number name x,y") in graph order, then one per branch
// ("R number kind name gain origin>destination") with " par n" and " ctrl text" when present.
inline std::vector<std::string> Texto(const TGrafo& g) {
    std::vector<std::string> linhas;
    for (const auto& v : g.Vertices())
        linhas.push_back("V " + std::to_string(v->Id) + " " + v->Nome + " " + std::to_string(v->X) + "," +
                         std::to_string(v->Y));
    for (const auto& r : g.Ramos()) {
        std::string l = "R " + std::to_string(r->Id) + " " + std::to_string(r->Tipo) + " " + r->Nome + " " +
                        r->TextoGanho + " " + std::to_string(r->Origem) + ">" + std::to_string(r->Destino);
        if (r->Par != 0) l += " par " + std::to_string(r->Par);
        if (!r->Controle.empty()) l += " ctrl " + r->Controle;
        linhas.push_back(l);
    }
    return linhas;
}

// Converts and expects a graph.
inline std::vector<std::string> Converter(TSistema& s) {
    TConversaoSistema c = s.ToGraph();
    EXPECT_TRUE(c.Problemas.empty()) << (c.Problemas.empty() ? "" : c.Problemas.front());
    if (!c.Grafo) return {};
    return Texto(*c.Grafo);
}

// Every wire end and every neighbour slot of the model holds an element that the model still owns.
inline bool ReferenciasVivas(const TSistema& s) {
    std::unordered_set<const TElemento*> vivos;
    for (const TElemento& e : s.Elementos())
        vivos.insert(&e);
    for (const TConexao& c : s.Conexoes())
        if (!vivos.contains(c.Elemento1()) || !vivos.contains(c.Elemento2())) return false;
    for (const TElemento& e : s.Elementos())
        for (const TElemento* v : e.Neighbours())
            if (v != nullptr && !vivos.contains(v)) return false;
    return true;
}

} // namespace brelix::testsis
