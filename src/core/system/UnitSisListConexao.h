#pragma once

#include "system/UnitSisConexao.h"

#include <cstdint>
#include <memory>
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
    TConexao* Find(std::int32_t id) const;
    // Frees the first wire with the identifier; nothing when absent.
    void Remove(std::int32_t id);
    void RemoveAt(int i);
    // Redirect applied to every wire in list order.
    void RedirectAll(std::int32_t terminalAntigo, std::int32_t terminalNovo, TElemento* mantido,
                     const TElemento* removido);
    // Drops the element from every wire end that holds it.
    void ForgetElemento(const TElemento* elemento);

    auto begin() const { return itens_.begin(); }
    auto end() const { return itens_.end(); }

private:
    std::vector<std::unique_ptr<TConexao>> itens_;
};

} // namespace brelix
