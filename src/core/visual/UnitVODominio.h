#pragma once

#include <cstdint>

namespace brelix {

// The energy domain of an object, by the code the files and the registries use: the signal-flow
// diagram, the linear graph, the four physical domains, and the couplers between two of them (first
// domain named on the coupler's port 1, second on port 2).
enum TDominio : std::int32_t {
    kDominioDFS = 0,
    kDominioGrafo = 1,
    kDominioEletrico = 2,
    kDominioTranslacional = 3,
    kDominioRotacional = 4,
    kDominioHidraulico = 5,
    kDominioAcpEleMct = 6,
    kDominioAcpEleMcr = 7,
    kDominioAcpEleHid = 8,
    kDominioAcpMctMcr = 9,
    kDominioAcpMctHid = 10,
    kDominioAcpMcrHid = 11,
};

// Whether the code names one of the four physical domains (a system vertex, wire or one-domain part).
constexpr bool DominioFisico(std::int32_t domain) {
    return domain >= kDominioEletrico && domain <= kDominioHidraulico;
}
// Whether the code names a coupler between two physical domains.
constexpr bool DominioAcoplador(std::int32_t domain) {
    return domain >= kDominioAcpEleMct && domain <= kDominioAcpMcrHid;
}

} // namespace brelix
