// The linear-graph document's commands "Grafo -> DFS" and "Grafo -> Função de Transferência..." run
// without a display, end to end from drawn documents: refusals, the generated DFS document and the
// graph-to-DFS view, and transfer functions checked against a direct solve of the drawn network
// (support/RedeLinear.h) and against the generated DFS document saved, read back and analysed again.

#include "core/analysis/ApoioDocumento.h"
#include "support/RedeLinear.h"

#include "analysis/UnitAnaliseDFS.h"
#include "analysis/UnitComandoGrafo.h"

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
    return {entrada, true, saida, {}, {}};
}

TEscolhaGrafo EntreVertices(const std::string& entrada, const std::string& positivo,
                            const std::string& negativo) {
    return {entrada, false, {}, positivo, negativo};
}

std::string Mensagem(const TRecusa& r) {
    return r.Tipo == TRecusa::TTipo::Mensagem ? r.Mensagem : "(sem mensagem)";
}

// A network drawn element by element, with the same network kept beside it for the direct solve.
struct Circuito {
    Desenho d;
    rede::Rede r;

    explicit Circuito(const std::string& nome) : d(kDocKindGrafo, nome) {}

    TVOGrfVertice& V(const std::string& nome) {
        TVOGrfVertice& v = d.Vertice(nome);
        r.vertices.emplace_back(v.Num(), nome);
        return v;
    }
    void Um(const char* classe, int tipo, const std::string& nome, const rede::Ganho& g, TVOGrfVertice& de,
            TVOGrfVertice& para, const std::string& controle = {}) {
        r.elementos.push_back({tipo, nome, de.Num(), para.Num(), {g}, controle, -1});
        TVOGrfComp& c = d.UmaPorta(classe, nome, g.Texto(), de, para);
        if (!controle.empty()) c.SetControlVariable(controle);
    }
    void Dois(const char* classe, int tipo, const std::string& nome, const std::vector<rede::Ganho>& g,
              TVOGrfVertice& v1, TVOGrfVertice& v2, TVOGrfVertice& v3, TVOGrfVertice& v4) {
        const int p1 = static_cast<int>(r.elementos.size());
        r.elementos.push_back({tipo, nome + "_P1", v1.Num(), v2.Num(), g, {}, p1 + 1});
        r.elementos.push_back({tipo + 1, nome + "_P2", v3.Num(), v4.Num(), g, {}, p1});
        d.DuasPortas(classe, nome, r.TextoGanho(r.elementos[static_cast<std::size_t>(p1)]), v1, v2, v3, v4);
    }

    // The function from the source to an element's effort, through the graph command, through the
    // generated DFS document read back from its file, and as the effort between two vertices, each
    // equal to the network's direct solve at random points.
    void Conferir(const std::string& fonte, const std::string& elemento, const TVOGrfVertice& positivo,
                  const TVOGrfVertice& negativo, std::mt19937& rng) {
        const std::string entrada = "E(" + fonte + ")", saida = "E(" + elemento + ")";
        TResultadoFTGrafo ft = CalcularFTGrafo(d.Doc(), UmElemento(entrada, saida));
        ASSERT_TRUE(ft.Calculado()) << ft.Recusa.Mensagem;
        const auto vertice = [](const TVOGrfVertice& v) {
            return std::to_string(v.Num()) + " - " + v.Desc();
        };
        TResultadoFTGrafo entre =
            CalcularFTGrafo(d.Doc(), EntreVertices(entrada, vertice(positivo), vertice(negativo)));
        ASSERT_TRUE(entre.Calculado()) << entre.Recusa.Mensagem;
        TResultadoGrafoDFS conv = CalcularDFSGrafo(d.Doc());
        ASSERT_TRUE(conv.Calculado()) << conv.Recusa.Mensagem;
        auto lido = apoio::SalvarERecarregar(*conv.Documento, d.Doc().FileName() + "DFS");
        TResultadoFTDFS dfs = CalcularFTDFS(*lido, entrada, saida);
        ASSERT_TRUE(dfs.Calculado()) << dfs.Recusa.Mensagem;

        std::vector<std::string> simbolos;
        for (const TSimboloVal& s : ft.Dfs.Simbolos())
            if (s.Nome != "DFS") simbolos.push_back(s.Nome);
        for (int ponto = 0; ponto < 6; ++ponto) {
            const apoio::Ponto p = apoio::PontoAleatorio(rng, simbolos, 0.4, 3.0, -1.1, 1.5);
            rede::Solucao sol;
            ASSERT_TRUE(sol.Resolver(r, r.Posicao(fonte), p.valores, p.s));
            const Complexo esperado = sol.Ler({rede::Saida::Esforco, r.Posicao(elemento), 0, 0});
            EXPECT_TRUE(
                apoio::Perto(sol.Ler({rede::Saida::Entre, 0, positivo.Num(), negativo.Num()}), esperado));
            const TListSimboloVal v = apoio::Valores(p.valores);
            EXPECT_TRUE(apoio::Perto(ft.Funcao.ValorEm(v, p.s), esperado))
                << ft.Funcao.ValorEm(v, p.s) << " vs " << esperado;
            EXPECT_TRUE(apoio::Perto(entre.Funcao.ValorEm(v, p.s), esperado));
            EXPECT_TRUE(apoio::Perto(dfs.Funcao.ValorEm(v, p.s), esperado));
            EXPECT_GT(std::abs(esperado), 1e-9); // the output depends on the input
        }
    }
};

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

TEST(ComandoGrafoFT, TheListsFollowTheBranchesAndTheEntryIsMatchedIgnoringCase) {
    Transformador t;
    const TPreparoFTGrafo p = PrepararFTGrafo(t.d.Doc());
    ASSERT_FALSE(p.Recusa.Houve());
    EXPECT_EQ(p.Nome, "TrafoFT");
    EXPECT_EQ(p.Entradas, (std::vector<std::string>{"E(E1)"}));
    EXPECT_EQ(p.Saidas, (std::vector<std::string>{"F(E1)", "E(Tr_P1)", "F(Tr_P1)", "E(Tr_P2)", "F(Tr_P2)",
                                                  "E(R)", "F(R)"}));
    EXPECT_EQ(p.Vertices, (std::vector<std::string>{"1 - P1", "2 - P2", "3 - S1", "4 - S2"}));
    EXPECT_EQ(AbrirEscolhaGrafo(p.Entradas).Entrada, "E(E1)");

    TResultadoFTGrafo r = CalcularFTGrafo(t.d.Doc(), UmElemento("e(e1)", "E(R)"));
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Entrada, "E(E1)");
    // The diagram's symbols, with DFS, as the transfer-function window receives them.
    EXPECT_GE(r.Dfs.Simbolos().IndexOfSimbolo("DFS"), 0);
    EXPECT_GE(r.Dfs.Simbolos().IndexOfSimbolo("N"), 0);
}

TEST(ComandoGrafoFT, TheEffortBetweenTwoVerticesIsNamedByThemAndTakesTheirOrder) {
    Paralelo p;
    TResultadoFTGrafo r = CalcularFTGrafo(p.d.Doc(), EntreVertices("E(E1)", "2 - B", "1 - A"));
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    EXPECT_EQ(r.Saida, "E(2, 1)");
    // From B to A against the drawn direction A -> B: minus the source's effort.
    const Complexo v = r.Funcao.ValorEm(apoio::Valores({{"R", 2.0}}), Complexo(0.5, 0.5));
    EXPECT_TRUE(apoio::Perto(v, -1.0)) << v;
}

TEST(ComandoGrafoDFS, TheGeneratedDocumentAndTheViewOfTheSimplestCircuit) {
    Paralelo p;
    TResultadoGrafoDFS r = CalcularDFSGrafo(p.d.Doc(), 22, 55);
    ASSERT_TRUE(r.Calculado()) << r.Recusa.Mensagem;
    ASSERT_NE(r.Documento, nullptr);
    // Named after the graph document and left in tool mode 1; its making is checked with the
    // generator, its analysis by the cross-checks below.
    EXPECT_EQ(r.Documento->FileName(), "ParDFS");
    EXPECT_EQ(r.Documento->Header().Value("Desc"), "ParDFS");
    EXPECT_EQ(r.Documento->Mode(), 1);
    EXPECT_EQ(r.Documento->Objects().FindByID(1)->Desc(), "E(E1)");

    const TConteudoGrafoDFS& v = r.Visao;
    EXPECT_EQ(v.Variaveis.Linhas, (Linhas{{"Esforço", "E1", "E(E1)"},
                                          {"Esforço", "R", "E(R)"},
                                          {"Fluxo", "E1", "F(E1)"},
                                          {"Fluxo", "R", "F(R)"}}));
    EXPECT_EQ(v.A5.Linhas.size(), 2u); // the flagged row is shown too
    // The impedance equation -E(R) + R.F(R) = 0, headed by its number, "0" for empty cells.
    EXPECT_EQ(v.A1.Linhas, (Linhas{{"1", "0", "-1", "0", "R"}}));
    EXPECT_EQ(v.A1.Cabecalhos, (std::vector<std::string>{"", "1", "2", "3", "4"}));
    EXPECT_TRUE(v.A1.ColunaFixa);
    EXPECT_EQ(v.A1.AlturaLinha, 22);
    EXPECT_EQ(v.A1.Larguras, (std::vector<std::int32_t>(5, 55)));
    // No controlled source and no two-port: the numbered header row and one blank row.
    for (const TGradeTexto* g : {&v.A2, &v.A3}) {
        EXPECT_EQ(g->RowCount(), 2);
        EXPECT_EQ(g->Celula(0, 4), "4");
        EXPECT_EQ(g->Celula(1, 0), "");
    }
    // One solved variable per row of A, in row order; the source E(E1) is never solved for.
    EXPECT_EQ(v.Solucao.Linhas, (Linhas{{"A[1]", "E(R)"}, {"A[2]", "F(R)"}, {"A[3]", "F(E1)"}}));
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
}

// RC/RL ladders of one to three sections fed by E1 from N0 to the ground G.
TEST(ComandoGrafoCruzado, LaddersAgreeWithTheDirectSolveAndWithTheirGeneratedDFSDocument) {
    std::mt19937 rng(7);
    for (int caso = 0; caso < 6; ++caso) {
        SCOPED_TRACE(caso);
        Circuito c("Escada" + std::to_string(caso));
        auto& g = c.V("G");
        std::vector<TVOGrfVertice*> nos = {&c.V("N0")};
        c.Um("TVOGrfFonteEsforco", kRamoFonteEsforco, "E1", rede::G(1, "1", "E"), *nos[0], g);
        const auto impedancia = [&](const std::string& sufixo) {
            const auto tipo = rng() % 3;
            return tipo == 0   ? rede::G(1, "1", "R" + sufixo)
                   : tipo == 1 ? rede::G(1, "1", "L" + sufixo, 1, 1)
                               : rede::G(1, "1", "C" + sufixo, -1, -1);
        };
        const int secoes = 1 + caso % 3;
        for (int i = 0; i < secoes; ++i) {
            const std::string n = std::to_string(i);
            nos.push_back(&c.V("N" + std::to_string(i + 1)));
            c.Um("TVOGrfImpedancia", kRamoImpedancia, "Zs" + n, impedancia("s" + n), *nos[nos.size() - 2],
                 *nos.back());
            c.Um("TVOGrfImpedancia", kRamoImpedancia, "Zp" + n, impedancia("p" + n), *nos.back(), g);
        }
        c.Conferir("E1", "Zp" + std::to_string(secoes - 1), *nos.back(), g, rng);
    }
}

// A controlled flow source, a gyrator, a transformer and a generic two-port of four symbolic gains
// in one network: E1 drives R1; Fc (gain g, controlled by E(R1)) feeds R2 and the gyrator, whose
// second side drives R3 and the transformer, whose second side drives the two-port loaded by R4.
TEST(ComandoGrafoCruzado, ControlledSourcesAndTwoPortsAgreeWithTheDirectSolve) {
    Circuito c("Misto");
    auto& a = c.V("A");
    auto& b = c.V("B");
    auto& cc = c.V("C");
    auto& x = c.V("X");
    auto& y = c.V("Y");
    auto& p = c.V("P");
    auto& m = c.V("M");
    c.Um("TVOGrfFonteEsforco", kRamoFonteEsforco, "E1", rede::G(1, "1", "E"), a, b);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R1", rede::G(1, "1", "R1"), a, b);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R2", rede::G(1, "1", "R2"), cc, b);
    c.Dois("TVOGrfGirador", kRamoGirador1, "G1", {rede::G(1, "1", "G")}, cc, b, x, y);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R3", rede::G(1, "1", "R3"), x, y);
    c.Um("TVOGrfFonteFluxoCtrl", kRamoFonteFluxoCtrl, "Fc", rede::G(1, "1", "g"), b, cc, "E(R1)");
    c.Dois("TVOGrfTransformador", kRamoTransformador1, "Tr", {rede::G(1, "1", "N")}, x, y, p, y);
    c.Dois("TVOGrfDuasPortas", kRamoQuadripolo1, "Q",
           {rede::G(1, "1", "Kee"), rede::G(1, "1", "Kef"), rede::G(1, "1", "Kfe"), rede::G(1, "1", "Kff")},
           p, y, m, y);
    c.Um("TVOGrfImpedancia", kRamoImpedancia, "R4", rede::G(1, "1", "R4"), m, y);
    TResultadoGrafoDFS conv = CalcularDFSGrafo(c.d.Doc());
    ASSERT_TRUE(conv.Calculado()) << conv.Recusa.Mensagem;
    EXPECT_EQ(conv.Visao.A2.Linhas.size(), 1u);
    std::mt19937 rng(11);
    c.Conferir("E1", "R4", m, y, rng);
}
