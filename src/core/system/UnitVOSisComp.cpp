#include "system/UnitVOSisComp.h"

#include "common/UnitComTexto.h"
#include "system/UnitSisRamos.h"
#include "system/UnitSisTipo.h"
#include "visual/UnitVisualObjectList.h"

namespace brelix {

namespace {

// Default label places: above the picture for a horizontal component, beside it for an upright one.
constexpr TPonto kLabelAbove{0, -20};
constexpr TPonto kLabelBeside{-20, 0};

bool Horizontal(std::int32_t rot) {
    return rot == 1 || rot == 3;
}

} // namespace

bool TVOSisComp::Rotate() {
    if (!props_.HasKey("Rot")) return false;
    std::int32_t rot = GetRot() + 1;
    if (rot > Orientations()) rot = 1;
    SetRot(rot);
    AdjustLabel();
    return true;
}

void TVOSisComp::AdjustLabel() {
    if (Lbl().empty() || row_->LabelFixed) return;
    const TPonto at{LblX(), LblY()};
    const bool horizontal = Horizontal(GetRot());
    const TPonto from = horizontal ? kLabelBeside : kLabelAbove;
    if (!(at == from)) return;
    const TPonto to = horizontal ? kLabelAbove : kLabelBeside;
    SetLblX(to.X);
    SetLblY(to.Y);
}

std::string TVOSisComp::BranchVariable(char letter, std::int32_t port) const {
    if (letter == '\0') return {};
    const std::span<const TRamoDoTipo> ramos = RamosDoTipo(row_->Kind);
    const TRamoDoTipo& ramo = ramos[port == 1 ? 0 : 1];
    return std::string(1, letter) + "(" + Desc() + std::string(ramo.Sufixo) + ")";
}

std::string TVOSisComp::EffortVariable(std::int32_t port) const {
    if (!TipoEhMassaAtrito(row_->Kind)) return TVOComp::EffortVariable(port);
    return BranchVariable(EffortLetter(GetDomain()), port);
}

std::string TVOSisComp::FlowVariable(std::int32_t port) const {
    if (!TipoEhMassaAtrito(row_->Kind)) return TVOComp::FlowVariable(port);
    return BranchVariable(FlowLetter(GetDomain()), port);
}

std::vector<std::string> TVOSisComp::BranchNames() const {
    // The names the conversion gives the component's branches, so that the two always agree.
    std::vector<std::string> names;
    for (const TRamoDoTipo& r : RamosDoTipo(row_->Kind))
        names.push_back(Desc() + std::string(r.Sufixo));
    return names;
}

void TVOSisComp::LoadFromStrings(std::vector<std::string> lines) {
    const bool brandNew = IsNewObject(lines);
    TVOComp::LoadFromStrings(std::move(lines));
    if (!brandNew) return;
    props_.Add("Rot=" + IntToStr(row_->InitRot));
    SetKeyQuietly("Lbl", GetGain(0).empty() ? "*" : GetGain(0));
    const TPonto label = Horizontal(row_->InitRot) ? kLabelAbove : kLabelBeside;
    SetKeyQuietly("LblX", IntToStr(label.X));
    SetKeyQuietly("LblY", IntToStr(label.Y));
    if (row_->Familia != TSisFamilia::CompCtrl) return;
    for (const char* key : {"VarCtrl=0", "VarID=0", "VarPort=0"})
        props_.Add(key);
}

const TVOElemento* TVOSisConexao::EndElement(std::int32_t id) const {
    if (Owner() == nullptr || id == 0) return nullptr;
    return dynamic_cast<const TVOElemento*>(Owner()->FindByID(id));
}

std::optional<TGeometriaConexaoSis> TVOSisConexao::Geometria() const {
    const TVOElemento* e1 = EndElement(ObjID1());
    const TVOElemento* e2 = EndElement(ObjID2());
    if (e1 == nullptr || e2 == nullptr) return std::nullopt;
    const TPortInfo p1 = e1->GetPortInfo(CntID1());
    const TPortInfo p2 = e2->GetPortInfo(CntID2());
    return PlaceWire({p1.X, p1.Y, p1.DX, p1.DY}, {e1->Left(), e1->Top()}, {p2.X, p2.Y, p2.DX, p2.DY},
                     {e2->Left(), e2->Top()});
}

std::vector<TPonto> TVOSisConexao::Points() const {
    const std::optional<TGeometriaConexaoSis> g = Geometria();
    if (!g) return {};
    std::vector<TPonto> points;
    for (int i = 0; i < g->Rota.Count; ++i) {
        const TPontoRota& p = g->Rota.Pontos[static_cast<std::size_t>(i)];
        points.push_back({g->Posicao.Left + p.X, g->Posicao.Top + p.Y});
    }
    return points;
}

void TVOSisConexao::CheckKeys() const {
    TVOConexao::CheckKeys();
    const std::int32_t ids[2] = {ObjID1(), ObjID2()};
    const std::int32_t ports[2] = {CntID1(), CntID2()};
    for (int k = 0; k < 2; ++k) {
        const TVOElemento* e = EndElement(ids[k]);
        if (e == nullptr) continue;
        const std::int32_t type = e->GetPortInfo(ports[k]).Type;
        if (type == GetDomain()) continue;
        const std::string n = IntToStr(k + 1);
        throw EObjectError("CntID" + n, "a conexão " + ClassName() + " é do domínio " +
                                            IntToStr(GetDomain()) + ", mas o terminal " + IntToStr(ports[k]) +
                                            " do objeto " + IntToStr(ids[k]) + " é do domínio " +
                                            IntToStr(type));
    }
}

} // namespace brelix
