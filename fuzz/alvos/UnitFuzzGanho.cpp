// Gain texts and symbol-value lines of any bytes.

#include "UnitFuzzComum.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitGrfGanho.h"
#include "symbolic/UnitPropGanho.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <cmath>
#include <unordered_set>

namespace brelix::fuzz {

void AlvoGanho(std::string_view bytes) {
    constexpr std::string_view alvo = "ganho";
    const std::string texto(bytes);
    const TGanho g(texto);
    Exigir(std::isfinite(g.K()), alvo, "a coefficient past the range of the real numbers");
    const std::string canonico = g.Texto();
    Exigir(TGanho(canonico).Texto() == canonico, alvo, "the canonical text " + canonico + " is not stable");
    TPropGanho p;
    p.Text = canonico;
    Exigir(p.Validar(true), alvo, "the canonical text " + canonico + " is not valid");
    Exigir(p.Texto() == canonico, alvo, "the strict parse writes " + p.Texto() + " for " + canonico);
    // A text the strict parse accepts means what the lenient one makes of it.
    const TValorGanho estrito = ParseGanhoEstrito(texto);
    if (estrito.Valido)
        Exigir(EscreverGanho(estrito.K, estrito.Sym, estrito.ExpSym, estrito.ExpS) == canonico, alvo,
               "the strict and the lenient parse disagree");
    // The reciprocal the conversions take, when it is a real number, is a gain too.
    p.Inverter();
    if (std::isfinite(p.K)) {
        const std::string inverso = p.Texto();
        Exigir(TGanho(inverso).Texto() == inverso, alvo,
               "the reciprocal's text " + inverso + " is not stable");
    }
}

void AlvoSimbolos(std::string_view bytes) {
    constexpr std::string_view alvo = "simbolos";
    TListSimboloVal valores;
    valores.ReadLines(Linhas(bytes));
    std::unordered_set<std::string> nomes;
    for (const TSimboloVal& s : valores) {
        Exigir(nomes.insert(s.Nome).second, alvo, "the name " + s.Nome + " is there twice");
        Exigir(std::isfinite(s.Valor), alvo, "the value of " + s.Nome + " is no real number");
    }
    std::vector<std::string> escritas;
    valores.WriteLines(escritas);
    TListSimboloVal lidos;
    lidos.ReadLines(escritas);
    std::vector<std::string> outra;
    lidos.WriteLines(outra);
    Exigir(outra == escritas, alvo, "written values do not read back as they were");
    for (int i = 0; i < valores.Count(); ++i)
        Exigir(lidos[i].Valor == valores[i].Valor, alvo, "the value of " + valores[i].Nome + " changed");
    lidos.Sort();
    for (int i = 0; i + 1 < lidos.Count(); ++i)
        Exigir(CompareUpper(lidos[i].Nome, lidos[i + 1].Nome) <= 0, alvo, "the names are not sorted");
}

} // namespace brelix::fuzz
