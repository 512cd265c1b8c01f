#include "graph/UnitArvArvore.h"

#include <algorithm>
#include <utility>

namespace brelix {

TArvore::TArvore(TArvore&& other) noexcept
    : nos_(std::move(other.nos_)), nivelMax_(other.nivelMax_), raizes_(std::move(other.raizes_)) {
    other.nos_.clear();
    other.raizes_.clear();
    other.nivelMax_ = -1;
}

TArvore& TArvore::operator=(TArvore&& other) noexcept {
    if (this == &other) return *this;
    Clear();
    nos_ = std::move(other.nos_);
    raizes_ = std::move(other.raizes_);
    nivelMax_ = other.nivelMax_;
    other.nos_.clear();
    other.raizes_.clear();
    other.nivelMax_ = -1;
    return *this;
}

TArvore::~TArvore() {
    Clear();
}

void TArvore::Clear() {
    // A child is always created after its parent, so walking the creation order backwards frees
    // every node after its own children were freed: no destructor ever recurses.
    for (auto it = nos_.rbegin(); it != nos_.rend(); ++it)
        (*it)->Filhos.clear();
    raizes_.clear();
    nos_.clear();
    nivelMax_ = -1;
}

TNo& TArvore::AddRaiz(std::int32_t id, std::string texto) {
    auto no = std::make_unique<TNo>();
    no->Id = id;
    no->Texto = std::move(texto);
    TNo& ref = *no;
    raizes_.push_back(std::move(no));
    nos_.push_back(&ref);
    nivelMax_ = std::max(nivelMax_, 0);
    return ref;
}

TNo& TArvore::AddFilho(TNo& pai, std::int32_t id, std::string texto, std::int32_t ramo, const TGanho* ganho) {
    auto no = std::make_unique<TNo>();
    no->Id = id;
    no->Texto = std::move(texto);
    no->Pai = &pai;
    no->Ramo = ramo;
    no->Ganho = ganho;
    no->Nivel = pai.Nivel + 1;
    TNo& ref = *no;
    pai.Filhos.push_back(std::move(no));
    nos_.push_back(&ref);
    nivelMax_ = std::max(nivelMax_, ref.Nivel);
    return ref;
}

} // namespace brelix
