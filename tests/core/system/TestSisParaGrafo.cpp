#include "SisTestUtil.h"

#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brelix;
using testsis::Converter;
using testsis::ReferenciasVivas;
using testsis::TDesenho;
using Linhas = std::vector<std::string>;

TEST(SisParaGrafo, EmptySystemGivesEmptyGraph) {
    TSistema s;
    const TConversaoSistema c = s.ToGraph();
    ASSERT_NE(c.Grafo, nullptr);
    EXPECT_TRUE(c.Grafo->Dirigido());
    EXPECT_EQ(c.Grafo->VerticeCount(), 0);
    EXPECT_EQ(c.Grafo->RamoCount(), 0);
}

TEST(SisParaGrafo, WiredVerticesMergeIntoTheFirst) {
    TDesenho d;
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1");
    const auto [a, b, c] = d.Verts(kTipoEleVertice, {"A", "B", "C"});
    d.Liga(r1, {a, c});
    const auto fioL1 = d.Fio(l1, 1, b, 1);
    d.Fio(l1, 2, c, 1);
    d.Fio(a, 1, b, 1);

    Linhas adicionados, removidos;
    const TConversaoSistema conv = d.S.ToGraph(adicionados, removidos);
    ASSERT_NE(conv.Grafo, nullptr);
    EXPECT_EQ(testsis::Texto(*conv.Grafo),
              (Linhas{"V 1 A 0,0", "V 2 C 0,0", "R 1 2 R1 R1 1>2", "R 2 2 L1 L1.S 1>2"}));
    EXPECT_EQ(removidos, Linhas{"B"});
    EXPECT_TRUE(adicionados.empty());

    // B is gone, its wire now ends at A, and the inductor sees A on terminal 1.
    EXPECT_EQ(d.S.Elementos().Find(b), nullptr);
    EXPECT_EQ(d.S.Conexoes().Count(), 4);
    const TElemento* va = d.S.Elementos().Find(a);
    EXPECT_EQ(d.S.Conexoes().Find(fioL1)->Elemento2(), va);
    EXPECT_EQ(d.S.Elementos().Find(l1)->Neighbour(1), va);
    EXPECT_TRUE(ReferenciasVivas(d.S));
}

TEST(SisParaGrafo, RingOfWiredVerticesCollapsesIntoOne) {
    // Merging A-B and B-C turns C-A into a wire from A to itself; it must go without taking A along,
    // which the components still hang on.
    TDesenho d;
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1");
    const auto [a, b, c, v] = d.Verts(kTipoEleVertice, {"A", "B", "C", "D"});
    d.Liga(r1, {a, v});
    d.Liga(l1, {c, v});
    d.Fio(a, 1, b, 1);
    d.Fio(b, 1, c, 1);
    d.Fio(c, 1, a, 1);
    // A wire drawn from a vertex to itself goes the same way.
    d.Fio(v, 1, v, 1);

    Linhas adicionados, removidos;
    const TConversaoSistema conv = d.S.ToGraph(adicionados, removidos);
    ASSERT_NE(conv.Grafo, nullptr);
    EXPECT_EQ(testsis::Texto(*conv.Grafo),
              (Linhas{"V 1 A 0,0", "V 2 D 0,0", "R 1 2 R1 R1 1>2", "R 2 2 L1 L1.S 1>2"}));
    EXPECT_EQ(removidos, (Linhas{"B", "C"}));
    EXPECT_EQ(d.S.Elementos().Count(), 4);
    EXPECT_EQ(d.S.Conexoes().Count(), 4);
    EXPECT_TRUE(ReferenciasVivas(d.S));
}

TEST(SisParaGrafo, WireBetweenComponentsGetsAVertexHalfwayOnTheGrid) {
    TDesenho d;
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1", "", 13, 27);
    const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1", "", 48, 61);
    const auto c1 = d.Comp(kTipoEleCapacitor, "C1", "C1", "", -70, 99);
    const auto a = d.Vert(kTipoEleVertice, "A");
    d.Fio(r1, 2, l1, 1);
    d.Fio(l1, 2, c1, 1);
    d.Fio(r1, 1, a, 1);
    d.Fio(c1, 2, a, 1);
    ASSERT_EQ(d.S.MaiorId(), 8);

    Linhas adicionados, removidos;
    const TConversaoSistema conv = d.S.ToGraph(adicionados, removidos);
    ASSERT_NE(conv.Grafo, nullptr);
    // (27 + 61) div 10 * 5 = 40 and (13 + 48) div 10 * 5 = 30; the division truncates towards zero,
    // so (48 - 70) div 10 * 5 = -10.
    EXPECT_EQ(testsis::Texto(*conv.Grafo),
              (Linhas{"V 1 A 0,0", "V 2 _Vertice1 30,40", "V 3 _Vertice2 -10,80", "R 1 2 R1 R1 1>2",
                      "R 2 2 L1 L1.S 2>3", "R 3 2 C1 C1^-1.S^-1 3>1"}));
    EXPECT_EQ(conv.Grafo->Ramo(1).X, 48);
    EXPECT_EQ(conv.Grafo->Ramo(1).Y, 61);
    EXPECT_EQ(adicionados, (Linhas{"_Vertice1", "_Vertice2"}));
    EXPECT_TRUE(removidos.empty());
    EXPECT_EQ(d.S.ContVerticesAdicionados(), 2);

    // Each split issues a vertex and two wires, which go to the end of the list.
    EXPECT_EQ(d.S.MaiorId(), 14);
    std::vector<std::int32_t> fios;
    for (const TConexao& c : d.S.Conexoes())
        fios.push_back(c.Id);
    EXPECT_EQ(fios, (std::vector<std::int32_t>{7, 8, 10, 11, 13, 14}));
    EXPECT_EQ(d.S.Elementos().Find(9)->Nome, "_Vertice1");
    EXPECT_EQ(d.S.Elementos().Find(12)->Tipo, kTipoEleVertice);
    EXPECT_TRUE(ReferenciasVivas(d.S));
}

TEST(SisParaGrafo, SplitVertexTakesTheWiresDomain) {
    // A spring wired straight to a mass: the new vertex is translational, and the mass absorbs it.
    TDesenho d;
    const auto k1 = d.Comp(kTipoMctMola, "K1", "K1");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref");
    const auto g = d.Vert(kTipoMctVertice, "G");
    d.Fio(k1, 2, m1, 1);
    d.Liga(ref, {g});
    d.Fio(k1, 1, g, 1);
    d.Fio(m1, 2, g, 1);
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 2 M1 0,0", "V 1 Ref1 0,0", "R 1 2 K1 K1^-1.S 1>2", "R 2 2 M1 M1^-1.S^-1 2>1"}));
    EXPECT_EQ(d.S.Elementos().At(4).Tipo, kTipoMctVertice);
    EXPECT_EQ(d.S.Elementos().At(4).Dominio, kDominioMct);
    EXPECT_FALSE(d.S.Elementos().At(4).VerticeProprio);
}

TEST(SisParaGrafo, MissingReferenceIsAddedAfterTheElectricalNumbers) {
    TDesenho d;
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto [n1, n2] = d.Verts(kTipoEleVertice, {"N1", "N2"});
    const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto [p, q] = d.Verts(kTipoMctVertice, {"P", "Q"});
    d.Liga(vs, {n1, n2});
    d.Liga(r1, {n1, n2});
    d.Liga(f1, {p});
    d.Liga(m1, {p, q});
    ASSERT_EQ(d.S.MaiorId(), 15);

    // The mass and its two side vertices are one graph vertex, named after the mass.
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 1 N1 0,0", "V 2 N2 0,0", "V 4 M1 0,0", "V 3 RefMct 260,260", "R 1 3 Vs Vs 1>2",
                      "R 2 2 R1 R1 1>2", "R 3 5 F1 F1 3>4", "R 4 2 M1 M1^-1.S^-1 4>3"}));
    EXPECT_EQ(d.S.NumerosUsados(kDominioEle), 2);
    EXPECT_EQ(d.S.NumerosUsados(kDominioMct), 2);
    EXPECT_EQ(d.S.Referencia(kDominioMct), 3);
    EXPECT_EQ(d.S.Referencia(kDominioMcr), 0);
    const TElemento& ref = d.S.Elementos().At(d.S.Elementos().Count() - 1);
    EXPECT_EQ(ref.Id, 16);
    EXPECT_EQ(ref.Tipo, kTipoMctReferencia);
    EXPECT_FALSE(ref.Componente);
    EXPECT_EQ(d.S.Elementos().Find(p)->Numero, 4);
    EXPECT_EQ(d.S.Elementos().Find(q)->Numero, 4);
}

TEST(SisParaGrafo, MassesJoinedBySpringOrSharingAVertex) {
    {
        TDesenho d;
        const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
        const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
        const auto k1 = d.Comp(kTipoMctMola, "K1", "K1");
        const auto m2 = d.Comp(kTipoMctMassa, "M2", "M2");
        const auto [a, b, c, e] = d.Verts(kTipoMctVertice, {"A", "B", "C", "D"});
        d.Liga(f1, {a});
        d.Liga(m1, {a, b});
        d.Liga(k1, {b, c});
        d.Liga(m2, {c, e});
        EXPECT_EQ(Converter(d.S),
                  (Linhas{"V 2 M1 0,0", "V 3 M2 0,0", "V 1 RefMct 260,260", "R 1 5 F1 F1 1>2",
                          "R 2 2 M1 M1^-1.S^-1 2>1", "R 3 2 K1 K1^-1.S 2>3", "R 4 2 M2 M2^-1.S^-1 3>1"}));
    }
    {
        // Two masses on one vertex move together: one graph vertex, named after the first in the list.
        TDesenho d;
        const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
        const auto m2 = d.Comp(kTipoMctMassa, "M2", "M2");
        const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
        const auto [a, b, c] = d.Verts(kTipoMctVertice, {"A", "B", "C"});
        d.Liga(f1, {a});
        d.Liga(m1, {a, b});
        d.Liga(m2, {b, c});
        EXPECT_EQ(Converter(d.S), (Linhas{"V 2 M2 0,0", "V 1 RefMct 260,260", "R 1 5 F1 F1 1>2",
                                          "R 2 2 M2 M2^-1.S^-1 2>1", "R 3 2 M1 M1^-1.S^-1 2>1"}));
        EXPECT_EQ(d.S.NumerosUsados(kDominioMct), 2);
    }
}

TEST(SisParaGrafo, MassBetweenTwoNumberedSidesTakesTheSmallerEverywhere) {
    TDesenho d;
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto m2 = d.Comp(kTipoMctMassa, "M2", "M2");
    const auto m3 = d.Comp(kTipoMctMassa, "M3", "M3");
    const auto k1 = d.Comp(kTipoMctMola, "K1", "K1");
    const auto [a, b, c, v, e] = d.Verts(kTipoMctVertice, {"A", "B", "C", "D", "E"});
    d.Liga(m1, {a, b});
    d.Liga(m2, {c, v});
    d.Liga(m3, {b, v});
    d.Liga(k1, {v, e});
    // M1 takes 2 and M2 3; M3 joins them, so 3 gives way to 2 and stays unused; E, free, takes 4.
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 2 M1 0,0", "V 4 E 0,0", "V 1 RefMct 260,260", "R 1 2 M1 M1^-1.S^-1 2>1",
                      "R 2 2 M2 M2^-1.S^-1 2>1", "R 3 2 M3 M3^-1.S^-1 2>1", "R 4 2 K1 K1^-1.S 2>4"}));
    for (const auto id : {m1, m2, m3, a, b, c, v})
        EXPECT_EQ(d.S.Elementos().Find(id)->Numero, 2) << id;
    EXPECT_TRUE(d.S.Elementos().Find(e)->VerticeProprio);
    EXPECT_FALSE(d.S.Elementos().Find(v)->VerticeProprio);
    EXPECT_EQ(d.S.NumerosUsados(kDominioMct), 4);
}

TEST(SisParaGrafo, MassOnTheReferenceKeepsANumberOfItsOwn) {
    TDesenho d;
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto m2 = d.Comp(kTipoMctMassa, "M2", "M2");
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref1");
    const auto [a, g, b] = d.Verts(kTipoMctVertice, {"A", "G", "B"});
    d.Liga(m1, {a, g});
    d.Liga(m2, {g, b});
    d.Liga(ref, {g});
    EXPECT_EQ(Converter(d.S), (Linhas{"V 2 M1 0,0", "V 3 M2 0,0", "V 1 Ref1 0,0", "R 1 2 M1 M1^-1.S^-1 2>1",
                                      "R 2 2 M2 M2^-1.S^-1 3>1"}));
    EXPECT_EQ(d.S.Elementos().Find(g)->Numero, 1);
    EXPECT_EQ(d.S.Elementos().Find(a)->Numero, 2);
    EXPECT_EQ(d.S.Elementos().Find(b)->Numero, 3);
}

TEST(SisParaGrafo, MassWithBothSidesOnTheReferenceAddsNoSecondVertex) {
    // The mass comes before the reference in the list; the reference vertex keeps its own name and
    // the graph holds one vertex per number.
    for (const bool desenhada : {true, false}) {
        TDesenho d;
        const auto m1 = d.Comp(kTipoMcrInercia, "J1", "J1");
        const auto f1 = d.Comp(kTipoMcrFonteTorque, "T1", "T1");
        if (desenhada) {
            const auto ref = d.Comp(kTipoMcrReferencia, "Ref1", "Ref");
            const auto g = d.Vert(kTipoMcrVertice, "G");
            d.Liga(m1, {g, g});
            d.Liga(f1, {g});
            d.Liga(ref, {g});
            EXPECT_EQ(Converter(d.S), (Linhas{"V 1 Ref1 0,0", "R 1 2 J1 J1^-1.S^-1 1>1", "R 2 5 T1 T1 1>1"}));
        } else {
            // Without a drawn reference the inertia's sides are free: it is a vertex of its own.
            const auto g = d.Vert(kTipoMcrVertice, "G");
            d.Liga(m1, {g, g});
            d.Liga(f1, {g});
            EXPECT_EQ(Converter(d.S), (Linhas{"V 2 J1 0,0", "V 1 RefMcr 260,260", "R 1 2 J1 J1^-1.S^-1 2>1",
                                              "R 2 5 T1 T1 1>2"}));
        }
    }
}

TEST(SisParaGrafo, ReservoirsBranchToTheHydraulicReference) {
    TDesenho d;
    const auto q = d.Comp(kTipoHidFonteVazao, "Q1", "Q1");
    const auto c1 = d.Comp(kTipoHidReservatorio1Cnt, "C1", "Cf1");
    const auto rf = d.Comp(kTipoHidTuboResistor, "Rf1", "Rf1");
    const auto c2 = d.Comp(kTipoHidReservatorio2Cnt, "C2", "Cf2");
    const auto ref = d.Comp(kTipoHidReferencia, "Ref1", "Ref");
    const auto [h1, h2, h3, h0] = d.Verts(kTipoHidVertice, {"H1", "H2", "H3", "H0"});
    d.Liga(q, {h1});
    d.Liga(c1, {h1});
    d.Liga(rf, {h1, h2});
    d.Liga(c2, {h2, h3});
    d.Liga(ref, {h0});
    d.Fio(h3, 1, h0, 1);
    // H0 merges into H3, which the reference then grounds: the two-connection reservoir has one side
    // on the reference and keeps a vertex of its own.
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 2 C1 0,0", "V 3 C2 0,0", "V 1 Ref1 0,0", "R 1 5 Q1 Q1 1>2",
                      "R 2 2 C1 Cf1^-1.S^-1 2>1", "R 3 2 Rf1 Rf1 2>3", "R 4 2 C2 Cf2^-1.S^-1 3>1"}));
}

TEST(SisParaGrafo, TransformerHalvesArePairedAndCarryTheWholeGain) {
    TDesenho d;
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
    const auto t1 = d.Comp(kTipoEleTransformador, "T1", "2,5.N");
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto [n1, n0, n2, n3] = d.Verts(kTipoEleVertice, {"N1", "N0", "N2", "N3"});
    d.Liga(vs, {n1, n0});
    d.Liga(t1, {n1, n0, n2, n3});
    d.Liga(r1, {n2, n3});
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 1 N1 0,0", "V 2 N0 0,0", "V 3 N2 0,0", "V 4 N3 0,0", "R 1 3 Vs Vs 1>2",
                      "R 2 71 T1_P1 2,5.N 1>2 par 3", "R 3 72 T1_P2 2,5.N 3>4 par 2", "R 4 2 R1 R1 3>4"}));
}

TEST(SisParaGrafo, MechanicalAndHydraulicTransformersAndCouplersEndAtTheirReferences) {
    // A rotational-to-hydraulic coupler (a pump) and a translational lever with a drawn reference:
    // each half ends at the reference of its own domain.
    TDesenho d;
    const auto w = d.Comp(kTipoMcrFonteVelocidade, "W1", "W1");
    const auto bomba = d.Comp(kTipoAcpMcrHid, "B1", "Kpw;0;0;Kqt");
    const auto rf = d.Comp(kTipoHidTuboResistor, "Rf", "Rf");
    const auto f = d.Comp(kTipoMctFonteForca, "F1", "F1");
    const auto alav = d.Comp(kTipoMctTransformador, "N1", "N");
    const auto b = d.Comp(kTipoMctAmortecedor, "B2", "B");
    const auto ref = d.Comp(kTipoMctReferencia, "RefT", "Ref");
    const auto r1 = d.Vert(kTipoMcrVertice, "W");
    const auto h1 = d.Vert(kTipoHidVertice, "H");
    const auto [t1, t2, t0] = d.Verts(kTipoMctVertice, {"X1", "X2", "X0"});
    d.Liga(w, {r1});
    d.Liga(bomba, {r1, h1});
    d.Fio(rf, 1, h1, 1);
    const auto h2 = d.Vert(kTipoHidVertice, "H2");
    d.Fio(rf, 2, h2, 1);
    d.Liga(f, {t1});
    d.Liga(alav, {t1, t2});
    d.Liga(b, {t2, t0});
    d.Liga(ref, {t0});
    // Translational first (reference 1, X1 2, X2 3), then rotational (RefMcr 4, W 5), then
    // hydraulic (RefHid 6, H 7, H2 8).
    EXPECT_EQ(
        Converter(d.S),
        (Linhas{"V 1 RefT 0,0", "V 2 X1 0,0", "V 3 X2 0,0", "V 5 W 0,0", "V 4 RefMcr 260,260", "V 7 H 0,0",
                "V 8 H2 0,0", "V 6 RefHid 260,260", "R 1 3 W1 W1 5>4", "R 2 91 B1_P1 Kpw;0;0;Kqt 5>4 par 3",
                "R 3 92 B1_P2 Kpw;0;0;Kqt 7>6 par 2", "R 4 2 Rf Rf 7>8", "R 5 5 F1 F1 1>2",
                "R 6 71 N1_P1 N 2>1 par 7", "R 7 72 N1_P2 N 3>1 par 6", "R 8 2 B2 B^-1 3>1"}));
}

TEST(SisParaGrafo, ControlledSourcesComeLastWithTheirVariables) {
    TDesenho d;
    const auto ic = d.Comp(kTipoEleFonteCorrenteCtrl, "Ic", "Ki", "i(R2)");
    const auto vc = d.Comp(kTipoEleFonteTensaoCtrl, "Vc", "2.Kv.S^-1", "v(R1)");
    const auto vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto r2 = d.Comp(kTipoEleResistor, "R2", "R2");
    const auto [n1, n2, n0] = d.Verts(kTipoEleVertice, {"N1", "N2", "N0"});
    d.Liga(ic, {n1, n0});
    d.Liga(vc, {n2, n0});
    d.Liga(vs, {n1, n0});
    d.Liga(r1, {n1, n0});
    d.Liga(r2, {n2, n0});
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 1 N1 0,0", "V 2 N2 0,0", "V 3 N0 0,0", "R 1 3 Vs Vs 1>3", "R 2 2 R1 R1 1>3",
                      "R 3 2 R2 R2 2>3", "R 4 6 Ic Ki 3>1 ctrl F(R2)", "R 5 4 Vc 2.Kv.S^-1 2>3 ctrl E(R1)"}));
}

TEST(SisParaGrafo, MechanicalControlledSourcesActAgainstTheReference) {
    TDesenho d;
    const auto f = d.Comp(kTipoMctFonteForcaCtrl, "Fc", "Kf", "V(M1)");
    const auto v = d.Comp(kTipoMctFonteVelocidadeCtrl, "Vc", "Kv", "F(M1)");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto [a, b] = d.Verts(kTipoMctVertice, {"A", "B"});
    d.Liga(f, {a});
    d.Liga(m1, {a, a});
    d.Liga(v, {b});
    const auto k = d.Comp(kTipoMctMola, "K", "K");
    d.Liga(k, {a, b});
    EXPECT_EQ(Converter(d.S),
              (Linhas{"V 2 M1 0,0", "V 3 B 0,0", "V 1 RefMct 260,260", "R 1 2 M1 M1^-1.S^-1 2>1",
                      "R 2 2 K K^-1.S 2>3", "R 3 6 Fc Kf 1>2 ctrl E(M1)", "R 4 4 Vc Kv 3>1 ctrl F(M1)"}));
}
