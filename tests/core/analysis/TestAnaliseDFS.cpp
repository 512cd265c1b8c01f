// The signal-flow document's command "DFS -> Função de Transferência..." run without a display,
// cross-checked against a direct solve of the drawn diagram's equations; and the tree items of the
// Mason view copied from deep trees without recursion.

#include "core/analysis/ApoioDocumento.h"
#include "support/RedeLinear.h"

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitVisaoMason.h"
#include "graph/UnitArvArvore.h"
#include "support/CatalogoTeste.h"

#include <random>

using namespace brelix;
using apoio::Complexo;
using apoio::Desenho;

namespace {

std::string Texto(TListFator p) {
    return p.TextoSimbolico();
}

TFTDocumento FT(TVisualDocumento& doc, const std::string& entrada, const std::string& saida) {
    return CatalogoCompleto().Comando(doc).CalcularFT(doc, {entrada, saida, false, {}, {}}, {});
}

} // namespace

// Random drawn diagrams: the function equals the direct solve of the diagram's equations at random
// points; a second run (the closing branch of the first one not carried over) and the document saved
// and read back give the same function.
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

        const TFTDocumento r = FT(d.Doc(), "x0", nomeSaida);
        ASSERT_TRUE(r.Calculado()) << caso << ": " << r.Recusa.Mensagem;
        auto lido = apoio::SalvarERecarregar(d.Doc(), "Caso" + std::to_string(caso));
        for (TVisualDocumento* doc : {&d.Doc(), lido.get()}) {
            const TFTDocumento r2 = FT(*doc, "x0", nomeSaida);
            ASSERT_TRUE(r2.Calculado());
            EXPECT_EQ(r2.Mason->Lacos.Linhas, r.Mason->Lacos.Linhas) << caso;
            EXPECT_EQ(Texto(r.Funcao.Num), Texto(r2.Funcao.Num)) << caso;
            EXPECT_EQ(Texto(r.Funcao.Den), Texto(r2.Funcao.Den)) << caso;
        }

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
