#pragma once

#include "gui/UnitPropVisualObject.h"

namespace brelix {

// The property windows of system components: PropVOSisComp (one gain), PropVOSisComp2 (mass and
// inertia with friction), PropVOSisComp4 (couplers) and PropVOSisCompCtrl (controlled sources), with
// the rules of TPropVOSisComp: their gain panels, and Var. Controle where an empty text leaves the
// source without a control variable. Owned by the parent, or by the caller without one.
TJanelaPropVisualObject* CriarPropVOSisComp(TPropWindow familia, TServicosPropriedades servicos,
                                            QWidget* parent);

} // namespace brelix
