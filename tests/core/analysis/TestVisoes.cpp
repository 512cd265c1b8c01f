// The contents of the Mason view and of the check view, as the windows copy them, and the flat tree
// items both tree views are filled from.

#include "core/analysis/ApoioDocumento.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitVisaoMason.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "graph/UnitArvArvore.h"
#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfMason.h"

using namespace brelix;

namespace {

using Linhas = std::vector<std::vector<std::string>>;

// Three loops on a chain 1 - 2 - 3 - 4: {1, 2}, {2, 3} and {3, 4}; only the first and the last share
// no vertex.
TGrafo TresLacos() {
    TGrafo g;
    for (int v = 1; v <= 4; ++v)
        g.AddVertice(v, "v" + std::to_string(v));
    g.AddTransmitancia(1, "t1", "a", 1, 2);
    g.AddTransmitancia(2, "t2", "1", 2, 1);
    g.AddTransmitancia(3, "t3", "b", 2, 3);
    g.AddTransmitancia(4, "t4", "1", 3, 2);
    g.AddTransmitancia(5, "t5", "c", 3, 4);
    g.AddTransmitancia(6, "t6", "-1", 4, 3);
    return g;
}

// Tree items as "parent:text", in order.
std::string Itens(const std::vector<TItemArvore>& itens) {
    std::string t;
    for (const TItemArvore& i : itens)
        t += (t.empty() ? "" : " ") + std::to_string(i.Pai) + ":" + i.Texto;
    return t;
}

} // namespace

TEST(VisaoMason, LoopsNonTouchingRowsForestAndSetsAreNumberedFromOne) {
    TGrafo g = TresLacos();
    TResultadoMason m = Mason(g);
    const TConteudoMason c = ShowMason(g.Simbolos(), m);

    EXPECT_EQ(c.Simbolos.Linhas, (Linhas{{"a"}, {"b"}, {"c"}}));
    EXPECT_EQ(c.Lacos.Linhas, (Linhas{{"1", "1, 2, 1"}, {"2", "2, 3, 2"}, {"3", "3, 4, 3"}}));
    // Only loops with a higher number are listed; the last row is always empty.
    EXPECT_EQ(c.Disjuntos.Linhas, (Linhas{{"1", "3"}, {"2", ""}, {"3", ""}}));
    EXPECT_EQ(c.OrdemSuperior.Linhas, (Linhas{{"1", "1", "1", "+ a"},
                                              {"1", "2", "2", "+ b"},
                                              {"1", "3", "3", "- c"},
                                              {"2", "1", "1, 3", "- a.c"}}));
    EXPECT_EQ(c.OrdemSuperior.RowCount(), 5);
    EXPECT_EQ(Itens(c.Floresta), "-1:1 0:3 -1:2 -1:3");
    // Every step of the loop search, dead ends included, as vertex identifiers.
    EXPECT_EQ(Itens(c.Busca), "-1:1 0:2 1:1 1:3 3:4 -1:2 5:3 6:2 6:4 -1:3 9:4 10:3 -1:4");
}

TEST(VisaoMason, GridsKeepTheirHeadsAndOneBlankRowWithoutLoops) {
    TGrafo g;
    g.AddVertice(7, "x");
    g.AddVertice(9, "y");
    TResultadoMason m = Mason(g);
    const TConteudoMason c = ShowMason(g.Simbolos(), m);
    for (const TGradeTexto* grade : {&c.Simbolos, &c.Lacos, &c.Disjuntos, &c.OrdemSuperior}) {
        EXPECT_EQ(grade->RowCount(), 2);
        EXPECT_EQ(grade->Celula(1, 0), "");
    }
    EXPECT_EQ(c.OrdemSuperior.Celula(0, 3), "Ganho");
    EXPECT_EQ(c.OrdemSuperior.Larguras, (std::vector<std::int32_t>{80, 80, 120, 200}));
    EXPECT_EQ(c.Lacos.Cabecalhos, (std::vector<std::string>{"Nº Laço", "Vértices"}));
    EXPECT_TRUE(c.Floresta.empty());
    // The loop search still starts once from every vertex.
    EXPECT_EQ(Itens(c.Busca), "-1:7 -1:9");
}

TEST(VisaoMason, ASelfLoopShowsItsVertexTwiceAndDFSStandsInItsSortedPlace) {
    apoio::Desenho d(kDocKindDFS);
    auto& u = d.Vertice("u");
    auto& y = d.Vertice("y");
    d.Transmitancia(u, y, "a");
    d.Transmitancia(y, y, "Z");
    const TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "u", "y");
    ASSERT_TRUE(r.Calculado());
    EXPECT_EQ(r.VisaoMason.Simbolos.Linhas, (Linhas{{"a"}, {"DFS"}, {"Z"}}));
    const std::string self = std::to_string(y.Num()) + ", " + std::to_string(y.Num());
    EXPECT_EQ(r.VisaoMason.Lacos.Celula(2, 1), self);
}

TEST(VisaoGrade, DeepTreesAreCopiedInPreOrderWithoutRecursion) {
    TArvore arvore;
    TNo* no = &arvore.AddRaiz(0, "r");
    const int profundidade = 300000;
    for (int i = 1; i < profundidade; ++i)
        no = &arvore.AddFilho(*no, i, "n");
    arvore.AddRaiz(5, "s");
    const auto itens = ItensArvore(arvore, [](const TNo& n) { return std::to_string(n.Id); });
    ASSERT_EQ(itens.size(), static_cast<std::size_t>(profundidade) + 1);
    EXPECT_EQ(itens[1], (TItemArvore{0, "1"}));
    EXPECT_EQ(itens[profundidade - 1], (TItemArvore{profundidade - 2, std::to_string(profundidade - 1)}));
    EXPECT_EQ(itens.back(), (TItemArvore{-1, "5"}));
}

TEST(VisaoGrade, NumberListsAndCellsOutsideTheBody) {
    EXPECT_EQ(ListaNumeros({}), "");
    EXPECT_EQ(ListaNumeros({4}), "4");
    EXPECT_EQ(ListaNumeros({0, 2, 5}, 1), "1, 3, 6");
    TGradeTexto g = NovaGrade({"A", "B"}, {10, 20});
    g.Linhas.push_back({"x", "y"});
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Celula(1, 1), "y");
    EXPECT_EQ(g.Celula(2, 0), "");
    EXPECT_EQ(g.Celula(1, 2), "");
    EXPECT_EQ(g.Celula(-1, 0), "");
}

TEST(VisaoVerificacao, TheTabsShownAndTheTabThatOpens) {
    const TConteudoVerificacao lista = ShowCheckLista("DFS não validado.", {"um", "dois"});
    EXPECT_TRUE(lista.NaoValidadosVisivel);
    EXPECT_FALSE(lista.EmCurtoVisivel || lista.NaoConectadosVisivel);
    EXPECT_EQ(lista.AbaAtiva, TAbaVerificacao::NaoValidados);
    // The graph's two lists are both shown; an empty short list opens the unconnected one.
    const TConteudoVerificacao grafo = ShowCheckGrafo("Grafo não validado.", {}, {"R1", "E1"});
    EXPECT_FALSE(grafo.NaoValidadosVisivel);
    EXPECT_TRUE(grafo.EmCurtoVisivel && grafo.NaoConectadosVisivel);
    EXPECT_EQ(grafo.AbaAtiva, TAbaVerificacao::NaoConectados);
    EXPECT_EQ(ShowCheckGrafo("Grafo não validado.", {"C1"}, {"R1"}).AbaAtiva, TAbaVerificacao::EmCurto);
}
