#include "system/UnitSisListElemento.h"

#include <algorithm>
#include <utility>

namespace brelix {

TElemento& TListElemento::Add(std::int32_t id, bool componente, std::string varControle, std::string ganho,
                              std::int32_t numTerminais, std::int32_t top, std::int32_t left,
                              std::string nome, std::int32_t tipo, std::int32_t dominio) {
    itens_.push_back(std::make_unique<TElemento>(id, componente, std::move(varControle), std::move(ganho),
                                                 numTerminais, top, left, std::move(nome), tipo, dominio));
    if (indexado_) indice_.emplace(id, itens_.back().get());
    return *itens_.back();
}

const TElemento* TListElemento::Find(std::int32_t id) const {
    if (!indexado_) {
        indice_.clear();
        for (const auto& e : itens_)
            indice_.emplace(e->Id, e.get());
        indexado_ = true;
    }
    const auto it = indice_.find(id);
    return it == indice_.end() ? nullptr : it->second;
}

TElemento* TListElemento::Find(std::int32_t id) {
    return const_cast<TElemento*>(std::as_const(*this).Find(id));
}

void TListElemento::Remove(std::int32_t id) {
    Remove(Find(id));
}

void TListElemento::RemoveAll(const std::unordered_set<const TElemento*>& elementos) {
    if (elementos.empty()) return;
    std::erase_if(itens_, [&](const auto& e) { return elementos.contains(e.get()); });
    indexado_ = false;
}

void TListElemento::Remove(const TElemento* elemento) {
    const auto pos =
        std::find_if(itens_.begin(), itens_.end(), [&](const auto& e) { return e.get() == elemento; });
    if (pos == itens_.end()) return;
    for (const auto& e : itens_)
        e->ForgetNeighbour(elemento);
    itens_.erase(pos);
    indexado_ = false;
}

} // namespace brelix
