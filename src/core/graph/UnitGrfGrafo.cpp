#include "graph/UnitGrfGrafo.h"

#include <algorithm>
#include <utility>

namespace brelix {

void TGrafo::IndexarVertices() const {
    if (verticesIndexados_) return;
    indiceVertices_.clear();
    indiceVertices_.reserve(vertices_.size());
    for (const auto& v : vertices_)
        indiceVertices_.emplace(v->Id, v.get());
    verticesIndexados_ = true;
}

void TGrafo::IndexarRamos() const {
    if (ramosIndexados_) return;
    indiceRamos_.clear();
    indiceRamos_.reserve(ramos_.size());
    for (std::size_t i = 0; i < ramos_.size(); ++i)
        indiceRamos_.emplace(ramos_[i]->Id, static_cast<int>(i));
    ramosIndexados_ = true;
}

TGrafo::TGrafo(const TGrafo& other) : dirigido_(other.dirigido_) {
    vertices_.reserve(other.vertices_.size());
    for (const auto& v : other.vertices_) {
        auto copy = std::make_unique<TVertice>(*v);
        copy->Marca = kMarcaNenhuma;
        vertices_.push_back(std::move(copy));
    }
    ramos_.reserve(other.ramos_.size());
    for (const auto& r : other.ramos_)
        ramos_.push_back(std::make_unique<TRamo>(*r));
}

TGrafo& TGrafo::operator=(const TGrafo& other) {
    if (this == &other) return *this;
    TGrafo copy(other);
    *this = std::move(copy);
    return *this;
}

TVertice& TGrafo::AddVertice(std::int32_t id, std::string nome, std::int32_t x, std::int32_t y) {
    auto v = std::make_unique<TVertice>();
    v->Id = id;
    v->Nome = std::move(nome);
    v->X = x;
    v->Y = y;
    if (verticesIndexados_) indiceVertices_.emplace(id, v.get());
    vertices_.push_back(std::move(v));
    return *vertices_.back();
}

TRamo* TGrafo::AddRamo(std::int32_t id, std::int32_t tipo, std::string nome, std::string textoGanho,
                       std::int32_t origem, std::int32_t destino, std::int32_t x, std::int32_t y,
                       std::int32_t par, std::string controle) {
    TVertice* vOrigem = FindVertice(origem);
    TVertice* vDestino = FindVertice(destino);
    if (vOrigem == nullptr || vDestino == nullptr) return nullptr;

    auto r = std::make_unique<TRamo>();
    r->Id = id;
    r->Tipo = tipo;
    r->Nome = std::move(nome);
    r->Dirigido = dirigido_;
    if (tipo == kRamoTransmitancia) r->Ganho.emplace(textoGanho);
    r->TextoGanho = std::move(textoGanho);
    r->X = x;
    r->Y = y;
    r->Origem = origem;
    r->Destino = destino;
    r->Par = par;
    r->Controle = std::move(controle);
    if (ramosIndexados_) indiceRamos_.emplace(id, static_cast<int>(ramos_.size()));
    ramos_.push_back(std::move(r));

    vOrigem->Adjacentes.push_back({destino, id});
    if (!dirigido_) vDestino->Adjacentes.push_back({origem, id});
    return ramos_.back().get();
}

TRamo* TGrafo::AddTransmitancia(std::int32_t id, std::string nome, std::string textoGanho,
                                std::int32_t origem, std::int32_t destino, std::int32_t x, std::int32_t y) {
    return AddRamo(id, kRamoTransmitancia, std::move(nome), std::move(textoGanho), origem, destino, x, y);
}

TVertice* TGrafo::FindVertice(std::int32_t id) {
    return const_cast<TVertice*>(std::as_const(*this).FindVertice(id));
}

const TVertice* TGrafo::FindVertice(std::int32_t id) const {
    IndexarVertices();
    const auto it = indiceVertices_.find(id);
    return it == indiceVertices_.end() ? nullptr : it->second;
}

TVertice* TGrafo::FindVerticeNome(std::string_view nome) {
    for (const auto& v : vertices_)
        if (v->Nome == nome) return v.get();
    return nullptr;
}

std::int32_t TGrafo::FindVerticeId(std::string_view nome) const {
    for (const auto& v : vertices_)
        if (v->Nome == nome) return v->Id;
    return -1;
}

TRamo* TGrafo::FindRamo(std::int32_t id) {
    const int i = IndexOfRamo(id);
    return i < 0 ? nullptr : ramos_[static_cast<std::size_t>(i)].get();
}

const TRamo* TGrafo::FindRamo(std::int32_t id) const {
    const int i = IndexOfRamo(id);
    return i < 0 ? nullptr : ramos_[static_cast<std::size_t>(i)].get();
}

int TGrafo::IndexOfRamo(std::int32_t id) const {
    IndexarRamos();
    const auto it = indiceRamos_.find(id);
    return it == indiceRamos_.end() ? -1 : it->second;
}

void TGrafo::DeleteVertice(std::int32_t id) {
    const auto it =
        std::find_if(vertices_.begin(), vertices_.end(), [id](const auto& v) { return v->Id == id; });
    if (it != vertices_.end()) vertices_.erase(it);
    verticesIndexados_ = false;
}

void TGrafo::RemoveAdjacente(TVertice* vertice, TAdjacente entry) {
    if (vertice == nullptr) return;
    auto& list = vertice->Adjacentes;
    const auto it = std::find(list.begin(), list.end(), entry);
    if (it != list.end()) list.erase(it);
}

void TGrafo::DeleteRamoAt(int index) {
    const auto pos = ramos_.begin() + index;
    const TRamo& r = **pos;
    RemoveAdjacente(FindVertice(r.Origem), {r.Destino, r.Id});
    if (!r.Dirigido) RemoveAdjacente(FindVertice(r.Destino), {r.Origem, r.Id});
    ramos_.erase(pos);
    ramosIndexados_ = false;
}

void TGrafo::DeleteRamo(std::int32_t id) {
    const int i = IndexOfRamo(id);
    if (i >= 0) DeleteRamoAt(i);
}

void TGrafo::DeleteRamos(const std::vector<std::int32_t>& ids) {
    // Deleting identifier x k times deletes the first k branches of identifier x; each of them takes
    // the first entry {other end, x} left at each of its ends.
    std::unordered_map<std::int32_t, int> vezes;
    for (std::int32_t id : ids)
        ++vezes[id];
    std::unordered_map<TVertice*, std::vector<TAdjacente>> entradas;
    TListRamo mantidos;
    mantidos.reserve(ramos_.size());
    for (auto& r : ramos_) {
        const auto it = vezes.find(r->Id);
        if (it == vezes.end() || it->second == 0) {
            mantidos.push_back(std::move(r));
            continue;
        }
        --it->second;
        if (TVertice* v = FindVertice(r->Origem)) entradas[v].push_back({r->Destino, r->Id});
        if (!r->Dirigido)
            if (TVertice* v = FindVertice(r->Destino)) entradas[v].push_back({r->Origem, r->Id});
    }
    ramos_ = std::move(mantidos);
    ramosIndexados_ = false;
    for (auto& [v, sair] : entradas) {
        std::unordered_map<std::uint64_t, int> conta;
        const auto chave = [](const TAdjacente& a) {
            return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(a.Vizinho)) << 32) |
                   static_cast<std::uint32_t>(a.Ramo);
        };
        for (const TAdjacente& a : sair)
            ++conta[chave(a)];
        TListAdjacente restantes;
        restantes.reserve(v->Adjacentes.size());
        for (const TAdjacente& a : v->Adjacentes) {
            const auto it = conta.find(chave(a));
            if (it != conta.end() && it->second > 0)
                --it->second;
            else
                restantes.push_back(a);
        }
        v->Adjacentes = std::move(restantes);
    }
}

namespace {

bool Liga(const TRamo& r, std::int32_t a, std::int32_t b) {
    if (r.Origem == a && r.Destino == b) return true;
    return !r.Dirigido && r.Origem == b && r.Destino == a;
}

} // namespace

void TGrafo::DeleteRamosEntre(std::int32_t a, std::int32_t b) {
    // Deleting by position, not by identifier, so that a repeated identifier cannot make the
    // deletion hit another branch and loop for ever.
    const auto deleteAll = [this](std::int32_t from, std::int32_t to) {
        for (;;) {
            const auto it =
                std::find_if(ramos_.begin(), ramos_.end(), [&](const auto& r) { return Liga(*r, from, to); });
            if (it == ramos_.end()) return;
            DeleteRamoAt(static_cast<int>(it - ramos_.begin()));
        }
    };
    deleteAll(a, b);
    deleteAll(b, a);
}

void TGrafo::DeleteRamosCurto() {
    for (int i = 0; i < RamoCount();) {
        if (ramos_[static_cast<std::size_t>(i)]->Origem == ramos_[static_cast<std::size_t>(i)]->Destino)
            DeleteRamoAt(i);
        else
            ++i;
    }
}

void TGrafo::MergeVertices(std::int32_t n, std::int32_t v) {
    // Merging a vertex into itself would only duplicate its entries.
    if (n == v) return;
    TVertice* vn = FindVertice(n);
    TVertice* vv = FindVertice(v);
    if (vn == nullptr || vv == nullptr) return;

    vv->Adjacentes.insert(vv->Adjacentes.end(), vn->Adjacentes.begin(), vn->Adjacentes.end());
    for (auto& vertice : vertices_)
        for (TAdjacente& entry : vertice->Adjacentes)
            if (entry.Vizinho == n) entry.Vizinho = v;
    for (auto& r : ramos_) {
        if (r->Origem == n) r->Origem = v;
        if (r->Destino == n) r->Destino = v;
    }
}

void TGrafo::CollectSimbolos() {
    simbolos_.Clear();
    for (const auto& r : ramos_)
        if (r->Ganho && r->Ganho->HasSym()) simbolos_.AddSimbolo(r->Ganho->Sym(), 1.0);
    simbolos_.Sort();
}

} // namespace brelix
