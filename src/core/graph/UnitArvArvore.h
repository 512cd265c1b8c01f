#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelix {

class TGanho;
struct TNo;

using TListNo = std::vector<std::unique_ptr<TNo>>;

// A node of a search tree or forest: a vertex reached by a branch, or a loop index.
struct TNo {
    std::int32_t Id = 0;
    std::string Texto;
    TNo* Pai = nullptr; // none for a root
    TListNo Filhos;     // owned, in insertion order
    std::int32_t Ramo = 0;
    const TGanho* Ganho = nullptr; // the gain of that branch, owned by the graph
    std::int32_t Nivel = 0;
};

// A tree or forest: the roots own their nodes through the children lists; besides, every node is
// listed in creation order. Trees of long searches grow deep, so nodes are freed without recursion.
class TArvore {
public:
    TArvore() = default;
    TArvore(const TArvore&) = delete;
    TArvore& operator=(const TArvore&) = delete;
    TArvore(TArvore&& other) noexcept;
    TArvore& operator=(TArvore&& other) noexcept;
    ~TArvore();

    TNo& AddRaiz(std::int32_t id, std::string texto);
    TNo& AddFilho(TNo& pai, std::int32_t id, std::string texto, std::int32_t ramo = 0,
                  const TGanho* ganho = nullptr);

    int RaizCount() const { return static_cast<int>(raizes_.size()); }
    TNo& Raiz(int i) { return *raizes_[static_cast<std::size_t>(i)]; }
    const TNo& Raiz(int i) const { return *raizes_[static_cast<std::size_t>(i)]; }
    const TListNo& Raizes() const { return raizes_; }

    // Every node, in creation order.
    int Count() const { return static_cast<int>(nos_.size()); }
    TNo& No(int i) { return *nos_[static_cast<std::size_t>(i)]; }
    const TNo& No(int i) const { return *nos_[static_cast<std::size_t>(i)]; }

    // The largest level of any node; -1 while empty.
    std::int32_t NivelMax() const { return nivelMax_; }

    void Clear();

private:
    std::vector<TNo*> nos_;
    std::int32_t nivelMax_ = -1;
    TListNo raizes_;
};

} // namespace brelix
