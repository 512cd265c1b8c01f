#include "graph/UnitGrfEstrutura.h"

#include "common/UnitComTexto.h"
#include "graph/UnitGrfCaminhos.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace brelix {

namespace {

void CopiarRamo(TGrafo& destino, const TRamo& r) {
    destino.AddRamo(r.Id, r.Tipo, r.Nome, r.TextoGanho, r.Origem, r.Destino, r.X, r.Y, r.Par, r.Controle);
}

// The adjacency of an undirected graph with its lookups done once: for every vertex (by position)
// its entries, each with the position of its neighbour (the first vertex of that identifier) and a
// dense index of its branch (by identifier). The searches below walk it instead of asking the graph
// for a vertex by identifier at every step, and none of them builds it more than once.
struct TAdjacencia {
    struct TEntrada {
        int Vizinho = -1; // position
        int Ramo = 0;     // dense index
        std::int32_t RamoId = 0;
        std::int32_t VizinhoId = 0;
    };
    std::vector<std::vector<TEntrada>> Entradas;
    std::unordered_map<std::int32_t, int> Posicao;

    explicit TAdjacencia(const TGrafo& grafo) {
        const int nv = grafo.VerticeCount();
        Posicao.reserve(static_cast<std::size_t>(nv));
        for (int i = 0; i < nv; ++i)
            Posicao.emplace(grafo.Vertice(i).Id, i);
        std::unordered_map<std::int32_t, int> ramos;
        Entradas.resize(static_cast<std::size_t>(nv));
        for (int i = 0; i < nv; ++i)
            for (const TAdjacente& a : grafo.Vertice(i).Adjacentes) {
                const auto it = Posicao.find(a.Vizinho);
                const int ramo = ramos.emplace(a.Ramo, static_cast<int>(ramos.size())).first->second;
                Entradas[static_cast<std::size_t>(i)].push_back(
                    {it == Posicao.end() ? -1 : it->second, ramo, a.Ramo, a.Vizinho});
            }
        NumRamos = static_cast<int>(ramos.size());
    }
    int NumRamos = 0;
};

// Whether a circuit passes through each vertex (by position): through a vertex of an undirected
// graph passes a circuit exactly when one of its branches is a loop on it or lies on a cycle, that
// is, is no bridge. One depth-first walk finds every bridge (Tarjan): a tree branch into w is a
// bridge when nothing below w reaches back above it. Parallel branches are told apart by their
// identifiers, so two of them between the same vertices make a circuit.
std::vector<char> VerticesEmCircuito(const TAdjacencia& adj) {
    const std::size_t nv = adj.Entradas.size();
    std::vector<char> emCircuito(nv, 0);
    std::vector<int> ordem(nv, -1), baixo(nv, 0);
    struct TQuadro {
        int Vertice;
        int RamoPai; // dense index of the branch that reached it; -1 for a root
        std::size_t Proxima;
    };
    std::vector<TQuadro> pilha;
    int contador = 0;
    for (std::size_t raiz = 0; raiz < nv; ++raiz) {
        if (ordem[raiz] >= 0) continue;
        ordem[raiz] = baixo[raiz] = contador++;
        pilha.push_back({static_cast<int>(raiz), -1, 0});
        while (!pilha.empty()) {
            TQuadro& q = pilha.back();
            const auto u = static_cast<std::size_t>(q.Vertice);
            const auto& entradas = adj.Entradas[u];
            if (q.Proxima < entradas.size()) {
                const TAdjacencia::TEntrada& e = entradas[q.Proxima++];
                if (e.Vizinho < 0 || e.Ramo == q.RamoPai) continue;
                const auto w = static_cast<std::size_t>(e.Vizinho);
                if (w == u || ordem[w] >= 0) {
                    // A loop, a second parallel branch or a branch back up the walk: on a cycle.
                    emCircuito[u] = emCircuito[w] = 1;
                    baixo[u] = std::min(baixo[u], ordem[w]);
                    continue;
                }
                ordem[w] = baixo[w] = contador++;
                pilha.push_back({e.Vizinho, e.Ramo, 0});
                continue;
            }
            const int filho = q.Vertice;
            pilha.pop_back();
            if (pilha.empty()) break;
            const auto pai = static_cast<std::size_t>(pilha.back().Vertice);
            const auto f = static_cast<std::size_t>(filho);
            baixo[pai] = std::min(baixo[pai], baixo[f]);
            // The tree branch pai-filho lies on a cycle unless nothing below filho reaches pai or above.
            if (baixo[f] <= ordem[pai]) emCircuito[pai] = emCircuito[f] = 1;
        }
    }
    return emCircuito;
}

// The search FindCaminhos makes for the first circuit through a vertex of an undirected graph,
// repeated from vertex after vertex while branches are taken out, on one index built once: each
// search costs the part of the graph it walks, not the whole graph.
class TBuscaCircuito {
public:
    explicit TBuscaCircuito(const TGrafo& grafo)
        : adj_(grafo), removida_(adj_.Entradas.size()), visita_(adj_.Entradas.size(), 0),
          naCadeia_(static_cast<std::size_t>(adj_.NumRamos), 0) {
        for (std::size_t i = 0; i < adj_.Entradas.size(); ++i)
            removida_[i].assign(adj_.Entradas[i].size(), 0);
    }

    // The identifier of the branch by which the first circuit through the vertex `id' leaves it
    // (from the first vertex of that identifier): depth first in adjacency order, a vertex whose
    // search found nothing never entered again, a circuit never closed by a branch already on it.
    // False when no circuit passes through it.
    bool PrimeiroRamo(std::int32_t id, std::int32_t& ramo) {
        ++geracao_;
        const int posicao = adj_.Posicao.at(id);
        visita_[static_cast<std::size_t>(posicao)] = geracao_;
        pilha_.assign(1, {posicao, 0, -1, 0});
        bool achou = false;
        while (!pilha_.empty() && !achou) {
            TQuadro& q = pilha_.back();
            const auto u = static_cast<std::size_t>(q.Vertice);
            const auto& entradas = adj_.Entradas[u];
            bool desceu = false;
            while (q.Proxima < entradas.size()) {
                const std::size_t k = q.Proxima++;
                if (removida_[u][k]) continue;
                const TAdjacencia::TEntrada& e = entradas[k];
                if (e.VizinhoId == id) {
                    if (naCadeia_[static_cast<std::size_t>(e.Ramo)] != 0) continue;
                    ramo = pilha_.size() > 1 ? pilha_[1].RamoId : e.RamoId;
                    achou = true;
                    break;
                }
                if (e.Vizinho < 0 || visita_[static_cast<std::size_t>(e.Vizinho)] == geracao_) continue;
                visita_[static_cast<std::size_t>(e.Vizinho)] = geracao_;
                ++naCadeia_[static_cast<std::size_t>(e.Ramo)];
                pilha_.push_back({e.Vizinho, 0, e.Ramo, e.RamoId}); // q is not used past this point
                desceu = true;
                break;
            }
            if (achou || desceu) continue;
            if (pilha_.back().Ramo >= 0) --naCadeia_[static_cast<std::size_t>(pilha_.back().Ramo)];
            pilha_.pop_back();
        }
        for (const TQuadro& q : pilha_)
            if (q.Ramo >= 0) --naCadeia_[static_cast<std::size_t>(q.Ramo)];
        return achou;
    }

    // Takes the branch out as TGrafo::DeleteRamo does: the first entry for it at each of its ends.
    void Remover(const TRamo& r) {
        RemoverEntrada(r.Origem, r.Destino, r.Id);
        RemoverEntrada(r.Destino, r.Origem, r.Id);
    }

private:
    struct TQuadro {
        int Vertice;
        std::size_t Proxima;
        int Ramo; // dense index of the branch that reached it; -1 for the start
        std::int32_t RamoId;
    };

    void RemoverEntrada(std::int32_t de, std::int32_t para, std::int32_t ramoId) {
        const auto it = adj_.Posicao.find(de);
        if (it == adj_.Posicao.end()) return;
        const auto u = static_cast<std::size_t>(it->second);
        for (std::size_t k = 0; k < adj_.Entradas[u].size(); ++k) {
            const TAdjacencia::TEntrada& e = adj_.Entradas[u][k];
            if (!removida_[u][k] && e.RamoId == ramoId && e.VizinhoId == para) {
                removida_[u][k] = 1;
                return;
            }
        }
    }

    TAdjacencia adj_;
    std::vector<std::vector<char>> removida_;
    std::vector<int> visita_;
    std::vector<int> naCadeia_;
    std::vector<TQuadro> pilha_;
    int geracao_ = 0;
};

} // namespace

TGrafo CopyEstrutura(const TGrafo& grafo) {
    TGrafo copia(false);
    for (const auto& v : grafo.Vertices())
        copia.AddVertice(v->Id, v->Nome, v->X, v->Y);
    for (const auto& r : grafo.Ramos())
        copia.AddRamo(r->Id, r->Tipo, r->Nome, "0", r->Origem, r->Destino, r->X, r->Y, 0, {});
    return copia;
}

bool CheckEstrutura(const TGrafo& grafo, std::vector<std::string>& curtos,
                    std::vector<std::string>& desconectados) {
    curtos.clear();
    desconectados.clear();
    const TGrafo copia = CopyEstrutura(grafo);
    const TAdjacencia adj(copia);
    const std::vector<char> emCircuito = VerticesEmCircuito(adj);
    std::unordered_set<std::int32_t> foraDeCircuito;
    for (int i = 0; i < copia.VerticeCount(); ++i) {
        // A repeated identifier names its first vertex, as every lookup by identifier does.
        const std::int32_t id = copia.Vertice(i).Id;
        if (!emCircuito[static_cast<std::size_t>(adj.Posicao.at(id))]) foraDeCircuito.insert(id);
    }

    // The lists hold each name once; a set keeps that check from growing with the lists.
    std::unordered_set<std::string> vistosCurtos, vistosDesconectados;
    const auto unico = [](std::vector<std::string>& lista, std::unordered_set<std::string>& vistos,
                          const std::string& nome) {
        if (vistos.insert(UpperAscii(nome)).second) lista.push_back(nome);
    };
    for (const auto& r : copia.Ramos()) {
        if (r->Origem == r->Destino) unico(curtos, vistosCurtos, r->Nome);
        if (foraDeCircuito.contains(r->Origem)) unico(desconectados, vistosDesconectados, r->Nome);
        if (foraDeCircuito.contains(r->Destino)) unico(desconectados, vistosDesconectados, r->Nome);
    }
    return curtos.empty() && desconectados.empty();
}

TComponentes SplitComponentes(const TGrafo& grafo) {
    TComponentes resultado;
    resultado.Estrutura = CopyEstrutura(grafo);
    const TGrafo& estrutura = resultado.Estrutura;

    // Contracting each neighbour into the first vertex left, the front entry of its list first, is a
    // breadth-first walk: the contracted vertex's entries join the end of the list, and every entry
    // to a vertex already contracted is gone by the time it reaches the front. A loop on a vertex
    // (deleted before the contraction) leads nowhere.
    const TAdjacencia adj(estrutura);
    const int nv = estrutura.VerticeCount();
    std::vector<char> absorvido(static_cast<std::size_t>(nv), 0);
    std::vector<std::vector<std::int32_t>> componentes;
    std::deque<int> fila;
    for (int inicio = 0; inicio < nv; ++inicio) {
        if (absorvido[static_cast<std::size_t>(inicio)]) continue;
        absorvido[static_cast<std::size_t>(inicio)] = 1;
        std::vector<std::int32_t>& componente = componentes.emplace_back();
        const auto entrar = [&](int u) {
            for (const TAdjacencia::TEntrada& e : adj.Entradas[static_cast<std::size_t>(u)])
                if (e.Vizinho >= 0 && e.Vizinho != u && !absorvido[static_cast<std::size_t>(e.Vizinho)])
                    fila.push_back(e.Vizinho);
        };
        entrar(inicio);
        while (!fila.empty()) {
            const int n = fila.front();
            fila.pop_front();
            if (absorvido[static_cast<std::size_t>(n)]) continue;
            absorvido[static_cast<std::size_t>(n)] = 1;
            componente.push_back(estrutura.Vertice(n).Id);
            entrar(n);
        }
        componente.push_back(estrutura.Vertice(inicio).Id);
    }
    resultado.Count = static_cast<int>(componentes.size());

    // The branches go to the component of their origin, each list in the structural copy's order.
    std::unordered_map<std::int32_t, std::size_t> componenteDe;
    for (std::size_t c = 0; c < componentes.size(); ++c) {
        TGrafo& g = resultado.Lista.emplace_back(false);
        for (std::int32_t id : componentes[c]) {
            componenteDe.emplace(id, c);
            const TVertice& v = estrutura.Vertice(adj.Posicao.at(id));
            g.AddVertice(v.Id, v.Nome, v.X, v.Y);
        }
    }
    for (const auto& r : estrutura.Ramos())
        if (const auto it = componenteDe.find(r->Origem); it != componenteDe.end())
            CopiarRamo(resultado.Lista[it->second], *r);
    return resultado;
}

TFloresta FindFloresta(const TGrafo& grafo) {
    TFloresta resultado;
    TBuscaCircuito busca(grafo);
    std::vector<std::int32_t> cordas;
    for (int i = 0; i < grafo.VerticeCount() - 1;) {
        std::int32_t corda = 0;
        if (!busca.PrimeiroRamo(grafo.Vertice(i).Id, corda)) {
            ++i;
            continue;
        }
        busca.Remover(*grafo.FindRamo(corda));
        resultado.Cordas.Add(corda);
        cordas.push_back(corda);
    }
    resultado.Arvores = grafo;
    resultado.Arvores.DeleteRamos(cordas);
    return resultado;
}

} // namespace brelix
