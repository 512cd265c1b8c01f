#include "system/UnitSisTipo.h"

#include "system/UnitSisRamos.h"
#include "system/UnitVOSisCatalogo.h"

#include <algorithm>

// What a kind is (its domain, its terminals and their domains, whether it is a vertex or a
// controlled source) is stated once, in the catalogue rows, and what the conversion makes of it in
// the branch table; the model reads them there. Both are plain data: no visual object is made to
// answer.

namespace brelix {

namespace {

// The row of a kind that may become an element of the model: a vertex or a component, never a wire.
const TSisKindRow* LinhaDeElemento(std::int32_t tipo) {
    const TSisKindRow* row = SisKind(tipo);
    if (row == nullptr || row->Familia == TSisFamilia::Conexao) return nullptr;
    return row;
}

} // namespace

TParDominios DominiosDoCodigo(std::int32_t dominio) {
    // The couplers' codes follow one another in this order.
    static constexpr TParDominios kAcopladores[] = {
        {kDominioEletrico, kDominioTranslacional},   {kDominioEletrico, kDominioRotacional},
        {kDominioEletrico, kDominioHidraulico},      {kDominioTranslacional, kDominioRotacional},
        {kDominioTranslacional, kDominioHidraulico}, {kDominioRotacional, kDominioHidraulico}};
    if (dominio >= kDominioEletrico && dominio <= kDominioHidraulico) return {dominio, dominio};
    if (dominio >= kDominioAcpEleMct && dominio <= kDominioAcpMcrHid)
        return kAcopladores[dominio - kDominioAcpEleMct];
    return {};
}

std::int32_t DominioDoTipo(std::int32_t tipo) {
    const TSisKindRow* row = LinhaDeElemento(tipo);
    return row != nullptr ? row->Domain : 0;
}

bool TipoEhVertice(std::int32_t tipo) {
    const TSisKindRow* row = LinhaDeElemento(tipo);
    return row != nullptr && row->Familia == TSisFamilia::Vertice;
}

std::int32_t TipoVerticeDoDominio(std::int32_t dominio) {
    for (const TSisKindRow& row : SisKinds())
        if (row.Familia == TSisFamilia::Vertice && row.Domain == dominio) return row.Kind;
    return 0;
}

std::int32_t TerminaisDoTipo(std::int32_t tipo) {
    const TSisKindRow* row = LinhaDeElemento(tipo);
    return row != nullptr ? row->Terminals : 0;
}

std::int32_t DominioDoTerminal(std::int32_t tipo, std::int32_t terminal) {
    const TSisKindRow* row = LinhaDeElemento(tipo);
    if (row == nullptr) return 0;
    // A vertex has the single terminal 1, which takes all of its wires.
    const std::int32_t n = row->Familia == TSisFamilia::Vertice ? 1 : row->Terminals;
    if (terminal < 1 || terminal > n) return 0;
    return SisTerminalDomain(*row, terminal);
}

bool TipoEhMassaAtrito(std::int32_t tipo) {
    // The only kinds whose gain the conversion shares out between their branches, a piece each.
    const std::span<const TRamoDoTipo> ramos = RamosDoTipo(tipo);
    return std::any_of(ramos.begin(), ramos.end(), [](const TRamoDoTipo& r) { return r.Parte > 0; });
}

bool TipoEhFonteCtrl(std::int32_t tipo) {
    const TSisKindRow* row = LinhaDeElemento(tipo);
    return row != nullptr && row->Familia == TSisFamilia::CompCtrl;
}

} // namespace brelix
