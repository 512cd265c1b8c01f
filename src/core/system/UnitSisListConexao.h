#pragma once

#include "system/UnitSisConexao.h"
#include "system/UnitSisLista.h"

#include <cstdint>
#include <memory>
#include <unordered_set>
#include <vector>

namespace brelix {

// The wires of a system in creation order, owned.
class TListConexao {
public:
    TConexao& Add(std::int32_t id, std::int32_t dominio, TElemento* elemento1, std::int32_t terminal1,
                  TElemento* elemento2, std::int32_t terminal2);

    int Count() const { return static_cast<int>(itens_.size()); }
    TConexao& At(int i) { return *itens_[static_cast<std::size_t>(i)]; }
    const TConexao& At(int i) const { return *itens_[static_cast<std::size_t>(i)]; }

    // The position of the first wire with the identifier; -1 when absent.
    int IndexOf(std::int32_t id) const;
    // The first wire with the identifier; none when absent.
    const TConexao* Find(std::int32_t id) const;
    TConexao* Find(std::int32_t id);
    // Frees the first wire with the identifier; nothing when absent.
    void Remove(std::int32_t id);
    void RemoveAt(int i);
    // Frees every wire of the set in one pass, keeping the order of the others.
    void RemoveAll(const std::unordered_set<const TConexao*>& wires);
    // Redirect applied to every wire in list order.
    void RedirectAll(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                     const TElemento* removido);
    // Drops the element from every wire end that holds it.
    void ForgetElemento(const TElemento* elemento);

    TIteradorDono<TConexao> begin() { return TIteradorDono<TConexao>(itens_.begin()); }
    TIteradorDono<TConexao> end() { return TIteradorDono<TConexao>(itens_.end()); }
    TIteradorDonoConst<TConexao> begin() const { return TIteradorDonoConst<TConexao>(itens_.begin()); }
    TIteradorDonoConst<TConexao> end() const { return TIteradorDonoConst<TConexao>(itens_.end()); }

private:
    TItensDonos<TConexao> itens_;
};

} // namespace brelix
