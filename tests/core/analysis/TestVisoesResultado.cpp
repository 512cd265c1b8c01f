// What the result windows show, worked out by hand for small drawings: the layout of generated DFS
// documents, the graph-to-DFS view of a source and a resistor, the system result of a merged vertex and
// a straight wire, the Mason view of a diagram with two touching loops and one disjoint pair, and the
// check view of refused documents.

#include "core/analysis/ApoioDocumento.h"
#include "core/system/SisDocTestUtil.h"

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitGeradorDocumento.h"
#include "graph/UnitGrfGrafo.h"

#include <array>

using namespace brelix;
using apoio::Desenho;
using brelix::testing::Lines;

namespace {

using TTextos = std::vector<std::vector<std::string>>;

const TComandoDocumento& Comando(const TVisualDocumento& doc) {
    return CatalogoCompleto().Comando(doc);
}

// An object's lines from its header, "Object %d: %s", to its last key.
std::vector<std::string> Bloco(const TVisualDocumento& doc, std::int32_t id) {
    const TVisualObject* o = doc.Objects().FindByID(id);
    return o == nullptr ? std::vector<std::string>{} : o->Props().Lines();
}

// Line i of an object's block; empty when there is none.
std::string Linha(const TVisualDocumento& doc, std::int32_t id, std::size_t i) {
    const std::vector<std::string> b = Bloco(doc, id);
    return i < b.size() ? b[i] : std::string();
}

std::pair<std::int32_t, std::int32_t> Posicao(const TVisualDocumento& doc, std::int32_t id) {
    const TVisualObject* o = doc.Objects().FindByID(id);
    return o == nullptr ? std::pair{-1, -1} : std::pair{o->Left(), o->Top()};
}

// A matrix grid's header row, and its rows of equations as the grid shows them.
std::vector<std::string> Linha0(const TGradeMatriz& m) {
    std::vector<std::string> linha;
    for (int c = 0; c < m.ColCount(); ++c)
        linha.push_back(m.Celula(0, c));
    return linha;
}

TTextos Corpo(const TGradeMatriz& m) {
    TTextos linhas;
    for (std::int32_t r = 1; r <= m.Matriz.Linhas(); ++r) {
        std::vector<std::string> linha;
        for (int c = 0; c < m.ColCount(); ++c)
            linha.push_back(m.Celula(r, c));
        linhas.push_back(std::move(linha));
    }
    return linhas;
}

} // namespace

// n variables stand in two rows 75 apart, h = n div 2 above at top 25 and the rest below at top 250,
// except the last of an odd count at top 135; the window is (h + n mod 2 - 1) x 75 + 125 wide.
TEST(GeradorDFS, FourteenVariablesFillTwoRowsAndASingleOneStandsMidway) {
    TGrafo catorze;
    for (std::int32_t v = 1; v <= 14; ++v)
        catorze.AddVertice(v, "V" + std::to_string(v));
    catorze.AddTransmitancia(1, "a", "G", 3, 12);
    auto doc = CatalogoTeste().Make(kDocKindDFS);
    GerarDFS(*doc, "CatorzeDFS", "TDFS", catorze);
    EXPECT_EQ(std::vector({doc->Left(), doc->Top(), doc->Width(), doc->Height()}),
              std::vector({230, 130, 575, 300}));
    for (std::int32_t i = 0; i < 14; ++i)
        EXPECT_EQ(Posicao(*doc, i + 1),
                  i < 7 ? std::pair(50 + 75 * i, 25) : std::pair(50 + 75 * (i - 7), 250))
            << i;
    // The transmittance takes the next identity after the largest vertex, its connections the two after.
    EXPECT_EQ(Bloco(*doc, 15), Lines({"Object 15: TVODFSTransmitancia", "Num=1", "Desc=Transmitancia1",
                                      "Left=0", "Top=0", "Lbl=G", "LblX=0", "LblY=-20", "Gain=G", "Move=0"}));
    EXPECT_EQ(Bloco(*doc, 16),
              Lines({"Object 16: TVODFSConexao", "Num=1", "Desc=Conexao1", "Left=0", "Top=0", "Lbl=*",
                     "LblX=0", "LblY=0", "ObjID1=3", "ObjID2=15", "CntID1=1", "CntID2=1"}));
    EXPECT_EQ(Linha(*doc, 17, 9), "ObjID2=12");
    EXPECT_TRUE(doc->NeedsSave());

    TGrafo um;
    um.AddVertice(7, "X");
    GerarDFS(*doc, "UmDFS", "TDFS", um);
    EXPECT_EQ(doc->Width(), 125);
    EXPECT_EQ(Bloco(*doc, 7), Lines({"Object 7: TVODFSVariavel", "Num=7", "Desc=X", "Left=50", "Top=135",
                                     "Lbl=X", "LblX=0", "LblY=-20"}));
}

// The effort source E1 and the resistor R between A (1) and B (2). The forest search leaves A by E1
// first, so E1 is the chord: its circuit goes out by R and back against E1. The component lists B
// (absorbed) before A, so B's continuity row is the first and, tied with A's, the one dropped.
TEST(VisaoGrafoDFS, ASourceAndAResistorWorkedByHand) {
    Desenho d(kDocKindGrafo, "Fonte");
    auto &a = d.Vertice("A"), &b = d.Vertice("B");
    d.Elemento("TVOGrfFonteEsforco", "E1", "E", {&a, &b});
    d.Elemento("TVOGrfImpedancia", "R", "R", {&a, &b});
    const TConversaoDocumento c = Comando(d.Doc()).Converter(d.Doc(), {nullptr, 22, 55});
    ASSERT_TRUE(c.Convertido() && c.VisaoGrafoDFS) << c.Recusa.Mensagem;
    EXPECT_FALSE(c.ResultadoSis);
    const TConteudoGrafoDFS& v = *c.VisaoGrafoDFS;
    EXPECT_EQ(v.Variaveis.Linhas, (TTextos{{"Esforço", "E1", "E(E1)"},
                                           {"Esforço", "R", "E(R)"},
                                           {"Fluxo", "E1", "F(E1)"},
                                           {"Fluxo", "R", "F(R)"}}));
    for (const TGradeMatriz* m : {&v.A1, &v.A2, &v.A3, &v.A4, &v.A5, &v.A}) {
        EXPECT_EQ(Linha0(*m), Lines({"", "1", "2", "3", "4"}));
        EXPECT_EQ(m->LarguraColuna, 55);
        EXPECT_EQ(m->AlturaLinha, 22);
    }
    EXPECT_EQ(Corpo(v.A1), (TTextos{{"1", "0", "-1", "0", "R"}}));
    EXPECT_TRUE(Corpo(v.A2).empty() && Corpo(v.A3).empty());
    EXPECT_EQ(v.A2.RowCount(), 2);    // the header and one blank row
    EXPECT_EQ(v.A2.Celula(1, 0), ""); // the blank row is blank
    EXPECT_EQ(Corpo(v.A4), (TTextos{{"1", "-1", "1", "0", "0"}}));
    EXPECT_EQ(Corpo(v.A5), (TTextos{{"1", "0", "0", "-1", "-1"}, {"2", "0", "0", "1", "1"}}));
    EXPECT_EQ(Corpo(v.A),
              (TTextos{{"1", "-1", "1", "0", "0"}, {"2", "0", "-1", "0", "R"}, {"3", "0", "0", "1", "1"}}));
    // The source heads the search; each equation is solved for its first free variable.
    EXPECT_EQ(v.Busca, (std::vector<TItemArvore>{{-1, "E(E1)"}, {0, "E(R)"}, {1, "F(R)"}, {2, "F(E1)"}}));
    EXPECT_EQ(v.Solucao.Linhas, (TTextos{{"A[1]", "E(R)"}, {"A[2]", "F(R)"}, {"A[3]", "F(E1)"}}));

    // The diagram: E(R) = E(E1), F(R) = R^-1.E(R), F(E1) = -F(R); four variables in two rows.
    const TVisualDocumento& dfs = *c.Documento;
    EXPECT_EQ(dfs.FileName(), "FonteDFS");
    EXPECT_EQ(dfs.Mode(), kModeSelecionar);
    EXPECT_EQ(dfs.Width(), 200);
    EXPECT_EQ(
        std::vector({Posicao(dfs, 1), Posicao(dfs, 2), Posicao(dfs, 3), Posicao(dfs, 4)}),
        (std::vector<std::pair<std::int32_t, std::int32_t>>{{50, 25}, {125, 25}, {50, 250}, {125, 250}}));
    EXPECT_EQ(Linha(dfs, 4, 2), "Desc=F(R)");
    const auto ligacao = [&](std::int32_t t) {
        return Linha(dfs, t, 1) + " " + Linha(dfs, t, 8) + " " + Linha(dfs, t + 1, 8) + " " +
               Linha(dfs, t + 2, 9);
    };
    EXPECT_EQ(ligacao(5), "Num=1 Gain=1 ObjID1=1 ObjID2=2");
    EXPECT_EQ(ligacao(8), "Num=2 Gain=R^-1 ObjID1=2 ObjID2=4");
    EXPECT_EQ(ligacao(11), "Num=3 Gain=-1 ObjID1=4 ObjID2=3");
    EXPECT_EQ(dfs.Objects().Count(), 4 + 3 * 3);
}

// The source E from A to G, the resistor R from A, wired straight to the capacitor C, which ends at G2,
// a vertex wired to G. G merges into G2 (the wire's first end), and the straight wire gets the vertex
// _Vertice1; the electrical vertices are then numbered in list order: A 1, G2 2, _Vertice1 3.
TEST(VisaoSistema, AMergedVertexAndAStraightWireWorkedByHand) {
    brelix::testing::Desenho d;
    EXPECT_TRUE(d.C(kTipoEleFonteTensao, {"A", "G"}).SetGain(0, "E"));
    EXPECT_TRUE(d.C(kTipoEleResistor, {"A", "=1"}).SetGain(0, "R"));
    EXPECT_TRUE(d.C(kTipoEleCapacitor, {"=1", "G2"}).SetGain(0, "C"));
    brelix::testing::Connect(*d.doc, *d.vertices["G2"], 1, *d.vertices["G"], 1);
    const TConversaoDocumento c = Comando(*d.doc).Converter(*d.doc, {});
    ASSERT_TRUE(c.Convertido() && c.ResultadoSis) << c.Recusa.Mensagem;
    EXPECT_FALSE(c.VisaoGrafoDFS);
    const TResultadoSis& r = *c.ResultadoSis;
    using TLinha2 = std::array<std::string, 2>;
    using TLinha5 = std::array<std::string, 5>;
    EXPECT_EQ(r.Vertices, (std::vector<TLinha2>{{"1", "Vertice1"}, {"2", "Vertice3"}, {"3", "_Vertice1"}}));
    EXPECT_EQ(r.Ramos, (std::vector<TLinha5>{{"1", "FonteTensao1", "1", "2", "E"},
                                             {"2", "Resistor1", "1", "3", "R"},
                                             {"3", "Capacitor1", "3", "2", "C^-1.S^-1"}}));
    EXPECT_EQ(r.Adicionados, Lines({"_Vertice1"}));
    EXPECT_EQ(r.Removidos, Lines({"Vertice2"}));
    // The graph document: the vertices, then each element after the largest vertex identity, with its
    // two connections; the window fits the lowest vertex (top 300).
    const TVisualDocumento& g = *c.Documento;
    EXPECT_EQ(g.FileName(), "TesteGrafo");
    EXPECT_EQ(std::vector({g.Left(), g.Top(), g.Width(), g.Height()}), std::vector({230, 130, 550, 360}));
    EXPECT_EQ(Linha(g, 10, 0) + " " + Linha(g, 10, 2) + " " + Linha(g, 10, 8),
              "Object 10: TVOGrfImpedancia Desc=Capacitor1 Gain=C^-1.S^-1");
}

// X1 -1-> X2 -G-> X3 -2.S-> X4 -P-> X5 with the feedbacks X3 -(-H)-> X2 and X5 -(-Q)-> X4, from X1 to
// X5; the closing branch runs X5 -> X1. Loops: the path closed by it (-2.DFS.G.P.S), X2-X3 (-G.H) and
// X4-X5 (-P.Q), the last two disjoint.
TEST(VisaoMason, TwoFeedbacksAndTheClosingBranchWorkedByHand) {
    Desenho d(kDocKindDFS, "Cadeia");
    std::vector<TVOGrfVertice*> x;
    for (int i = 1; i <= 5; ++i)
        x.push_back(&d.Vertice("X" + std::to_string(i)));
    const std::pair<int, int> ligacoes[] = {{0, 1}, {1, 2}, {2, 1}, {2, 3}, {3, 4}, {4, 3}};
    const char* ganhos[] = {"1", "G", "-1.H", "2.S", "P", "-1.Q"};
    for (int t = 0; t < 6; ++t)
        d.Transmitancia(*x[ligacoes[t].first], *x[ligacoes[t].second], ganhos[t]);
    const TFTDocumento f = Comando(d.Doc()).CalcularFT(d.Doc(), {"x1", "x5", false, {}, {}}, {});
    ASSERT_TRUE(f.Calculado() && f.Mason) << f.Recusa.Mensagem;
    EXPECT_EQ(f.Nome + " " + f.Entrada + " " + f.Saida, "CadeiaFT X1 X5"); // as the lists spell them
    const TConteudoMason& m = *f.Mason;
    EXPECT_EQ(m.Simbolos.Linhas, (TTextos{{"DFS"}, {"G"}, {"H"}, {"P"}, {"Q"}}));
    // Every step of the search from each vertex, dead ends included; no step enters a smaller vertex.
    EXPECT_EQ(m.Busca, (std::vector<TItemArvore>{{-1, "1"},
                                                 {0, "2"},
                                                 {1, "3"},
                                                 {2, "4"},
                                                 {3, "5"},
                                                 {4, "1"},
                                                 {-1, "2"},
                                                 {6, "3"},
                                                 {7, "2"},
                                                 {7, "4"},
                                                 {9, "5"},
                                                 {-1, "3"},
                                                 {11, "4"},
                                                 {12, "5"},
                                                 {-1, "4"},
                                                 {14, "5"},
                                                 {15, "4"},
                                                 {-1, "5"}}));
    EXPECT_EQ(m.Lacos.Linhas, (TTextos{{"1", "1, 2, 3, 4, 5, 1"}, {"2", "2, 3, 2"}, {"3", "4, 5, 4"}}));
    EXPECT_EQ(m.Disjuntos.Linhas, (TTextos{{"1", ""}, {"2", "3"}, {"3", ""}}));
    EXPECT_EQ(m.Floresta, (std::vector<TItemArvore>{{-1, "1"}, {-1, "2"}, {1, "3"}, {-1, "3"}}));
    EXPECT_EQ(m.OrdemSuperior.Linhas, (TTextos{{"1", "1", "1", "- 2,00.DFS.G.P.S"},
                                               {"1", "2", "2", "- G.H"},
                                               {"1", "3", "3", "- P.Q"},
                                               {"2", "1", "2, 3", "+ G.H.P.Q"}}));
    // X5 / X1 = 2.G.P.S / (1 + G.H + P.Q + G.H.P.Q), here with every symbol 2 and S = 1.
    TListSimboloVal dois;
    for (const char* s : {"G", "H", "P", "Q"})
        dois.AddSimbolo(s, 2.0);
    EXPECT_NEAR(std::abs(f.Funcao.ValorEm(dois, 1.0) - 8.0 / 25.0), 0.0, 1e-12);
}

// The check view as each refusal opens it: a list alone, or the two lists of a linear graph opening
// on the short-circuited elements unless there are none.
TEST(VisaoVerificacao, RefusedDocumentsOpenTheTabOfTheirProblem) {
    // Resistor4 and Resistor5 meet at X only: X lies on no closed circuit of the system's graph.
    brelix::testing::Desenho ponte;
    ponte.C(kTipoEleFonteTensao, {"A", "G"});
    ponte.C(kTipoEleResistor, {"A", "G"});
    ponte.C(kTipoEleResistor, {"B", "H"});
    ponte.C(kTipoEleResistor, {"B", "H"});
    ponte.C(kTipoEleResistor, {"A", "X"});
    ponte.C(kTipoEleResistor, {"X", "B"});
    brelix::testing::Desenho aberto;
    aberto.C(kTipoEleFonteTensao, {"A", "G"});
    aberto.C(kTipoEleCapacitor, {"A"});
    // R2 from B to B, and C, reached from B only, lies on no closed circuit.
    apoio::Desenho curto(kDocKindGrafo);
    auto &a = curto.Vertice("A"), &b = curto.Vertice("B"), &c = curto.Vertice("C");
    curto.Elemento("TVOGrfFonteEsforco", "E1", "E", {&a, &b});
    curto.Elemento("TVOGrfImpedancia", "R1", "R", {&a, &b});
    curto.Elemento("TVOGrfImpedancia", "R2", "R", {&b, &b});
    curto.Elemento("TVOGrfImpedancia", "R3", "R", {&b, &c});

    TConteudoVerificacao lista;
    lista.Mensagem = "Sistema não validado.";
    lista.NaoValidados = {"Capacitor1", "Vertice2"};
    lista.NaoValidadosVisivel = true;
    lista.AbaAtiva = TAbaVerificacao::NaoValidados;
    TConteudoVerificacao desconectados;
    desconectados.Mensagem = "Grafo do sistema não validado.";
    desconectados.NaoConectados = {"Resistor4", "Resistor5"};
    desconectados.EmCurtoVisivel = desconectados.NaoConectadosVisivel = true;
    desconectados.AbaAtiva = TAbaVerificacao::NaoConectados;
    TConteudoVerificacao ambos = desconectados;
    ambos.Mensagem = "Grafo não validado.";
    ambos.EmCurto = {"R2"};
    ambos.NaoConectados = {"R3"};
    ambos.AbaAtiva = TAbaVerificacao::EmCurto;
    const struct {
        const TVisualDocumento& doc;
        TMotivoRecusa motivo;
        const TConteudoVerificacao& esperado;
    } casos[] = {
        {*aberto.doc, TMotivoRecusa::Incompleto, lista},
        {*ponte.doc, TMotivoRecusa::GrafoInvalido, desconectados},
        {curto.Doc(), TMotivoRecusa::GrafoInvalido, ambos},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.esperado.Mensagem);
        const TRecusa r = Comando(k.doc).Verificar(k.doc);
        EXPECT_EQ(r.Tipo, TRecusa::TTipo::Verificacao);
        EXPECT_EQ(r.Motivo, k.motivo);
        EXPECT_EQ(r.Verificacao, k.esperado);
        // The transfer-function command opens the same view.
        EXPECT_EQ(Comando(k.doc).CalcularFT(k.doc, {}, {}).Recusa.Verificacao, k.esperado);
    }
}
