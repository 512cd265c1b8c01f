#include "visual/UnitVisualDocumento.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOElemento.h"

#include <filesystem>

namespace brelix {

void TVisualDocumento::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width,
                                 std::int32_t height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void TVisualDocumento::Resized(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
    if (header_.Value("Width") != IntToStr(width) || header_.Value("Height") != IntToStr(height))
        modified_ = true;
}

void TVisualDocumento::Reset() {
    objects_.Clear();
    header_ = TProps();
    pending_ = {};
    closeRefused_ = false;
    pilha_.Limpar();
    profundidade_ = 0;
    arrastando_ = false;
}

void TVisualDocumento::NewDocument(const std::string& name, const std::string& headerClass,
                                   std::int32_t height, std::int32_t width, std::int32_t top,
                                   std::int32_t left) {
    Reset();
    fileName_ = name;
    isNew_ = true;
    header_ = TProps({ObjectLine(0, headerClass), "Desc=" + name, "Left=" + IntToStr(left),
                      "Top=" + IntToStr(top), "Width=" + IntToStr(width), "Height=" + IntToStr(height)});
    SetBounds(left, top, width, height);
    modified_ = false;
    Notificar([](TObservadorDocumento& o) { o.DocumentoRecarregado(); });
    Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
}

void TVisualDocumento::NewDocument(const std::string& name) {
    NewDocument(name, kind_->HeaderClass, 300, 550, 0, 0);
}

TVisualObject& TVisualDocumento::NewObject(const TVOClass& cls, TPonto at) {
    const TPasso passo(*this, TAcaoEdicao::Colocar);
    const TListVisualObject::TNewName name = objects_.NewName(cls);
    std::vector<std::string> lines = {ObjectLine(objects_.NextID(), cls.Name),
                                      "Num=" + IntToStr(name.Num),
                                      "Desc=" + name.Desc,
                                      "Left=" + IntToStr(at.X),
                                      "Top=" + IntToStr(at.Y),
                                      "Lbl=*",
                                      "LblX=0",
                                      "LblY=0"};
    TVisualObject& o = Create(cls, std::move(lines), nullptr, false);
    SelectObject(&o);
    modified_ = true;
    return o;
}

TVisualObject& TVisualDocumento::CreateObject(const TVOClass& cls, std::vector<std::string> lines) {
    return Create(cls, std::move(lines), nullptr, false);
}

TVisualObject* TVisualDocumento::ClickEmptyArea(const TVOClass* chosen, TPonto click) {
    if (chosen == nullptr || chosen->IsAbstract() || !kind_->Holds(*chosen)) {
        DeselectAll();
        return nullptr;
    }
    return &NewObject(*chosen, PlacementByClick(click));
}

TVisualObject* TVisualDocumento::ClickAt(TPonto at, const TVOClass* chosen) {
    if (TVOConexao* cnx = objects_.ConnectionAt(at)) {
        SelectObject(cnx);
        return cnx;
    }
    return ClickEmptyArea(chosen, at);
}

TPropSwitch TVisualDocumento::SelectObject(TVisualObject* object) {
    objects_.DeselectAll();
    const TPropSwitch change = objects_.SetSelected(object);
    // Within an edit the step announces the selection it ends with.
    if (profundidade_ == 0) Notificar([object](TObservadorDocumento& o) { o.SelecaoAlterada(object); });
    return change;
}

void TVisualDocumento::DeleteObject(TVisualObject& object) {
    if (!Holds(object)) return;
    const TPasso passo(*this, TAcaoEdicao::Excluir);
    objects_.Remove(object);
    if (pending_.ID != 0 && objects_.FindByID(pending_.ID) == nullptr) pending_ = {};
    modified_ = true;
}

bool TVisualDocumento::DeleteSelected() {
    TVisualObject* selected = objects_.Selected();
    if (selected == nullptr) return false;
    const TPasso passo(*this, TAcaoEdicao::Excluir);
    DeleteObject(*selected);
    DeselectAll();
    return true;
}

TObjectPress TVisualDocumento::PressObject(TVisualObject& object, TPonto local, TPonto cursor,
                                           TMouseButton button) {
    if (auto* element = dynamic_cast<TVOElemento*>(&object);
        element != nullptr && PortPickAllowed(mode_, button)) {
        const TPortPick pick = PickPort(*element, local);
        if (pick == TPortPick::Picked || pick == TPortPick::Dropped) return TObjectPress::PortPicked;
        if (pick == TPortPick::Busy) return TObjectPress::Nothing;
    }
    if (mode_ != kModeSelecionar || button != TMouseButton::Left || !InsideSensitive(object, local))
        return TObjectPress::Nothing;
    // The drag's step stays open until the release, so that every grid move of it is one step.
    EndDrag();
    SelectObject(&object);
    AbrirPasso(TAcaoEdicao::Mover);
    arrastando_ = true;
    object.BeginDrag(cursor);
    return TObjectPress::Dragging;
}

void TVisualDocumento::ReleaseObject(TVisualObject& object, TPonto local) {
    if (InsideSensitive(object, local))
        SelectObject(&object);
    else
        DeselectAll();
    EndDrag();
}

TPortPick TVisualDocumento::PickPort(TVOElemento& element, TPonto local) {
    const TPortHit hit = HitPort(element, local);
    if (hit.Kind == TPortHitKind::None) return TPortPick::Miss;
    if (hit.Kind == TPortHitKind::Busy) return TPortPick::Busy;
    const bool picked = element.TogglePortFlag(hit.Port);
    const TPortInfo info = element.GetPortInfo(hit.Port);
    // A vertex reports no position: its port is the whole vertex.
    const TPonto position = element.FixedPorts() ? TPonto{info.X, info.Y} : TPonto{};
    PortClicked(picked, element.ID(), position, info.Type, hit.Port);
    return picked ? TPortPick::Picked : TPortPick::Dropped;
}

bool TVisualDocumento::CanJoin(const TVOElemento& a, std::int32_t, const TVOElemento& b, std::int32_t) const {
    const TVOClass* vertex = kind_->VertexClass;
    const TVOClass* comp = kind_->ComponentClass;
    if (vertex == nullptr || comp == nullptr) return true;
    return (a.Is(*vertex) && b.Is(*comp)) || (a.Is(*comp) && b.Is(*vertex));
}

void TVisualDocumento::PortClicked(bool picked, std::int32_t id, TPonto, std::int32_t, std::int32_t port) {
    if (!picked) {
        pending_ = {};
        return;
    }
    if (pending_.ID != 0 && pending_.ID != id) {
        auto* first = dynamic_cast<TVOElemento*>(objects_.FindByID(pending_.ID));
        auto* second = dynamic_cast<TVOElemento*>(objects_.FindByID(id));
        if (first != nullptr && second != nullptr) {
            if (Connect(*first, pending_.Port, *second, port)) {
                pending_ = {};
                return;
            }
            first->ClearPortFlags();
        }
    }
    // No pending end, the same element again, a pending element since deleted, or a pair that does not
    // join: the new pick waits for its partner.
    pending_ = {id, port};
}

void TVisualDocumento::UpdateLayout() {
    for (TVisualObject& o : objects_)
        if (dynamic_cast<TVOConexao*>(&o) == nullptr) o.UpdateLayout();
    for (TVisualObject& o : objects_)
        if (dynamic_cast<TVOConexao*>(&o) != nullptr) o.UpdateLayout();
}

std::string TVisualDocumento::CloseQuestion() const {
    return "Salvar o arquivo " + std::filesystem::path(fileName_).filename().string() + "?";
}

bool TVisualDocumento::RequestClose(const std::function<TSaveAnswer(const std::string&)>& ask,
                                    const std::function<bool()>& save) {
    closeRefused_ = true;
    if (!NeedsSave()) {
        closeRefused_ = false;
        return true;
    }
    bool close = false;
    switch (ask(CloseQuestion())) {
    case TSaveAnswer::Nao:
        close = true;
        break;
    case TSaveAnswer::Sim:
        // Only a document that is now on disk may close: a cancelled file dialog or a failed write
        // keeps the drawing on screen.
        close = save() && !NeedsSave();
        break;
    case TSaveAnswer::Cancelar:
        break;
    }
    closeRefused_ = !close;
    return close;
}

} // namespace brelix
