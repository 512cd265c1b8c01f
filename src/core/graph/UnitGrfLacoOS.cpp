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
    if (symbols.empty() && ExpS == 0) {
        // The magnitude, not -K: K = 0 must not come out as "-0,00".
        std::string text = K > 0 ? "+ " : "- ";
        text += FixedToStr2(std::fabs(K));
        return text;
    }

    std::string sign = K > 0 ? "+" : "-";
    if (std::fabs(K) != 1.0) {
        sign += ' ';
        sign += FixedToStr2(std::fabs(K));
    }
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
