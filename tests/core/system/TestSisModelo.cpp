#include "SisTestUtil.h"

#include "system/UnitSisElemento.h"
#include "system/UnitSisListConexao.h"
#include "system/UnitSisListElemento.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brelix;
using testsis::TDesenho;

namespace {

std::vector<const TElemento*> Vizinhos(const TElemento& e) {
    return {e.Neighbours().begin(), e.Neighbours().end()};
}

} // namespace

TEST(SisModelo, ComponentAndVerticesKeepDocumentOrderAndNeighbours) {
    TSistema s;
    const TElemento& r = s.AddElemento(10, kDominioEle, true, "", "R1", 2, 40, 30, "R1", kTipoEleResistor);
    const TElemento& a = s.AddElemento(11, kDominioEle, false, "", "", 0, 5, 6, "A", kTipoEleVertice);
    const TElemento& b = s.AddElemento(12, kDominioEle, false, "", "", 0, 7, 8, "B", kTipoEleVertice);
    ASSERT_NE(s.AddConexao(20, kDominioEle, 10, 2, 12, 1), nullptr);
    ASSERT_NE(s.AddConexao(21, kDominioEle, 11, 1, 10, 1), nullptr);

    ASSERT_EQ(s.Elementos().Count(), 3);
    EXPECT_EQ(&s.Elementos().At(0), &r);
    EXPECT_EQ(&s.Elementos().At(2), &b);
    ASSERT_EQ(s.Conexoes().Count(), 2);
    EXPECT_EQ(s.Conexoes().At(0).Id, 20);
    EXPECT_EQ(s.Conexoes().At(1).Id, 21);
    EXPECT_EQ(s.Conexoes().At(1).Elemento1(), &a);
    EXPECT_EQ(s.Conexoes().At(1).Terminal2, 1);

    // A component answers by terminal, whatever order its wires came in; a vertex only lists them.
    EXPECT_EQ(r.Neighbour(1), &a);
    EXPECT_EQ(r.Neighbour(2), &b);
    EXPECT_EQ(r.Neighbour(0), nullptr);
    EXPECT_EQ(r.Neighbour(3), nullptr);
    EXPECT_EQ(a.Neighbour(1), nullptr);
    EXPECT_EQ(Vizinhos(a), std::vector<const TElemento*>{&r});
    EXPECT_EQ(r.Top, 40);
    EXPECT_EQ(r.Left, 30);
    EXPECT_EQ(s.MaiorId(), 21);
    EXPECT_EQ(s.Contagem(kDominioEle), 3);
}

TEST(SisModelo, CountsPerDomainWithCouplersInBoth) {
    TSistema s;
    s.AddElemento(1, kDominioAcpEleHid, true, "", "a;b;c;d", 3, 0, 0, "A1", kTipoAcpEleHid);
    EXPECT_EQ(s.Contagem(kDominioEle), 1);
    EXPECT_EQ(s.Contagem(kDominioHid), 1);
    EXPECT_EQ(s.Contagem(kDominioMct), 0);
    s.AddElemento(2, kDominioAcpMctMcr, true, "", "a;b;c;d", 2, 0, 0, "A2", kTipoAcpMctMcr);
    s.AddElemento(3, kDominioMcr, true, "", "J", 2, 0, 0, "J", kTipoMcrInercia);
    EXPECT_EQ(s.Contagem(kDominioMct), 1);
    EXPECT_EQ(s.Contagem(kDominioMcr), 2);
    EXPECT_EQ(s.Contagem(kDominioEle), 1);
    EXPECT_EQ(s.Contagem(kDominioAcpMctMcr), 0);
    // The highest identifier follows the largest one seen, never a smaller one.
    s.AddElemento(-5, kDominioEle, false, "", "", 0, 0, 0, "V", kTipoEleVertice);
    EXPECT_EQ(s.MaiorId(), 3);
}

TEST(SisModelo, ControlVariablesBecomeGraphVariables) {
    const auto controle = [](const std::string& texto) {
        return TElemento(1, true, texto, "K", 2, 0, 0, "S1", kTipoEleFonteTensaoCtrl, kDominioEle)
            .VarControle;
    };
    EXPECT_EQ(controle("W(Motor_P2)"), "E(Motor_P2)");
    EXPECT_EQ(controle("i(R1)"), "F(R1)");
    EXPECT_EQ(controle("F(M1)"), "F(M1)");
    EXPECT_EQ(controle("Q(Tq_P2)"), "F(Tq_P2)");
    EXPECT_EQ(controle("T(Eixo)"), "F(Eixo)");
    EXPECT_EQ(controle("v(R1)"), "E(R1)");
    EXPECT_EQ(controle("V(M1_M)"), "E(M1_M)");
    EXPECT_EQ(controle("P(Tubo)"), "E(Tubo)");
    EXPECT_EQ(controle(""), "");
    // Only the first letter is rewritten, and only a domain letter.
    EXPECT_EQ(controle("E(vi)"), "E(vi)");
    EXPECT_EQ(controle("x(R1)"), "x(R1)");
    EXPECT_EQ(controle("é(R1)"), "é(R1)");
}

TEST(SisModelo, GainParts) {
    const auto parte = [](const std::string& ganho, int i) {
        return TElemento(1, true, "", ganho, 2, 0, 0, "M7", kTipoMctMassaAtrito, kDominioMct).GainPart(i);
    };
    EXPECT_EQ(parte("M7;B7", 2), "B7");
    EXPECT_EQ(parte("M7;B7", 1), "M7");
    EXPECT_EQ(parte("M7;B7", 0), "M7;B7");
    EXPECT_EQ(parte("M7;B7", 3), "");
    EXPECT_EQ(parte("R3", 1), "R3");
    EXPECT_EQ(parte("R3", 2), "");
    EXPECT_EQ(parte("a;b;c;0", 4), "0");
    EXPECT_EQ(parte("a;b;c;0", 3), "c");
    EXPECT_EQ(parte("a;;c", 2), "");
    EXPECT_EQ(parte("a;;c", 3), "c");
    EXPECT_EQ(parte("", 1), "");
}

TEST(SisModelo, NeighbourSlotsOfComponentsAndEntriesOfVertices) {
    TElemento c(1, true, "", "R", 2, 0, 0, "R", kTipoEleResistor, kDominioEle);
    TElemento v(2, false, "", "", 0, 0, 0, "V", kTipoEleVertice, kDominioEle);
    TElemento w(3, false, "", "", 0, 0, 0, "W", kTipoEleVertice, kDominioEle);
    EXPECT_TRUE(c.SetNeighbour(2, &v));
    EXPECT_FALSE(c.SetNeighbour(3, &v));
    EXPECT_FALSE(c.SetNeighbour(0, &v));
    EXPECT_EQ(Vizinhos(c), (std::vector<const TElemento*>{nullptr, &v}));
    EXPECT_TRUE(c.SetNeighbour(2, &w)); // a component overwrites its slot
    EXPECT_EQ(c.Neighbour(2), &w);
    c.SetNeighbour(1, &w);
    c.ReplaceNeighbour(&w, &v);
    EXPECT_EQ(Vizinhos(c), (std::vector<const TElemento*>{&v, &v}));

    // A vertex appends, whatever the index; forgetting an element drops its entries.
    v.SetNeighbour(7, &c);
    v.SetNeighbour(1, &w);
    v.SetNeighbour(1, &c);
    EXPECT_EQ(Vizinhos(v), (std::vector<const TElemento*>{&c, &w, &c}));
    v.ForgetNeighbour(&c);
    EXPECT_EQ(Vizinhos(v), std::vector<const TElemento*>{&w});
    c.ForgetNeighbour(&v);
    EXPECT_EQ(Vizinhos(c), (std::vector<const TElemento*>{nullptr, nullptr}));

    // A negative terminal count gives no slots rather than a huge allocation.
    TElemento z(4, true, "", "", -3, 0, 0, "Z", kTipoEleResistor, kDominioEle);
    EXPECT_TRUE(z.Neighbours().empty());
    EXPECT_FALSE(z.SetNeighbour(1, &v));
}

TEST(SisModelo, ElementListFindsFirstAndRemovesWithoutDanglingNeighbours) {
    TListElemento lista;
    TElemento& r = lista.Add(5, true, "", "R", 2, 0, 0, "R", kTipoEleResistor, kDominioEle);
    TElemento& v1 = lista.Add(6, false, "", "", 0, 0, 0, "V1", kTipoEleVertice, kDominioEle);
    TElemento& v2 = lista.Add(6, false, "", "", 0, 0, 0, "V2", kTipoEleVertice, kDominioEle);
    r.SetNeighbour(1, &v1);
    r.SetNeighbour(2, &v2);
    v1.SetNeighbour(1, &r);

    EXPECT_EQ(lista.Find(6), &v1);
    EXPECT_EQ(lista.Find(99), nullptr);
    lista.Remove(99);
    EXPECT_EQ(lista.Count(), 3);

    // Identifiers of a damaged document may repeat: removal by identifier takes the first only.
    lista.Remove(6);
    ASSERT_EQ(lista.Count(), 2);
    EXPECT_EQ(lista.At(1).Nome, "V2");
    EXPECT_EQ(r.Neighbour(1), nullptr);
    EXPECT_EQ(r.Neighbour(2), &v2);

    // Removing the component clears it from the vertex that listed it: ASan would catch a read.
    v2.SetNeighbour(1, &r);
    lista.Remove(&r);
    ASSERT_EQ(lista.Count(), 1);
    EXPECT_TRUE(lista.At(0).Neighbours().empty());
    lista.Remove(&r); // no longer there: nothing happens
    EXPECT_EQ(lista.Count(), 1);
}

TEST(SisModelo, ConnectionRedirectMovesEachSideOnItsOwn) {
    TElemento a(1, false, "", "", 0, 0, 0, "A", kTipoEleVertice, kDominioEle);
    TElemento b(2, false, "", "", 0, 0, 0, "B", kTipoEleVertice, kDominioEle);
    TElemento r(3, true, "", "R", 2, 0, 0, "R", kTipoEleResistor, kDominioEle);

    TListConexao fios;
    fios.Add(10, kDominioEle, &r, 2, &b, 1);
    fios.Add(11, kDominioEle, &b, 1, &b, 1);
    fios.Add(12, kDominioEle, &r, 1, &b, 2);
    EXPECT_EQ(r.Neighbour(2), &b);
    EXPECT_EQ(fios.IndexOf(11), 1);
    EXPECT_EQ(fios.Find(12), &fios.At(2));
    EXPECT_EQ(fios.Find(13), nullptr);
    EXPECT_EQ(fios.IndexOf(13), -1);

    fios.RedirectAll(1, 1, &a, &b);
    // Wire 10 moves at its second end and the resistor now sees A on terminal 2.
    EXPECT_EQ(fios.At(0).Elemento2(), &a);
    EXPECT_EQ(r.Neighbour(2), &a);
    // Both ends of a wire from B to itself move.
    EXPECT_EQ(fios.At(1).Elemento1(), &a);
    EXPECT_EQ(fios.At(1).Elemento2(), &a);
    // An end on another terminal stays, though the neighbours of a moved wire's ends are replaced
    // as a whole: the resistor sees A on both terminals. A system never builds such a wire (a vertex
    // has terminal 1 only), so its vertices always move with all their wires.
    EXPECT_EQ(fios.At(2).Elemento2(), &b);
    EXPECT_EQ(fios.At(2).Terminal2, 2);
    EXPECT_EQ(r.Neighbour(1), &a);

    fios.Remove(13);
    EXPECT_EQ(fios.Count(), 3);
    fios.Remove(11);
    EXPECT_EQ(fios.Count(), 2);
    EXPECT_EQ(fios.At(1).Id, 12);
    fios.ForgetElemento(&b);
    EXPECT_EQ(fios.At(1).Elemento2(), nullptr);
    EXPECT_EQ(fios.At(1).Elemento1(), &r);
}

TEST(SisModelo, WiresToMissingElementsOrTerminalsAreKeptOutAndRefused) {
    TDesenho d;
    const auto r = d.Comp(kTipoEleResistor, "R1", "R1");
    const auto [a, b] = d.Verts(kTipoEleVertice, {"A", "B"});
    d.Liga(r, {a, b});
    EXPECT_EQ(d.S.AddConexao(50, kDominioEle, a, 1, 77, 1), nullptr);
    EXPECT_EQ(d.S.AddConexao(51, kDominioEle, r, 3, a, 1), nullptr);
    EXPECT_EQ(d.S.AddConexao(52, kDominioEle, b, 2, a, 1), nullptr);
    EXPECT_EQ(d.S.Conexoes().Count(), 2);
    EXPECT_EQ(d.S.MaiorId(), 52);

    const std::vector<std::string> esperado = {
        "A conexão 50 liga o objeto 77, que não existe no sistema.",
        "A conexão 51 usa o terminal 3 de R1, que não existe.",
        "A conexão 52 usa o terminal 2 de B, que não existe.",
    };
    EXPECT_EQ(d.S.Verificar(), esperado);
    const TConversaoSistema c = d.S.ToGraph();
    EXPECT_EQ(c.Grafo, nullptr);
    EXPECT_EQ(c.Problemas, esperado);
}
