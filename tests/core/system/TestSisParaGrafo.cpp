// Systems drawn in code and converted to linear graphs: the exact graph text, the names of the
// vertices the conversion added and removed, numbering past 255 vertices, and the refusal, with its
// reasons, of systems the conversion cannot take.

#include "SisTestUtil.h"

using namespace brelix;
using testsis::TDesenho;
using Linhas = std::vector<std::string>;

namespace {

// Converts the system, which must be taken, and returns the graph's text.
Linhas Converter(TDesenho& d, Linhas& adicionados, Linhas& removidos) {
    const TConversaoSistema c = d.S.ToGraph(adicionados, removidos);
    EXPECT_NE(c.Grafo, nullptr) << c.Problemas.front();
    EXPECT_TRUE(c.Grafo == nullptr || c.Grafo->Dirigido());
    return c.Grafo != nullptr ? testsis::Texto(*c.Grafo) : c.Problemas;
}

// A series circuit Vs - R1 - C1 on three vertices.
struct TCircuito {
    TDesenho d;
    std::array<std::int32_t, 3> n = d.Verts(kTipoEleVertice, {"N1", "N2", "N0"});
    std::int32_t n1 = n[0], n2 = n[1], n0 = n[2], r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    TCircuito() {
        d.Liga(d.Comp(kTipoEleFonteTensao, "Vs", "Vs"), {n1, n0});
        d.Liga(r1, {n1, n2});
        d.Liga(d.Comp(kTipoEleCapacitor, "C1", "C1"), {n2, n0});
    }
};

// Refused with exactly these lines, and left as it was: same elements, wires and identifiers, no
// vertex numbered, no name reported as added or removed; a second attempt says the same.
void EsperaRecusa(TSistema& s, const Linhas& esperado) {
    const int elementos = s.Elementos().Count(), fios = s.Conexoes().Count();
    const std::int32_t maiorId = s.MaiorId();
    EXPECT_EQ(s.Verificar(), esperado);
    Linhas adicionados, removidos;
    const TConversaoSistema c = s.ToGraph(adicionados, removidos);
    EXPECT_EQ(c.Grafo, nullptr);
    EXPECT_EQ(c.Problemas, esperado);
    EXPECT_TRUE(adicionados.empty() && removidos.empty());
    EXPECT_EQ(std::tuple(s.Elementos().Count(), s.Conexoes().Count(), s.MaiorId()),
              std::tuple(elementos, fios, maiorId));
    for (const TElemento& e : s.Elementos())
        EXPECT_EQ(e.Numero, 0) << e.Nome;
    EXPECT_EQ(s.ToGraph().Problemas, esperado);
}

// The circuit, a transformer T1 beside R1, a translational reference on a vertex of its own
// and a voltage source Vc controlled by `controle`.
void ComControle(TCircuito& c, const std::string& controle) {
    c.d.Liga(c.d.Comp(kTipoEleTransformador, "T1", "N"), {c.n1, c.n0, c.n2, c.n0});
    c.d.Liga(c.d.Comp(kTipoMctReferencia, "Ref1", "Ref"), {c.d.Vert(kTipoMctVertice, "X")});
    c.d.Liga(c.d.Comp(kTipoEleFonteTensaoCtrl, "Vc", "Kv", controle), {c.n2, c.n0});
}

} // namespace

// A ring of wired vertices collapses into its first, without taking it along; so does a wire from a
// vertex to itself. The vertices gone are reported.
TEST(SisParaGrafo, WiredVerticesCollapseAndAreReportedRemoved) {
    TDesenho d;
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1");
    const auto [a, b, c, v] = d.Verts(kTipoEleVertice, {"A", "B", "C", "D"});
    d.Liga(r1, {a, v});
    d.Liga(l1, {c, v});
    d.Fio(a, 1, b, 1);
    d.Fio(b, 1, c, 1);
    d.Fio(c, 1, a, 1);
    d.Fio(v, 1, v, 1);
    Linhas adicionados, removidos;
    EXPECT_EQ(Converter(d, adicionados, removidos),
              (Linhas{"V 1 A 0,0", "V 2 D 0,0", "R 1 2 R1 R1 1>2", "R 2 2 L1 L1.S 1>2"}));
    EXPECT_EQ(std::pair(adicionados, removidos), std::pair(Linhas{}, Linhas{"B", "C"}));
}

// A wire between components gets a vertex halfway on the grid (the division truncates towards zero),
// named and reported as added; drawn vertices keep their places.
TEST(SisParaGrafo, AWireBetweenComponentsGetsAnAddedVertexHalfway) {
    TDesenho d;
    const auto r1 = d.Comp(kTipoEleResistor, "R1", "R1", "", 13, 27);
    const auto l1 = d.Comp(kTipoEleIndutor, "L1", "L1", "", 48, 61);
    const auto c1 = d.Comp(kTipoEleCapacitor, "C1", "C1", "", -70, 99);
    const auto a = d.Vert(kTipoEleVertice, "A", 40, 45);
    d.Fio(r1, 2, l1, 1);
    d.Fio(l1, 2, c1, 1);
    d.Fio(r1, 1, a, 1);
    d.Fio(c1, 2, a, 1);
    Linhas adicionados, removidos;
    EXPECT_EQ(Converter(d, adicionados, removidos),
              (Linhas{"V 1 A 40,45", "V 2 _Vertice1 30,40", "V 3 _Vertice2 -10,80", "R 1 2 R1 R1 1>2",
                      "R 2 2 L1 L1.S 2>3", "R 3 2 C1 C1^-1.S^-1 3>1"}));
    EXPECT_EQ(std::pair(adicionados, removidos), std::pair(Linhas{"_Vertice1", "_Vertice2"}, Linhas{}));
}

// A chain of 300 electrical vertices, then a translational system: a force on a mass, a spring to a
// free vertex E and a damper from E to a drawn reference. The translational numbers follow the
// electrical ones: the reference, the mass's vertex (named after the mass), then E.
TEST(SisParaGrafo, NumberingGoesOnPastTheFirst255Vertices) {
    TDesenho d;
    std::vector<std::int32_t> nos;
    for (int k = 1; k <= 300; ++k)
        nos.push_back(d.Vert(kTipoEleVertice, "N" + std::to_string(k)));
    for (std::size_t k = 1; k < 300; ++k)
        d.Liga(d.Comp(kTipoEleResistor, "R" + std::to_string(k), "R"), {nos[k - 1], nos[k]});
    const auto f1 = d.Comp(kTipoMctFonteForca, "F1", "F1");
    const auto m1 = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto k1 = d.Comp(kTipoMctMola, "K1", "K1");
    const auto b1 = d.Comp(kTipoMctAmortecedor, "B1", "B1");
    const auto ref = d.Comp(kTipoMctReferencia, "Ref1", "Ref");
    const auto [a, g, e] = d.Verts(kTipoMctVertice, {"A", "G", "E"});
    d.Liga(f1, {a});
    d.Liga(m1, {a, g});
    d.Liga(k1, {a, e});
    d.Liga(b1, {e, g});
    d.Liga(ref, {g});
    Linhas adicionados, removidos;
    const Linhas t = Converter(d, adicionados, removidos);
    ASSERT_EQ(t.size(), 300u + 3u + 299u + 4u);
    for (std::size_t k = 1; k <= 300; ++k)
        EXPECT_EQ(t[k - 1], "V " + std::to_string(k) + " N" + std::to_string(k) + " 0,0");
    for (std::size_t k = 1; k < 300; ++k)
        EXPECT_EQ(t[302 + k], "R " + std::to_string(k) + " 2 R" + std::to_string(k) + " R " +
                                  std::to_string(k) + ">" + std::to_string(k + 1));
    EXPECT_EQ(Linhas(t.begin() + 300, t.begin() + 303),
              (Linhas{"V 302 M1 0,0", "V 301 Ref1 0,0", "V 303 E 0,0"}));
    EXPECT_EQ(Linhas(t.end() - 4, t.end()),
              (Linhas{"R 300 5 F1 F1 301>302", "R 301 2 M1 M1^-1.S^-1 302>301", "R 302 2 K1 K1^-1.S 302>303",
                      "R 303 2 B1 B1^-1 303>301"}));
}

// Wires to an element or a terminal that is not there (its end deleted) are kept out of the model,
// and the system is refused with their reasons.
TEST(SisRecusa, WiresToMissingEndsAreRefused) {
    TCircuito c;
    EXPECT_EQ(c.d.S.AddConexao(90, kDominioEletrico, c.r1, 1, 777, 1), nullptr);
    EXPECT_EQ(c.d.S.AddConexao(91, kDominioEletrico, c.r1, 3, c.n1, 1), nullptr);
    EXPECT_EQ(c.d.S.AddConexao(92, kDominioEletrico, c.n2, 2, c.n1, 1), nullptr);
    EsperaRecusa(c.d.S, {"A conexão 90 liga o objeto 777, que não existe no sistema.",
                         "A conexão 91 usa o terminal 3 de R1, que não existe.",
                         "A conexão 92 usa o terminal 2 de N2, que não existe."});
}

// Elements that a document made elsewhere may hold: kinds, domains and terminal counts that
// contradict each other (a negative count must give no terminals, not a huge allocation), and a
// friction kind with one gain where it needs two.
TEST(SisRecusa, ElementsThatContradictTheirKindAreRefused) {
    TCircuito c;
    c.d.S.AddElemento(50, kDominioEletrico, true, "", "X", 2, 0, 0, "X1", 99);
    c.d.S.AddElemento(51, kDominioEletrico, true, "", "X", 0, 0, 0, "Fio1", kTipoEleConexao);
    c.d.S.AddElemento(52, kDominioTranslacional, true, "", "R", 2, 0, 0, "R9", kTipoEleResistor);
    c.d.S.AddElemento(53, kDominioEletrico, true, "", "", 0, 0, 0, "V9", kTipoEleVertice);
    c.d.S.AddElemento(54, kDominioTranslacional, false, "", "", 0, 0, 0, "M9", kTipoMctMassa);
    c.d.S.AddElemento(55, kDominioEletrico, true, "", "R", 3, 0, 0, "R8", kTipoEleResistor);
    c.d.S.AddElemento(56, kDominioEletrico, true, "", "R", -3, 0, 0, "R7", kTipoEleResistor);
    const auto x = c.d.Vert(kTipoMcrVertice, "X");
    c.d.Liga(c.d.Comp(kTipoMcrInerciaAtrito, "J1", "J1"), {x, x});
    EsperaRecusa(c.d.S, {"X1: tipo de elemento 99 desconhecido.", "Fio1: tipo de elemento 49 desconhecido.",
                         "R9: o domínio 3 não é o do seu tipo (2).",
                         "V9: um vértice marcado como componente.", "M9: um componente marcado como vértice.",
                         "R8 tem 3 terminais, e seu tipo tem 2.", "R7 tem -3 terminais, e seu tipo tem 2.",
                         "O ganho de J1 deve ter duas partes separadas por \";\"."});
}

// A second wire on a terminal would leave one of its two vertices out of the branch; a terminal
// wired to itself counts twice.
TEST(SisRecusa, ATerminalTakesOneWire) {
    TCircuito dois;
    dois.d.Fio(dois.r1, 2, dois.n0, 1);
    EsperaRecusa(dois.d.S, {"O terminal 2 de R1 tem mais de uma conexão."});
    TCircuito proprio;
    const auto l1 = proprio.d.Comp(kTipoEleIndutor, "L1", "L1");
    proprio.d.Fio(l1, 1, l1, 1);
    proprio.d.Fio(l1, 2, proprio.n0, 1);
    EsperaRecusa(proprio.d.S, {"O terminal 1 de L1 tem mais de uma conexão."});
}

// A controlled source must name a branch of the system.
TEST(SisRecusa, ControlVariablesMustNameABranchOfTheSystem) {
    // The controlling component deleted; a two-branch component's bare name; a reference (no branch);
    // a vertex; texts that are no variable, only the first letter of which may be rewritten.
    for (const std::string falha : {"v(R9)", "v(T1)", "V(Ref1)", "v(N1)", "E(R1", "x(R1)", "é(R1)"}) {
        SCOPED_TRACE(falha);
        TCircuito c;
        ComControle(c, falha);
        EsperaRecusa(c.d.S, {"A variável de controle " + VariavelDeGrafo(falha) +
                             " de Vc não é variável de nenhum elemento do sistema."});
    }
    EXPECT_EQ(VariavelDeGrafo("é(R1)"), "é(R1)");
    TCircuito c;
    ComControle(c, "");
    EsperaRecusa(c.d.S, {"A fonte controlada Vc não tem variável de controle."});
}
