#include "graph/UnitGrfLaco.h"

#include "symbolic/UnitGrfGanho.h"

namespace brelix {

void TLaco::InsertRamo(std::int32_t branchId, const TGanho& gain) {
    Ramos.Insert(0, branchId);
    MulGanho(gain);
}

void TLaco::MulGanho(const TGanho& gain) {
    K *= gain.K();
    ExpS += gain.ExpS();
    if (gain.HasSym()) Simbolos.AddSimbolo(gain.SymId(), gain.ExpSym());
}

} // namespace brelix
