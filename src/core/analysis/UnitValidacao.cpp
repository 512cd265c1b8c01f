#include "analysis/UnitValidacao.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitGrfGanho.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVisualObjectList.h"

#include <utility>

namespace brelix {

void AddDesconectados(const TListVisualObject& objetos, const TVOClass& classe,
                      std::vector<std::string>& problemas) {
    for (const TVisualObject& o : objetos) {
        if (!o.Is(classe)) continue;
        const auto* elemento = dynamic_cast<const TVOElemento*>(&o);
        if (elemento != nullptr && !elemento->IsConnected()) problemas.push_back(o.Desc());
    }
}

bool TNomesRepetidos::Repete(std::string_view nome) {
    std::string chave = UpperAscii(nome);
    if (vistos_.insert(chave).second) return false;
    return repetidos_.insert(std::move(chave)).second;
}

bool UsaSimboloDFS(const TVOComp& comp) {
    for (const std::string& ganho : SplitGains(comp.GetGain(0))) {
        const TValorGanho valor = ParseGanhoLeniente(ganho);
        if (valor.HasSym && valor.Sym == kSimboloDFS) return true;
    }
    return false;
}

} // namespace brelix
