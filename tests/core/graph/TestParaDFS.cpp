// The conversion of a linear graph into a signal-flow diagram: the coefficient matrix, the gains of
// solved equations, the matrices and lists of small graphs worked by hand, the causal assignment
// with and without its tree, and the refusals.

#include "graph/UnitGrfCausal.h"
#include "graph/UnitGrfMason.h"
#include "graph/UnitGrfParaDFS.h"
#include "graph/UnitGrfTransmitancia.h"
#include "graph/UnitMatMatrizStr.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <gtest/gtest.h>

#include <complex>
#include <random>

using namespace brelix;

namespace {

std::vector<std::string> Linha(const TMatrizStr& m, int r) {
    std::vector<std::string> l;
    for (int q = 0; q < m.Colunas(); ++q)
        l.push_back(m.Get(r, q));
    return l;
}

struct Transm {
    std::int32_t id;
    std::string nome, ganho;
    std::int32_t origem, destino;
    bool operator==(const Transm&) const = default;
};

std::vector<Transm> Transmitancias(const TGrafo& g) {
    std::vector<Transm> t;
    for (const auto& r : g.Ramos())
        t.push_back({r->Id, r->Nome, r->TextoGanho, r->Origem, r->Destino});
    return t;
}

std::vector<std::string> NomesVertices(const TGrafo& g) {
    std::vector<std::string> n;
    for (const auto& v : g.Vertices())
        n.push_back(std::to_string(v->Id) + " " + v->Nome);
    return n;
}

// The transfer function from input to output of a converted diagram, at one point.
std::complex<double> Valor(const TGrafo& dfs, const std::string& entrada, const std::string& saida,
                           const TListSimboloVal& valores, std::complex<double> s) {
    TGrafo g(dfs);
    EXPECT_NE(AddRamoDFS(g, entrada, saida), nullptr);
    TFuncao ft;
    ft.FromMason(MasonOS(g));
    return ft.ValorEm(valores, s);
}

// An effort source E1 and an impedance between vertices 1 and 2, the source first.
TGrafo FonteEImpedancia(const std::string& ganho) {
    TGrafo g(true);
    g.AddVertice(1, "A");
    g.AddVertice(2, "B");
    g.AddRamo(1, kRamoFonteEsforco, "E1", "1", 1, 2);
    g.AddRamo(2, kRamoImpedancia, "R", ganho, 1, 2);
    return g;
}

} // namespace

TEST(MatrizStr, CellsFlagsAndAppendedRows) {
    TMatrizStr m(3, 2);
    EXPECT_EQ(m.Get(0, 0), "0"); // empty reads as zero
    m.Put(0, 1, "R");
    m.Put(3, 0, "x"); // outside: ignored
    m.Put(-1, 0, "x");
    m.Put(0, 2, "x");
    EXPECT_EQ(m.Get(0, 1), "R");
    EXPECT_EQ(m.Get(3, 0), "0");
    EXPECT_EQ(m.Get(0, -1), "0");
    m.SetFlag(1, 1);
    m.SetFlag(7, 1);
    EXPECT_EQ(m.Flag(1), 1);
    EXPECT_EQ(m.Flag(7), 0);
    EXPECT_EQ(m.Flag(-1), 0);

    m.Put(1, 0, "skipped");
    m.Put(2, 0, "-1");
    TMatrizStr a(3, 3);
    a.Put(0, 2, "kept");
    EXPECT_EQ(a.AppendRows(m, 1), 3); // rows 0 and 2 of m, the flagged row 1 skipped
    EXPECT_EQ(Linha(a, 0), (std::vector<std::string>{"0", "0", "kept"}));
    EXPECT_EQ(Linha(a, 1), (std::vector<std::string>{"0", "R", "0"}));
    EXPECT_EQ(Linha(a, 2), (std::vector<std::string>{"-1", "0", "0"}));
    // Rows that do not fit are dropped, not written elsewhere.
    TMatrizStr pequena(1, 2);
    EXPECT_EQ(pequena.AppendRows(m, 0), 2);
    EXPECT_EQ(Linha(pequena, 0), (std::vector<std::string>{"0", "R"}));

    const TMatrizStr vazia(-2, 5);
    EXPECT_EQ(vazia.Linhas(), 0);
    EXPECT_EQ(vazia.Get(0, 0), "0");
}

TEST(GanhoSolucao, NumbersSymbolsAndProductsThatNeedTwoTransmittances) {
    const auto texto = [](const char* d, const char* q) {
        const TGanhoSolucao g = GanhoSolucao(d, q);
        EXPECT_FALSE(g.Serie) << d << " " << q;
        return g.Texto;
    };
    // Two whole numbers: their quotient as a real number.
    EXPECT_EQ(texto("-1", "1"), "1");
    EXPECT_EQ(texto("-1", "-1"), "-1");
    EXPECT_EQ(texto("2", "1"), "-0,5");
    EXPECT_EQ(texto("1", "3"), "-3");
    // Otherwise gain arithmetic: the reciprocal of the solved coefficient, negated, times the other.
    EXPECT_EQ(texto("R", "-1"), "R^-1");
    EXPECT_EQ(texto("L.S", "-1"), "L^-1.S^-1");
    EXPECT_EQ(texto("C^-1.S^-1", "-1"), "C.S");
    EXPECT_EQ(texto("-1", "L.S"), "L.S");
    EXPECT_EQ(texto("0,5", "R"), "-2.R");
    EXPECT_EQ(texto("R", "2.R"), "-2");           // the symbol cancels
    EXPECT_EQ(texto("N^-1", "N^-1"), "-1");       // so does a reciprocal
    EXPECT_EQ(texto("-1", "Kef.S^2"), "Kef.S^2"); // powers of S carry over
    EXPECT_EQ(texto("S", "1"), "-1.S^-1");

    // Two symbols, or a square, do not fit in one gain text: two factors whose product is exact.
    TGanhoSolucao g = GanhoSolucao("Kee", "Kef");
    EXPECT_TRUE(g.Serie);
    EXPECT_EQ(g.Termo, "Kef");
    EXPECT_EQ(g.Divisor, "-1.Kee^-1");
    g = GanhoSolucao("R^-1", "R");
    EXPECT_TRUE(g.Serie);
    EXPECT_EQ(g.Termo, "R");
    EXPECT_EQ(g.Divisor, "-1.R");
    g = GanhoSolucao("2.L.S", "0,5.C^-1.S^-1");
    EXPECT_TRUE(g.Serie);
    EXPECT_EQ(g.Termo, "0,5.C^-1.S^-1");
    EXPECT_EQ(g.Divisor, "-0,5.L^-1.S^-1");
    // Symbols differing in letter case are different symbols.
    EXPECT_TRUE(GanhoSolucao("r", "R").Serie);
}

// An effort source E1 and an impedance R between the same two vertices: every matrix, list and
// transmittance worked by hand.
TEST(ParaDFS, SourceAndImpedanceInOneCircuit) {
    const TGrafo g = FonteEImpedancia("R");
    const TResultadoDFS r = ConverterGrafoDFS(g);
    ASSERT_EQ(r.Falha, TFalhaDFS::Nenhuma);
    const TEquacoes& eq = r.Equacoes;
    using V = std::vector<std::string>;
    EXPECT_EQ(eq.Variaveis, (V{"E(E1)", "E(R)", "F(E1)", "F(R)"}));
    EXPECT_EQ(eq.Orientadas, (V{"E(E1, 1, 2)", "E(R, 1, 2)", "F(E1, 1, 2)", "F(R, 1, 2)"}));
    EXPECT_EQ(eq.Esforcos, (V{"E(E1)", "E(R)"}));
    EXPECT_EQ(eq.Fluxos, (V{"F(E1)", "F(R)"}));
    EXPECT_EQ(eq.Fontes, (V{"E(E1)"}));
    EXPECT_EQ(eq.Dependentes, (V{"E(R)", "F(E1)", "F(R)"}));

    // The source is the chord; its circuit leaves vertex 1 by R and comes back through it.
    ASSERT_EQ(eq.A4.Linhas(), 1);
    EXPECT_EQ(Linha(eq.A4, 0), (V{"-1", "1", "0", "0"}));
    ASSERT_EQ(eq.A1.Linhas(), 1);
    EXPECT_EQ(Linha(eq.A1, 0), (V{"0", "-1", "0", "R"}));
    EXPECT_EQ(eq.A2.Linhas(), 0);
    EXPECT_EQ(eq.A3.Linhas(), 0);
    // Vertex 2 was absorbed into vertex 1, so it comes first; both have two branches, so the first
    // row is the one dropped.
    ASSERT_EQ(eq.A5.Linhas(), 2);
    EXPECT_EQ(Linha(eq.A5, 0), (V{"0", "0", "-1", "-1"}));
    EXPECT_EQ(Linha(eq.A5, 1), (V{"0", "0", "1", "1"}));
    EXPECT_EQ(eq.A5.Flag(0), 1);
    EXPECT_EQ(eq.A5.Flag(1), 0);
    ASSERT_EQ(eq.A.Linhas(), 3);
    EXPECT_EQ(Linha(eq.A, 0), Linha(eq.A4, 0));
    EXPECT_EQ(Linha(eq.A, 1), Linha(eq.A1, 0));
    EXPECT_EQ(Linha(eq.A, 2), Linha(eq.A5, 1));

    EXPECT_EQ(r.Resolvidas, (V{"E(R)", "F(R)", "F(E1)"}));
    // The tree: the source, then one level per row, no dead end here.
    ASSERT_EQ(r.Busca.Count(), 4);
    EXPECT_EQ(r.Busca.RaizCount(), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r.Busca.No(i).Nivel, i);
        EXPECT_EQ(r.Busca.No(i).Texto, (V{"E(E1)", "E(R)", "F(R)", "F(E1)"})[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(r.Busca.No(3).Id, 2); // the row it solves

    ASSERT_TRUE(r.Dfs.has_value());
    EXPECT_EQ(NomesVertices(*r.Dfs), (V{"1 E(E1)", "2 E(R)", "3 F(E1)", "4 F(R)"}));
    EXPECT_EQ(Transmitancias(*r.Dfs),
              (std::vector<Transm>{{1, "T1", "1", 1, 2}, {2, "T2", "R^-1", 2, 4}, {3, "T3", "-1", 4, 3}}));
    EXPECT_TRUE(r.Intermediarias.empty());
    EXPECT_TRUE(r.Dfs->Dirigido());

    // Solved for its flow, an impedance L.S gives the reciprocal, not a number.
    const TResultadoDFS l = ConverterGrafoDFS(FonteEImpedancia("L.S"));
    ASSERT_TRUE(l.Dfs.has_value());
    EXPECT_EQ(l.Dfs->FindRamo(2)->TextoGanho, "L^-1.S^-1");
}

TEST(ParaDFS, VariableListsAndVertexList) {
    TGrafo g(true);
    g.AddVertice(4, "N4");
    g.AddVertice(-2, "terra");
    g.AddRamo(1, kRamoFonteFluxo, "J", "1", 4, -2);
    g.AddRamo(2, kRamoFonteEsforco, "V", "1", 4, -2);
    g.AddRamo(3, kRamoTransformador1, "T_P1", "N", 4, -2, 0, 0, 4);
    g.AddRamo(4, kRamoTransformador2, "T_P2", "N", 4, -2, 0, 0, 3);
    std::vector<std::string> e{"old"}, s{"old"}, v{"old"};
    ListVariaveis(g, e, s);
    EXPECT_EQ(e, (std::vector<std::string>{"F(J)", "E(V)"}));
    EXPECT_EQ(s, (std::vector<std::string>{"E(J)", "F(V)", "E(T_P1)", "F(T_P1)", "E(T_P2)", "F(T_P2)"}));
    ListVertices(g, v);
    EXPECT_EQ(v, (std::vector<std::string>{"4 - N4", "-2 - terra"}));
}

TEST(ParaDFS, ElementRowsOfControlledSourcesAndTwoPorts) {
    TGrafo g(true);
    for (int v = 1; v <= 4; ++v)
        g.AddVertice(v, "v" + std::to_string(v));
    g.AddRamo(1, kRamoTransformador1, "T_P1", "N", 1, 2, 0, 0, 2);
    g.AddRamo(2, kRamoTransformador2, "T_P2", "N", 3, 4, 0, 0, 1);
    g.AddRamo(3, kRamoGirador1, "G_P1", "G.S", 1, 2, 0, 0, 4);
    g.AddRamo(4, kRamoGirador2, "G_P2", "G.S", 3, 4, 0, 0, 3);
    g.AddRamo(5, kRamoQuadripolo1, "Q_P1", "a;b", 1, 2, 0, 0, 6); // fewer than four gains
    g.AddRamo(6, kRamoQuadripolo2, "Q_P2", "a;b", 3, 4, 0, 0, 5);
    g.AddRamo(7, kRamoFonteEsforcoCtrl, "CE", "K", 1, 2, 0, 0, 0, "f(t_p2)"); // any letter case
    g.AddRamo(8, kRamoFonteFluxoCtrl, "CF", "-2", 3, 4, 0, 0, 0, "E(Q_P1)");
    const TEquacoes eq = MontarEquacoes(g, SplitComponentes(g));
    EXPECT_TRUE(eq.ElementoInvalido.empty());
    using V = std::vector<std::string>;
    // Columns: E of branches 1..8, then F of branches 1..8.
    ASSERT_EQ(eq.A3.Linhas(), 6);
    EXPECT_EQ(Linha(eq.A3, 0),
              (V{"-1", "N", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Linha(eq.A3, 1),
              (V{"0", "0", "0", "0", "0", "0", "0", "0", "N", "1", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Linha(eq.A3, 2),
              (V{"0", "0", "0", "-1", "0", "0", "0", "0", "0", "0", "G.S", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Linha(eq.A3, 3),
              (V{"0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0", "G.S", "0", "0", "0", "0"}));
    EXPECT_EQ(Linha(eq.A3, 4),
              (V{"0", "0", "0", "0", "a", "-1", "0", "0", "0", "0", "0", "0", "b", "0", "0", "0"}));
    EXPECT_EQ(Linha(eq.A3, 5),
              (V{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1", "0", "0"}));
    ASSERT_EQ(eq.A2.Linhas(), 2);
    EXPECT_EQ(Linha(eq.A2, 0),
              (V{"0", "0", "0", "0", "0", "0", "-1", "0", "0", "K", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Linha(eq.A2, 1),
              (V{"0", "0", "0", "0", "-2", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "-1"}));
    EXPECT_EQ(eq.A1.Linhas(), 0);
    EXPECT_EQ(eq.A.Linhas(), 8 + 0 + 2 + 6);
}

// A controlled source whose control names no variable refuses the conversion and names itself; a
// two-port whose first port names no second port likewise.
TEST(ParaDFS, ElementsWhoseEquationCannotBeWritten) {
    TGrafo g = FonteEImpedancia("R");
    g.AddRamo(3, kRamoFonteFluxoCtrl, "CF1", "2", 1, 2, 0, 0, 0, "F(Rx)");
    const TResultadoDFS r = ConverterGrafoDFS(g);
    EXPECT_EQ(r.Falha, TFalhaDFS::ControleDesconhecido);
    EXPECT_EQ(r.Elemento, "CF1");
    EXPECT_FALSE(r.Dfs.has_value());
    EXPECT_EQ(r.Equacoes.A2.Linhas(), 1); // the matrices are still there to be shown
    const TConversaoDFS c = ConverterGrafoDFSVariavel(g);
    EXPECT_EQ(c.Falha, TFalhaDFS::ControleDesconhecido);
    EXPECT_EQ(c.Elemento, "CF1");
    EXPECT_TRUE(c.Encontrado());
    EXPECT_FALSE(c.Dfs.has_value());

    TGrafo t = FonteEImpedancia("R");
    t.AddRamo(3, kRamoTransformador1, "T_P1", "N", 1, 2, 0, 0, 9);
    const TConversaoDFS p = ConverterGrafoDFSVariavel(t);
    EXPECT_EQ(p.Falha, TFalhaDFS::PortaSemPar);
    EXPECT_EQ(p.Elemento, "T_P1");
    EXPECT_FALSE(p.Dfs.has_value());
}

TEST(ParaDFS, NoCausalAssignmentAndNoSource) {
    // Two effort sources in parallel: the circuit equation holds no variable to solve for.
    TGrafo g(true);
    g.AddVertice(1, "A");
    g.AddVertice(2, "B");
    g.AddRamo(1, kRamoFonteEsforco, "E1", "1", 1, 2);
    g.AddRamo(2, kRamoFonteEsforco, "E2", "1", 1, 2);
    const TResultadoDFS r = ConverterGrafoDFS(g);
    EXPECT_EQ(r.Falha, TFalhaDFS::SemAtribuicao);
    EXPECT_FALSE(r.Dfs.has_value());
    EXPECT_TRUE(r.Resolvidas.empty());
    EXPECT_EQ(r.Busca.Count(), 2); // the two sources and no trial
    EXPECT_EQ(ConverterGrafoDFSVariavel(g).Falha, TFalhaDFS::SemAtribuicao);

    // Without a source the tree hangs from a neutral root and the diagram is still made.
    TGrafo s(true);
    s.AddVertice(1, "A");
    s.AddVertice(2, "B");
    s.AddRamo(1, kRamoImpedancia, "R1", "R1", 1, 2);
    s.AddRamo(2, kRamoImpedancia, "R2", "R2", 2, 1);
    const TResultadoDFS n = ConverterGrafoDFS(s);
    ASSERT_EQ(n.Falha, TFalhaDFS::Nenhuma);
    ASSERT_TRUE(n.Dfs.has_value());
    EXPECT_EQ(n.Busca.Raiz(0).Texto, kRaizSemFontes);
    EXPECT_EQ(n.Resolvidas.size(), 4u);
    std::vector<std::string> entradas, saidas;
    TGrafo d(*n.Dfs);
    MarkEntradaSaida(d, entradas, saidas);
    EXPECT_TRUE(entradas.empty());

    // An empty graph has nothing to solve: an empty diagram.
    const TResultadoDFS vazio = ConverterGrafoDFS(TGrafo(true));
    ASSERT_TRUE(vazio.Dfs.has_value());
    EXPECT_EQ(vazio.Dfs->VerticeCount(), 0);
}

// A dead end of the causal assignment stays in the tree; the direct search reaches the same
// assignment without it.
TEST(ParaDFS, BacktrackingLeavesItsTrialsInTheTree) {
    // An impedance and a flow source between two vertices. The circuit row is tried first with
    // E(R1); then R1's row takes F(R1) and the continuity row has nothing left (F(J) is a source),
    // so the search goes back and solves the circuit row for E(J).
    TGrafo g(true);
    g.AddVertice(1, "A");
    g.AddVertice(2, "B");
    g.AddRamo(1, kRamoImpedancia, "R1", "R1", 1, 2);
    g.AddRamo(2, kRamoFonteFluxo, "J", "1", 1, 2);
    const TResultadoDFS r = ConverterGrafoDFS(g);
    ASSERT_EQ(r.Falha, TFalhaDFS::Nenhuma);
    using V = std::vector<std::string>;
    EXPECT_EQ(r.Resolvidas, (V{"E(J)", "E(R1)", "F(R1)"}));
    ASSERT_EQ(r.Busca.RaizCount(), 1);
    const TNo& raiz = r.Busca.Raiz(0);
    EXPECT_EQ(raiz.Texto, "F(J)");
    ASSERT_EQ(raiz.Filhos.size(), 2u);
    const TNo& morto = *raiz.Filhos[0];
    EXPECT_EQ(morto.Texto, "E(R1)");
    ASSERT_EQ(morto.Filhos.size(), 1u);
    EXPECT_EQ(morto.Filhos[0]->Texto, "F(R1)");
    EXPECT_TRUE(morto.Filhos[0]->Filhos.empty()); // the dead end
    const TNo& vivo = *raiz.Filhos[1];
    EXPECT_EQ(vivo.Texto, "E(J)");
    ASSERT_EQ(vivo.Filhos.size(), 1u);
    EXPECT_EQ(vivo.Filhos[0]->Texto, "E(R1)");
    ASSERT_EQ(vivo.Filhos[0]->Filhos.size(), 1u);
    EXPECT_EQ(vivo.Filhos[0]->Filhos[0]->Texto, "F(R1)");
    EXPECT_EQ(vivo.Filhos[0]->Filhos[0]->Id, 2);
    EXPECT_EQ(r.Busca.Count(), 6);

    const TAtribuicao direta = AtribuirDireto(r.Equacoes.A, r.Equacoes.Fonte);
    ASSERT_TRUE(direta.Completa);
    V nomes;
    for (int v : direta.Resolvidas)
        nomes.push_back(r.Equacoes.Variaveis[static_cast<std::size_t>(v)]);
    EXPECT_EQ(nomes, r.Resolvidas);
}

// The direct search is checked against the search with the tree on random matrices: the same
// verdict and the same assignment, which is the first in depth-first order.
TEST(ParaDFS, DirectAssignmentEqualsTheFullSearch) {
    std::mt19937 rng(77);
    int completas = 0, incompletas = 0;
    for (int caso = 0; caso < 600; ++caso) {
        const int colunas = 2 + static_cast<int>(rng() % 9);
        const int linhas = static_cast<int>(rng() % static_cast<unsigned>(colunas + 1));
        TMatrizStr a(linhas, colunas);
        for (int r = 0; r < linhas; ++r)
            for (int q = 0; q < colunas; ++q)
                if (rng() % 3 == 0) a.Put(r, q, rng() % 2 ? "1" : "R");
        std::vector<char> fonte(static_cast<std::size_t>(colunas), 0);
        for (char& f : fonte)
            f = rng() % 6 == 0;
        std::vector<std::string> nomes;
        for (int q = 0; q < colunas; ++q)
            nomes.push_back("x" + std::to_string(q));
        TArvore busca;
        const TAtribuicao cheia = AtribuirComArvore(a, fonte, nomes, {}, busca);
        const TAtribuicao direta = AtribuirDireto(a, fonte);
        ASSERT_EQ(cheia.Completa, direta.Completa) << caso;
        if (!cheia.Completa) {
            ++incompletas;
            continue;
        }
        ++completas;
        EXPECT_EQ(cheia.Resolvidas, direta.Resolvidas) << caso;
        // A complete assignment solves each row for a distinct variable of its own, not a source.
        std::vector<char> usada(static_cast<std::size_t>(colunas), 0);
        for (int r = 0; r < linhas; ++r) {
            const int v = direta.Resolvidas[static_cast<std::size_t>(r)];
            EXPECT_NE(a.Get(r, v), "0");
            EXPECT_FALSE(fonte[static_cast<std::size_t>(v)]);
            EXPECT_FALSE(usada[static_cast<std::size_t>(v)]);
            usada[static_cast<std::size_t>(v)] = 1;
        }
    }
    EXPECT_GT(completas, 100);
    EXPECT_GT(incompletas, 100);
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
    using V = std::vector<std::string>;
    EXPECT_EQ(r.Resolvidas, (V{"E(Q_P1)", "E(Q_P2)", "E(RL)", "F(Q_P1)", "F(Q_P2)", "F(RL)", "F(Vs)"}));
    EXPECT_EQ(r.Intermediarias, (V{"I(T4)"}));
    EXPECT_EQ(NomesVertices(*r.Dfs), (V{"1 E(Vs)", "2 E(Q_P1)", "3 E(Q_P2)", "4 E(RL)", "5 F(Vs)",
                                        "6 F(Q_P1)", "7 F(Q_P2)", "8 F(RL)", "9 I(T4)"}));
    EXPECT_EQ(Transmitancias(*r.Dfs), (std::vector<Transm>{{1, "T1", "1", 1, 2},
                                                           {2, "T2", "1", 4, 3},
                                                           {3, "T3", "RL", 8, 4},
                                                           {4, "T4", "Kee", 2, 9},
                                                           {5, "T5", "Kef^-1", 3, 6},
                                                           {6, "T6", "-1.Kfe", 2, 7},
                                                           {7, "T7", "-1.Kff", 6, 7},
                                                           {8, "T8", "-1", 7, 8},
                                                           {9, "T9", "-1", 6, 5},
                                                           {10, "T10", "-1.Kef^-1", 9, 6}}));

    // E2/E1 = RL.(Kfe.Kef - Kff.Kee) / (Kef - RL.Kff), from the two-port and load laws by hand.
    TListSimboloVal v;
    v.AddSimbolo("Kee", 1.3);
    v.AddSimbolo("Kef", 0.7);
    v.AddSimbolo("Kfe", 1.9);
    v.AddSimbolo("Kff", 0.4);
    v.AddSimbolo("RL", 2.2);
    const double esperado = 2.2 * (1.9 * 0.7 - 0.4 * 1.3) / (0.7 - 2.2 * 0.4);
    EXPECT_NEAR(std::real(Valor(*r.Dfs, "E(Vs)", "E(RL)", v, {0.3, 0.4})), esperado, 1e-12);
    EXPECT_NEAR(std::imag(Valor(*r.Dfs, "E(Vs)", "E(RL)", v, {0.3, 0.4})), 0.0, 1e-12);
}

// The effort between two vertices: the shortest path's efforts feed a new output variable.
TEST(ParaDFS, EffortBetweenTwoVertices) {
    // A ring 1-2-3-4-1 of a source and three impedances, with a direct branch 1-3 as well: from 1 to
    // 3 the one-branch path wins over the two-branch ones.
    TGrafo g(true);
    for (int v = 1; v <= 4; ++v)
        g.AddVertice(v, "v" + std::to_string(v));
    g.AddRamo(1, kRamoFonteEsforco, "E", "1", 1, 2);
    g.AddRamo(2, kRamoImpedancia, "Ra", "Ra", 2, 3);
    g.AddRamo(3, kRamoImpedancia, "Rb", "Rb", 3, 4);
    g.AddRamo(4, kRamoImpedancia, "Rc", "Rc", 4, 1);
    g.AddRamo(5, kRamoImpedancia, "Rd", "Rd", 3, 1);
    const TConversaoDFS c = FindComponente(g, 1, 3);
    ASSERT_TRUE(c.Encontrado());
    ASSERT_TRUE(c.Dfs.has_value());
    const TGrafo& d = *c.Dfs;
    ASSERT_EQ(d.VerticeCount(), 2 * 5 + 1);
    EXPECT_EQ(d.Vertice(10).Id, 11);
    EXPECT_EQ(d.Vertice(10).Nome, "E(1, 3)");
    EXPECT_EQ(NomeEsforcoEntre(1, 3), "E(1, 3)");
    // The last transmittance feeds it from E(Rd), against the branch's direction, and continues the
    // numbering of the element transmittances.
    const TRamo& ultima = d.Ramo(d.RamoCount() - 1);
    EXPECT_EQ(ultima.Id, d.RamoCount());
    EXPECT_EQ(ultima.Nome, "T" + std::to_string(d.RamoCount()));
    EXPECT_EQ(ultima.Origem, 5);
    EXPECT_EQ(ultima.Destino, 11);
    EXPECT_EQ(ultima.TextoGanho, "-1");
    EXPECT_EQ(ConverterGrafoDFSVariavel(g).Dfs->RamoCount(), d.RamoCount() - 1);

    // By hand: Rd in parallel with Rb + Rc makes P, in series with Ra across the source, so
    // u1 - u3 = P / (Ra + P) for E = u1 - u2 = 1.
    TListSimboloVal v;
    v.AddSimbolo("Ra", 1.0);
    v.AddSimbolo("Rb", 2.0);
    v.AddSimbolo("Rc", 3.0);
    v.AddSimbolo("Rd", 5.0);
    const double p = 5.0 * (2.0 + 3.0) / (5.0 + 2.0 + 3.0);
    const std::complex<double> u13 = Valor(d, "E(E)", "E(1, 3)", v, {0.5, 0.1});
    EXPECT_NEAR(std::real(u13), p / (1.0 + p), 1e-12);
    EXPECT_NEAR(std::imag(u13), 0.0, 1e-12);

    // Vertices in different components, or absent: not found, nothing built.
    TGrafo dois(g);
    dois.AddVertice(9, "v9");
    dois.AddVertice(8, "v8");
    dois.AddRamo(6, kRamoImpedancia, "X1", "X", 9, 8);
    dois.AddRamo(7, kRamoFonteFluxo, "J", "1", 8, 9);
    const TConversaoDFS fora = FindComponente(dois, 1, 9);
    EXPECT_FALSE(fora.Encontrado());
    EXPECT_EQ(fora.Falha, TFalhaDFS::SaidaForaDaComponente);
    EXPECT_FALSE(fora.Dfs.has_value());
    EXPECT_FALSE(FindComponente(dois, 1, 77).Encontrado());
    EXPECT_TRUE(FindComponente(dois, 8, 9).Encontrado());
}
