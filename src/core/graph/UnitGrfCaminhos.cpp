#include "graph/UnitGrfCaminhos.h"

#include "graph/UnitGrfGrafo.h"

#include <climits>
#include <unordered_map>
#include <vector>

namespace brelix {

namespace {

// An adjacency entry with its lookups done once: the neighbour's position in the vertex list (the
// first vertex of that identifier; -1 when the graph has none) and a dense index of its branch.
struct TEntrada {
    std::int32_t Vizinho = 0;
    int Posicao = -1;
    std::int32_t Ramo = 0;
    int RamoIdx = 0;
};

// How a search without a tree may skip steps whose subtree cannot change its results.
enum class TPoda {
    Nenhuma,   // every step is taken (the tree shows them all)
    Esgotados, // for the first path only: never enter again a vertex whose search found nothing
    Alcance,   // skip a step after which the target cannot be reached
    Distancia, // skip a step that cannot lead to a path shorter than the best one found
};

// One vertex on the current path and the next of its entries to try.
struct TQuadro {
    int Posicao = -1;
    std::size_t Proximo = 0;
    TNo* No = nullptr;
    int RamoIdx = -1; // the branch that reached it; -1 for the start
};

class TBuscaCaminhos {
public:
    TBuscaCaminhos(const TGrafo& grafo, std::int32_t inicio, std::int32_t alvo);

    // Runs the search; the visitor receives each path found (branches, vertices) and returns true
    // to end the search.
    template <class TVisitante> void Executar(TArvore* busca, TPoda poda, TVisitante&& visitante);

    // The number of branches of the best path reported so far (Distancia only).
    void SetMelhor(int melhor) { melhor_ = melhor; }
    // The fewest branches any path can have; INT_MAX when the target is unreachable.
    int LimiteInferior() const;

private:
    bool PodeAlcancar(const TEntrada& passo);
    bool Admissivel(TPoda poda, const TEntrada& passo, int profundidade);
    bool RamoLivre(int ramoIdx, int extra) const {
        return grafo_.Dirigido() || (naCadeia_[static_cast<std::size_t>(ramoIdx)] == 0 && ramoIdx != extra);
    }
    void CalcularDistancias();
    const std::string& NomeDe(std::int32_t id) const;

    const TGrafo& grafo_;
    std::int32_t inicio_;
    std::int32_t alvo_;
    int posInicio_ = -1;
    std::unordered_map<std::int32_t, int> posicao_;
    std::vector<std::vector<TEntrada>> entradas_;
    std::vector<char> visitado_;
    std::vector<int> naCadeia_; // by branch index: how often the branch lies on the current path
    std::vector<std::int32_t> caminhoV_;
    std::vector<std::int32_t> caminhoR_;
    std::vector<int> marcaBfs_;
    int geracao_ = 0;
    std::vector<int> fila_;
    std::vector<int> distancia_; // branches from each position to the target; -1 when unreachable
    int melhor_ = INT_MAX;
};

TBuscaCaminhos::TBuscaCaminhos(const TGrafo& grafo, std::int32_t inicio, std::int32_t alvo)
    : grafo_(grafo), inicio_(inicio), alvo_(alvo) {
    const int nv = grafo.VerticeCount();
    for (int i = 0; i < nv; ++i)
        posicao_.emplace(grafo.Vertice(i).Id, i);
    std::unordered_map<std::int32_t, int> ramoIdx;
    entradas_.resize(static_cast<std::size_t>(nv));
    for (int i = 0; i < nv; ++i) {
        auto& lista = entradas_[static_cast<std::size_t>(i)];
        lista.reserve(grafo.Vertice(i).Adjacentes.size());
        for (const TAdjacente& a : grafo.Vertice(i).Adjacentes) {
            TEntrada e;
            e.Vizinho = a.Vizinho;
            e.Ramo = a.Ramo;
            if (const auto it = posicao_.find(a.Vizinho); it != posicao_.end()) e.Posicao = it->second;
            e.RamoIdx = ramoIdx.emplace(a.Ramo, static_cast<int>(ramoIdx.size())).first->second;
            lista.push_back(e);
        }
    }
    if (const auto it = posicao_.find(inicio); it != posicao_.end()) posInicio_ = it->second;
    visitado_.assign(static_cast<std::size_t>(nv), 0);
    marcaBfs_.assign(static_cast<std::size_t>(nv), 0);
    naCadeia_.assign(ramoIdx.size(), 0);
}

const std::string& TBuscaCaminhos::NomeDe(std::int32_t id) const {
    static const std::string vazio;
    const auto it = posicao_.find(id);
    return it == posicao_.end() ? vazio : grafo_.Vertice(it->second).Nome;
}

// Whether the target can still be reached once the step is taken: a breadth-first walk from the
// vertex it enters through vertices off the current path, until an entry into the target whose
// branch may close the path (in an undirected graph not one of the path's own branches).
bool TBuscaCaminhos::PodeAlcancar(const TEntrada& passo) {
    ++geracao_;
    fila_.assign(1, passo.Posicao);
    marcaBfs_[static_cast<std::size_t>(passo.Posicao)] = geracao_;
    for (std::size_t k = 0; k < fila_.size(); ++k) {
        for (const TEntrada& e : entradas_[static_cast<std::size_t>(fila_[k])]) {
            if (e.Vizinho == alvo_) {
                if (RamoLivre(e.RamoIdx, passo.RamoIdx)) return true;
                continue;
            }
            if (e.Posicao < 0 || visitado_[static_cast<std::size_t>(e.Posicao)]) continue;
            if (marcaBfs_[static_cast<std::size_t>(e.Posicao)] == geracao_) continue;
            marcaBfs_[static_cast<std::size_t>(e.Posicao)] = geracao_;
            fila_.push_back(e.Posicao);
        }
    }
    return false;
}

// The distance from every vertex to the target over the whole graph: a lower bound of the branches
// still needed from it, whatever the path has visited.
void TBuscaCaminhos::CalcularDistancias() {
    const int nv = grafo_.VerticeCount();
    std::vector<std::vector<int>> anteriores(static_cast<std::size_t>(nv));
    distancia_.assign(static_cast<std::size_t>(nv), -1);
    fila_.clear();
    for (int i = 0; i < nv; ++i) {
        for (const TEntrada& e : entradas_[static_cast<std::size_t>(i)]) {
            if (e.Vizinho == alvo_) {
                if (distancia_[static_cast<std::size_t>(i)] < 0) fila_.push_back(i);
                distancia_[static_cast<std::size_t>(i)] = 1;
            } else if (e.Posicao >= 0) {
                anteriores[static_cast<std::size_t>(e.Posicao)].push_back(i);
            }
        }
    }
    for (std::size_t k = 0; k < fila_.size(); ++k) {
        const int u = fila_[k];
        for (int w : anteriores[static_cast<std::size_t>(u)]) {
            if (distancia_[static_cast<std::size_t>(w)] >= 0) continue;
            distancia_[static_cast<std::size_t>(w)] = distancia_[static_cast<std::size_t>(u)] + 1;
            fila_.push_back(w);
        }
    }
}

int TBuscaCaminhos::LimiteInferior() const {
    if (posInicio_ < 0 || distancia_.empty()) return INT_MAX;
    const int d = distancia_[static_cast<std::size_t>(posInicio_)];
    return d < 0 ? INT_MAX : d;
}

bool TBuscaCaminhos::Admissivel(TPoda poda, const TEntrada& passo, int profundidade) {
    switch (poda) {
    case TPoda::Nenhuma:
    case TPoda::Esgotados:
        return true;
    case TPoda::Alcance:
        return PodeAlcancar(passo);
    case TPoda::Distancia: {
        const int d = distancia_[static_cast<std::size_t>(passo.Posicao)];
        return d >= 0 && profundidade + d < melhor_;
    }
    }
    return true;
}

template <class TVisitante>
void TBuscaCaminhos::Executar(TArvore* busca, TPoda poda, TVisitante&& visitante) {
    if (posInicio_ < 0) return;
    if (poda == TPoda::Distancia) {
        CalcularDistancias();
        // Between two vertices the distance is the length of a shortest path, and a shortest walk
        // is a simple path: only steps along shortest paths are taken, and those never dead-end.
        if (inicio_ != alvo_) {
            if (LimiteInferior() == INT_MAX) return;
            melhor_ = LimiteInferior() + 1;
        }
    }

    std::vector<TQuadro> pilha;
    TNo* raiz = busca != nullptr ? &busca->AddRaiz(inicio_, grafo_.Vertice(posInicio_).Nome) : nullptr;
    pilha.push_back({posInicio_, 0, raiz, -1});
    visitado_[static_cast<std::size_t>(posInicio_)] = 1;
    caminhoV_.assign(1, inicio_);
    caminhoR_.clear();

    while (!pilha.empty()) {
        const int profundidade = static_cast<int>(pilha.size()); // branches once the next step is taken
        TQuadro& q = pilha.back();
        const auto& lista = entradas_[static_cast<std::size_t>(q.Posicao)];
        bool desceu = false;
        while (q.Proximo < lista.size()) {
            const TEntrada& e = lista[q.Proximo++];
            if (e.Vizinho == alvo_) {
                if (!RamoLivre(e.RamoIdx, -1)) continue;
                if (poda == TPoda::Distancia && profundidade >= melhor_) continue;
                if (busca != nullptr) busca->AddFilho(*q.No, e.Vizinho, NomeDe(e.Vizinho), e.Ramo);
                caminhoV_.push_back(e.Vizinho);
                caminhoR_.push_back(e.Ramo);
                const bool parar = visitante(caminhoR_, caminhoV_);
                caminhoV_.pop_back();
                caminhoR_.pop_back();
                if (parar) return;
                continue;
            }
            if (e.Posicao < 0 || visitado_[static_cast<std::size_t>(e.Posicao)]) continue;
            if (!Admissivel(poda, e, profundidade)) continue;
            TNo* filho =
                busca != nullptr ? &busca->AddFilho(*q.No, e.Vizinho, NomeDe(e.Vizinho), e.Ramo) : nullptr;
            visitado_[static_cast<std::size_t>(e.Posicao)] = 1;
            ++naCadeia_[static_cast<std::size_t>(e.RamoIdx)];
            caminhoV_.push_back(e.Vizinho);
            caminhoR_.push_back(e.Ramo);
            pilha.push_back({e.Posicao, 0, filho, e.RamoIdx}); // q is not used past this point
            desceu = true;
            break;
        }
        if (desceu) continue;
        const TQuadro& topo = pilha.back();
        // A vertex whose search found no path cannot reach the target avoiding the path that led
        // to it; nor, once that search is left too, avoiding any shorter one (a path from it would
        // have been a path from the vertex the search started at). So when only the first path is
        // wanted it stays visited: entering it again could only fail again. (An undirected circuit
        // may not end by the branch it began with; what a first branch's search visited cannot be
        // reached from another first branch at all, or that branch would have closed the circuit.)
        if (poda != TPoda::Esgotados) visitado_[static_cast<std::size_t>(topo.Posicao)] = 0;
        if (topo.RamoIdx >= 0) {
            --naCadeia_[static_cast<std::size_t>(topo.RamoIdx)];
            caminhoR_.pop_back();
        }
        caminhoV_.pop_back();
        pilha.pop_back();
    }
}

void CopiarPara(const std::vector<std::int32_t>& origem, TListInt& destino) {
    destino.Reserve(static_cast<int>(origem.size()));
    for (std::int32_t x : origem)
        destino.Add(x);
}

} // namespace

void FindCaminhos(const TGrafo& grafo, std::int32_t inicio, std::int32_t alvo, bool pararNoPrimeiro,
                  TListListInt& ramos, TListListInt& vertices, TArvore* busca) {
    TBuscaCaminhos b(grafo, inicio, alvo);
    const TPoda poda = busca != nullptr  ? TPoda::Nenhuma
                       : pararNoPrimeiro ? TPoda::Esgotados
                                         : TPoda::Alcance;
    b.Executar(busca, poda, [&](const std::vector<std::int32_t>& r, const std::vector<std::int32_t>& v) {
        CopiarPara(v, vertices.AddList());
        CopiarPara(r, ramos.AddList());
        return pararNoPrimeiro;
    });
}

bool FindCaminhoMaisCurto(const TGrafo& grafo, std::int32_t inicio, std::int32_t alvo, TListInt& ramos,
                          TListInt& vertices) {
    ramos.Clear();
    vertices.Clear();
    TBuscaCaminhos b(grafo, inicio, alvo);
    std::vector<std::int32_t> melhorR, melhorV;
    bool achou = false;
    b.Executar(nullptr, TPoda::Distancia,
               [&](const std::vector<std::int32_t>& r, const std::vector<std::int32_t>& v) {
                   melhorR = r;
                   melhorV = v;
                   achou = true;
                   b.SetMelhor(static_cast<int>(r.size()));
                   // Between two vertices the first path found is already one of the fewest branches
                   // (see Executar); a circuit may still be beaten by a shorter one.
                   return inicio != alvo || r.size() == 1;
               });
    if (!achou) return false;
    CopiarPara(melhorR, ramos);
    CopiarPara(melhorV, vertices);
    return true;
}

} // namespace brelix
