// The signal-flow document's command "DFS -> Função de Transferência..." run without a display:
// Mason's results and the transfer function, cross-checked against a direct solve of the drawn
// diagram's equations and against the document saved and read back; and the tree items of the Mason
// view copied from deep trees without recursion.

#include "core/analysis/ApoioDocumento.h"
#include "support/RedeLinear.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitResultadoFT.h"
#include "analysis/UnitVisaoMason.h"
#include "graph/UnitArvArvore.h"

#include <random>

using namespace brelix;
using apoio::Complexo;
using apoio::Desenho;

namespace {

std::string Texto(TListFator p) {
    return p.TextoSimbolico();
}

std::vector<std::string> NomesSimbolos(const TListSimboloVal& s) {
    std::vector<std::string> nomes;
    for (const TSimboloVal& item : s)
        nomes.push_back(item.Nome);
    return nomes;
}

} // namespace

TEST(AnaliseDFSComando, TheFunctionFollowsMasonAndASecondRunRebuildsTheGraph) {
    // x1 -a-> x2 -b-> x3 with the feedback x3 -c-> x2.
    Desenho d(kDocKindDFS, "Malha");
    auto &x1 = d.Vertice("x1"), &x2 = d.Vertice("x2"), &x3 = d.Vertice("x3");
    d.Transmitancia(x1, x2, "a");
    d.Transmitancia(x2, x3, "b");
    d.Transmitancia(x3, x2, "c");
    // Entries are matched ignoring letter case, and the entry's own text is used.
    TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "X1", "X3");
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Entrada, "x1");
    // x3 / x1 = a.b / (1 - b.c); the closing branch's symbol joins the diagram's, sorted.
    EXPECT_EQ(Texto(r.Funcao.Num), "a.b ");
    EXPECT_EQ(Texto(r.Funcao.Den), "1 - b.c ");
    EXPECT_EQ(NomesSimbolos(r.Grafo.Simbolos()), (std::vector<std::string>{"a", "b", "c", "DFS"}));

    // The window's result drops DFS from the symbols; every user symbol starts at 1.
    TResultadoFT janela;
    janela.ShowFT(r.Nome, r.Entrada, r.Funcao, r.Grafo.Simbolos(), r.Saida);
    EXPECT_EQ(NomesSimbolos(janela.Simbolos()), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(janela.Simbolos().GetValor("b"), 1.0);
    EXPECT_EQ(janela.NomeArquivo(), "MalhaFT");

    // The closing branch of the first run is not carried over.
    TResultadoFTDFS b = CalcularFTDFS(d.Doc(), "x1", "x3");
    EXPECT_EQ(b.Grafo.RamoCount(), 4);
    EXPECT_EQ(Texto(b.Funcao.Den), Texto(r.Funcao.Den));
    EXPECT_EQ(b.VisaoMason.OrdemSuperior.Linhas, r.VisaoMason.OrdemSuperior.Linhas);
}

TEST(AnaliseDFSComando, AnOutputTheInputDoesNotReachGivesZeroOverTheDeterminant) {
    Desenho d(kDocKindDFS);
    auto& u = d.Vertice("u");
    d.Transmitancia(u, d.Vertice("y"), "a");
    auto& q = d.Vertice("q");
    d.Transmitancia(d.Vertice("p"), q, "g");
    d.Transmitancia(q, q, "Z"); // a self-loop, in another part of the diagram
    const TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "u", "q");
    ASSERT_TRUE(r.Calculado());
    EXPECT_EQ(Texto(r.Funcao.Num), "0 ");
    EXPECT_EQ(Texto(r.Funcao.Den), "1 - Z ");
    // The self-loop shows its variable twice; DFS stands in its sorted place, letter case ignored.
    using Linhas = std::vector<std::vector<std::string>>;
    EXPECT_EQ(r.VisaoMason.Simbolos.Linhas, (Linhas{{"a"}, {"DFS"}, {"g"}, {"Z"}}));
    const std::string n = std::to_string(q.Num());
    EXPECT_EQ(r.VisaoMason.Lacos.Linhas, (Linhas{{"1", n + ", " + n}}));
}

// Random drawn diagrams: the function equals the direct solve of the diagram's equations at random
// points, and the document saved and read back gives the same function.
TEST(AnaliseDFSCruzado, DrawnDiagramsGiveTheFunctionOfADirectSolveAndSurviveAFileRoundTrip) {
    std::mt19937 rng(20240611);
    const std::vector<std::string> simbolos = {"a", "b", "R", "Cx"};
    int comparados = 0;
    for (int caso = 0; caso < 40; ++caso) {
        // Variable 0 is the input: nothing enters it. A chain reaches every variable; random extra
        // transmittances (self-loops and feedback included) make loops.
        const auto n = 3 + rng() % 4;
        std::vector<std::pair<std::size_t, std::size_t>> ligacoes;
        for (std::size_t i = 1; i < n; ++i)
            ligacoes.emplace_back(rng() % i, i);
        for (auto e = rng() % 5; e > 0; --e)
            ligacoes.emplace_back(1 + rng() % (n - 1), 1 + rng() % (n - 1));
        std::vector<rede::Ganho> ganhos;
        Desenho d(kDocKindDFS, "Caso" + std::to_string(caso));
        std::vector<TVOGrfVertice*> vs;
        for (std::size_t i = 0; i < n; ++i)
            vs.push_back(&d.Vertice("x" + std::to_string(i)));
        for (const auto& [de, para] : ligacoes) {
            static const std::pair<double, const char*> ks[] = {
                {1, "1"}, {-1, "-1"}, {2, "2"}, {0.5, "0,5"}, {-3, "-3"}};
            const auto& [k, texto] = ks[rng() % 5];
            rede::Ganho g = rede::G(k, texto);
            if (rng() % 3 != 0) {
                g.sym = simbolos[rng() % 4];
                g.expSym = rng() % 4 == 0 ? -1 : 1;
            }
            g.expS = static_cast<int>(rng() % 3) - 1;
            d.Transmitancia(*vs[de], *vs[para], g.Texto());
            ganhos.push_back(g);
        }
        const std::size_t saida = 1 + rng() % (n - 1);
        const std::string nomeSaida = "x" + std::to_string(saida);

        TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "x0", nomeSaida);
        ASSERT_TRUE(r.Calculado()) << caso << ": " << r.Recusa.Mensagem;
        auto lido = apoio::SalvarERecarregar(d.Doc(), "Caso" + std::to_string(caso));
        TResultadoFTDFS r2 = CalcularFTDFS(*lido, "x0", nomeSaida);
        ASSERT_TRUE(r2.Calculado());
        EXPECT_EQ(Texto(r.Funcao.Num), Texto(r2.Funcao.Num)) << caso;
        EXPECT_EQ(Texto(r.Funcao.Den), Texto(r2.Funcao.Den)) << caso;

        for (int ponto = 0; ponto < 3; ++ponto) {
            const apoio::Ponto p = apoio::PontoAleatorio(rng, simbolos, 0.3, 2.5, 0.3, 2.5);
            std::vector<apoio::RamoNumerico> ramos;
            for (std::size_t i = 0; i < ligacoes.size(); ++i)
                ramos.push_back({ligacoes[i].first, ligacoes[i].second, ganhos[i].Valor(p.valores, p.s)});
            std::vector<Complexo> x;
            if (!apoio::ResolverDiagrama(n, ramos, 0, x)) continue; // singular: no function to compare
            const Complexo obtido = r.Funcao.ValorEm(apoio::Valores(p.valores), p.s);
            EXPECT_TRUE(apoio::Perto(obtido, x[saida])) << caso << ": " << obtido << " vs " << x[saida];
            ++comparados;
        }
    }
    EXPECT_GT(comparados, 100);
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
