#include "gui/UnitPropVOSisComp.h"

#include "system/UnitPropVOSisComp.h"

#include <utility>

namespace brelix {

TJanelaPropVisualObject* CriarPropVOSisComp(TPropWindow familia, TServicosPropriedades servicos,
                                            QWidget* parent) {
    const char* nome = "PropVOSisComp";
    if (familia == TPropWindow::SisComp2) nome = "PropVOSisComp2";
    if (familia == TPropWindow::SisComp4) nome = "PropVOSisComp4";
    if (familia == TPropWindow::SisCompCtrl) nome = "PropVOSisCompCtrl";
    return new TJanelaPropVisualObject(familia, nome, std::make_unique<TPropVOSisComp>(), std::move(servicos),
                                       parent);
}

} // namespace brelix
