#pragma once

#include <cstdint>
#include <string>

namespace brelix {

// A gain as an editable value: the conversions and the gain dialogs validate a text strictly, may
// transform the values (reciprocal, integer multiple, change of the power of S) and write the
// canonical text back. An empty Sym means no symbol.
class TPropGanho {
public:
    std::string Text;
    double K = 1.0;
    std::int32_t ExpS = 0;
    std::string Sym;
    std::int32_t ExpSym = 1;

    // Parses Text strictly; false when it is not a valid gain, or when K = 0 and zero is not allowed.
    bool Validar(bool allowZero);
    std::string Texto() const;

    // 1/K when K is not 0; the exponents of S and of the symbol change sign in every case.
    void Inverter();
    void MulK(std::int32_t n);
    void AddExpS(std::int32_t n);
};

} // namespace brelix
