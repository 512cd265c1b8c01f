#pragma once

#include "visual/UnitPropVisualObject.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TVOSisComp;

// The gain panels of a system component's property window, by its dialog family:
//   TPropVOSisComp      one-gain components and references: the whole gain, labelled with the kind's
//                       label, edited as K . Sym;
//   TPropVOSisCompCtrl  controlled sources: the whole gain ("Ganho"), with both exponents;
//   TPropVOSisComp2     mass and inertia with friction: gains 1 and 2, as K . Sym;
//   TPropVOSisComp4     couplers: gains 1 to 4 labelled with their relations, as K . Sym^ExpSym.
// Only a coupler's gains may be 0 (two of them may vanish, as long as each relation pair keeps one).
std::vector<TPainelGanho> PaineisGanhoSis(const TVOSisComp& comp);

// The property window of system components without its widgets (all four families). In Var. Controle
// a typed name that is no candidate gives way to the variable already stored, while an empty text is
// stored as it is and leaves the source without a control variable.
class TPropVOSisComp : public TPropVisualObject {
public:
    std::vector<TPainelGanho> PaineisGanho() const override;

protected:
    std::string CorrigirVarCtrl(std::string_view text) const override;
};

} // namespace brelix
