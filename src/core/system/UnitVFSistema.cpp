#include "system/UnitVFSistema.h"

#include "common/UnitComTexto.h"
#include "system/UnitVOSisClasses.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOCnx.h"

#include <map>

namespace brelix {

namespace {

// A new vertex goes midway between two terminals, on the placement grid, its centre on the point.
std::int32_t Midway(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>((std::int64_t{a} + b) / 10 * 5 - 15);
}

} // namespace

void TVFSistema::PortClicked(bool picked, std::int32_t id, TPonto position, std::int32_t type,
                             std::int32_t port) {
    TerminalPicked(picked, id, position, type, port);
}

void TVFSistema::TerminalPicked(bool picked, std::int32_t id, TPonto position, std::int32_t type,
                                std::int32_t terminal) {
    if (!picked) {
        pendente_ = {};
        return;
    }
    const TTerminalPendente picked1 = pendente_;
    const TTerminalPendente now{id, terminal, type, position};
    auto* first = dynamic_cast<TVOElemento*>(Objects().FindByID(picked1.ID));
    auto* second = dynamic_cast<TVOElemento*>(Objects().FindByID(id));
    // Nothing pending, the pending object deleted since, or the same object again.
    if (first == nullptr || second == nullptr || picked1.ID == id) {
        pendente_ = now;
        return;
    }
    if (picked1.Type == type && Connect(*first, picked1.Terminal, *second, terminal)) {
        pendente_ = {};
        return;
    }
    first->ClearPortFlags();
    pendente_ = now;
}

void TVFSistema::CancelPendingEnds() {
    TVisualDocumento::CancelPendingEnds();
    pendente_ = {};
}

bool TVFSistema::Connect(TVOElemento& a, std::int32_t ta, TVOElemento& b, std::int32_t tb) {
    if (!Holds(a) || !Holds(b) || &a == &b) return false;
    if (!a.CanTakeConnection(ta) || !b.CanTakeConnection(tb)) return false;
    const TPortInfo from = a.GetPortInfo(ta);
    const TPortInfo to = b.GetPortInfo(tb);
    if (from.Type != to.Type || SisWireClass(from.Type) == nullptr) return false;
    const TPasso passo(*this, TAcaoEdicao::Conectar);
    const bool components =
        dynamic_cast<TVOSisComp*>(&a) != nullptr && dynamic_cast<TVOSisComp*>(&b) != nullptr;
    if (!(components && autoVrt_)) return Wire(from.Type, a, ta, b, tb);
    const TVOClass* vertexClass = SisVertexClass(from.Type);
    if (vertexClass == nullptr) return false;
    const TPonto at{Midway(from.X, to.X), Midway(from.Y, to.Y)};
    auto& vertex = dynamic_cast<TVOElemento&>(NewObject(*vertexClass, at));
    if (Wire(from.Type, a, ta, vertex, 1) && Wire(from.Type, b, tb, vertex, 1)) return true;
    DeleteObject(vertex); // takes a wire already drawn to it along
    return false;
}

bool TVFSistema::Wire(std::int32_t domain, TVOElemento& a, std::int32_t terminalA, TVOElemento& b,
                      std::int32_t terminalB) {
    const TVOClass* wireClass = SisWireClass(domain);
    if (wireClass == nullptr) return false;
    auto& wire = dynamic_cast<TVOConexao&>(NewObject(*wireClass, {0, 0}));
    wire.SetObjID1(a.ID());
    wire.SetCntID1(terminalA);
    wire.SetObjID2(b.ID());
    wire.SetCntID2(terminalB);
    if (wire.Attach()) return true;
    DeleteObject(wire);
    return false;
}

bool TVFSistema::CanJoin(const TVOElemento& a, std::int32_t portA, const TVOElemento& b,
                         std::int32_t portB) const {
    return a.GetPortInfo(portA).Type == b.GetPortInfo(portB).Type;
}

bool TVFSistema::RotateObject(TVisualObject& object) {
    auto* comp = dynamic_cast<TVOSisComp*>(&object);
    if (comp == nullptr || !Holds(object)) return false;
    const TPasso passo(*this, TAcaoEdicao::Girar);
    return comp->Rotate();
}

bool TVFSistema::RotateClicked(TVisualObject& object, TMouseButton button) {
    if (Mode() != kModeGirar || button != TMouseButton::Left) return false;
    return RotateObject(object);
}

TValidacaoSistema TVFSistema::Validate() const {
    TValidacaoSistema result;
    std::vector<std::string>& problems = result.Problemas;
    if (Objects().CountOfClass(ClassSisComp()) == 0) problems.emplace_back(kMsgNenhumElemento);
    for (const TVisualObject& o : Objects())
        if (const auto* comp = dynamic_cast<const TVOSisComp*>(&o); comp != nullptr && !comp->IsConnected())
            problems.push_back(comp->Desc());
    for (const TVisualObject& o : Objects())
        if (const auto* v = dynamic_cast<const TVOSisVertice*>(&o); v != nullptr && !v->IsConnected())
            problems.push_back(v->Desc());
    CheckNames(problems);
    if (!problems.empty()) return result;
    if (!SingleAxis()) result.Mensagem = kMsgMultiDirecional;
    return result;
}

void TVFSistema::CheckNames(std::vector<std::string>& problems) const {
    // Each name once per component: a component's description is also its branch's name. Variables
    // are looked up by name with letter case ignored, so "R1" and "r1" are one name; the spelling
    // that repeats an earlier one is reported, once however often it comes.
    std::map<std::string, int> holders;
    for (const TVisualObject& o : Objects()) {
        const auto* comp = dynamic_cast<const TVOSisComp*>(&o);
        if (comp == nullptr) continue;
        std::map<std::string, std::string> names{{UpperAscii(comp->Desc()), comp->Desc()}};
        for (std::string& name : comp->BranchNames())
            names.emplace(UpperAscii(name), std::move(name));
        for (const auto& [key, name] : names)
            if (++holders[key] == 2) problems.push_back(kMsgNomeRepetido + name);
    }
}

bool TVFSistema::SingleAxis() const {
    // Per mechanical domain: [0] some component lies horizontally, [1] some stands upright.
    bool axes[2][2] = {};
    for (const TVisualObject& o : Objects()) {
        const auto* comp = dynamic_cast<const TVOSisComp*>(&o);
        if (comp == nullptr || comp->Row().Familia == TSisFamilia::Referencia) continue;
        const std::int32_t domain = comp->GetDomain();
        if (domain != kDominioTranslacional && domain != kDominioRotacional) continue;
        const std::int32_t rot = comp->GetRot();
        axes[domain - kDominioTranslacional][rot == 1 || rot == 3 ? 0 : 1] = true;
    }
    return !(axes[0][0] && axes[0][1]) && !(axes[1][0] && axes[1][1]);
}

} // namespace brelix
