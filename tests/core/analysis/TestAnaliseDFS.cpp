// The signal-flow document's command "DFS -> Função de Transferência..." run without a display: the
// completeness check, the graph built from the drawing, the choice rules, Mason's results and the
// transfer function, cross-checked against a direct solve of the drawn diagram's equations.

#include "core/analysis/ApoioDocumento.h"
#include "support/RedeLinear.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitResultadoFT.h"

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

// x1 -a-> x2 -b-> x3 with the feedback x3 -c-> x2.
struct Realimentacao {
    Desenho d{kDocKindDFS, "Malha"};
    TVOGrfVertice& x1 = d.Vertice("x1");
    TVOGrfVertice& x2 = d.Vertice("x2");
    TVOGrfVertice& x3 = d.Vertice("x3");
    Realimentacao() {
        d.Transmitancia(x1, x2, "a");
        d.Transmitancia(x2, x3, "b");
        d.Transmitancia(x3, x2, "c");
    }
};

} // namespace

TEST(AnaliseDFSValidacao, GeneralMessagesThenUnconnectedObjectsThenNames) {
    Desenho vazio(kDocKindDFS);
    EXPECT_EQ(ValidarDFS(vazio.Doc()), (std::vector<std::string>{"Nenhuma variável adicionada no DFS",
                                                                 "Nenhuma transmitância adicionada no DFS"}));
    const TResultadoFTDFS r = CalcularFTDFS(vazio.Doc(), "x", "y");
    ASSERT_EQ(r.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(r.Recusa.Verificacao.Mensagem, "DFS não validado.");
    EXPECT_EQ(r.Recusa.Verificacao.NaoValidados, ValidarDFS(vazio.Doc()));
    EXPECT_EQ(r.Recusa.Verificacao.AbaAtiva, TAbaVerificacao::NaoValidados);

    // No transmittance is complete, but one exists: only the variable message is general.
    Desenho d(kDocKindDFS);
    auto& a = d.Vertice("a");
    d.Vertice("solta");
    d.Ligar(a, brelix::testing::Place<TVOGrfComp>(d.Doc(), "TVODFSTransmitancia"), 1); // port 2 stays free
    EXPECT_EQ(ValidarDFS(d.Doc()), (std::vector<std::string>{"solta", "Transmitancia1"}));
    Desenho so(kDocKindDFS);
    so.Vertice("v");
    EXPECT_EQ(ValidarDFS(so.Doc()),
              (std::vector<std::string>{"Nenhuma transmitância adicionada no DFS", "v"}));

    // Names that only letter case tells apart, and the reserved symbol in any letter case.
    Desenho n(kDocKindDFS);
    auto& x = n.Vertice("x");
    auto& y = n.Vertice("X");
    auto& z = n.Vertice("z");
    n.Transmitancia(x, y, "2.DFS");
    n.Transmitancia(y, z, "dfs");
    EXPECT_EQ(ValidarDFS(n.Doc()), (std::vector<std::string>{"Descrição repetida: X",
                                                             "O símbolo DFS é reservado: Transmitancia1"}));
    EXPECT_EQ(CalcularFTDFS(n.Doc(), "x", "z").Recusa.Tipo, TRecusa::TTipo::Verificacao);
}

TEST(AnaliseDFSGrafo, VariablesComeBeforeBranchesWhateverTheDrawingOrder) {
    Realimentacao m;
    auto& x4 = m.d.Vertice("x4");
    m.d.Transmitancia(m.x3, x4, "1");
    const TGrafo g = BuildDFSGraph(m.d.Doc());
    ASSERT_EQ(g.VerticeCount(), 4);
    EXPECT_EQ(g.Vertice(3).Id, x4.Num());
    EXPECT_EQ(g.Vertice(1).X, m.x2.Left());
    ASSERT_EQ(g.RamoCount(), 4);
    const TRamo& c = g.Ramo(2);
    EXPECT_EQ(c.Id, 3);
    EXPECT_EQ(c.Nome, "Transmitancia3");
    EXPECT_EQ(c.Origem, m.x3.Num());
    EXPECT_EQ(c.Destino, m.x2.Num());
}

TEST(AnaliseDFSComando, ASingleSourceIsPreselectedAndTheFunctionFollowsMason) {
    Realimentacao m;
    const TPreparoFTDFS p = PrepararFTDFS(m.d.Doc());
    ASSERT_FALSE(p.Recusa.Houve());
    EXPECT_EQ(p.Nome, "MalhaFT");
    EXPECT_EQ(p.Entradas, (std::vector<std::string>{"x1"}));
    EXPECT_EQ(p.Saidas, (std::vector<std::string>{"x2", "x3"}));
    EXPECT_EQ(AbrirEscolhaDFS(p.Entradas).Entrada, "x1");

    TResultadoFTDFS r = CalcularFTDFS(m.d.Doc(), "x1", "x3");
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
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
}

TEST(AnaliseDFSComando, TheChoiceIsRefusedWithTheDialogsMessages) {
    Realimentacao m;
    const auto msg = [&](std::string_view e, std::string_view s) {
        const TResultadoFTDFS r = CalcularFTDFS(m.d.Doc(), e, s);
        return r.Recusa.Tipo == TRecusa::TTipo::Mensagem ? r.Recusa.Mensagem : std::string("(calculado)");
    };
    EXPECT_EQ(msg("", "x3"), "Variável de entrada não informada");
    EXPECT_EQ(msg("x1", ""), "Variável de saída não informada");
    // Only list entries can be chosen: an output is no input, an input no output.
    EXPECT_EQ(msg("x2", "x3"), "Variável de entrada não informada");
    EXPECT_EQ(msg("x1", "x1"), "Variável de saída não informada");
    EXPECT_EQ(msg("x1", "nada"), "Variável de saída não informada");
    // Entries are matched ignoring letter case, and the entry's own text is used.
    const TResultadoFTDFS r = CalcularFTDFS(m.d.Doc(), "X1", "X3");
    ASSERT_TRUE(r.Calculado());
    EXPECT_EQ(r.Entrada, "x1");
    EXPECT_EQ(r.Saida, "x3");
    // The refused command still offers the candidates.
    EXPECT_EQ(CalcularFTDFS(m.d.Doc(), "", "").Saidas.size(), 2u);
}

TEST(AnaliseDFSComando, AnOutputTheInputDoesNotReachGivesZeroOverTheDeterminant) {
    Desenho d(kDocKindDFS);
    auto& u = d.Vertice("u");
    d.Transmitancia(u, d.Vertice("y"), "k");
    auto& q = d.Vertice("q");
    d.Transmitancia(d.Vertice("p"), q, "g");
    d.Transmitancia(q, q, "h"); // a self-loop, in another part of the diagram
    const TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "u", "q");
    ASSERT_TRUE(r.Calculado());
    EXPECT_EQ(Texto(r.Funcao.Num), "0 ");
    EXPECT_EQ(Texto(r.Funcao.Den), "1 - h ");
}

TEST(AnaliseDFSComando, RunningTwiceGivesTheSameResults) {
    Realimentacao m;
    TResultadoFTDFS a = CalcularFTDFS(m.d.Doc(), "x1", "x2");
    TResultadoFTDFS b = CalcularFTDFS(m.d.Doc(), "x1", "x2");
    ASSERT_TRUE(a.Calculado() && b.Calculado());
    // The closing branch of the first run is not carried over: the graph is rebuilt.
    EXPECT_EQ(b.Grafo.RamoCount(), 4);
    EXPECT_EQ(Texto(a.Funcao.Num), Texto(b.Funcao.Num));
    EXPECT_EQ(Texto(a.Funcao.Den), Texto(b.Funcao.Den));
    EXPECT_EQ(a.VisaoMason.OrdemSuperior.Linhas, b.VisaoMason.OrdemSuperior.Linhas);
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
