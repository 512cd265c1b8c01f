#include "SisTestUtil.h"

#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Textbook systems drawn in code, converted to the exact linear graph: vertices in order with their
// names and places, branches in order with kind, name, gain text, ends, pairs and control texts.

using namespace brelix;
using testsis::Converter;
using testsis::TDesenho;
using Linhas = std::vector<std::string>;

TEST(SisExemplos, SeriesRLCCircuit) {
    TDesenho d;
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs", "", 20, 100);
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1", "", 80, 40);
    const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1", "", 160, 40);
    const auto c1 = d.Comp(kTipoEleCapacitor, "C1", "C1", "", 240, 100);
    const auto n1 = d.Vert(kTipoEleVertice, "Vertice1", 40, 45);
    const auto n2 = d.Vert(kTipoEleVertice, "Vertice2", 125, 45);
    const auto n3 = d.Vert(kTipoEleVertice, "Vertice3", 245, 45);
    const auto n0 = d.Vert(kTipoEleVertice, "Vertice4", 125, 170);
    d.Liga(vs, {n1, n0});
    d.Liga(r1, {n1, n2});
    d.Liga(l1, {n2, n3});
    d.Liga(c1, {n3, n0});
    EXPECT_EQ(Converter(d.S), (Linhas{"V 1 Vertice1 40,45", "V 2 Vertice2 125,45", "V 3 Vertice3 245,45",
                                      "V 4 Vertice4 125,170", "R 1 3 Vs Vs 1>4", "R 2 2 R1 R1 1>2",
                                      "R 3 2 L1 L1.S 2>3", "R 4 2 C1 C1^-1.S^-1 3>4"}));
    // An electrical system has no reference vertex.
    EXPECT_EQ(d.S.NumerosUsados(kDominioEle), 4);
    EXPECT_EQ(d.S.Referencia(kDominioMct), 0);
    EXPECT_EQ(d.S.Elementos().Count(), 8);
}

TEST(SisExemplos, MassSpringDamperDrivenByAForce) {
    TDesenho d;
    const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto k1 = d.Comp(kTipoMctMola, "K1", "K1");
    const auto b1 = d.Comp(kTipoMctAmortecedor, "B1", "B1");
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref1", "", 300, 200);
    const auto [va, vb, vr] = d.Verts(kTipoMctVertice, {"Va", "Vb", "Vr"});
    d.Liga(f1, {va});
    d.Liga(m1, {va, vb});
    d.Liga(k1, {vb, vr});
    d.Liga(b1, {vb, vr});
    d.Liga(ref, {vr});
    // The mass's velocity is one vertex against the reference; force in, mass, spring and damper out.
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 2 M1 0,0", "V 1 Ref1 300,200", "R 1 5 F1 F1 1>2", "R 2 2 M1 M1^-1.S^-1 2>1",
                      "R 3 2 K1 K1^-1.S 2>1", "R 4 2 B1 B1^-1 2>1"}));
}

TEST(SisExemplos, MassWithFrictionAndNoDrawnReference) {
    TDesenho d;
    testsis::DesenharMassaComAtrito(d);
    Linhas adicionados, removidos;
    const TConversaoSistema c = d.S.ToGraph(adicionados, removidos);
    ASSERT_NE(c.Grafo, nullptr);
    EXPECT_EQ(testsis::Texto(*c.Grafo), (Linhas{"V 2 MB1 0,0", "V 1 RefMct 260,260", "R 1 5 F1 F1 1>2",
                                                "R 2 2 MB1_M M1^-1.S^-1 2>1", "R 3 2 MB1_B 0,4.B1^-1 2>1"}));
    // The added reference is no vertex a wire was drawn to: neither list names it.
    EXPECT_TRUE(adicionados.empty());
    EXPECT_TRUE(removidos.empty());
}

TEST(SisExemplos, DCMotorWithTheElectricalRotationalCoupler) {
    TDesenho d;
    testsis::DesenharMotorCC(d, true);
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 1 N1 0,0", "V 2 N2 0,0", "V 3 N3 0,0", "V 4 N0 0,0", "V 6 J 0,0", "V 5 Ref1 0,0",
                      "R 1 3 Va Va 1>4", "R 2 2 Ra Ra 1>2", "R 3 2 La La.S 2>3",
                      "R 4 91 Motor_P1 Kb^-1;0;0;Kt 3>4 par 5", "R 5 92 Motor_P2 Kb^-1;0;0;Kt 6>5 par 4",
                      "R 6 2 J_J J^-1.S^-1 6>5", "R 7 2 J_B B^-1 6>5"}));
    EXPECT_EQ(d.S.Referencia(kDominioMcr), 5);
    EXPECT_EQ(d.S.NumerosUsados(kDominioMcr), 2);
}

namespace {

// A translational system after `antes` electrical vertices: five masses, two springs, two dampers,
// a free vertex and a drawn reference. M3 sits between a mass vertex and the reference; M4 joins
// the vertices of M1 and M2, so that M2's number gives way.
Linhas MecanicoDepoisDe(int antes) {
    TDesenho d;
    std::vector<std::int32_t> nos;
    for (int k = 1; k <= antes; ++k)
        nos.push_back(d.Vert(kTipoEleVertice, "N" + std::to_string(k)));
    for (int k = 1; k < antes; ++k)
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
    Linhas linhas = Converter(d.S);
    EXPECT_EQ(d.S.Referencia(kDominioMct), antes + 1);
    EXPECT_EQ(d.S.NumerosUsados(kDominioMct), 4);
    return linhas;
}

} // namespace

TEST(SisExemplos, NumberingGoesOnPastTheFirst255Vertices) {
    for (const int antes : {0, 3, 300}) {
        // The translational numbers follow the electrical ones: reference, then the vertex of M1 (the
        // other masses join it), then the free vertex E.
        const auto n = [&](int k) { return std::to_string(antes + k); };
        const int r = antes > 0 ? antes - 1 : 0; // branches of the electrical resistors
        const auto ramo = [&](int k) { return std::to_string(r + k); };
        Linhas esperado;
        for (int k = 1; k <= antes; ++k)
            esperado.push_back("V " + std::to_string(k) + " N" + std::to_string(k) + " 0,0");
        esperado.insert(esperado.end(),
                        {"V " + n(2) + " M1 0,0", "V " + n(1) + " Ref1 0,0", "V " + n(4) + " E 0,0"});
        for (int k = 1; k < antes; ++k)
            esperado.push_back("R " + std::to_string(k) + " 2 R" + std::to_string(k) + " R " +
                               std::to_string(k) + ">" + std::to_string(k + 1));
        esperado.insert(esperado.end(), {"R " + ramo(1) + " 5 F1 F1 " + n(1) + ">" + n(2),
                                         "R " + ramo(2) + " 2 M1 M1^-1.S^-1 " + n(2) + ">" + n(1),
                                         "R " + ramo(3) + " 2 K1 K1^-1.S " + n(2) + ">" + n(2),
                                         "R " + ramo(4) + " 2 M2 M2^-1.S^-1 " + n(2) + ">" + n(1),
                                         "R " + ramo(5) + " 2 M3 M3^-1.S^-1 " + n(2) + ">" + n(1),
                                         "R " + ramo(6) + " 2 M4 M4^-1.S^-1 " + n(2) + ">" + n(1),
                                         "R " + ramo(7) + " 2 B1 B1^-1 " + n(2) + ">" + n(1),
                                         "R " + ramo(8) + " 2 K2 K2^-1.S " + n(2) + ">" + n(4),
                                         "R " + ramo(9) + " 2 B2 B2^-1 " + n(4) + ">" + n(1)});
        EXPECT_EQ(MecanicoDepoisDe(antes), esperado) << antes;
    }
}

TEST(SisExemplos, LongChainOfMassesNumbersEveryOne) {
    // 300 masses in a row, each pair joined by a spring, the first one grounded through a damper:
    // every mass is a graph vertex of its own, numbered after the reference in list order.
    constexpr int kMassas = 300;
    TDesenho d;
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref");
    const auto g = d.Vert(kTipoMctVertice, "G");
    d.Liga(ref, {g});
    const auto b0 = d.Comp(kTipoMctAmortecedor, "B0", "B0");
    std::int32_t anterior = d.Vert(kTipoMctVertice, "X0");
    d.Liga(b0, {g, anterior});
    for (int k = 1; k <= kMassas; ++k) {
        const auto m = d.Comp(kTipoMctMassa, "M" + std::to_string(k), "M");
        const auto esq = d.Vert(kTipoMctVertice, "E" + std::to_string(k));
        const auto dir = d.Vert(kTipoMctVertice, "D" + std::to_string(k));
        d.Liga(m, {esq, dir});
        d.Fio(anterior, 1, esq, 1);
        const auto mola = d.Comp(kTipoMctMola, "K" + std::to_string(k), "K");
        anterior = d.Vert(kTipoMctVertice, "X" + std::to_string(k));
        d.Liga(mola, {dir, anterior});
    }
    const TConversaoSistema c = d.S.ToGraph();
    ASSERT_NE(c.Grafo, nullptr);
    const TGrafo& grafo = *c.Grafo;
    // The reference, the 300 masses (each E(k) merged into X(k-1) and then into the mass) and the
    // free X300.
    ASSERT_EQ(grafo.VerticeCount(), kMassas + 2);
    EXPECT_EQ(grafo.Vertice(0).Nome, "Ref1");
    EXPECT_EQ(grafo.Vertice(0).Id, 1);
    for (int k = 1; k <= kMassas; ++k) {
        EXPECT_EQ(grafo.Vertice(k).Nome, "M" + std::to_string(k));
        EXPECT_EQ(grafo.Vertice(k).Id, k + 1);
    }
    EXPECT_EQ(grafo.Vertice(kMassas + 1).Nome, "X" + std::to_string(kMassas));
    EXPECT_EQ(grafo.Vertice(kMassas + 1).Id, kMassas + 2);
    // Branches: B0, then each mass to the reference and each spring to the next mass.
    ASSERT_EQ(grafo.RamoCount(), 1 + 2 * kMassas);
    EXPECT_EQ(grafo.Ramo(0).Origem, 1);
    EXPECT_EQ(grafo.Ramo(0).Destino, 2);
    for (int k = 1; k <= kMassas; ++k) {
        const TRamo& massa = grafo.Ramo(2 * k - 1);
        const TRamo& mola = grafo.Ramo(2 * k);
        EXPECT_EQ(massa.Nome, "M" + std::to_string(k));
        EXPECT_EQ(massa.Origem, k + 1);
        EXPECT_EQ(massa.Destino, 1);
        EXPECT_EQ(mola.Origem, k + 1);
        EXPECT_EQ(mola.Destino, k + 2);
    }
    EXPECT_EQ(d.S.NumerosUsados(kDominioMct), kMassas + 2);
}
