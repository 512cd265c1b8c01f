#include "system/UnitVFSistema.h"

#include "system/UnitVOSisComp.h"

namespace brelix {

std::unique_ptr<TSistema> TVFSistema::BuildModel() const {
    auto modelo = std::make_unique<TSistema>();
    for (const TVisualObject& o : Objects()) {
        if (const auto* c = dynamic_cast<const TVOSisComp*>(&o)) {
            modelo->AddElemento(c->ID(), c->GetDomain(), true, c->ControlVariable(), c->GetGain(0),
                                c->NumPorts(), c->Top(), c->Left(), c->Desc(), c->GetKind());
        } else if (dynamic_cast<const TVOSisVertice*>(&o) != nullptr) {
            modelo->AddElemento(o.ID(), o.GetDomain(), false, {}, {}, 0, o.Top(), o.Left(), o.Desc(),
                                o.GetKind());
        }
    }
    for (const TVisualObject& o : Objects())
        if (const auto* w = dynamic_cast<const TVOSisConexao*>(&o))
            modelo->AddConexao(w->ID(), w->GetDomain(), w->ObjID1(), w->CntID1(), w->ObjID2(), w->CntID2());
    return modelo;
}

} // namespace brelix
