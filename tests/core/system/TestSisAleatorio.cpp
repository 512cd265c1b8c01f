#include "SisTestUtil.h"

#include "system/UnitSisRamos.h"
#include "system/UnitSisSistema.h"
#include "system/UnitSisTipo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

// Random systems of every kind: each terminal wired once, to a vertex of its domain or straight to
// another component, vertices wired into chains and rings, controlled sources following random
// branches. A sound system must convert into a consistent graph; a system with one planted fault
// must be refused, unchanged. Run under the sanitizers, no system may touch freed memory.

using namespace brelix;

namespace {

enum class TFalta { Nenhuma, TerminalLivre, FioDuplo, ObjetoAusente, DominioErrado, ControleAusente };

struct TTerminal {
    std::int32_t Id;
    std::int32_t T;
    std::int32_t Dominio;
};

struct TAleatorio {
    TSistema S;
    int Componentes = 0;
    int Vertices = 0;
    int RamosEsperados = 0;
    int ControladasEsperadas = 0;
};

std::string Nome(const char* prefixo, std::int32_t id) {
    return prefixo + std::to_string(id);
}

void Montar(TAleatorio& a, std::mt19937& rng, TFalta falta) {
    const auto sorteio = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::int32_t id = 0;

    // Components of random kinds, vertices of every domain, in a shuffled creation order.
    struct TNovo {
        std::int32_t Tipo;
        bool Componente;
    };
    std::vector<TNovo> novos;
    const int nComp = 1 + sorteio(9);
    for (int k = 0; k < nComp; ++k) {
        std::int32_t tipo = 0;
        do
            tipo = 2 + sorteio(47);
        while (TipoEhVertice(tipo));
        novos.push_back({tipo, true});
    }
    for (const std::int32_t tipo : {kTipoEleVertice, kTipoMctVertice, kTipoMcrVertice, kTipoHidVertice})
        for (int k = 1 + sorteio(3); k > 0; --k)
            novos.push_back({tipo, false});
    std::shuffle(novos.begin(), novos.end(), rng);

    // The branch names are known before anything is added: identifiers follow the creation order.
    std::vector<std::string> ramos;
    for (std::size_t k = 0; k < novos.size(); ++k)
        for (const TRamoDoTipo& r : RamosDoTipo(novos[k].Tipo))
            if (novos[k].Componente)
                ramos.push_back(Nome("C", static_cast<std::int32_t>(k + 1)) + std::string(r.Sufixo));

    std::vector<TTerminal> terminais;
    std::vector<std::vector<std::int32_t>> verticesDe(6);
    bool controleApagado = false;
    for (const TNovo& n : novos) {
        ++id;
        if (!n.Componente) {
            a.S.AddElemento(id, DominioDoTipo(n.Tipo), false, {}, {}, 0, sorteio(500), sorteio(500),
                            Nome("V", id), n.Tipo);
            verticesDe[static_cast<std::size_t>(DominioDoTipo(n.Tipo))].push_back(id);
            ++a.Vertices;
            continue;
        }
        std::string ganho = TipoEhMassaAtrito(n.Tipo) ? "M" + std::to_string(id) + ";B" + std::to_string(id)
                                                      : "G" + std::to_string(id);
        if (DominioDoTipo(n.Tipo) >= kDominioAcpEleMct) ganho = "a;0;0,5.b;c^-1";
        // A controlled source follows a random branch, written with a domain letter as a document
        // would; the planted fault points the first one at a component that is gone.
        std::string controle;
        if (TipoEhFonteCtrl(n.Tipo)) {
            ++a.ControladasEsperadas;
            const std::string letra = sorteio(2) == 0 ? "v" : "T";
            controle =
                letra + "(" + ramos[static_cast<std::size_t>(sorteio(static_cast<int>(ramos.size())))] + ")";
            if (falta == TFalta::ControleAusente && !controleApagado) {
                controle = "v(Apagado)";
                controleApagado = true;
            }
        }
        a.S.AddElemento(id, DominioDoTipo(n.Tipo), true, controle, ganho, TerminaisDoTipo(n.Tipo),
                        sorteio(500), sorteio(500), Nome("C", id), n.Tipo);
        for (std::int32_t t = 1; t <= TerminaisDoTipo(n.Tipo); ++t)
            terminais.push_back({id, t, DominioDoTerminal(n.Tipo, t)});
        a.RamosEsperados += static_cast<int>(RamosDoTipo(n.Tipo).size());
        ++a.Componentes;
    }

    std::shuffle(terminais.begin(), terminais.end(), rng);
    std::vector<bool> usado(terminais.size(), false);
    const auto fio = [&](std::int32_t dominio, std::int32_t id1, std::int32_t t1, std::int32_t id2,
                         std::int32_t t2) {
        if (sorteio(2) == 0)
            a.S.AddConexao(++id, dominio, id1, t1, id2, t2);
        else
            a.S.AddConexao(++id, dominio, id2, t2, id1, t1);
    };
    for (std::size_t i = 0; i < terminais.size(); ++i) {
        if (usado[i]) continue;
        usado[i] = true;
        const TTerminal& t = terminais[i];
        if (falta == TFalta::TerminalLivre && i == 0) continue;
        // Now and then straight to the next free terminal of the same domain.
        if (sorteio(4) == 0) {
            std::size_t j = i + 1;
            while (j < terminais.size() && (usado[j] || terminais[j].Dominio != t.Dominio))
                ++j;
            if (j < terminais.size()) {
                usado[j] = true;
                fio(t.Dominio, t.Id, t.T, terminais[j].Id, terminais[j].T);
                continue;
            }
        }
        const auto& vs = verticesDe[static_cast<std::size_t>(t.Dominio)];
        fio(t.Dominio, t.Id, t.T, vs[static_cast<std::size_t>(sorteio(static_cast<int>(vs.size())))], 1);
    }
    // Wires between vertices: chains, rings and loops on one vertex.
    for (int d = kDominioEle; d <= kDominioHid; ++d) {
        const auto& vs = verticesDe[static_cast<std::size_t>(d)];
        for (int k = sorteio(4); k > 0; --k)
            fio(d, vs[static_cast<std::size_t>(sorteio(static_cast<int>(vs.size())))], 1,
                vs[static_cast<std::size_t>(sorteio(static_cast<int>(vs.size())))], 1);
    }

    const TTerminal& t = terminais.front();
    switch (falta) {
    case TFalta::FioDuplo:
        fio(t.Dominio, t.Id, t.T, verticesDe[static_cast<std::size_t>(t.Dominio)].front(), 1);
        break;
    case TFalta::ObjetoAusente:
        a.S.AddConexao(++id, t.Dominio, t.Id, t.T, 100000, 1);
        break;
    case TFalta::DominioErrado: {
        // A wire from a vertex of one domain to a vertex of another.
        const std::int32_t outro = t.Dominio == kDominioEle ? kDominioHid : kDominioEle;
        fio(t.Dominio, verticesDe[static_cast<std::size_t>(t.Dominio)].front(), 1,
            verticesDe[static_cast<std::size_t>(outro)].front(), 1);
        break;
    }
    default:
        break;
    }
}

void ConferirGrafo(const TAleatorio& a, const TGrafo& g, const std::vector<std::string>& adicionados,
                   const std::vector<std::string>& removidos) {
    std::set<std::int32_t> ids;
    for (const auto& v : g.Vertices())
        EXPECT_TRUE(ids.insert(v->Id).second) << "vertex " << v->Id << " twice";
    ASSERT_EQ(g.RamoCount(), a.RamosEsperados);
    for (int i = 0; i < g.RamoCount(); ++i) {
        const TRamo& r = g.Ramo(i);
        EXPECT_EQ(r.Id, i + 1);
        EXPECT_TRUE(ids.contains(r.Origem));
        EXPECT_TRUE(ids.contains(r.Destino));
        // Controlled sources, and only they, close the list.
        const bool controlada = r.Tipo == kRamoFonteEsforcoCtrl || r.Tipo == kRamoFonteFluxoCtrl;
        EXPECT_EQ(controlada, i >= a.RamosEsperados - a.ControladasEsperadas) << r.Nome;
        EXPECT_EQ(controlada, !r.Controle.empty()) << r.Nome;
        if (r.Par != 0) {
            const TRamo* outro = g.FindRamo(r.Par);
            ASSERT_NE(outro, nullptr);
            EXPECT_EQ(outro->Par, r.Id);
        }
    }
    // Every drawn vertex either is still in the model or was reported as removed; every vertex the
    // conversion added was reported.
    int desenhados = 0;
    for (const TElemento& e : a.S.Elementos())
        if (!e.Componente && e.Nome.starts_with("V")) ++desenhados;
    EXPECT_EQ(desenhados + static_cast<int>(removidos.size()), a.Vertices);
    EXPECT_EQ(static_cast<int>(adicionados.size()), a.S.ContVerticesAdicionados());
    EXPECT_EQ(testsis::FaltaNoModeloConvertido(a.S), "");
}

} // namespace

TEST(SisAleatorio, SoundSystemsConvertAndFaultySystemsAreRefusedUnchanged) {
    std::mt19937 rng(20240611);
    int convertidos = 0;
    for (int caso = 0; caso < 3000; ++caso) {
        const auto falta = static_cast<TFalta>(caso % 6);
        TAleatorio a;
        Montar(a, rng, falta);
        const int elementos = a.S.Elementos().Count();
        const int fios = a.S.Conexoes().Count();
        std::vector<std::string> adicionados, removidos;
        const bool semFalta =
            falta == TFalta::Nenhuma || (falta == TFalta::ControleAusente && a.ControladasEsperadas == 0);
        EXPECT_EQ(a.S.Verificar().empty(), semFalta) << "case " << caso;
        const TConversaoSistema c = a.S.ToGraph(adicionados, removidos);
        if (!semFalta) {
            EXPECT_EQ(c.Grafo, nullptr) << "case " << caso;
            EXPECT_EQ(a.S.Elementos().Count(), elementos);
            EXPECT_EQ(a.S.Conexoes().Count(), fios);
            continue;
        }
        ASSERT_NE(c.Grafo, nullptr) << "case " << caso << ": " << c.Problemas.front();
        ConferirGrafo(a, *c.Grafo, adicionados, removidos);
        ++convertidos;
    }
    EXPECT_GT(convertidos, 500);
}
