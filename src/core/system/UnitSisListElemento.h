#pragma once

#include "system/UnitSisElemento.h"
#include "system/UnitSisLista.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace brelix {

// The elements of a system in creation order, owned. The order matters: numbering, the naming of
// merged vertices and branch numbering all walk the list from first to last.
class TListElemento {
public:
    TElemento& Add(std::int32_t id, bool componente, std::string varControle, std::string ganho,
                   std::int32_t numTerminais, std::int32_t top, std::int32_t left, std::string nome,
                   std::int32_t tipo, std::int32_t dominio);

    int Count() const { return static_cast<int>(itens_.size()); }
    TElemento& At(int i) { return *itens_[static_cast<std::size_t>(i)]; }
    const TElemento& At(int i) const { return *itens_[static_cast<std::size_t>(i)]; }

    // The first element with the identifier; none when absent.
    const TElemento* Find(std::int32_t id) const;
    TElemento* Find(std::int32_t id);
    // Frees the first element with the identifier (nothing when absent), after clearing it from the
    // neighbours of every other element of the list. Wires are the system's concern.
    void Remove(std::int32_t id);
    // The same for this very element, whatever its identifier (identifiers of a damaged document may
    // repeat). Nothing when the element is not in the list.
    void Remove(const TElemento* elemento);
    // Frees every element of the set in one pass, keeping the order of the others. The caller has
    // already cleared them from the neighbours of the elements that are left.
    void RemoveAll(const std::unordered_set<const TElemento*>& elementos);

    TIteradorDono<TElemento> begin() { return TIteradorDono<TElemento>(itens_.begin()); }
    TIteradorDono<TElemento> end() { return TIteradorDono<TElemento>(itens_.end()); }
    TIteradorDonoConst<TElemento> begin() const { return TIteradorDonoConst<TElemento>(itens_.begin()); }
    TIteradorDonoConst<TElemento> end() const { return TIteradorDonoConst<TElemento>(itens_.end()); }

private:
    TItensDonos<TElemento> itens_;
    // The first element of each identifier, so that wiring a large system looks each end up at once;
    // made again after a removal.
    mutable std::unordered_map<std::int32_t, TElemento*> indice_;
    mutable bool indexado_ = false;
};

} // namespace brelix
