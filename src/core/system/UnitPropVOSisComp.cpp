#include "system/UnitPropVOSisComp.h"

#include "symbolic/UnitPropVOGanho.h"
#include "system/UnitVOSisComp.h"

namespace brelix {

namespace {

// How a family's editor opens: the fields it offers and whether a zero coefficient passes.
struct TRegraPainel {
    const char* Sufixo;
    bool ExpSym;
    bool ExpS;
    bool PermiteZero;
    bool PorPeca; // each gain of the ";"-separated list has its panel
};

TRegraPainel Regra(TPropWindow janela) {
    switch (janela) {
    case TPropWindow::SisCompCtrl:
        return {kSufixoKSymExpSymExpS, true, true, false, false};
    case TPropWindow::SisComp2:
        return {kSufixoKSym, false, false, false, true};
    case TPropWindow::SisComp4:
        return {kSufixoKSymExpSym, true, false, true, true};
    default:
        return {kSufixoKSym, false, false, false, false};
    }
}

} // namespace

std::vector<TPainelGanho> PaineisGanhoSis(const TVOSisComp& comp) {
    const TSisKindRow& row = comp.Row();
    const TRegraPainel regra = Regra(row.Dialog);
    const std::size_t count = regra.PorPeca ? row.Labels.size() : std::min<std::size_t>(row.Labels.size(), 1);
    std::vector<TPainelGanho> paineis;
    for (std::size_t i = 0; i < count; ++i) {
        TPainelGanho p;
        p.Indice = regra.PorPeca ? static_cast<std::int32_t>(i + 1) : 0;
        p.Rotulo = row.Labels[i];
        p.Ganho = comp.GetGain(p.Indice);
        p.TituloEditor = p.Rotulo + regra.Sufixo;
        p.ExpSym = regra.ExpSym;
        p.ExpS = regra.ExpS;
        p.PermiteZero = regra.PermiteZero;
        paineis.push_back(std::move(p));
    }
    return paineis;
}

std::vector<TPainelGanho> TPropVOSisComp::PaineisGanho() const {
    const auto* comp = dynamic_cast<const TVOSisComp*>(Comp());
    return comp == nullptr ? std::vector<TPainelGanho>{} : PaineisGanhoSis(*comp);
}

std::string TPropVOSisComp::CorrigirVarCtrl(std::string_view text) const {
    return text.empty() ? std::string() : VarCtrl();
}

} // namespace brelix
