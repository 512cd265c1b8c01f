#include "SisTestUtil.h"

#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace brelix;
using testsis::TDesenho;
using Linhas = std::vector<std::string>;

namespace {

// A series circuit Vs - R1 - C1 on three vertices; `estragar` then damages it.
struct TCircuito {
    TDesenho d;
    std::int32_t vs, r1, c1, n1, n2, n0;
    TCircuito() {
        vs = d.Comp(kTipoEleFonteTensao, "Vs", "Vs");
        r1 = d.Comp(kTipoEleResistor, "R1", "R1");
        c1 = d.Comp(kTipoEleCapacitor, "C1", "C1");
        n1 = d.Vert(kTipoEleVertice, "N1");
        n2 = d.Vert(kTipoEleVertice, "N2");
        n0 = d.Vert(kTipoEleVertice, "N0");
        d.Liga(vs, {n1, n0});
        d.Liga(r1, {n1, n2});
    }
    void FechaC1() { d.Liga(c1, {n2, n0}); }
};

// Refused with exactly these lines, and left as it was: same elements, wires and identifiers, no
// name reported as added or removed; a second attempt says the same.
void EsperaRecusa(TSistema& s, const Linhas& esperado) {
    const int elementos = s.Elementos().Count();
    const int fios = s.Conexoes().Count();
    const std::int32_t maiorId = s.MaiorId();
    Linhas adicionados, removidos;
    const TConversaoSistema c = s.ToGraph(adicionados, removidos);
    EXPECT_EQ(c.Grafo, nullptr);
    EXPECT_EQ(c.Problemas, esperado);
    EXPECT_TRUE(adicionados.empty());
    EXPECT_TRUE(removidos.empty());
    EXPECT_EQ(s.Elementos().Count(), elementos);
    EXPECT_EQ(s.Conexoes().Count(), fios);
    EXPECT_EQ(s.MaiorId(), maiorId);
    for (const TElemento& e : s.Elementos())
        EXPECT_EQ(e.Numero, 0) << e.Nome;
    EXPECT_EQ(s.ToGraph().Problemas, esperado);
}

} // namespace

TEST(SisRecusa, SoundCircuitConvertsOnceOnly) {
    TCircuito c;
    c.FechaC1();
    const auto f = c.d.Comp(kTipoMctFonteForca, "F1", "F");
    const auto m = c.d.Comp(kTipoMctMassa, "M1", "M");
    const auto x = c.d.Vert(kTipoMctVertice, "X");
    c.d.Liga(f, {x});
    c.d.Liga(m, {x, x});
    EXPECT_TRUE(c.d.S.Verificar().empty());
    const TConversaoSistema primeira = c.d.S.ToGraph();
    ASSERT_NE(primeira.Grafo, nullptr);
    EXPECT_EQ(primeira.Grafo->RamoCount(), 5);
    // The model was consumed (it now holds the reference the conversion added): a second run would
    // number a normalised model over again.
    const TConversaoSistema segunda = c.d.S.ToGraph();
    EXPECT_EQ(segunda.Grafo, nullptr);
    EXPECT_EQ(segunda.Problemas, Linhas{"O sistema já foi convertido em grafo."});
}

TEST(SisRecusa, TerminalsWithoutOrWithSeveralWires) {
    {
        TCircuito c; // C1 left unwired
        EsperaRecusa(c.d.S,
                     {"O terminal 1 de C1 não está conectado.", "O terminal 2 de C1 não está conectado."});
    }
    {
        TCircuito c;
        c.d.Fio(c.c1, 1, c.n2, 1);
        EsperaRecusa(c.d.S, {"O terminal 2 de C1 não está conectado."});
    }
    {
        // A second wire on one terminal would leave one of the two vertices out of the branch.
        TCircuito c;
        c.FechaC1();
        c.d.Fio(c.r1, 2, c.n0, 1);
        EsperaRecusa(c.d.S, {"O terminal 2 de R1 tem mais de uma conexão."});
    }
    {
        // Two wires between two components would both be split, each with a vertex of its own.
        TCircuito c;
        c.FechaC1();
        const auto l1 = c.d.Comp(kTipoEleIndutor, "L1", "L1");
        c.d.Fio(l1, 1, c.vs, 1);
        c.d.Fio(l1, 1, c.vs, 1);
        c.d.Fio(l1, 2, c.n0, 1);
        EsperaRecusa(c.d.S, {"O terminal 1 de Vs tem mais de uma conexão.",
                             "O terminal 1 de L1 tem mais de uma conexão."});
    }
    {
        // A terminal wired to itself counts twice.
        TCircuito c;
        c.FechaC1();
        const auto l1 = c.d.Comp(kTipoEleIndutor, "L1", "L1");
        c.d.Fio(l1, 1, l1, 1);
        c.d.Fio(l1, 2, c.n0, 1);
        EsperaRecusa(c.d.S, {"O terminal 1 de L1 tem mais de uma conexão."});
    }
}

TEST(SisRecusa, WiresWhoseEndsWereDeleted) {
    TCircuito c;
    c.FechaC1();
    // A wire left behind when its vertex was deleted from the document.
    EXPECT_EQ(c.d.S.AddConexao(90, kDominioEle, c.r1, 1, 777, 1), nullptr);
    EsperaRecusa(c.d.S, {"A conexão 90 liga o objeto 777, que não existe no sistema."});
}

TEST(SisRecusa, ControlVariablesMustNameABranchOfTheSystem) {
    const auto sistema = [](const std::string& controle, const std::function<void(TDesenho&)>& extra = {}) {
        auto c = std::make_unique<TCircuito>();
        c->FechaC1();
        const auto t = c->d.Comp(kTipoEleTransformador, "T1", "N");
        const auto mb = c->d.Comp(kTipoMctMassaAtrito, "MB1", "M;B");
        const auto ref = c->d.Comp(kTipoMctReferencia, "Ref1", "Ref");
        const auto x = c->d.Vert(kTipoMctVertice, "X");
        c->d.Liga(t, {c->n1, c->n0, c->n2, c->n0});
        c->d.Liga(mb, {x, x});
        c->d.Liga(ref, {x});
        const auto vc = c->d.Comp(kTipoEleFonteTensaoCtrl, "Vc", "Kv", controle);
        c->d.Liga(vc, {c->n2, c->n0});
        if (extra) extra(c->d);
        return c;
    };
    // Letter case is ignored, as in every lookup of a variable by name; two-branch components name
    // their branches with their suffixes.
    for (const std::string ok :
         {"v(R1)", "i(r1)", "F(C1)", "v(T1_P2)", "i(t1_p1)", "V(MB1_M)", "F(MB1_B)", "v(Vs)", "i(Vc)"}) {
        const auto c = sistema(ok);
        EXPECT_TRUE(c->d.S.Verificar().empty()) << ok;
        EXPECT_NE(c->d.S.ToGraph().Grafo, nullptr) << ok;
    }
    // The controlling component was deleted; a bare name of a two-branch component; a reference,
    // which gives no branch; a vertex; texts that are no variable at all.
    for (const std::string falha :
         {"v(R9)", "v(T1)", "V(MB1)", "V(Ref1)", "v(N1)", "E()", "E(R1", "R1", "Z(R1)"}) {
        const auto c = sistema(falha);
        const std::string lida = VariavelDeGrafo(falha);
        EsperaRecusa(c->d.S, {"A variável de controle " + lida +
                              " de Vc não é variável de nenhum elemento do sistema."});
    }
    const auto c = sistema("");
    EsperaRecusa(c->d.S, {"A fonte controlada Vc não tem variável de controle."});
}

TEST(SisRecusa, ElementsThatContradictTheirKind) {
    {
        TCircuito c;
        c.FechaC1();
        c.d.S.AddElemento(50, kDominioEle, true, "", "X", 2, 0, 0, "X1", 99);
        c.d.S.AddElemento(51, kDominioEle, true, "", "X", 0, 0, 0, "Fio1", kTipoEleConexao);
        c.d.S.AddElemento(52, kDominioMct, true, "", "R", 2, 0, 0, "R9", kTipoEleResistor);
        c.d.S.AddElemento(53, kDominioEle, true, "", "", 0, 0, 0, "V9", kTipoEleVertice);
        c.d.S.AddElemento(54, kDominioMct, false, "", "", 0, 0, 0, "M9", kTipoMctMassa);
        c.d.S.AddElemento(55, kDominioEle, true, "", "R", 3, 0, 0, "R8", kTipoEleResistor);
        EsperaRecusa(c.d.S,
                     {"X1: tipo de elemento 99 desconhecido.", "Fio1: tipo de elemento 49 desconhecido.",
                      "R9: o domínio 3 não é o do seu tipo (2).", "V9: um vértice marcado como componente.",
                      "M9: um componente marcado como vértice.", "R8 tem 3 terminais, e seu tipo tem 2."});
    }
    {
        // The friction kinds need both of their gains.
        TDesenho d;
        const auto mb = d.Comp(kTipoMcrInerciaAtrito, "J1", "J1");
        const auto x = d.Vert(kTipoMcrVertice, "X");
        d.Liga(mb, {x, x});
        EsperaRecusa(d.S, {"O ganho de J1 deve ter duas partes separadas por \";\"."});
    }
}

TEST(SisRecusa, WiresMustBeOfTheDomainOfBothTerminals) {
    TDesenho d;
    const auto motor = d.Comp(kTipoAcpEleMcr, "Motor", "a;b;c;d");
    const auto m = d.Comp(kTipoMctMassa, "M1", "M1");
    const auto [n1, n0] = d.Verts(kTipoEleVertice, {"N1", "N0"});
    const auto w = d.Vert(kTipoMcrVertice, "W");
    const auto x = d.Vert(kTipoMctVertice, "X");
    d.Liga(motor, {n1, n0, w});
    d.Liga(m, {x, x});
    d.Fio(n1, 1, n0, 1); // fine: electrical to electrical
    d.S.AddConexao(100, kDominioMct, x, 1, w, 1);
    d.S.AddConexao(101, kDominioEle, w, 1, n0, 1);
    d.S.AddConexao(102, kDominioAcpEleMct, n0, 1, n1, 1);
    EsperaRecusa(d.S, {"A conexão 100 (domínio 3) não pode chegar ao terminal 1 de W.",
                       "A conexão 101 (domínio 2) não pode chegar ao terminal 1 de W.",
                       "A conexão 102 tem o domínio 6, que não é de conexão."});

    // The motor's third terminal is rotational: an electrical wire there is refused.
    TDesenho e;
    const auto motor2 = e.Comp(kTipoAcpEleMcr, "Motor", "a;b;c;d");
    const auto [a, b] = e.Verts(kTipoEleVertice, {"A", "B"});
    e.Liga(motor2, {a, b});
    e.S.AddConexao(50, kDominioEle, motor2, 3, a, 1);
    EsperaRecusa(e.S, {"A conexão 50 (domínio 2) não pode chegar ao terminal 3 de Motor."});
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

    const auto naoCabe = sistema(kMax - 11);
    EsperaRecusa(*naoCabe, {"Os identificadores dos objetos do sistema são grandes demais."});
}
