#pragma once

#include <string>
#include <vector>

namespace brelix {

// What the assembly of a transfer function tells whoever shows its progress: the orders of loop sets
// with their counts, the order being worked on, and every set done. A window implements it; the core
// calls it and never depends on one (the defaults do nothing).
class TProgresso {
public:
    virtual ~TProgresso() = default;

    // One line per order, "01 - 3": the order and its number of sets.
    virtual void IniciarProgresso(const std::vector<std::string>& /*lines*/) {}
    virtual void IniciarOrdem(int /*order*/, int /*count*/) {}
    // The set just done, counted from 1 within its order.
    virtual void PassoProgresso(int /*set*/) {}
};

} // namespace brelix
