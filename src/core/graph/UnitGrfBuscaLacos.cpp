#include "graph/UnitGrfBuscaLacos.h"

#include "graph/UnitGrfGrafo.h"
#include "symbolic/UnitFTProgresso.h"

#include <unordered_map>

namespace brelix {

namespace {

// An adjacency entry with its lookups done once: the neighbour's position in the vertex list (its
// first vertex of that identifier; -1 when the graph has none) and the branch's gain (none when the
// branch is missing or carries no gain, which then counts as a gain of 1).
struct TPasso {
    std::int32_t Vizinho = 0;
    int Indice = -1;
    std::int32_t Ramo = 0;
    const TGanho* Ganho = nullptr;
};

struct TMapa {
    std::vector<std::vector<TPasso>> passos;  // by vertex position
    std::vector<int> primeiro;                // position of the first vertex with the same identifier
    std::vector<std::vector<int>> anteriores; // positions that lead into each first-match position
};

TMapa Mapear(const TGrafo& grafo) {
    const int nv = grafo.VerticeCount();
    std::unordered_map<std::int32_t, int> posicao;
    for (int i = 0; i < nv; ++i)
        posicao.emplace(grafo.Vertice(i).Id, i);
    std::unordered_map<std::int32_t, const TGanho*> ganho;
    for (const auto& r : grafo.Ramos())
        ganho.emplace(r->Id, r->GanhoPtr());

    TMapa mapa;
    mapa.passos.resize(static_cast<std::size_t>(nv));
    mapa.primeiro.resize(static_cast<std::size_t>(nv));
    mapa.anteriores.resize(static_cast<std::size_t>(nv));
    for (int i = 0; i < nv; ++i) {
        const TVertice& v = grafo.Vertice(i);
        mapa.primeiro[static_cast<std::size_t>(i)] = posicao.at(v.Id);
        auto& passos = mapa.passos[static_cast<std::size_t>(i)];
        passos.reserve(v.Adjacentes.size());
        for (const TAdjacente& a : v.Adjacentes) {
            TPasso p;
            p.Vizinho = a.Vizinho;
            p.Ramo = a.Ramo;
            if (const auto it = posicao.find(a.Vizinho); it != posicao.end()) p.Indice = it->second;
            if (const auto it = ganho.find(a.Ramo); it != ganho.end()) p.Ganho = it->second;
            passos.push_back(p);
        }
    }
    // Only first-match vertices are ever stepped into, so only their entries lead anywhere.
    for (int i = 0; i < nv; ++i) {
        if (mapa.primeiro[static_cast<std::size_t>(i)] != i) continue;
        for (const TPasso& p : mapa.passos[static_cast<std::size_t>(i)])
            if (p.Indice >= 0) mapa.anteriores[static_cast<std::size_t>(p.Indice)].push_back(i);
    }
    return mapa;
}

// Flags the vertices (by position) from which the start can be reached through vertices whose
// identifier is not below the start's: a step into any other vertex cannot end in a loop. The
// previous start's flags are cleared through its list, so a start costs only what it flags.
void MarcarAlcance(const TGrafo& grafo, const TMapa& mapa, int inicio, std::vector<char>& alcanca,
                   std::vector<int>& fila) {
    for (int u : fila)
        alcanca[static_cast<std::size_t>(u)] = 0;
    const std::int32_t s = grafo.Vertice(inicio).Id;
    fila.assign(1, inicio);
    for (std::size_t k = 0; k < fila.size(); ++k) {
        for (int u : mapa.anteriores[static_cast<std::size_t>(fila[k])]) {
            if (u == inicio || alcanca[static_cast<std::size_t>(u)] || grafo.Vertice(u).Id < s) continue;
            alcanca[static_cast<std::size_t>(u)] = 1;
            fila.push_back(u);
        }
    }
}

// One step of the depth-first search: a vertex being explored and the next entry to try.
struct TQuadro {
    const std::vector<TPasso>* passos = nullptr;
    std::size_t proximo = 0;
    int visitado = -1; // the position flagged as visited while this vertex is on the path
    TNo* no = nullptr;
};

// The path from the start: the vertex reached and the branch that reached it (none for the start).
struct TCaminho {
    std::vector<std::int32_t> vertices;
    std::vector<std::int32_t> ramos;
    std::vector<const TGanho*> ganhos;
};

// The loop lists its vertices from the start back to it and its branches in the order travelled.
// Its gain is multiplied as a walk back from the closing step to the start would: from the last
// branch to the first, which fixes the rounding of K and the order of the symbols.
TLaco MontarLaco(const TCaminho& caminho, std::int32_t s, std::int32_t ramo, const TGanho* ganho) {
    TLaco laco;
    const std::size_t n = caminho.vertices.size();
    laco.Vertices.Reserve(static_cast<int>(n) + 1);
    laco.Ramos.Reserve(static_cast<int>(n));
    for (std::int32_t v : caminho.vertices)
        laco.Vertices.Add(v);
    laco.Vertices.Add(s);
    for (std::size_t k = 1; k < n; ++k)
        laco.Ramos.Add(caminho.ramos[k]);
    laco.Ramos.Add(ramo);

    if (ganho != nullptr) laco.MulGanho(*ganho);
    for (std::size_t k = n; k-- > 1;)
        if (caminho.ganhos[k] != nullptr) laco.MulGanho(*caminho.ganhos[k]);
    return laco;
}

const std::string& NomeEm(const TGrafo& grafo, int posicao) {
    static const std::string vazio;
    return posicao < 0 ? vazio : grafo.Vertice(posicao).Nome;
}

} // namespace

TListLaco BuscaLacos(const TGrafo& grafo, TArvore* busca, TProgresso* progresso) {
    TVigia vigia(progresso, 8192);
    const TMapa mapa = Mapear(grafo);
    const int nv = grafo.VerticeCount();
    const bool podar = busca == nullptr;

    TListLaco lacos;
    std::vector<char> visitado(static_cast<std::size_t>(nv), 0);
    std::vector<char> alcanca(static_cast<std::size_t>(nv), 0);
    std::vector<int> alcancados;
    std::vector<TQuadro> pilha;
    TCaminho caminho;

    for (int inicio = 0; inicio < nv; ++inicio) {
        const TVertice& vs = grafo.Vertice(inicio);
        const std::int32_t s = vs.Id;
        const int marca = mapa.primeiro[static_cast<std::size_t>(inicio)];
        // Worked out at the first step that needs it: many starts have none.
        bool alcanceMarcado = false;

        TNo* raiz = busca != nullptr ? &busca->AddRaiz(s, vs.Nome) : nullptr;
        visitado[static_cast<std::size_t>(marca)] = 1;
        pilha.push_back({&mapa.passos[static_cast<std::size_t>(inicio)], 0, marca, raiz});
        caminho.vertices.assign(1, s);
        caminho.ramos.assign(1, 0);
        caminho.ganhos.assign(1, nullptr);

        while (!pilha.empty()) {
            vigia.Passo();
            TQuadro& topo = pilha.back();
            if (topo.proximo == topo.passos->size()) {
                if (topo.visitado >= 0) visitado[static_cast<std::size_t>(topo.visitado)] = 0;
                pilha.pop_back();
                caminho.vertices.pop_back();
                caminho.ramos.pop_back();
                caminho.ganhos.pop_back();
                continue;
            }
            const TPasso& p = (*topo.passos)[topo.proximo++];
            if (p.Vizinho == s) {
                if (busca != nullptr) busca->AddFilho(*topo.no, s, NomeEm(grafo, p.Indice), p.Ramo, p.Ganho);
                lacos.push_back(MontarLaco(caminho, s, p.Ramo, p.Ganho));
                continue;
            }
            if (p.Vizinho < s) continue;
            if (p.Indice >= 0 && visitado[static_cast<std::size_t>(p.Indice)]) continue;
            if (podar) {
                if (!alcanceMarcado) MarcarAlcance(grafo, mapa, marca, alcanca, alcancados);
                alcanceMarcado = true;
                if (p.Indice < 0 || !alcanca[static_cast<std::size_t>(p.Indice)]) continue;
            }

            // A neighbour missing from the graph has no entries: a dead end of the tree.
            TNo* filho = busca != nullptr
                             ? &busca->AddFilho(*topo.no, p.Vizinho, NomeEm(grafo, p.Indice), p.Ramo, p.Ganho)
                             : nullptr;
            static const std::vector<TPasso> nenhum;
            const std::vector<TPasso>* passos =
                p.Indice >= 0 ? &mapa.passos[static_cast<std::size_t>(p.Indice)] : &nenhum;
            if (p.Indice >= 0) visitado[static_cast<std::size_t>(p.Indice)] = 1;
            caminho.vertices.push_back(p.Vizinho);
            caminho.ramos.push_back(p.Ramo);
            caminho.ganhos.push_back(p.Ganho);
            pilha.push_back({passos, 0, p.Indice, filho});
        }
    }
    return lacos;
}

} // namespace brelix
