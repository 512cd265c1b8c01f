// The conversion of a linear graph into a signal-flow diagram where the network cross-check does not
// reach: the texts of the gains of solved equations, the names and numbering of variables and
// transmittances (an intermediate variable included), the search tree with its dead ends, the
// effort between two vertices, and the refusals and degenerate graphs.

#include "graph/UnitGrfCausal.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfMasonFT.h"
#include "graph/UnitGrfParaDFS.h"
#include "graph/UnitGrfTransmitancia.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <complex>

using namespace brelix;

namespace {

using V = std::vector<std::string>;

// The diagram's variables as "id name", then its transmittances as "id name gain origin->destination".
V Textos(const TGrafo& g) {
    V t;
    for (const auto& v : g.Vertices())
        t.push_back(std::to_string(v->Id) + " " + v->Nome);
    for (const auto& r : g.Ramos())
        t.push_back(std::to_string(r->Id) + " " + r->Nome + " " + r->TextoGanho + " " +
                    std::to_string(r->Origem) + "->" + std::to_string(r->Destino));
    return t;
}

// Two elements from vertex 1 to vertex 2, each given as kind, name and gain.
TGrafo Dois(int tipo1, const std::string& nome1, const std::string& ganho1, int tipo2,
            const std::string& nome2, const std::string& ganho2) {
    TGrafo g(true);
    g.AddVertice(1, "A");
    g.AddVertice(2, "B");
    g.AddRamo(1, tipo1, nome1, ganho1, 1, 2);
    g.AddRamo(2, tipo2, nome2, ganho2, 1, 2);
    return g;
}

} // namespace

TEST(GanhoSolucao, NumbersSymbolsAndProductsThatNeedTwoTransmittances) {
    // The reciprocal of the solved coefficient, negated, times the other; two whole numbers give
    // their quotient as a real number; symbols and powers of S cancel or carry over.
    const std::pair<const char*, const char*> casos[][2] = {
        {{"-1", "1"}, {"1", ""}},
        {{"2", "1"}, {"-0,5", ""}},
        {{"1", "3"}, {"-3", ""}},
        {{"R", "-1"}, {"R^-1", ""}},
        {{"L.S", "-1"}, {"L^-1.S^-1", ""}},
        {{"C^-1.S^-1", "-1"}, {"C.S", ""}},
        {{"0,5", "R"}, {"-2.R", ""}},
        {{"R", "2.R"}, {"-2", ""}},
        {{"N^-1", "N^-1"}, {"-1", ""}},
        {{"S", "1"}, {"-1.S^-1", ""}},
        // Two symbols (letter case tells symbols apart), or a square, do not fit in one gain text:
        // two factors whose product is exact.
        {{"Kee", "Kef"}, {"Kef", "-1.Kee^-1"}},
        {{"R^-1", "R"}, {"R", "-1.R"}},
        {{"r", "R"}, {"R", "-1.r^-1"}},
        {{"2.L.S", "0,5.C^-1.S^-1"}, {"0,5.C^-1.S^-1", "-0,5.L^-1.S^-1"}}};
    for (const auto& [entrada, esperado] : casos) {
        const TGanhoSolucao g = GanhoSolucao(entrada.first, entrada.second);
        SCOPED_TRACE(std::string(entrada.first) + " " + entrada.second);
        EXPECT_EQ(g.Serie, *esperado.second != 0);
        EXPECT_EQ(g.Serie ? g.Termo : g.Texto, esperado.first);
        EXPECT_EQ(g.Serie ? g.Divisor : "", esperado.second);
    }
}

// A generic two-port with four symbolic gains driven by an effort source and loaded by RL: the row
// E2 = Kee.E1 + Kef.F1 solved for F1 gives -Kee/Kef from E1, two symbols, carried through I(T4).
TEST(ParaDFS, TwoPortWithFourSymbolicGainsRoutesAQuotientThroughAnIntermediateVariable) {
    TGrafo g(true);
    g.AddVertice(1, "a");
    g.AddVertice(2, "b");
    g.AddVertice(3, "g");
    g.AddRamo(1, kRamoFonteEsforco, "Vs", "1", 1, 3);
    g.AddRamo(2, kRamoQuadripolo1, "Q_P1", "Kee;Kef;Kfe;Kff", 1, 3, 0, 0, 3);
    g.AddRamo(3, kRamoQuadripolo2, "Q_P2", "Kee;Kef;Kfe;Kff", 2, 3, 0, 0, 2);
    g.AddRamo(4, kRamoImpedancia, "RL", "RL", 2, 3);
    const TResultadoDFS r = ConverterGrafoDFS(g);
    ASSERT_EQ(r.Falha, TFalhaDFS::Nenhuma);
    ASSERT_TRUE(r.Dfs.has_value());
    EXPECT_EQ(r.Resolvidas, (V{"E(Q_P1)", "E(Q_P2)", "E(RL)", "F(Q_P1)", "F(Q_P2)", "F(RL)", "F(Vs)"}));
    EXPECT_EQ(r.Intermediarias, (V{"I(T4)"}));
    EXPECT_EQ(
        Textos(*r.Dfs),
        (V{"1 E(Vs)", "2 E(Q_P1)", "3 E(Q_P2)", "4 E(RL)", "5 F(Vs)", "6 F(Q_P1)", "7 F(Q_P2)", "8 F(RL)",
           "9 I(T4)", "1 T1 1 1->2", "2 T2 1 4->3", "3 T3 RL 8->4", "4 T4 Kee 2->9", "5 T5 Kef^-1 3->6",
           "6 T6 -1.Kfe 2->7", "7 T7 -1.Kff 6->7", "8 T8 -1 7->8", "9 T9 -1 6->5", "10 T10 -1.Kef^-1 9->6"}));

    // E2/E1 = RL.(Kfe.Kef - Kff.Kee) / (Kef - RL.Kff), from the two-port and load laws by hand.
    TGrafo d(*r.Dfs);
    ASSERT_NE(AddRamoDFS(d, "E(Vs)", "E(RL)"), nullptr);
    TFuncao ft;
    FromMason(ft, MasonOS(d));
    TListSimboloVal v;
    for (const auto& [nome, valor] :
         {std::pair{"Kee", 1.3}, {"Kef", 0.7}, {"Kfe", 1.9}, {"Kff", 0.4}, {"RL", 2.2}})
        v.AddSimbolo(nome, valor);
    const std::complex<double> obtido = ft.ValorEm(v, {0.3, 0.4});
    EXPECT_NEAR(obtido.real(), 2.2 * (1.9 * 0.7 - 0.4 * 1.3) / (0.7 - 2.2 * 0.4), 1e-12);
    EXPECT_NEAR(obtido.imag(), 0.0, 1e-12);
}

// A dead end of the causal assignment stays in the tree the result view shows.
TEST(ParaDFS, BacktrackingLeavesItsTrialsInTheTree) {
    // An impedance and a flow source between two vertices. The circuit row is tried first with
    // E(R1); then R1's row takes F(R1) and the continuity row has nothing left (F(J) is a source),
    // so the search goes back and solves the circuit row for E(J).
    const TResultadoDFS r = ConverterGrafoDFS(Dois(kRamoImpedancia, "R1", "R1", kRamoFonteFluxo, "J", "1"));
    ASSERT_EQ(r.Falha, TFalhaDFS::Nenhuma);
    EXPECT_EQ(r.Resolvidas, (V{"E(J)", "E(R1)", "F(R1)"}));
    // The dead end F(J) - E(R1) - F(R1), then the assignment that holds; the last solves row 2.
    V passos;
    for (int i = 0; i < r.Busca.Count(); ++i)
        passos.push_back(std::to_string(r.Busca.No(i).Nivel) + r.Busca.No(i).Texto);
    EXPECT_EQ(passos, (V{"0F(J)", "1E(R1)", "2F(R1)", "1E(J)", "2E(R1)", "3F(R1)"}));
    EXPECT_EQ(r.Busca.No(5).Id, 2);
}

// The effort between two vertices: from 2 to 1 along the source, against its direction, minus its
// effort feeds a new output variable, whose transmittance continues the numbering. Vertices apart
// or absent build nothing.
TEST(ParaDFS, EffortBetweenTwoVertices) {
    TGrafo g = Dois(kRamoFonteEsforco, "E1", "1", kRamoImpedancia, "R", "R");
    g.AddVertice(3, "C");
    const TConversaoDFS c = FindComponente(g, 2, 1);
    ASSERT_TRUE(c.Dfs.has_value());
    const int n = c.Dfs->RamoCount();
    EXPECT_EQ(ConverterGrafoDFSVariavel(g).Dfs->RamoCount(), n - 1);
    const V t = Textos(*c.Dfs);
    EXPECT_EQ(t[4], "5 E(2, 1)");
    EXPECT_EQ(t.back(), std::to_string(n) + " T" + std::to_string(n) + " -1 1->5");
    EXPECT_EQ(FindComponente(g, 1, 3).Falha, TFalhaDFS::SaidaForaDaComponente);
    EXPECT_FALSE(FindComponente(g, 1, 3).Dfs.has_value());
    EXPECT_FALSE(FindComponente(g, 1, 77).Encontrado());
}

// A controlled source whose control names no variable refuses the conversion and names itself; a
// two-port whose first port names no second port likewise.
TEST(ParaDFS, ElementsWhoseEquationCannotBeWritten) {
    TGrafo g = Dois(kRamoFonteEsforco, "E1", "1", kRamoImpedancia, "R", "R");
    g.AddRamo(3, kRamoFonteFluxoCtrl, "CF1", "2", 1, 2, 0, 0, 0, "F(Rx)");
    const TResultadoDFS r = ConverterGrafoDFS(g);
    EXPECT_EQ(r.Falha, TFalhaDFS::ControleDesconhecido);
    EXPECT_EQ(r.Elemento, "CF1");
    EXPECT_FALSE(r.Dfs.has_value());
    EXPECT_EQ(r.Equacoes.A2.Linhas(), 1); // the matrices are still there to be shown
    const TConversaoDFS c = ConverterGrafoDFSVariavel(g);
    EXPECT_EQ(c.Falha, TFalhaDFS::ControleDesconhecido);
    EXPECT_EQ(c.Elemento, "CF1");
    EXPECT_FALSE(c.Dfs.has_value());

    TGrafo t = Dois(kRamoFonteEsforco, "E1", "1", kRamoImpedancia, "R", "R");
    t.AddRamo(3, kRamoTransformador1, "T_P1", "N", 1, 2, 0, 0, 9);
    const TConversaoDFS p = ConverterGrafoDFSVariavel(t);
    EXPECT_EQ(p.Falha, TFalhaDFS::PortaSemPar);
    EXPECT_EQ(p.Elemento, "T_P1");
    EXPECT_FALSE(p.Dfs.has_value());
}

TEST(ParaDFS, NoCausalAssignmentNoSourceAndNoGraph) {
    // Two effort sources in parallel: the circuit equation holds no variable to solve for.
    const TGrafo g = Dois(kRamoFonteEsforco, "E1", "1", kRamoFonteEsforco, "E2", "1");
    const TResultadoDFS r = ConverterGrafoDFS(g);
    EXPECT_EQ(r.Falha, TFalhaDFS::SemAtribuicao);
    EXPECT_FALSE(r.Dfs.has_value());
    EXPECT_TRUE(r.Resolvidas.empty());
    EXPECT_EQ(r.Busca.Count(), 2); // the two sources and no trial
    EXPECT_EQ(ConverterGrafoDFSVariavel(g).Falha, TFalhaDFS::SemAtribuicao);

    // Without a source the tree hangs from a neutral root and a diagram with no input is made.
    const TResultadoDFS n = ConverterGrafoDFS(Dois(kRamoImpedancia, "R1", "R1", kRamoImpedancia, "R2", "R2"));
    ASSERT_EQ(n.Falha, TFalhaDFS::Nenhuma);
    ASSERT_TRUE(n.Dfs.has_value());
    EXPECT_EQ(n.Busca.Raiz(0).Texto, kRaizSemFontes);
    EXPECT_EQ(n.Resolvidas.size(), 4u);
    V entradas, saidas;
    TGrafo d(*n.Dfs);
    MarkEntradaSaida(d, entradas, saidas);
    EXPECT_TRUE(entradas.empty());
    EXPECT_EQ(Mason(d).Lacos.size(), 1u); // R1 and R2 in one circuit

    // An empty graph has nothing to solve: an empty diagram.
    const TResultadoDFS vazio = ConverterGrafoDFS(TGrafo(true));
    ASSERT_TRUE(vazio.Dfs.has_value());
    EXPECT_EQ(vazio.Dfs->VerticeCount(), 0);
}
