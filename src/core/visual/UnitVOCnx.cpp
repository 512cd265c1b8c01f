#include "visual/UnitVOCnx.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVOElemento.h"
#include "visual/UnitVOGeometria.h"
#include "visual/UnitVisualDocumento.h"
#include "visual/UnitVisualObjectList.h"

#include <algorithm>

namespace brelix {

std::int32_t TVOConexao::ObjID1() const {
    return StrToIntDef(props_.Value("ObjID1"), 0);
}
std::int32_t TVOConexao::ObjID2() const {
    return StrToIntDef(props_.Value("ObjID2"), 0);
}
std::int32_t TVOConexao::CntID1() const {
    return StrToIntDef(props_.Value("CntID1"), 0);
}
std::int32_t TVOConexao::CntID2() const {
    return StrToIntDef(props_.Value("CntID2"), 0);
}
void TVOConexao::SetObjID1(std::int32_t id) {
    SetKey("ObjID1", IntToStr(id));
}
void TVOConexao::SetObjID2(std::int32_t id) {
    SetKey("ObjID2", IntToStr(id));
}
void TVOConexao::SetCntID1(std::int32_t port) {
    SetKey("CntID1", IntToStr(port));
}
void TVOConexao::SetCntID2(std::int32_t port) {
    SetKey("CntID2", IntToStr(port));
}

TVOElemento* TVOConexao::End(std::int32_t id) const {
    if (Owner() == nullptr || id == 0) return nullptr;
    return dynamic_cast<TVOElemento*>(Owner()->FindByID(id));
}

std::optional<EObjectError> TVOConexao::AttachProblem() const {
    const std::int32_t ids[2] = {ObjID1(), ObjID2()};
    const std::int32_t ports[2] = {CntID1(), CntID2()};
    const TVOElemento* ends[2] = {End(ids[0]), End(ids[1])};
    if (ids[0] == ids[1] && ends[0] != nullptr)
        return EObjectError("ObjID2", "a conexão liga o objeto " + IntToStr(ids[0]) + " a ele mesmo");
    for (int k = 0; k < 2; ++k) {
        const std::string n = IntToStr(k + 1);
        if (ends[k] == nullptr)
            return EObjectError("ObjID" + n,
                                "ObjID" + n + "=" + IntToStr(ids[k]) +
                                    " não é um vértice ou componente do documento; esperava-se o ID de "
                                    "um elemento que venha antes da conexão");
        const std::int32_t slot = ends[k]->ConnectionAt(ports[k]);
        if (!ends[k]->CanTakeConnection(ports[k]) && slot != ID()) {
            const std::string what =
                ports[k] < 1 || ports[k] > ends[k]->NumPorts()
                    ? "o objeto " + IntToStr(ids[k]) + " tem " + IntToStr(ends[k]->NumPorts()) + " porta(s)"
                    : "a porta já tem a conexão " + IntToStr(slot);
            return EObjectError("CntID" + n, "CntID" + n + "=" + IntToStr(ports[k]) + ": " + what);
        }
    }
    const TVisualDocumento* doc = Owner()->Document();
    if (doc != nullptr && !doc->CanJoin(*ends[0], ports[0], *ends[1], ports[1]))
        return EObjectError("ObjID2", "este documento não liga " + ends[0]->ClassName() + " a " +
                                          ends[1]->ClassName() + " por uma conexão " + ClassName());
    return std::nullopt;
}

bool TVOConexao::Attach() {
    if (ObjID1() == 0 || ObjID2() == 0 || AttachProblem()) return false;
    TVOElemento* e1 = End(ObjID1());
    TVOElemento* e2 = End(ObjID2());
    e1->ClearPortFlags();
    e1->AttachConnection(ID(), CntID1());
    e2->ClearPortFlags();
    e2->AttachConnection(ID(), CntID2());
    return true;
}

bool TVOConexao::Connect(std::int32_t vertexId, std::int32_t vertexPort, std::int32_t compPort,
                         std::int32_t compId) {
    if (IsAttached()) return false;
    const TProps before = props_;
    const bool wasModified = Modified();
    const bool intoComponent = compPort % 2 != 0;
    SetObjID1(intoComponent ? vertexId : compId);
    SetCntID1(intoComponent ? vertexPort : compPort);
    SetObjID2(intoComponent ? compId : vertexId);
    SetCntID2(intoComponent ? compPort : vertexPort);
    if (Attach()) return true;
    props_ = before;
    SetModified(wasModified);
    return false;
}

bool TVOConexao::IsAttached() const {
    const auto lists = [this](const TVOElemento* e) {
        if (e == nullptr) return false;
        const auto& c = e->Connections();
        return std::find(c.begin(), c.end(), ID()) != c.end();
    };
    return lists(End(ObjID1())) && lists(End(ObjID2()));
}

std::vector<TPonto> TVOConexao::Points() const {
    const TVOElemento* e1 = End(ObjID1());
    const TVOElemento* e2 = End(ObjID2());
    if (e1 == nullptr || e2 == nullptr) return {};
    return {e1->Centre(), e2->Centre()};
}

bool TVOConexao::HitTest(TPonto p) const {
    return HitTestPolyline(Points(), p);
}

void TVOConexao::LoadFromStrings(std::vector<std::string> lines) {
    const bool brandNew = IsNewObject(lines);
    TVisualObject::LoadFromStrings(std::move(lines));
    if (!brandNew) return;
    for (const char* key : {"ObjID1=0", "ObjID2=0", "CntID1=0", "CntID2=0"})
        props_.Add(key);
}

void TVOConexao::CheckKeys() const {
    TVisualObject::CheckKeys();
    for (const char* key : {"ObjID1", "ObjID2", "CntID1", "CntID2"})
        StrictInt(key, 0, kMaxNumero);
    if (ObjID1() == 0 || ObjID2() == 0) return;
    if (auto problem = AttachProblem()) throw *problem;
}

void TVOConexao::ApplyProperties() {
    CheckKeys();
    Attach();
}

} // namespace brelix
