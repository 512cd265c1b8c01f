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

// Each row's cells that are not "0", as "column:text" with columns from 1.
std::vector<std::vector<std::string>> Cheias(const TMatrizStr& m) {
    std::vector<std::vector<std::string>> linhas(static_cast<std::size_t>(m.Linhas()));
    for (int r = 0; r < m.Linhas(); ++r)
        for (int q = 0; q < m.Colunas(); ++q)
            if (m.Get(r, q) != "0")
                linhas[static_cast<std::size_t>(r)].push_back(std::to_string(q + 1) + ":" + m.Get(r, q));
    return linhas;
}

// Every node of a tree as its level and text, roots in order, each followed by its subtree.
std::vector<std::string> PreOrdem(const TArvore& t) {
    std::vector<std::string> out;
    std::vector<const TNo*> pilha;
    for (int i = t.RaizCount(); i-- > 0;)
        pilha.push_back(&t.Raiz(i));
    while (!pilha.empty()) {
        const TNo* no = pilha.back();
        pilha.pop_back();
        out.push_back(std::to_string(no->Nivel) + no->Texto);
        for (auto f = no->Filhos.rbegin(); f != no->Filhos.rend(); ++f)
            pilha.push_back(f->get());
    }
    return out;
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

// An effort source E1 and an impedance R between vertices 1 and 2, the source first.
TGrafo FonteEImpedancia() {
    return Dois(kRamoFonteEsforco, "E1", "1", kRamoImpedancia, "R", "R");
}

} // namespace

TEST(MatrizStr, AppendedRowsSkipTheFlaggedAndDropWhatDoesNotFit) {
    TMatrizStr m(3, 2);
    m.Put(0, 1, "R");
    m.Put(0, 2, "x"); // outside: ignored
    m.Put(1, 0, "skipped");
    m.Put(2, 0, "-1");
    m.SetFlag(1, 1);
    TMatrizStr a(3, 3);
    a.Put(0, 2, "kept");
    EXPECT_EQ(a.AppendRows(m, 1), 3);
    EXPECT_EQ(Cheias(a), (std::vector<std::vector<std::string>>{{"3:kept"}, {"2:R"}, {"1:-1"}}));
    TMatrizStr pequena(1, 2);
    EXPECT_EQ(pequena.AppendRows(m, 0), 2);
    EXPECT_EQ(Cheias(pequena), (std::vector<std::vector<std::string>>{{"2:R"}}));
    EXPECT_EQ(m.Get(3, 0), "0");
}

TEST(GanhoSolucao, NumbersSymbolsAndProductsThatNeedTwoTransmittances) {
    // The reciprocal of the solved coefficient, negated, times the other; two whole numbers give
    // their quotient as a real number; symbols and powers of S cancel or carry over.
    const std::pair<const char*, const char*> casos[][2] = {
        {{"-1", "1"}, {"1", ""}},
        {{"-1", "-1"}, {"-1", ""}},
        {{"2", "1"}, {"-0,5", ""}},
        {{"1", "3"}, {"-3", ""}},
        {{"R", "-1"}, {"R^-1", ""}},
        {{"L.S", "-1"}, {"L^-1.S^-1", ""}},
        {{"C^-1.S^-1", "-1"}, {"C.S", ""}},
        {{"-1", "L.S"}, {"L.S", ""}},
        {{"0,5", "R"}, {"-2.R", ""}},
        {{"R", "2.R"}, {"-2", ""}},
        {{"N^-1", "N^-1"}, {"-1", ""}},
        {{"-1", "Kef.S^2"}, {"Kef.S^2", ""}},
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

// An effort source E1 and an impedance R between the same two vertices: every matrix, list and
// transmittance worked by hand.
TEST(ParaDFS, SourceAndImpedanceInOneCircuit) {
    const TGrafo g = FonteEImpedancia();
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

    // The source is the chord; its circuit leaves vertex 1 by R and comes back through it. Vertex 2
    // was absorbed into vertex 1, so its continuity row comes first; both have two branches, so the
    // first row is the one flagged and left out of A.
    using C = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Cheias(eq.A4), (C{{"1:-1", "2:1"}}));
    EXPECT_EQ(Cheias(eq.A1), (C{{"2:-1", "4:R"}}));
    EXPECT_EQ(eq.A2.Linhas() + eq.A3.Linhas(), 0);
    EXPECT_EQ(Cheias(eq.A5), (C{{"3:-1", "4:-1"}, {"3:1", "4:1"}}));
    EXPECT_EQ(eq.A5.Flag(0), 1);
    EXPECT_EQ(eq.A5.Flag(1), 0);
    EXPECT_EQ(Cheias(eq.A), (C{{"1:-1", "2:1"}, {"2:-1", "4:R"}, {"3:1", "4:1"}}));

    EXPECT_EQ(r.Resolvidas, (V{"E(R)", "F(R)", "F(E1)"}));
    // The tree: the source, then one level per row, no dead end here.
    EXPECT_EQ(PreOrdem(r.Busca), (V{"0E(E1)", "1E(R)", "2F(R)", "3F(E1)"}));
    EXPECT_EQ(r.Busca.No(3).Id, 2); // the row it solves

    ASSERT_TRUE(r.Dfs.has_value());
    EXPECT_EQ(NomesVertices(*r.Dfs), (V{"1 E(E1)", "2 E(R)", "3 F(E1)", "4 F(R)"}));
    EXPECT_EQ(Transmitancias(*r.Dfs),
              (std::vector<Transm>{{1, "T1", "1", 1, 2}, {2, "T2", "R^-1", 2, 4}, {3, "T3", "-1", 4, 3}}));
    EXPECT_TRUE(r.Intermediarias.empty());
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
    // Columns: E of branches 1..8, then F of branches 1..8; the cells that are not "0".
    using C = std::vector<std::string>;
    EXPECT_EQ(Cheias(eq.A3), (std::vector<C>{{"1:-1", "2:N"},
                                             {"9:N", "10:1"},
                                             {"4:-1", "11:G.S"},
                                             {"3:1", "12:G.S"},
                                             {"5:a", "6:-1", "13:b"},
                                             {"14:1"}}));
    EXPECT_EQ(Cheias(eq.A2), (std::vector<C>{{"7:-1", "10:K"}, {"5:-2", "16:-1"}}));
    EXPECT_EQ(eq.A1.Linhas(), 0);
    EXPECT_EQ(eq.A.Linhas(), 8 + 0 + 2 + 6);
}

// A controlled source whose control names no variable refuses the conversion and names itself; a
// two-port whose first port names no second port likewise.
TEST(ParaDFS, ElementsWhoseEquationCannotBeWritten) {
    TGrafo g = FonteEImpedancia();
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

    TGrafo t = FonteEImpedancia();
    t.AddRamo(3, kRamoTransformador1, "T_P1", "N", 1, 2, 0, 0, 9);
    const TConversaoDFS p = ConverterGrafoDFSVariavel(t);
    EXPECT_EQ(p.Falha, TFalhaDFS::PortaSemPar);
    EXPECT_EQ(p.Elemento, "T_P1");
    EXPECT_FALSE(p.Dfs.has_value());
}

TEST(ParaDFS, NoCausalAssignmentAndNoSource) {
    // Two effort sources in parallel: the circuit equation holds no variable to solve for.
    const TGrafo g = Dois(kRamoFonteEsforco, "E1", "1", kRamoFonteEsforco, "E2", "1");
    const TResultadoDFS r = ConverterGrafoDFS(g);
    EXPECT_EQ(r.Falha, TFalhaDFS::SemAtribuicao);
    EXPECT_FALSE(r.Dfs.has_value());
    EXPECT_TRUE(r.Resolvidas.empty());
    EXPECT_EQ(r.Busca.Count(), 2); // the two sources and no trial
    EXPECT_EQ(ConverterGrafoDFSVariavel(g).Falha, TFalhaDFS::SemAtribuicao);

    // Without a source the tree hangs from a neutral root and the diagram is still made.
    const TGrafo s = Dois(kRamoImpedancia, "R1", "R1", kRamoImpedancia, "R2", "R2");
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
    const TGrafo g = Dois(kRamoImpedancia, "R1", "R1", kRamoFonteFluxo, "J", "1");
    const TResultadoDFS r = ConverterGrafoDFS(g);
    ASSERT_EQ(r.Falha, TFalhaDFS::Nenhuma);
    using V = std::vector<std::string>;
    EXPECT_EQ(r.Resolvidas, (V{"E(J)", "E(R1)", "F(R1)"}));
    // The dead end F(J) - E(R1) - F(R1), then the assignment that holds; the last solves row 2.
    EXPECT_EQ(PreOrdem(r.Busca), (V{"0F(J)", "1E(R1)", "2F(R1)", "1E(J)", "2E(R1)", "3F(R1)"}));
    ASSERT_EQ(r.Busca.Count(), 6);
    EXPECT_EQ(r.Busca.No(5).Id, 2);

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
