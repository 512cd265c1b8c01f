// Random systems of every kind, each terminal wired once to a vertex or straight to another component,
// vertices in chains and rings, controlled sources following random branches: a sound system converts
// into a consistent graph, one with a planted fault is refused unchanged, none touches freed memory.

#include "SisTestUtil.h"

#include "system/UnitSisRamos.h"

#include <algorithm>
#include <random>
#include <set>
#include <unordered_set>

using namespace brelix;

namespace {

enum class TFalta { Nenhuma, TerminalLivre, FioDuplo, ObjetoAusente, DominioErrado, ControleAusente };

struct TAleatorio {
    testsis::TDesenho d;
    int Vertices = 0, RamosEsperados = 0, ControladasEsperadas = 0;
};

void Montar(TAleatorio& a, std::mt19937& rng, TFalta falta) {
    const auto sorteio = [&](std::size_t n) { return static_cast<std::int32_t>(rng() % n); };
    // Components of random kinds, then vertices of every domain (as negative kinds), shuffled.
    std::vector<std::int32_t> novos;
    for (std::int32_t k = 1 + sorteio(9); k > 0; --k) {
        std::int32_t tipo = 0;
        do
            tipo = 2 + sorteio(47);
        while (TipoEhVertice(tipo));
        novos.push_back(tipo);
    }
    for (const std::int32_t tipo : {kTipoEleVertice, kTipoMctVertice, kTipoMcrVertice, kTipoHidVertice})
        for (std::int32_t k = 1 + sorteio(3); k > 0; --k)
            novos.push_back(-tipo);
    std::shuffle(novos.begin(), novos.end(), rng);
    // The branch names are known before anything is added: identifiers follow the creation order.
    std::vector<std::string> ramos;
    for (std::size_t k = 0; k < novos.size(); ++k)
        if (novos[k] > 0)
            for (const TRamoDoTipo& r : RamosDoTipo(novos[k]))
                ramos.push_back("C" + std::to_string(k + 1) + std::string(r.Sufixo));

    struct TTerminal {
        std::int32_t Id, T, Dominio;
    };
    std::vector<TTerminal> terminais;
    std::vector<std::vector<std::int32_t>> verticesDe(6);
    bool controleApagado = false;
    for (std::size_t k = 0; k < novos.size(); ++k) {
        const std::int32_t n = novos[k], left = sorteio(500), top = sorteio(500);
        const std::string sid = std::to_string(k + 1);
        if (n < 0) {
            verticesDe[static_cast<std::size_t>(DominioDoTipo(-n))].push_back(
                a.d.Vert(-n, "V" + sid, left, top));
            ++a.Vertices;
            continue;
        }
        std::string ganho = TipoEhMassaAtrito(n) ? "M" + sid + ";B" + sid : "G" + sid;
        if (DominioDoTipo(n) >= kDominioAcpEleMct) ganho = "a;0;0,5.b;c^-1";
        // A controlled source follows a random branch, written with a domain letter as a document
        // would; the planted fault points the first one at a component that is gone.
        std::string controle;
        if (TipoEhFonteCtrl(n)) {
            ++a.ControladasEsperadas;
            controle = (sorteio(2) == 0 ? "v(" : "T(") +
                       ramos[static_cast<std::size_t>(sorteio(ramos.size()))] + ")";
            if (falta == TFalta::ControleAusente && !controleApagado) controle = "v(Apagado)";
            controleApagado = falta == TFalta::ControleAusente;
        }
        const std::int32_t id = a.d.Comp(n, "C" + sid, ganho, controle, left, top);
        for (std::int32_t t = 1; t <= TerminaisDoTipo(n); ++t)
            terminais.push_back({id, t, DominioDoTerminal(n, t)});
        a.RamosEsperados += static_cast<int>(RamosDoTipo(n).size());
    }

    const auto fio = [&](std::int32_t id1, std::int32_t t1, std::int32_t id2, std::int32_t t2) {
        if (sorteio(2) == 0)
            a.d.Fio(id1, t1, id2, t2);
        else
            a.d.Fio(id2, t2, id1, t1);
    };
    const auto vertice = [&](std::int32_t dominio, bool primeiro = false) {
        const auto& vs = verticesDe[static_cast<std::size_t>(dominio)];
        return primeiro ? vs.front() : vs[static_cast<std::size_t>(sorteio(vs.size()))];
    };
    std::shuffle(terminais.begin(), terminais.end(), rng);
    std::vector<bool> usado(terminais.size(), false);
    for (std::size_t i = 0; i < terminais.size(); ++i) {
        if (usado[i]) continue;
        usado[i] = true;
        const TTerminal& t = terminais[i];
        if (falta == TFalta::TerminalLivre && i == 0) continue;
        // Now and then straight to the next free terminal of the same domain.
        std::size_t j = i + 1;
        while (j < terminais.size() && (usado[j] || terminais[j].Dominio != t.Dominio))
            ++j;
        if (sorteio(4) == 0 && j < terminais.size()) {
            usado[j] = true;
            fio(t.Id, t.T, terminais[j].Id, terminais[j].T);
        } else {
            fio(t.Id, t.T, vertice(t.Dominio), 1);
        }
    }
    // Wires between vertices: chains, rings and loops on one vertex.
    for (std::int32_t d = kDominioEletrico; d <= kDominioHidraulico; ++d)
        for (std::int32_t k = sorteio(4); k > 0; --k)
            fio(vertice(d), 1, vertice(d), 1);

    const TTerminal& t = terminais.front();
    if (falta == TFalta::FioDuplo) fio(t.Id, t.T, vertice(t.Dominio, true), 1);
    if (falta == TFalta::ObjetoAusente) a.d.Fio(t.Id, t.T, 100000, 1);
    const std::int32_t outro = t.Dominio == kDominioEletrico ? kDominioHidraulico : kDominioEletrico;
    if (falta == TFalta::DominioErrado) fio(vertice(t.Dominio, true), 1, vertice(outro, true), 1);
}

// Vertices unique; branches numbered in order between vertices of the graph, controlled sources (and
// only they) last and with their variables, two-port halves naming each other; every drawn vertex
// either kept or reported removed, every added one reported. In the converted model every wire end
// and neighbour slot is an element the model still owns, and every wire joins a component terminal to
// a numbered vertex, which the component sees at that terminal.
void ConferirGrafo(const TAleatorio& a, const TGrafo& g, const std::vector<std::string>& adicionados,
                   const std::vector<std::string>& removidos) {
    std::set<std::int32_t> ids;
    for (const auto& v : g.Vertices())
        EXPECT_TRUE(ids.insert(v->Id).second) << "vertex " << v->Id << " twice";
    ASSERT_EQ(g.RamoCount(), a.RamosEsperados);
    for (int i = 0; i < g.RamoCount(); ++i) {
        const TRamo& r = g.Ramo(i);
        EXPECT_EQ(r.Id, i + 1);
        EXPECT_TRUE(ids.contains(r.Origem) && ids.contains(r.Destino)) << r.Nome;
        const bool controlada = r.Tipo == kRamoFonteEsforcoCtrl || r.Tipo == kRamoFonteFluxoCtrl;
        EXPECT_EQ(controlada, i >= a.RamosEsperados - a.ControladasEsperadas) << r.Nome;
        EXPECT_EQ(controlada, !r.Controle.empty()) << r.Nome;
        const TRamo* par = r.Par != 0 ? g.FindRamo(r.Par) : &r;
        EXPECT_TRUE(par != nullptr && (par == &r || par->Par == r.Id)) << r.Nome;
    }
    int desenhados = 0;
    std::unordered_set<const TElemento*> vivos;
    for (const TElemento& e : a.d.S.Elementos()) {
        desenhados += !e.Componente && e.Nome.starts_with("V") ? 1 : 0;
        vivos.insert(&e);
    }
    EXPECT_EQ(desenhados + static_cast<int>(removidos.size()), a.Vertices);
    EXPECT_EQ(static_cast<int>(adicionados.size()), a.d.S.ContVerticesAdicionados());
    for (const TElemento& e : a.d.S.Elementos())
        for (const TElemento* v : e.Neighbours())
            EXPECT_TRUE(v == nullptr || vivos.contains(v)) << e.Nome << " sees a freed element";
    for (const TConexao& c : a.d.S.Conexoes()) {
        ASSERT_TRUE(vivos.contains(c.Elemento1()) && vivos.contains(c.Elemento2())) << "wire " << c.Id;
        const bool primeiro = c.Elemento1()->Componente;
        ASSERT_NE(primeiro, c.Elemento2()->Componente) << "wire " << c.Id << " is not component to vertex";
        const TElemento* comp = primeiro ? c.Elemento1() : c.Elemento2();
        const TElemento* vert = primeiro ? c.Elemento2() : c.Elemento1();
        EXPECT_NE(vert->Numero, 0) << "wire " << c.Id;
        EXPECT_EQ(comp->Neighbour(primeiro ? c.Terminal1 : c.Terminal2), vert) << "wire " << c.Id;
    }
}

} // namespace

TEST(SisAleatorio, SoundSystemsConvertAndFaultySystemsAreRefusedUnchanged) {
    std::mt19937 rng(20240611);
    int convertidos = 0;
    for (int caso = 0; caso < 3000; ++caso) {
        const auto falta = static_cast<TFalta>(caso % 6);
        TAleatorio a;
        Montar(a, rng, falta);
        const int elementos = a.d.S.Elementos().Count(), fios = a.d.S.Conexoes().Count();
        std::vector<std::string> adicionados, removidos;
        const bool semFalta =
            falta == TFalta::Nenhuma || (falta == TFalta::ControleAusente && a.ControladasEsperadas == 0);
        EXPECT_EQ(a.d.S.Verificar().empty(), semFalta) << "case " << caso;
        const TConversaoSistema c = a.d.S.ToGraph(adicionados, removidos);
        if (!semFalta) {
            EXPECT_EQ(c.Grafo, nullptr) << "case " << caso;
            EXPECT_EQ(std::pair(a.d.S.Elementos().Count(), a.d.S.Conexoes().Count()),
                      std::pair(elementos, fios));
            continue;
        }
        ASSERT_NE(c.Grafo, nullptr) << "case " << caso << ": " << c.Problemas.front();
        ConferirGrafo(a, *c.Grafo, adicionados, removidos);
        ++convertidos;
    }
    EXPECT_GT(convertidos, 500);
}
