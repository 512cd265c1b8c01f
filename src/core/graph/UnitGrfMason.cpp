#include "graph/UnitGrfMason.h"

#include "graph/UnitGrfBuscaLacos.h"
#include "graph/UnitGrfGrafo.h"
#include "graph/UnitGrfLacosDisjuntos.h"
#include "symbolic/UnitFTProgresso.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace brelix {

void MarkEntradaSaida(TGrafo& grafo, std::vector<std::string>& entradas, std::vector<std::string>& saidas) {
    std::unordered_map<std::int32_t, TVertice*> porId;
    for (const auto& v : grafo.Vertices())
        porId.emplace(v->Id, v.get());
    for (const auto& r : grafo.Ramos())
        if (const auto it = porId.find(r->Destino); it != porId.end()) it->second->Marca = kMarcaSaida;

    entradas.clear();
    saidas.clear();
    for (const auto& v : grafo.Vertices()) {
        if (v->Marca == kMarcaNenhuma) v->Marca = kMarcaEntrada;
        if (v->Marca == kMarcaEntrada)
            entradas.push_back(v->Nome);
        else if (v->Marca == kMarcaSaida)
            saidas.push_back(v->Nome);
    }
}

namespace {

// The largest positive branch identifier + 1. When that would overflow, the smallest positive
// identifier not in use: the branch must not take the identifier of another.
std::int32_t NovoIdRamo(const TGrafo& grafo) {
    std::int32_t maior = 0;
    for (const auto& r : grafo.Ramos())
        maior = std::max(maior, r->Id);
    if (maior < INT32_MAX) return maior + 1;
    std::unordered_set<std::int32_t> usados;
    for (const auto& r : grafo.Ramos())
        usados.insert(r->Id);
    std::int32_t id = 1;
    while (usados.contains(id))
        ++id;
    return id;
}

} // namespace

TRamo* AddRamoDFS(TGrafo& grafo, std::string_view entrada, std::string_view saida) {
    const TVertice* vEntrada = grafo.FindVerticeNome(entrada);
    const TVertice* vSaida = grafo.FindVerticeNome(saida);
    if (vEntrada == nullptr || vSaida == nullptr) return nullptr;
    return grafo.AddTransmitancia(NovoIdRamo(grafo), "DFS", "-1.DFS", vSaida->Id, vEntrada->Id);
}

namespace {

bool TemFilho(const TNo& no, std::int32_t id) {
    // Children are added in ascending order of their loop index.
    const auto it = std::lower_bound(no.Filhos.begin(), no.Filhos.end(), id,
                                     [](const std::unique_ptr<TNo>& f, std::int32_t k) { return f->Id < k; });
    return it != no.Filhos.end() && (*it)->Id == id;
}

// A root per loop with its row of the table as children; a node x below node q then gets, in
// order, the loops of row x that are also children of q. Children are all added before any of
// them is extended, the first child's subtree being completed before the second is extended.
TArvore FlorestaDisjuntos(const TListListInt& tabela, TVigia& vigia) {
    TArvore floresta;
    std::vector<TNo*> pendentes;
    for (int i = 0; i < tabela.Count(); ++i) {
        TNo& raiz = floresta.AddRaiz(i, std::to_string(i + 1));
        for (std::int32_t j : tabela[i])
            floresta.AddFilho(raiz, j, std::to_string(j + 1));
        for (auto it = raiz.Filhos.rbegin(); it != raiz.Filhos.rend(); ++it)
            pendentes.push_back(it->get());
        while (!pendentes.empty()) {
            vigia.Passo();
            TNo& x = *pendentes.back();
            pendentes.pop_back();
            for (std::int32_t k : tabela[x.Id])
                if (TemFilho(*x.Pai, k)) floresta.AddFilho(x, k, std::to_string(k + 1));
            for (auto it = x.Filhos.rbegin(); it != x.Filhos.rend(); ++it)
                pendentes.push_back(it->get());
        }
    }
    return floresta;
}

// Order 1 holds each loop alone; every other node of the forest, visited in pre-order, makes a set
// of its level's order from the loops on its path, inserted from the node up so that the indices
// read ascending.
TListListLacoOS ConjuntosDaFloresta(const TArvore& floresta, const TListLaco& lacos, TVigia& vigia) {
    TListListLacoOS ordens(static_cast<std::size_t>(floresta.NivelMax() + 1));
    if (ordens.empty()) return ordens;
    for (std::size_t i = 0; i < lacos.size(); ++i) {
        TLacoOS& os = ordens[0].emplace_back();
        os.InsertLaco(static_cast<std::int32_t>(i), lacos[i]);
    }
    std::vector<const TNo*> pendentes;
    for (const auto& raiz : floresta.Raizes()) {
        for (auto it = raiz->Filhos.rbegin(); it != raiz->Filhos.rend(); ++it)
            pendentes.push_back(it->get());
        while (!pendentes.empty()) {
            vigia.Passo();
            const TNo* x = pendentes.back();
            pendentes.pop_back();
            TLacoOS& os = ordens[static_cast<std::size_t>(x->Nivel)].emplace_back();
            for (const TNo* y = x; y != nullptr; y = y->Pai)
                os.InsertLaco(y->Id, lacos[static_cast<std::size_t>(y->Id)]);
            for (auto it = x->Filhos.rbegin(); it != x->Filhos.rend(); ++it)
                pendentes.push_back(it->get());
        }
    }
    return ordens;
}

} // namespace

TResultadoMason Mason(TGrafo& grafo, TProgresso* progresso) {
    grafo.CollectSimbolos();
    TResultadoMason r;
    IniciarEtapa(progresso, TEtapaAnalise::BuscaLacos);
    r.Lacos = BuscaLacos(grafo, &r.Busca, progresso);
    IniciarEtapa(progresso, TEtapaAnalise::LacosDisjuntos);
    r.Disjuntos = TabelaDisjuntos(r.Lacos, progresso);
    TVigia vigia(progresso, 4096);
    r.Floresta = FlorestaDisjuntos(r.Disjuntos, vigia);
    r.LacosOS = ConjuntosDaFloresta(r.Floresta, r.Lacos, vigia);
    return r;
}

TListListLacoOS MasonOS(TGrafo& grafo, TProgresso* progresso) {
    grafo.CollectSimbolos();
    IniciarEtapa(progresso, TEtapaAnalise::BuscaLacos);
    const TListLaco lacos = BuscaLacos(grafo, nullptr, progresso);
    IniciarEtapa(progresso, TEtapaAnalise::LacosDisjuntos);
    return ConjuntosDisjuntos(TabelaDisjuntos(lacos, progresso), lacos, progresso);
}

} // namespace brelix
