#include "symbolic/UnitPropGanho.h"

#include "symbolic/UnitGrfGanho.h"

namespace brelix {

bool TPropGanho::Validar(bool allowZero) {
    const TValorGanho g = ParseGanhoEstrito(Text);
    K = g.K;
    ExpS = g.ExpS;
    Sym = g.Sym;
    ExpSym = g.ExpSym;
    if (!g.Valido) return false;
    return allowZero || K != 0.0;
}

std::string TPropGanho::Texto() const {
    return EscreverGanho(K, Sym, ExpSym, ExpS);
}

void TPropGanho::Inverter() {
    if (K != 0.0) K = 1.0 / K;
    ExpS = -ExpS;
    ExpSym = -ExpSym;
}

void TPropGanho::MulK(std::int32_t n) {
    K *= n;
}

void TPropGanho::AddExpS(std::int32_t n) {
    ExpS += n;
}

} // namespace brelix
