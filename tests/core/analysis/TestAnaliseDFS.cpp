// The signal-flow document's command "DFS -> Função de Transferência..." run without a display: the
// completeness check, the graph built from the drawing, the choice rules, Mason's results and the
// transfer function, cross-checked against a direct solve of the drawn diagram's equations.

#include "core/analysis/ApoioDocumento.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitResultadoFT.h"

#include <random>

using namespace brelix;
using apoio::Complexo;
using apoio::Desenho;

namespace {

std::string Texto(const TListFator& p) {
    TListFator copia = p;
    return copia.TextoSimbolico();
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

TEST(AnaliseDFSValidacao, AnEmptyDocumentReportsBothGeneralMessagesInOneCheckView) {
    Desenho d(kDocKindDFS);
    EXPECT_EQ(ValidarDFS(d.Doc()), (std::vector<std::string>{"Nenhuma variável adicionada no DFS",
                                                             "Nenhuma transmitância adicionada no DFS"}));
    const TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "x", "y");
    ASSERT_EQ(r.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(r.Recusa.Verificacao.Mensagem, "DFS não validado.");
    EXPECT_EQ(r.Recusa.Verificacao.NaoValidados, ValidarDFS(d.Doc()));
    EXPECT_EQ(r.Recusa.Verificacao.AbaAtiva, TAbaVerificacao::NaoValidados);
    EXPECT_TRUE(r.Entradas.empty());
    EXPECT_EQ(r.Grafo.VerticeCount(), 0);
}

TEST(AnaliseDFSValidacao, UnconnectedObjectsFollowTheGeneralMessageVariablesFirst) {
    Desenho d(kDocKindDFS);
    auto& a = d.Vertice("a");
    d.Vertice("solta");
    auto& t = brelix::testing::Place<TVOGrfComp>(d.Doc(), "TVODFSTransmitancia");
    d.Ligar(a, t, 1); // port 2 stays free
    // No transmittance is complete, but one exists: only the variable message is general.
    EXPECT_EQ(ValidarDFS(d.Doc()), (std::vector<std::string>{"solta", "Transmitancia1"}));

    Desenho so(kDocKindDFS);
    so.Vertice("v");
    EXPECT_EQ(ValidarDFS(so.Doc()),
              (std::vector<std::string>{"Nenhuma transmitância adicionada no DFS", "v"}));
}

TEST(AnaliseDFSValidacao, NamesOnlyCaseTellsApartAndTheReservedSymbolAreRefused) {
    Desenho d(kDocKindDFS);
    auto& x = d.Vertice("x");
    auto& y = d.Vertice("X");
    auto& z = d.Vertice("z");
    d.Transmitancia(x, y, "2.DFS");
    d.Transmitancia(y, z, "dfs");
    EXPECT_EQ(ValidarDFS(d.Doc()), (std::vector<std::string>{"Descrição repetida: X",
                                                             "O símbolo DFS é reservado: Transmitancia1"}));
    EXPECT_EQ(CalcularFTDFS(d.Doc(), "x", "z").Recusa.Tipo, TRecusa::TTipo::Verificacao);
}

TEST(AnaliseDFSGrafo, VariablesAndTransmittancesBecomeVerticesAndBranchesAlongTheSignal) {
    Realimentacao m;
    // A variable drawn after transmittances still comes before every branch.
    auto& x4 = m.d.Vertice("x4");
    m.d.Transmitancia(m.x3, x4, "1");
    const TGrafo g = BuildDFSGraph(m.d.Doc());
    ASSERT_EQ(g.VerticeCount(), 4);
    EXPECT_EQ(g.Vertice(3).Id, x4.Num());
    EXPECT_EQ(g.Vertice(0).Id, m.x1.Num());
    EXPECT_EQ(g.Vertice(2).Nome, "x3");
    EXPECT_EQ(g.Vertice(1).X, m.x2.Left());
    ASSERT_EQ(g.RamoCount(), 4);
    EXPECT_EQ(g.Ramo(3).Origem, m.x3.Num());
    const TRamo& c = g.Ramo(2);
    EXPECT_EQ(c.Id, 3);
    EXPECT_EQ(c.Nome, "Transmitancia3");
    EXPECT_EQ(c.Origem, m.x3.Num());
    EXPECT_EQ(c.Destino, m.x2.Num());
    ASSERT_TRUE(c.Ganho.has_value());
    EXPECT_EQ(c.Ganho->Sym(), "c");
}

TEST(AnaliseDFSComando, ASingleSourceIsPreselectedAndTheFunctionFollowsMason) {
    Realimentacao m;
    const TPreparoFTDFS p = PrepararFTDFS(m.d.Doc());
    ASSERT_FALSE(p.Recusa.Houve());
    EXPECT_EQ(p.Nome, "MalhaFT");
    EXPECT_EQ(p.Entradas, (std::vector<std::string>{"x1"}));
    EXPECT_EQ(p.Saidas, (std::vector<std::string>{"x2", "x3"}));
    const TAberturaEscolha abertura = AbrirEscolhaDFS(p.Entradas);
    EXPECT_EQ(abertura.Entrada, "x1");
    EXPECT_EQ(abertura.Foco, TFocoEscolha::Saida);

    TResultadoFTDFS r = CalcularFTDFS(m.d.Doc(), "x1", "x3");
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Entrada, "x1");
    EXPECT_EQ(r.Saida, "x3");
    // x3 / x1 = a.b / (1 - b.c)
    EXPECT_EQ(Texto(r.Funcao.Num), "a.b ");
    EXPECT_EQ(Texto(r.Funcao.Den), "1 - b.c ");
    EXPECT_EQ(NomesSimbolos(r.Grafo.Simbolos()), (std::vector<std::string>{"a", "b", "c", "DFS"}));
    // Two loops: b.c, and the forward path closed by the branch DFS.
    EXPECT_EQ(r.Mason.Lacos.size(), 2u);
    EXPECT_EQ(r.Grafo.Ramo(3).Nome, "DFS");
    EXPECT_EQ(r.VisaoMason.Simbolos.Linhas.size(), 4u);

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
    // The refused command still offers the candidates.
    EXPECT_EQ(CalcularFTDFS(m.d.Doc(), "", "").Saidas.size(), 2u);
}

TEST(AnaliseDFSComando, AnOutputTheInputDoesNotReachGivesZeroOverTheDeterminant) {
    Desenho d(kDocKindDFS);
    auto& u = d.Vertice("u");
    auto& y = d.Vertice("y");
    auto& p = d.Vertice("p");
    auto& q = d.Vertice("q");
    d.Transmitancia(u, y, "k");
    d.Transmitancia(p, q, "g");
    d.Transmitancia(q, q, "h"); // a self-loop, in another part of the diagram
    const TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "u", "q");
    ASSERT_TRUE(r.Calculado());
    EXPECT_EQ(Texto(r.Funcao.Num), "0 ");
    EXPECT_EQ(Texto(r.Funcao.Den), "1 - h ");
    ASSERT_EQ(r.Mason.Lacos.size(), 1u);
    EXPECT_EQ(r.Mason.Lacos[0].Vertices.Items(), (std::vector<std::int32_t>{q.Num(), q.Num()}));
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
    EXPECT_EQ(a.VisaoMason.Busca, b.VisaoMason.Busca);
}

TEST(AnaliseDFSComando, ABareSymbolGainJoinsTheSymbolsWithValueOne) {
    Desenho d(kDocKindDFS);
    auto& e = d.Vertice("E");
    auto& s = d.Vertice("S");
    d.Transmitancia(e, s, "R");
    const TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "E", "S");
    ASSERT_TRUE(r.Calculado());
    ASSERT_EQ(r.Grafo.Simbolos().Count(), 2);
    EXPECT_EQ(r.Grafo.Simbolos()[0].Nome, "DFS");
    EXPECT_EQ(r.Grafo.Simbolos()[1].Nome, "R");
    EXPECT_EQ(r.Grafo.Simbolos()[1].Valor, 1.0);
    EXPECT_EQ(Texto(r.Funcao.Num), "R ");
}

// ---- Independent cross-check ----

namespace {

struct RamoNumerico {
    int de;
    int para;
    double k;
    std::string sym; // empty: none
    int expSym;
    int expS;
    std::string Texto() const {
        std::string t = RealToStr(k);
        if (!sym.empty()) t += "." + sym + (expSym == 1 ? "" : "^-1");
        if (expS != 0) t += expS == 1 ? ".S" : ".S^" + std::to_string(expS);
        return t;
    }
    Complexo Valor(const std::map<std::string, double>& v, Complexo s) const {
        Complexo g = k * std::pow(s, expS);
        if (!sym.empty()) g *= std::pow(v.at(sym), expSym);
        return g;
    }
};

// x_entrada = 1 and every other variable the sum of its entering transmittances.
Complexo ResolverDiagrama(int n, const std::vector<RamoNumerico>& ramos, int entrada, int saida,
                          const std::map<std::string, double>& valores, Complexo s, bool& ok) {
    std::vector<std::vector<Complexo>> a(static_cast<std::size_t>(n),
                                         std::vector<Complexo>(static_cast<std::size_t>(n)));
    std::vector<Complexo> b(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        a[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 1.0;
    b[static_cast<std::size_t>(entrada)] = 1.0;
    for (const RamoNumerico& r : ramos)
        if (r.para != entrada)
            a[static_cast<std::size_t>(r.para)][static_cast<std::size_t>(r.de)] -= r.Valor(valores, s);
    std::vector<Complexo> x;
    ok = apoio::Resolver(a, b, x);
    return ok ? x[static_cast<std::size_t>(saida)] : Complexo{};
}

} // namespace

TEST(AnaliseDFSCruzado, DrawnDiagramsGiveTheFunctionOfADirectSolveAndSurviveAFileRoundTrip) {
    std::mt19937 rng(20240611);
    const char* const simbolos[] = {"a", "b", "R", "Cx"};
    int comparados = 0;
    for (int caso = 0; caso < 40; ++caso) {
        const int n = 3 + static_cast<int>(rng() % 4);
        std::vector<RamoNumerico> ramos;
        // Variable 0 is the input: nothing enters it. A chain reaches every variable; random extra
        // transmittances (self-loops and feedback included) make loops.
        for (int i = 1; i < n; ++i)
            ramos.push_back({static_cast<int>(rng() % static_cast<unsigned>(i)), i, 1.0, "", 1, 0});
        const int extras = static_cast<int>(rng() % 5);
        for (int e = 0; e < extras; ++e)
            ramos.push_back({1 + static_cast<int>(rng() % static_cast<unsigned>(n - 1)),
                             1 + static_cast<int>(rng() % static_cast<unsigned>(n - 1)), 1.0, "", 1, 0});
        for (RamoNumerico& r : ramos) {
            static const double ks[] = {1.0, -1.0, 2.0, 0.5, -3.0};
            r.k = ks[rng() % 5];
            if (rng() % 3 != 0) {
                r.sym = simbolos[rng() % 4];
                r.expSym = rng() % 4 == 0 ? -1 : 1;
            }
            r.expS = static_cast<int>(rng() % 3) - 1;
        }
        Desenho d(kDocKindDFS, "Caso" + std::to_string(caso));
        std::vector<TVOGrfVertice*> vs;
        for (int i = 0; i < n; ++i)
            vs.push_back(&d.Vertice("x" + std::to_string(i)));
        for (const RamoNumerico& r : ramos)
            d.Transmitancia(*vs[static_cast<std::size_t>(r.de)], *vs[static_cast<std::size_t>(r.para)],
                            r.Texto());
        const int saida = 1 + static_cast<int>(rng() % static_cast<unsigned>(n - 1));
        const std::string nomeSaida = "x" + std::to_string(saida);

        TResultadoFTDFS r = CalcularFTDFS(d.Doc(), "x0", nomeSaida);
        ASSERT_TRUE(r.Calculado()) << caso << ": " << r.Recusa.Mensagem;
        auto lido = apoio::SalvarERecarregar(d.Doc(), "Caso" + std::to_string(caso));
        TResultadoFTDFS r2 = CalcularFTDFS(*lido, "x0", nomeSaida);
        ASSERT_TRUE(r2.Calculado());
        EXPECT_EQ(Texto(r.Funcao.Num), Texto(r2.Funcao.Num)) << caso;
        EXPECT_EQ(Texto(r.Funcao.Den), Texto(r2.Funcao.Den)) << caso;

        for (int ponto = 0; ponto < 3; ++ponto) {
            std::uniform_real_distribution<double> dist(0.3, 2.5);
            const std::map<std::string, double> valores = {
                {"a", dist(rng)}, {"b", dist(rng)}, {"R", dist(rng)}, {"Cx", dist(rng)}};
            const Complexo s(dist(rng), dist(rng));
            bool ok = false;
            const Complexo esperado = ResolverDiagrama(n, ramos, 0, saida, valores, s, ok);
            if (!ok) continue; // a singular system has no transfer function to compare
            const Complexo obtido = r.Funcao.ValorEm(apoio::Valores(valores), s);
            EXPECT_TRUE(apoio::Perto(obtido, esperado)) << caso << ": " << obtido << " vs " << esperado;
            ++comparados;
        }
    }
    EXPECT_GT(comparados, 100);
}
