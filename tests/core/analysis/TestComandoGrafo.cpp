// The linear-graph document's commands "Grafo -> DFS" and "Grafo -> Função de Transferência..." run
// without a display, end to end from drawn documents: refusals, the generated DFS document and the
// graph-to-DFS view, and transfer functions checked against textbook circuits, a nodal solve, and the
// generated DFS document saved, read back and analysed again.

#include "core/analysis/ApoioDocumento.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitComandoGrafo.h"

#include <random>

using namespace brelix;
using apoio::Complexo;
using apoio::Desenho;

namespace {

using Linhas = std::vector<std::vector<std::string>>;

// An effort source E1 and an impedance R between the same two vertices: one circuit.
struct Paralelo {
    Desenho d{kDocKindGrafo, "Par"};
    TVOGrfVertice& a = d.Vertice("A");
    TVOGrfVertice& b = d.Vertice("B");
    Paralelo() {
        d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", a, b);
        d.UmaPorta("TVOGrfImpedancia", "R", "R", a, b);
    }
};

// E1 feeding a transformer Tr (ratio N) whose second side drives R: two components.
struct Transformador {
    Desenho d{kDocKindGrafo, "Trafo"};
    TVOGrfVertice& v1 = d.Vertice("P1");
    TVOGrfVertice& v2 = d.Vertice("P2");
    TVOGrfVertice& v3 = d.Vertice("S1");
    TVOGrfVertice& v4 = d.Vertice("S2");
    Transformador() {
        d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", v1, v2);
        d.DuasPortas("TVOGrfTransformador", "Tr", "N", v1, v2, v3, v4);
        d.UmaPorta("TVOGrfImpedancia", "R", "R", v3, v4);
    }
};

TEscolhaGrafo UmElemento(const std::string& entrada, const std::string& saida) {
    TEscolhaGrafo e;
    e.Entrada = entrada;
    e.Saida = saida;
    return e;
}

TEscolhaGrafo EntreVertices(const std::string& entrada, const std::string& positivo,
                            const std::string& negativo) {
    TEscolhaGrafo e;
    e.UmElemento = false;
    e.Entrada = entrada;
    e.Positivo = positivo;
    e.Negativo = negativo;
    return e;
}

std::string Mensagem(const TRecusa& r) {
    return r.Tipo == TRecusa::TTipo::Mensagem ? r.Mensagem : "(sem mensagem)";
}

} // namespace

TEST(ComandoGrafoRecusas, AnEmptyDocumentIsRefusedByBothCommands) {
    Desenho d(kDocKindGrafo);
    const TResultadoGrafoDFS dfs = CalcularDFSGrafo(d.Doc());
    ASSERT_EQ(dfs.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(dfs.Recusa.Verificacao.Mensagem, "Grafo não validado.");
    EXPECT_EQ(
        dfs.Recusa.Verificacao.NaoValidados,
        (std::vector<std::string>{"Nenhum vértice adicionado no grafo", "Nenhum ramo adicionado no grafo"}));
    EXPECT_EQ(dfs.Documento, nullptr);
    const TResultadoFTGrafo ft = CalcularFTGrafo(d.Doc(), UmElemento("x", "y"));
    EXPECT_EQ(ft.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_TRUE(ft.Entradas.empty());
}

TEST(ComandoGrafoRecusas, ShortCircuitedAndUnconnectedElementsFillTheTwoLists) {
    Desenho d(kDocKindGrafo);
    auto& a = d.Vertice("A");
    auto& b = d.Vertice("B");
    auto& c = d.Vertice("C");
    d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", a, b);
    d.UmaPorta("TVOGrfImpedancia", "R1", "R", a, b);
    d.UmaPorta("TVOGrfImpedancia", "R2", "R", b, c); // C lies in no circuit
    const TResultadoGrafoDFS r = CalcularDFSGrafo(d.Doc());
    ASSERT_EQ(r.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    const TConteudoVerificacao& v = r.Recusa.Verificacao;
    EXPECT_EQ(v.Mensagem, "Grafo não validado.");
    EXPECT_TRUE(v.EmCurto.empty());
    EXPECT_EQ(v.NaoConectados, (std::vector<std::string>{"R2"}));
    EXPECT_FALSE(v.NaoValidadosVisivel);
    EXPECT_EQ(v.AbaAtiva, TAbaVerificacao::NaoConectados);

    d.UmaPorta("TVOGrfImpedancia", "C1", "C", c, c);
    const TResultadoFTGrafo ft = CalcularFTGrafo(d.Doc(), UmElemento("E(E1)", "E(R1)"));
    ASSERT_EQ(ft.Recusa.Tipo, TRecusa::TTipo::Verificacao);
    EXPECT_EQ(ft.Recusa.Verificacao.EmCurto, (std::vector<std::string>{"C1"}));
    EXPECT_EQ(ft.Recusa.Verificacao.AbaAtiva, TAbaVerificacao::EmCurto);
}

TEST(ComandoGrafoRecusas, TheChoiceDialogsMessagesAndTheComponentMessage) {
    Transformador t;
    const auto msg = [&](const TEscolhaGrafo& e) { return Mensagem(CalcularFTGrafo(t.d.Doc(), e).Recusa); };
    EXPECT_EQ(msg(UmElemento("", "E(R)")), "Variável de entrada não informada");
    EXPECT_EQ(msg(UmElemento("E(R)", "E(R)")), "Variável de entrada não informada"); // not a source
    EXPECT_EQ(msg(UmElemento("E(E1)", "")), "Variável de saída não informada");
    EXPECT_EQ(msg(UmElemento("E(E1)", "E(E1)")), "Variável de saída não informada"); // a source
    EXPECT_EQ(msg(EntreVertices("E(E1)", "1 - P1", "")), "Variável de saída não informada");
    EXPECT_EQ(msg(EntreVertices("E(E1)", "1 - P1", "1 - P1")), "Vértices positivo e negativo inválidos");
    EXPECT_EQ(msg(EntreVertices("E(E1)", "1 - P1", "3 - S1")),
              "Os vértices da saída devem pertencer a mesma componente do grafo.");
}

TEST(ComandoGrafoFT, ASingleSourceIsOfferedAloneAndTheListsFollowTheBranches) {
    Transformador t;
    const TPreparoFTGrafo p = PrepararFTGrafo(t.d.Doc());
    ASSERT_FALSE(p.Recusa.Houve());
    EXPECT_EQ(p.Nome, "TrafoFT");
    EXPECT_EQ(p.Entradas, (std::vector<std::string>{"E(E1)"}));
    EXPECT_EQ(p.Saidas, (std::vector<std::string>{"F(E1)", "E(Tr_P1)", "F(Tr_P1)", "E(Tr_P2)", "F(Tr_P2)",
                                                  "E(R)", "F(R)"}));
    EXPECT_EQ(p.Vertices, (std::vector<std::string>{"1 - P1", "2 - P2", "3 - S1", "4 - S2"}));
    EXPECT_EQ(AbrirEscolhaGrafo(p.Entradas).Entrada, "E(E1)");
}

TEST(ComandoGrafoFT, ATransformerDividesTheEffortByItsRatio) {
    Transformador t;
    TResultadoFTGrafo r = CalcularFTGrafo(t.d.Doc(), UmElemento("e(e1)", "E(R)"));
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Entrada, "E(E1)");
    EXPECT_EQ(r.Nome, "TrafoFT");
    // The diagram's symbols, with DFS, as the transfer-function window receives them.
    EXPECT_GE(r.Dfs.Simbolos().IndexOfSimbolo("DFS"), 0);
    EXPECT_GE(r.Dfs.Simbolos().IndexOfSimbolo("N"), 0);
    for (double n : {0.5, 2.0, 7.5}) {
        const Complexo v = r.Funcao.ValorEm(apoio::Valores({{"N", n}, {"R", 3.0}}), Complexo(0.3, 1.1));
        EXPECT_TRUE(apoio::Perto(v, 1.0 / n)) << n << ": " << v;
    }
}

TEST(ComandoGrafoFT, TheEffortBetweenTwoVerticesIsNamedByThemAndEqualsTheElementEffort) {
    Paralelo p;
    TResultadoFTGrafo r = CalcularFTGrafo(p.d.Doc(), EntreVertices("E(E1)", "2 - B", "1 - A"));
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Saida, "E(2, 1)");
    // From B to A against the drawn direction A -> B: minus the source's effort.
    const Complexo v = r.Funcao.ValorEm(apoio::Valores({{"R", 2.0}}), Complexo(0.5, 0.5));
    EXPECT_TRUE(apoio::Perto(v, -1.0)) << v;
    TResultadoFTGrafo direto = CalcularFTGrafo(p.d.Doc(), EntreVertices("E(E1)", "1 - A", "2 - B"));
    ASSERT_TRUE(direto.Calculado());
    EXPECT_TRUE(apoio::Perto(direto.Funcao.ValorEm(apoio::Valores({{"R", 2.0}}), Complexo(0.5, 0.5)), 1.0));
}

TEST(ComandoGrafoDFS, TheGeneratedDocumentAndTheViewOfTheSimplestCircuit) {
    Paralelo p;
    TResultadoGrafoDFS r = CalcularDFSGrafo(p.d.Doc(), 22, 55);
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    ASSERT_NE(r.Documento, nullptr);
    const TVisualDocumento& dfs = *r.Documento;
    EXPECT_EQ(dfs.FileName(), "ParDFS");
    EXPECT_EQ(dfs.Header().Value("Desc"), "ParDFS");
    EXPECT_EQ(dfs.DocKind(), kDocKindDFS);
    EXPECT_EQ(dfs.Mode(), 1);
    EXPECT_TRUE(dfs.IsNew() && dfs.Modified());
    EXPECT_EQ(brelix::testing::Inconsistency(dfs), "");
    EXPECT_TRUE(ValidarDFS(dfs).empty());
    // The four variables become the DFS document's variables.
    EXPECT_EQ(dfs.Objects().CountOfClass(ClassDFSVariavel()), 4);
    EXPECT_EQ(dfs.Objects().FindByID(1)->Desc(), "E(E1)");

    const TConteudoGrafoDFS& v = r.Visao;
    EXPECT_EQ(v.Variaveis.Linhas, (Linhas{{"Esforço", "E1", "E(E1)"},
                                          {"Esforço", "R", "E(R)"},
                                          {"Fluxo", "E1", "F(E1)"},
                                          {"Fluxo", "R", "F(R)"}}));
    EXPECT_EQ(v.A4.Linhas.size(), 1u);
    EXPECT_EQ(v.A1.Linhas.size(), 1u);
    EXPECT_EQ(v.A5.Linhas.size(), 2u); // the flagged row is shown too
    EXPECT_EQ(v.A.Linhas.size(), 3u);
    // The impedance equation -E(R) + R.F(R) = 0, headed by its number, "0" for empty cells.
    EXPECT_EQ(v.A1.Linhas[0], (std::vector<std::string>{"1", "0", "-1", "0", "R"}));
    EXPECT_EQ(v.A1.Cabecalhos, (std::vector<std::string>{"", "1", "2", "3", "4"}));
    EXPECT_TRUE(v.A1.ColunaFixa);
    EXPECT_EQ(v.A1.AlturaLinha, 22);
    EXPECT_EQ(v.A1.Larguras, (std::vector<std::int32_t>(5, 55)));
    // No controlled source and no two-port: the numbered header row and one blank row.
    for (const TGradeTexto* g : {&v.A2, &v.A3}) {
        EXPECT_EQ(g->RowCount(), 2);
        EXPECT_EQ(g->ColCount(), 5);
        EXPECT_EQ(g->Celula(0, 4), "4");
        EXPECT_EQ(g->Celula(1, 0), "");
    }
    // One solved variable per row of A, in row order; the source E(E1) is never solved for.
    ASSERT_EQ(v.Solucao.Linhas.size(), 3u);
    std::vector<std::string> resolvidas;
    for (std::size_t i = 0; i < v.Solucao.Linhas.size(); ++i) {
        EXPECT_EQ(v.Solucao.Linhas[i][0], "A[" + std::to_string(i + 1) + "]");
        resolvidas.push_back(v.Solucao.Linhas[i][1]);
    }
    std::sort(resolvidas.begin(), resolvidas.end());
    EXPECT_EQ(resolvidas, (std::vector<std::string>{"E(R)", "F(E1)", "F(R)"}));
    ASSERT_FALSE(v.Busca.empty());
    EXPECT_EQ(v.Busca.front(), (TItemArvore{-1, "E(E1)"}));
}

TEST(ComandoGrafoDFS, ATwoPortsVariablesNameItsPortsAsElements) {
    Transformador t;
    const TResultadoGrafoDFS r = CalcularDFSGrafo(t.d.Doc());
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Visao.Variaveis.Linhas[1], (std::vector<std::string>{"Esforço", "Tr_P1", "E(Tr_P1)"}));
    EXPECT_EQ(r.Visao.Variaveis.Linhas[6], (std::vector<std::string>{"Fluxo", "Tr_P2", "F(Tr_P2)"}));
    EXPECT_EQ(r.Visao.A3.Linhas.size(), 2u);
    EXPECT_EQ(r.Visao.Variaveis.RowCount(), 2 * 4 + 1);
}

// ---- Cross-checks ----

namespace {

// An RC/RL ladder fed by E1 from N0 to the ground G: section i has a series impedance from N(i-1) to
// N(i) and a shunt impedance from N(i) to G. The output is the last shunt's effort.
struct Escada {
    int secoes;
    std::vector<std::string> serie; // gain texts
    std::vector<std::string> shunt;
};

// 1/Z for a gain text of the forms used here: "Rk", "Lk.S", "Ck^-1.S^-1".
Complexo Admitancia(const std::string& ganho, const std::map<std::string, double>& v, Complexo s) {
    const std::string sym = ganho.substr(0, ganho.find('.'));
    if (ganho.find("^-1") != std::string::npos) return v.at(sym.substr(0, sym.find('^'))) * s;
    if (ganho.find(".S") != std::string::npos) return 1.0 / (v.at(sym) * s);
    return 1.0 / v.at(sym);
}

// Node potentials with N0 at 1 and G at 0; the output is the potential of the last node.
Complexo ResolverEscada(const Escada& e, const std::map<std::string, double>& v, Complexo s) {
    const std::size_t n = static_cast<std::size_t>(e.secoes); // unknowns N1..Nn
    std::vector<std::vector<Complexo>> a(n, std::vector<Complexo>(n));
    std::vector<Complexo> b(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Complexo yIn = Admitancia(e.serie[i], v, s);
        const Complexo yShunt = Admitancia(e.shunt[i], v, s);
        a[i][i] += yIn + yShunt;
        if (i == 0)
            b[i] += yIn; // from N0 at potential 1
        else
            a[i][i - 1] -= yIn;
        if (i + 1 < n) {
            const Complexo yOut = Admitancia(e.serie[i + 1], v, s);
            a[i][i] += yOut;
            a[i][i + 1] -= yOut;
        }
    }
    std::vector<Complexo> x;
    EXPECT_TRUE(apoio::Resolver(a, b, x));
    return x.empty() ? Complexo{} : x.back();
}

} // namespace

TEST(ComandoGrafoCruzado, LaddersAgreeWithANodalSolveAndWithTheirGeneratedDFSDocument) {
    std::mt19937 rng(7);
    int comparados = 0;
    for (int caso = 0; caso < 6; ++caso) {
        Escada e{1 + caso % 3, {}, {}};
        std::map<std::string, double> valores;
        std::uniform_real_distribution<double> dist(0.4, 3.0);
        const auto impedancia = [&](const std::string& sufixo) {
            const int tipo = static_cast<int>(rng() % 3);
            const std::string nome = std::string(tipo == 0 ? "R" : tipo == 1 ? "L" : "C") + sufixo;
            valores[nome] = dist(rng);
            return tipo == 0 ? nome : tipo == 1 ? nome + ".S" : nome + "^-1.S^-1";
        };
        for (int i = 0; i < e.secoes; ++i) {
            e.serie.push_back(impedancia("s" + std::to_string(i)));
            e.shunt.push_back(impedancia("p" + std::to_string(i)));
        }

        Desenho d(kDocKindGrafo, "Escada" + std::to_string(caso));
        auto& g = d.Vertice("G");
        std::vector<TVOGrfVertice*> nos = {&d.Vertice("N0")};
        d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", *nos[0], g);
        for (int i = 0; i < e.secoes; ++i) {
            nos.push_back(&d.Vertice("N" + std::to_string(i + 1)));
            d.UmaPorta("TVOGrfImpedancia", "Zs" + std::to_string(i), e.serie[static_cast<std::size_t>(i)],
                       *nos[static_cast<std::size_t>(i)], *nos.back());
            d.UmaPorta("TVOGrfImpedancia", "Zp" + std::to_string(i), e.shunt[static_cast<std::size_t>(i)],
                       *nos.back(), g);
        }
        const std::string saida = "E(Zp" + std::to_string(e.secoes - 1) + ")";
        TResultadoFTGrafo ft = CalcularFTGrafo(d.Doc(), UmElemento("E(E1)", saida));
        ASSERT_TRUE(ft.Calculado()) << caso << ": " << ft.Recusa.Mensagem;

        // The same output as the effort between the last node and the ground.
        const std::string ultimo = std::to_string(nos.back()->Num()) + " - " + nos.back()->Desc();
        TResultadoFTGrafo entre = CalcularFTGrafo(d.Doc(), EntreVertices("E(E1)", ultimo, "1 - G"));
        ASSERT_TRUE(entre.Calculado()) << caso << ": " << entre.Recusa.Mensagem;

        // Grafo -> DFS, the document saved and read back, then DFS -> FT.
        TResultadoGrafoDFS conv = CalcularDFSGrafo(d.Doc());
        ASSERT_TRUE(conv.Calculado()) << caso << ": " << conv.Recusa.Mensagem;
        auto lido = apoio::SalvarERecarregar(*conv.Documento, "EscadaDFS" + std::to_string(caso));
        TResultadoFTDFS dfs = CalcularFTDFS(*lido, "E(E1)", saida);
        ASSERT_TRUE(dfs.Calculado()) << caso << ": " << dfs.Recusa.Mensagem;

        for (int ponto = 0; ponto < 4; ++ponto) {
            const Complexo s(dist(rng) - 1.5, dist(rng));
            const TListSimboloVal v = apoio::Valores(valores);
            const Complexo esperado = ResolverEscada(e, valores, s);
            EXPECT_TRUE(apoio::Perto(ft.Funcao.ValorEm(v, s), esperado)) << caso;
            EXPECT_TRUE(apoio::Perto(entre.Funcao.ValorEm(v, s), esperado)) << caso;
            EXPECT_TRUE(apoio::Perto(dfs.Funcao.ValorEm(v, s), esperado)) << caso;
            ++comparados;
        }
    }
    EXPECT_EQ(comparados, 24);
}

TEST(ComandoGrafoCruzado, ControlledSourcesAndTwoPortsSurviveTheGeneratedDocument) {
    // E1 drives R1; a controlled flow source Fc (gain g, controlled by E(R1)) feeds R2 through a
    // gyrator G1 whose second side closes on R3.
    Desenho d(kDocKindGrafo, "Misto");
    auto& a = d.Vertice("A");
    auto& b = d.Vertice("B");
    auto& c = d.Vertice("C");
    auto& x = d.Vertice("X");
    auto& y = d.Vertice("Y");
    d.UmaPorta("TVOGrfFonteEsforco", "E1", "E", a, b);
    d.UmaPorta("TVOGrfImpedancia", "R1", "R1", a, b);
    d.UmaPorta("TVOGrfImpedancia", "R2", "R2", c, b);
    d.DuasPortas("TVOGrfGirador", "G1", "G", c, b, x, y);
    d.UmaPorta("TVOGrfImpedancia", "R3", "R3", x, y);
    auto& fc = d.UmaPorta("TVOGrfFonteFluxoCtrl", "Fc", "g", b, c);
    fc.SetControlVariable("E(R1)");
    ASSERT_EQ(fc.ControlVariable(), "E(R1)");

    TResultadoFTGrafo ft = CalcularFTGrafo(d.Doc(), UmElemento("E(E1)", "E(R3)"));
    ASSERT_TRUE(ft.Calculado()) << ft.Recusa.Mensagem;
    TResultadoGrafoDFS conv = CalcularDFSGrafo(d.Doc());
    ASSERT_TRUE(conv.Calculado()) << conv.Recusa.Mensagem;
    EXPECT_EQ(conv.Visao.A2.Linhas.size(), 1u);
    auto lido = apoio::SalvarERecarregar(*conv.Documento, "MistoDFS");
    TResultadoFTDFS dfs = CalcularFTDFS(*lido, "E(E1)", "E(R3)");
    ASSERT_TRUE(dfs.Calculado()) << dfs.Recusa.Mensagem;

    std::mt19937 rng(11);
    std::uniform_real_distribution<double> dist(0.4, 3.0);
    for (int ponto = 0; ponto < 10; ++ponto) {
        const TListSimboloVal v = apoio::Valores(
            {{"R1", dist(rng)}, {"R2", dist(rng)}, {"R3", dist(rng)}, {"G", dist(rng)}, {"g", dist(rng)}});
        const Complexo s(dist(rng), dist(rng));
        const Complexo a1 = ft.Funcao.ValorEm(v, s);
        EXPECT_TRUE(apoio::Perto(a1, dfs.Funcao.ValorEm(v, s))) << a1;
        EXPECT_GT(std::abs(a1), 1e-9); // the output depends on the input
    }
}
