#include "system/UnitSisListConexao.h"

#include <utility>

namespace brelix {

TConexao& TListConexao::Add(std::int32_t id, std::int32_t dominio, TElemento* elemento1,
                            std::int32_t terminal1, TElemento* elemento2, std::int32_t terminal2) {
    itens_.push_back(std::make_unique<TConexao>(id, dominio, elemento1, terminal1, elemento2, terminal2));
    return *itens_.back();
}

int TListConexao::IndexOf(std::int32_t id) const {
    for (int i = 0; i < Count(); ++i)
        if (At(i).Id == id) return i;
    return -1;
}

const TConexao* TListConexao::Find(std::int32_t id) const {
    const int i = IndexOf(id);
    return i < 0 ? nullptr : itens_[static_cast<std::size_t>(i)].get();
}

TConexao* TListConexao::Find(std::int32_t id) {
    return const_cast<TConexao*>(std::as_const(*this).Find(id));
}

void TListConexao::Remove(std::int32_t id) {
    const int i = IndexOf(id);
    if (i >= 0) RemoveAt(i);
}

void TListConexao::RemoveAt(int i) {
    itens_.erase(itens_.begin() + i);
}

void TListConexao::RemoveAll(const std::unordered_set<const TConexao*>& wires) {
    if (wires.empty()) return;
    std::erase_if(itens_, [&](const auto& c) { return wires.contains(c.get()); });
}

void TListConexao::RedirectAll(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                               const TElemento* removido) {
    for (const auto& c : itens_)
        c->Redirect(terminalAntigo, terminalNovo, mantido, removido);
}

void TListConexao::ForgetElemento(const TElemento* elemento) {
    for (const auto& c : itens_)
        c->ForgetElemento(elemento);
}

} // namespace brelix
