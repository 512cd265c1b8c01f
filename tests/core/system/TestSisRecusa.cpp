// Systems the conversion cannot take are refused with the reasons, never converted or crashed on,
// and left exactly as they were.

#include "SisTestUtil.h"

#include <functional>
#include <limits>

using namespace brelix;
using testsis::TDesenho;
using Linhas = std::vector<std::string>;

namespace {

// A series circuit Vs - R1 - C1 on three vertices, C1 not yet wired.
struct TCircuito {
    TDesenho d;
    std::int32_t vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs"), r1 = d.Comp(kTipoEleResistor, "R1", "R1");
    std::int32_t c1 = d.Comp(kTipoEleCapacitor, "C1", "C1");
    std::array<std::int32_t, 3> n = d.Verts(kTipoEleVertice, {"N1", "N2", "N0"});
    std::int32_t n1 = n[0], n2 = n[1], n0 = n[2];
    TCircuito() {
        d.Liga(vs, {n1, n0});
        d.Liga(r1, {n1, n2});
    }
    void FechaC1() { d.Liga(c1, {n2, n0}); }
};

// Refused with exactly these lines, and left as it was: same elements, wires and identifiers, no
// vertex numbered, no name reported as added or removed; a second attempt says the same.
void EsperaRecusa(TSistema& s, const Linhas& esperado) {
    const int elementos = s.Elementos().Count();
    const int fios = s.Conexoes().Count();
    const std::int32_t maiorId = s.MaiorId();
    EXPECT_EQ(s.Verificar(), esperado);
    Linhas adicionados, removidos;
    const TConversaoSistema c = s.ToGraph(adicionados, removidos);
    EXPECT_EQ(c.Grafo, nullptr);
    EXPECT_EQ(c.Problemas, esperado);
    EXPECT_TRUE(adicionados.empty() && removidos.empty());
    EXPECT_EQ(s.Elementos().Count(), elementos);
    EXPECT_EQ(s.Conexoes().Count(), fios);
    EXPECT_EQ(s.MaiorId(), maiorId);
    for (const TElemento& e : s.Elementos())
        EXPECT_EQ(e.Numero, 0) << e.Nome;
    EXPECT_EQ(s.ToGraph().Problemas, esperado);
}

struct TCaso {
    const char* Nome;
    std::function<void(TCircuito&)> Estragar;
    Linhas Problemas;
};

} // namespace

TEST(SisRecusa, DamagedSystemsAreRefusedWithTheirReasons) {
    const TCaso casos[] = {
        {"C1 left unwired",
         [](TCircuito&) {},
         {"O terminal 1 de C1 não está conectado.", "O terminal 2 de C1 não está conectado."}},
        {"a second wire on one terminal would leave one of the two vertices out of the branch",
         [](TCircuito& c) {
             c.FechaC1();
             c.d.Fio(c.r1, 2, c.n0, 1);
         },
         {"O terminal 2 de R1 tem mais de uma conexão."}},
        {"a terminal wired to itself counts twice",
         [](TCircuito& c) {
             c.FechaC1();
             const auto l1 = c.d.Comp(kTipoEleIndutor, "L1", "L1");
             c.d.Fio(l1, 1, l1, 1);
             c.d.Fio(l1, 2, c.n0, 1);
         },
         {"O terminal 1 de L1 tem mais de uma conexão."}},
        {"wires to an element or a terminal that is not there are kept out of the model",
         [](TCircuito& c) {
             c.FechaC1();
             EXPECT_EQ(c.d.S.AddConexao(90, kDominioEle, c.r1, 1, 777, 1), nullptr);
             EXPECT_EQ(c.d.S.AddConexao(91, kDominioEle, c.r1, 3, c.n1, 1), nullptr);
             EXPECT_EQ(c.d.S.AddConexao(92, kDominioEle, c.n2, 2, c.n1, 1), nullptr);
         },
         {"A conexão 90 liga o objeto 777, que não existe no sistema.",
          "A conexão 91 usa o terminal 3 de R1, que não existe.",
          "A conexão 92 usa o terminal 2 de N2, que não existe."}},
        {"elements that contradict their kind",
         [](TCircuito& c) {
             c.FechaC1();
             c.d.S.AddElemento(50, kDominioEle, true, "", "X", 2, 0, 0, "X1", 99);
             c.d.S.AddElemento(51, kDominioEle, true, "", "X", 0, 0, 0, "Fio1", kTipoEleConexao);
             c.d.S.AddElemento(52, kDominioMct, true, "", "R", 2, 0, 0, "R9", kTipoEleResistor);
             c.d.S.AddElemento(53, kDominioEle, true, "", "", 0, 0, 0, "V9", kTipoEleVertice);
             c.d.S.AddElemento(54, kDominioMct, false, "", "", 0, 0, 0, "M9", kTipoMctMassa);
             c.d.S.AddElemento(55, kDominioEle, true, "", "R", 3, 0, 0, "R8", kTipoEleResistor);
             // A negative terminal count gives no slots rather than a huge allocation.
             c.d.S.AddElemento(56, kDominioEle, true, "", "R", -3, 0, 0, "R7", kTipoEleResistor);
         },
         {"X1: tipo de elemento 99 desconhecido.", "Fio1: tipo de elemento 49 desconhecido.",
          "R9: o domínio 3 não é o do seu tipo (2).", "V9: um vértice marcado como componente.",
          "M9: um componente marcado como vértice.", "R8 tem 3 terminais, e seu tipo tem 2.",
          "R7 tem -3 terminais, e seu tipo tem 2."}},
        {"the friction kinds need both of their gains",
         [](TCircuito& c) {
             c.FechaC1();
             const auto j = c.d.Comp(kTipoMcrInerciaAtrito, "J1", "J1");
             const auto x = c.d.Vert(kTipoMcrVertice, "X");
             c.d.Liga(j, {x, x});
         },
         {"O ganho de J1 deve ter duas partes separadas por \";\"."}},
        {"a wire must be of the domain of both of its terminals",
         [](TCircuito& c) {
             c.FechaC1();
             const auto motor = c.d.Comp(kTipoAcpEleMcr, "Motor", "a;b;c;d");
             const auto w = c.d.Vert(kTipoMcrVertice, "W");
             const auto x = c.d.Vert(kTipoMctVertice, "X");
             c.d.Liga(motor, {c.n1, c.n0});
             c.d.Liga(c.d.Comp(kTipoMctMassa, "M1", "M1"), {x, x});
             c.d.S.AddConexao(100, kDominioMct, x, 1, w, 1);
             c.d.S.AddConexao(101, kDominioEle, w, 1, c.n0, 1);
             c.d.S.AddConexao(102, kDominioAcpEleMct, c.n0, 1, c.n1, 1);
             // The motor's third terminal is rotational.
             c.d.S.AddConexao(103, kDominioEle, motor, 3, c.n2, 1);
         },
         {"A conexão 100 (domínio 3) não pode chegar ao terminal 1 de W.",
          "A conexão 101 (domínio 2) não pode chegar ao terminal 1 de W.",
          "A conexão 102 tem o domínio 6, que não é de conexão.",
          "A conexão 103 (domínio 2) não pode chegar ao terminal 3 de Motor."}},
    };
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        TCircuito c;
        caso.Estragar(c);
        EsperaRecusa(c.d.S, caso.Problemas);
    }
}

// The circuit closed, a transformer T1 beside R1, a translational reference on a vertex of its own
// and a voltage source Vc controlled by `controle`.
void ComControle(TCircuito& c, const std::string& controle) {
    c.FechaC1();
    c.d.Liga(c.d.Comp(kTipoEleTransformador, "T1", "N"), {c.n1, c.n0, c.n2, c.n0});
    c.d.Liga(c.d.Comp(kTipoMctReferencia, "Ref1", "Ref"), {c.d.Vert(kTipoMctVertice, "X")});
    c.d.Liga(c.d.Comp(kTipoEleFonteTensaoCtrl, "Vc", "Kv", controle), {c.n2, c.n0});
}

TEST(SisRecusa, ControlVariablesMustNameABranchOfTheSystem) {
    // Any domain's letters, in either case; a two-branch component's branches by their suffixes;
    // even the source itself.
    for (const std::string ok : {"i(r1)", "W(C1)", "v(T1_P2)", "i(Vc)"}) {
        TCircuito c;
        ComControle(c, ok);
        EXPECT_TRUE(c.d.S.Verificar().empty()) << ok;
        EXPECT_NE(c.d.S.ToGraph().Grafo, nullptr) << ok;
    }
    // The controlling component was deleted; a bare name of a two-branch component; a reference,
    // which gives no branch; a vertex; texts that are no variable at all, only the first letter of
    // which may be rewritten.
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

TEST(SisRecusa, ASystemConvertsOnceOnly) {
    TCircuito c;
    c.FechaC1();
    ASSERT_NE(c.d.S.ToGraph().Grafo, nullptr);
    // The model was consumed (it now holds the numbers the conversion gave): a second run would
    // number a normalised model over again.
    const TConversaoSistema segunda = c.d.S.ToGraph();
    EXPECT_EQ(segunda.Grafo, nullptr);
    EXPECT_EQ(segunda.Problemas, Linhas{"O sistema já foi convertido em grafo."});
}

TEST(SisRecusa, IdentifiersTooCloseToTheLimit) {
    // Two wires between two components: the conversion issues two vertices and four wires, and the
    // check allows for three identifiers per wire and one per reference.
    const auto sistema = [](std::int32_t primeiro) {
        auto s = std::make_unique<TSistema>();
        s->AddElemento(primeiro, kDominioEle, true, "", "R", 2, 0, 0, "R1", kTipoEleResistor);
        s->AddElemento(primeiro + 1, kDominioEle, true, "", "L", 2, 0, 0, "L1", kTipoEleIndutor);
        s->AddConexao(primeiro + 2, kDominioEle, primeiro, 1, primeiro + 1, 1);
        s->AddConexao(primeiro + 3, kDominioEle, primeiro, 2, primeiro + 1, 2);
        return s;
    };
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const auto cabe = sistema(kMax - 12);
    const TConversaoSistema c = cabe->ToGraph();
    ASSERT_NE(c.Grafo, nullptr);
    EXPECT_EQ(testsis::Texto(*c.Grafo),
              (Linhas{"V 1 _Vertice1 0,0", "V 2 _Vertice2 0,0", "R 1 2 R1 R 1>2", "R 2 2 L1 L.S 1>2"}));
    EXPECT_EQ(cabe->MaiorId(), kMax - 3);
    EsperaRecusa(*sistema(kMax - 11), {"Os identificadores dos objetos do sistema são grandes demais."});
}
