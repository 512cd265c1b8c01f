#include "graph/UnitGrfLacoOS.h"

#include "common/UnitComTexto.h"

#include <cmath>

namespace brelix {

void TLacoOS::InsertLaco(std::int32_t index, const TLaco& laco) {
    Lacos.Insert(0, index);
    K *= laco.K;
    ExpS += laco.ExpS;
    Simbolos.MulSimbolos(laco.Simbolos);
}

std::string TLacoOS::TextoGanho() {
    const std::string symbols = Simbolos.Texto();
    if (symbols.empty() && ExpS == 0)
        return K > 0 ? "+ " + FixedToStr2(K) : "- " + FixedToStr2(std::fabs(K)); // no "-0,00" for K = 0

    std::string sign = K > 0 ? "+" : "-";
    if (std::fabs(K) != 1.0) sign += " " + FixedToStr2(std::fabs(K));
    std::string sPart;
    if (ExpS == 1)
        sPart = "S";
    else if (ExpS != 0)
        sPart = "S^" + std::to_string(ExpS);

    std::string text = sign + (sign.size() == 1 ? " " : ".");
    if (!symbols.empty()) text += symbols + ".";
    if (!sPart.empty()) text += sPart + ".";
    text.pop_back();
    return text;
}

} // namespace brelix
