// Systems drawn in code, converted to the exact linear graph: vertices in order with their numbers,
// names and places, branches in order with kind, name, gain text and ends; and the names of the
// vertices the conversion added and removed.

#include "SisTestUtil.h"

#include <functional>

using namespace brelix;
using testsis::TDesenho;
using Linhas = std::vector<std::string>;

namespace {

struct TCaso {
    const char* Nome;
    std::function<void(TDesenho&)> Desenhar;
    Linhas Grafo;
    Linhas Adicionados = {};
    Linhas Removidos = {};
};

const std::vector<TCaso>& Casos() {
    static const std::vector<TCaso> casos = {
        {"a ring of wired vertices collapses into its first, without taking it along; so does a wire "
         "from a vertex to itself",
         [](TDesenho& d) {
             const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
             const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1");
             const auto [a, b, c, v] = d.Verts(kTipoEleVertice, {"A", "B", "C", "D"});
             d.Liga(r1, {a, v});
             d.Liga(l1, {c, v});
             d.Fio(a, 1, b, 1);
             d.Fio(b, 1, c, 1);
             d.Fio(c, 1, a, 1);
             d.Fio(v, 1, v, 1);
         },
         {"V 1 A 0,0", "V 2 D 0,0", "R 1 2 R1 R1 1>2", "R 2 2 L1 L1.S 1>2"},
         {},
         {"B", "C"}},
        {"a wire between components gets a vertex halfway on the grid (the division truncates towards "
         "zero); drawn vertices keep their places",
         [](TDesenho& d) {
             const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1", "", 13, 27);
             const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1", "", 48, 61);
             const auto c1 = d.Comp(kTipoEleCapacitor, "C1", "C1", "", -70, 99);
             const auto a = d.Vert(kTipoEleVertice, "A", 40, 45);
             d.Fio(r1, 2, l1, 1);
             d.Fio(l1, 2, c1, 1);
             d.Fio(r1, 1, a, 1);
             d.Fio(c1, 2, a, 1);
         },
         {"V 1 A 40,45", "V 2 _Vertice1 30,40", "V 3 _Vertice2 -10,80", "R 1 2 R1 R1 1>2",
          "R 2 2 L1 L1.S 2>3", "R 3 2 C1 C1^-1.S^-1 3>1"},
         {"_Vertice1", "_Vertice2"}},
    };
    return casos;
}

} // namespace

TEST(SisParaGrafo, EachSystemGivesItsExactGraph) {
    for (const TCaso& caso : Casos()) {
        SCOPED_TRACE(caso.Nome);
        TDesenho d;
        caso.Desenhar(d);
        Linhas adicionados, removidos;
        const TConversaoSistema c = d.S.ToGraph(adicionados, removidos);
        ASSERT_NE(c.Grafo, nullptr) << c.Problemas.front();
        EXPECT_TRUE(c.Grafo->Dirigido());
        EXPECT_EQ(testsis::Texto(*c.Grafo), caso.Grafo);
        EXPECT_EQ(adicionados, caso.Adicionados);
        EXPECT_EQ(removidos, caso.Removidos);
    }
}

// A translational system after 300 electrical vertices: five masses, two springs, two dampers, a free
// vertex E and a drawn reference. M3 sits between a mass vertex and the reference; M4 joins the
// vertices of M1 and M2, so that M2's number gives way. The translational numbers follow the
// electrical ones: reference, then the vertex of M1 (the other masses join it), then E.
TEST(SisParaGrafo, NumberingGoesOnPastTheFirst255Vertices) {
    TDesenho d;
    std::vector<std::int32_t> nos;
    for (int k = 1; k <= 300; ++k)
        nos.push_back(d.Vert(kTipoEleVertice, "N" + std::to_string(k)));
    for (std::size_t k = 1; k < 300; ++k)
        d.Liga(d.Comp(kTipoEleResistor, "R" + std::to_string(k), "R"), {nos[k - 1], nos[k]});
    const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto k1 = d.Comp(kTipoMctMola, "K1", "K1");
    const auto m2 = d.Comp(kTipoMctMassa, "M2", "M2");
    const auto m3 = d.Comp(kTipoMctMassa, "M3", "M3");
    const auto m4 = d.Comp(kTipoMctMassa, "M4", "M4");
    const auto b1 = d.Comp(kTipoMctAmortecedor, "B1", "B1");
    const auto k2 = d.Comp(kTipoMctMola, "K2", "K2");
    const auto b2 = d.Comp(kTipoMctAmortecedor, "B2", "B2");
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref");
    const auto [a, b, c, v, g, e] = d.Verts(kTipoMctVertice, {"A", "B", "C", "D", "G", "E"});
    d.Liga(f1, {a});
    d.Liga(m1, {a, b});
    d.Liga(k1, {b, c});
    d.Liga(m2, {c, v});
    d.Liga(m3, {c, g});
    d.Liga(m4, {b, v});
    d.Liga(b1, {v, g});
    d.Liga(k2, {v, e});
    d.Liga(b2, {e, g});
    d.Liga(ref, {g});
    const TConversaoSistema conv = d.S.ToGraph();
    ASSERT_NE(conv.Grafo, nullptr) << conv.Problemas.front();
    EXPECT_EQ(d.S.NumerosUsados(kDominioMct), 4);
    const Linhas t = testsis::Texto(*conv.Grafo);
    ASSERT_EQ(t.size(), 300u + 3u + 299u + 9u);
    for (std::size_t k = 1; k <= 300; ++k)
        EXPECT_EQ(t[k - 1], "V " + std::to_string(k) + " N" + std::to_string(k) + " 0,0");
    for (std::size_t k = 1; k < 300; ++k)
        EXPECT_EQ(t[302 + k], "R " + std::to_string(k) + " 2 R" + std::to_string(k) + " R " +
                                  std::to_string(k) + ">" + std::to_string(k + 1));
    EXPECT_EQ(Linhas(t.begin() + 300, t.begin() + 303),
              (Linhas{"V 302 M1 0,0", "V 301 Ref1 0,0", "V 304 E 0,0"}));
    EXPECT_EQ(Linhas(t.end() - 9, t.end()),
              (Linhas{"R 300 5 F1 F1 301>302", "R 301 2 M1 M1^-1.S^-1 302>301", "R 302 2 K1 K1^-1.S 302>302",
                      "R 303 2 M2 M2^-1.S^-1 302>301", "R 304 2 M3 M3^-1.S^-1 302>301",
                      "R 305 2 M4 M4^-1.S^-1 302>301", "R 306 2 B1 B1^-1 302>301",
                      "R 307 2 K2 K2^-1.S 302>304", "R 308 2 B2 B2^-1 304>301"}));
}
