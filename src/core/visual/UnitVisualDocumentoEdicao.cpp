#include "visual/UnitVisualDocumento.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVOElemento.h"

#include <algorithm>
#include <cassert>

namespace brelix {

namespace {

bool WithinCoord(std::int32_t v) {
    return v >= -kMaxCoord && v <= kMaxCoord;
}

void Restaurar(TVisualObject& o, const TEstadoObjeto& estado) {
    o.RestoreProps(estado.Props);
    if (auto* e = dynamic_cast<TVOElemento*>(&o)) e->RestoreConnections(estado.Conexoes);
}

} // namespace

TVisualDocumento::TPasso::TPasso(TVisualDocumento& doc, TAcaoEdicao acao) : doc_(doc) {
    // Nothing runs inside a drag: an edit that comes while one is open ends it first.
    if (doc_.arrastando_) doc_.EndDrag();
    doc_.AbrirPasso(acao);
}

TVisualDocumento::TPasso::~TPasso() {
    doc_.FecharPasso();
}

std::int32_t TVisualDocumento::SelectedID() const {
    const TVisualObject* selected = objects_.Selected();
    return selected != nullptr ? selected->ID() : 0;
}

bool TVisualDocumento::Holds(const TVisualObject& object) const {
    return objects_.FindByID(object.ID()) == &object;
}

void TVisualDocumento::AbrirPasso(TAcaoEdicao acao) {
    if (profundidade_++ > 0) return;
    acao_ = acao;
    antes_ = Fotografar(*this);
}

void TVisualDocumento::FecharPasso() {
    assert(profundidade_ > 0 && "a step closes after it opened");
    if (--profundidade_ > 0) return;
    const TFotoDocumento antes = std::move(antes_);
    antes_ = {};
    std::optional<TPassoEdicao> passo = Comparar(acao_, antes, Fotografar(*this));
    if (passo) {
        pilha_.Registrar(std::move(*passo));
        Anunciar(*pilha_.ProximoDesfazer(), false, antes.Selecionado);
        Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
        return;
    }
    // Nothing changed (a refused edit, a press without a drag): the flags set on the way go back, and
    // the selection is announced if it moved.
    modified_ = antes.DocumentoModificado;
    for (std::size_t i = 0; i < antes.Modificados.size(); ++i)
        objects_[static_cast<int>(i)].SetModified(antes.Modificados[i]);
    TVisualObject* selected = objects_.Selected();
    if (SelectedID() != antes.Selecionado)
        Notificar([selected](TObservadorDocumento& o) { o.SelecaoAlterada(selected); });
}

void TVisualDocumento::Anunciar(const TPassoEdicao& passo, bool paraAntes, std::int32_t selecaoAnterior) {
    for (const TAlteracaoObjeto& alt : passo.Objetos) {
        const bool agora = paraAntes ? alt.Antes.has_value() : alt.Depois.has_value();
        const bool antes = paraAntes ? alt.Depois.has_value() : alt.Antes.has_value();
        if (antes && !agora) Notificar([&alt](TObservadorDocumento& o) { o.ObjetoRemovido(alt.ID); });
    }
    for (const bool adicionados : {true, false})
        for (const TAlteracaoObjeto& alt : passo.Objetos) {
            const bool agora = paraAntes ? alt.Antes.has_value() : alt.Depois.has_value();
            const bool antes = paraAntes ? alt.Depois.has_value() : alt.Antes.has_value();
            TVisualObject* o = objects_.FindByID(alt.ID);
            if (!agora || o == nullptr || antes == adicionados) continue;
            if (adicionados)
                Notificar([o](TObservadorDocumento& obs) { obs.ObjetoAdicionado(*o); });
            else
                Notificar([o](TObservadorDocumento& obs) { obs.ObjetoAlterado(*o); });
        }
    if (passo.CabecalhoAntes) Notificar([](TObservadorDocumento& o) { o.DocumentoAlterado(); });
    TVisualObject* selected = objects_.Selected();
    if (SelectedID() != selecaoAnterior)
        Notificar([selected](TObservadorDocumento& o) { o.SelecaoAlterada(selected); });
}

void TVisualDocumento::Aplicar(const TPassoEdicao& passo, bool paraAntes) {
    CancelPendingEnds();
    const auto alvo = [paraAntes](const TAlteracaoObjeto& alt) -> const std::optional<TEstadoObjeto>& {
        return paraAntes ? alt.Antes : alt.Depois;
    };
    const auto origem = [paraAntes](const TAlteracaoObjeto& alt) -> const std::optional<TEstadoObjeto>& {
        return paraAntes ? alt.Depois : alt.Antes;
    };
    // The step's objects are put back whole, so the others need no notice: first out what the target
    // state lacks, then the changed ones, then back in what it has, each at its place in the list.
    for (const TAlteracaoObjeto& alt : passo.Objetos)
        if (!alvo(alt))
            if (TVisualObject* o = objects_.FindByID(alt.ID)) objects_.Detach(*o);
    std::vector<TVisualObject*> tocados;
    std::vector<const TAlteracaoObjeto*> recriados;
    for (const TAlteracaoObjeto& alt : passo.Objetos) {
        if (!alvo(alt)) continue;
        if (!origem(alt)) {
            recriados.push_back(&alt);
            continue;
        }
        TVisualObject* o = objects_.FindByID(alt.ID);
        assert(o != nullptr && "an object a step changed is in the document");
        Restaurar(*o, *alvo(alt));
        tocados.push_back(o);
    }
    const auto indice = [paraAntes](const TAlteracaoObjeto* alt) {
        return paraAntes ? alt->IndiceAntes : alt->IndiceDepois;
    };
    std::sort(
        recriados.begin(), recriados.end(),
        [&indice](const TAlteracaoObjeto* a, const TAlteracaoObjeto* b) { return indice(a) < indice(b); });
    for (const TAlteracaoObjeto* alt : recriados) {
        const TEstadoObjeto& estado = *alvo(*alt);
        std::unique_ptr<TVisualObject> o = estado.Classe->Create(*estado.Classe);
        o->SetOwner(&objects_);
        Restaurar(*o, estado);
        tocados.push_back(&objects_.Insert(indice(alt), std::move(o)));
    }
    if (passo.CabecalhoAntes) {
        const TEstadoCabecalho& c = paraAntes ? *passo.CabecalhoAntes : *passo.CabecalhoDepois;
        HeaderProps().SetValue("Desc", c.Desc);
        width_ = c.Largura;
        height_ = c.Altura;
    }
    objects_.DeselectAll();
    objects_.SetSelected(objects_.FindByID(paraAntes ? passo.SelecaoAntes : passo.SelecaoDepois));
    AjustarModificado(tocados);
}

void TVisualDocumento::AjustarModificado(const std::vector<TVisualObject*>& tocados) {
    if (pilha_.Limpo()) {
        // Back where the file is: only a window resized since then still differs from it.
        modified_ =
            header_.Value("Width") != IntToStr(width_) || header_.Value("Height") != IntToStr(height_);
        objects_.SetAllModified(false);
        return;
    }
    modified_ = true;
    for (TVisualObject* o : tocados)
        o->SetModified(true);
}

bool TVisualDocumento::Undo() {
    EndDrag();
    if (profundidade_ > 0 || !pilha_.PodeDesfazer()) return false;
    const std::int32_t selecao = SelectedID();
    const TPassoEdicao& passo = pilha_.Desfazer();
    Aplicar(passo, true);
    Anunciar(passo, true, selecao);
    Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
    return true;
}

bool TVisualDocumento::Redo() {
    EndDrag();
    if (profundidade_ > 0 || !pilha_.PodeRefazer()) return false;
    const std::int32_t selecao = SelectedID();
    const TPassoEdicao& passo = pilha_.Refazer();
    Aplicar(passo, false);
    Anunciar(passo, false, selecao);
    Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
    return true;
}

void TVisualDocumento::SetModified(bool value) {
    modified_ = value;
    if (profundidade_ > 0) return;
    if (!value)
        pilha_.MarcarLimpo();
    else if (pilha_.Limpo())
        pilha_.PerderLimpo();
    Notificar([](TObservadorDocumento& o) { o.PilhaAlterada(); });
}

void TVisualDocumento::AddObserver(TObservadorDocumento& observer) {
    if (std::find(observadores_.begin(), observadores_.end(), &observer) == observadores_.end())
        observadores_.push_back(&observer);
}

void TVisualDocumento::RemoveObserver(TObservadorDocumento& observer) {
    observadores_.erase(std::remove(observadores_.begin(), observadores_.end(), &observer),
                        observadores_.end());
}

void TVisualDocumento::CancelPendingEnds() {
    pending_ = {};
    for (TVisualObject& o : objects_)
        if (auto* e = dynamic_cast<TVOElemento*>(&o)) e->ClearPortFlags();
}

TProps& TVisualDocumento::HeaderProps() {
    // A document made without NewDocument gets a header of its kind on its first edit.
    if (header_.Count() == 0) header_ = TProps({ObjectLine(0, kind_->HeaderClass)});
    return header_;
}

bool TVisualDocumento::SetDesc(std::string_view desc) {
    if (!IsStorableText(desc)) return false;
    const TPasso passo(*this, TAcaoEdicao::Documento);
    if (HeaderProps().SetValue("Desc", desc)) modified_ = true;
    return true;
}

bool TVisualDocumento::SetDocHeight(std::int32_t height) {
    if (height < 0 || height > kMaxCoord) return false;
    const TPasso passo(*this, TAcaoEdicao::Documento);
    if (height_ != height) modified_ = true;
    height_ = height;
    return true;
}

bool TVisualDocumento::SetDocWidth(std::int32_t width) {
    if (width < 0 || width > kMaxCoord) return false;
    const TPasso passo(*this, TAcaoEdicao::Documento);
    if (width_ != width) modified_ = true;
    width_ = width;
    return true;
}

bool TVisualDocumento::MoveObject(TVisualObject& object, TPonto position) {
    if (!Holds(object) || dynamic_cast<const TVOConexao*>(&object) != nullptr) return false;
    if (!WithinCoord(position.X) || !WithinCoord(position.Y)) return false;
    const TPasso passo(*this, TAcaoEdicao::Mover);
    object.SetPosition(position);
    object.SetMove(true);
    return true;
}

void TVisualDocumento::DragObject(TVisualObject& object, TPonto cursor, std::int32_t clientHeight) {
    if (!Holds(object) || dynamic_cast<const TVOConexao*>(&object) != nullptr) return;
    if (!arrastando_) {
        // A drag the display starts without a press: it follows the cursor from here.
        AbrirPasso(TAcaoEdicao::Mover);
        arrastando_ = true;
        object.BeginDrag(cursor);
    }
    const TPonto before = object.Position();
    object.DragTo(cursor, width_, clientHeight);
    if (!(object.Position() == before))
        Notificar([&object](TObservadorDocumento& o) { o.ObjetoAlterado(object); });
}

void TVisualDocumento::EndDrag() {
    if (!arrastando_) return;
    arrastando_ = false;
    FecharPasso();
}

bool TVisualDocumento::Connect(TVOElemento& a, std::int32_t portA, TVOElemento& b, std::int32_t portB) {
    const TVOClass* vertexClass = kind_->VertexClass;
    const TVOClass* compClass = kind_->ComponentClass;
    const TVOClass* cnxClass = kind_->ConnectionClass;
    if (vertexClass == nullptr || compClass == nullptr || cnxClass == nullptr) return false;
    if (!Holds(a) || !Holds(b) || &a == &b) return false;
    const bool aIsVertex = a.Is(*vertexClass) && b.Is(*compClass);
    const bool bIsVertex = b.Is(*vertexClass) && a.Is(*compClass);
    if (!aIsVertex && !bIsVertex) return false;
    TVOElemento& vertex = aIsVertex ? a : b;
    TVOElemento& comp = aIsVertex ? b : a;
    const std::int32_t vertexPort = aIsVertex ? portA : portB;
    const std::int32_t compPort = aIsVertex ? portB : portA;
    if (!vertex.CanTakeConnection(vertexPort) || !comp.CanTakeConnection(compPort)) return false;
    const TPasso passo(*this, TAcaoEdicao::Conectar);
    auto* cnx = dynamic_cast<TVOConexao*>(&NewObject(*cnxClass, {0, 0}));
    if (cnx != nullptr && cnx->Connect(vertex.ID(), vertexPort, compPort, comp.ID())) return true;
    if (cnx != nullptr) DeleteObject(*cnx);
    return false;
}

bool TVisualDocumento::RenumberObject(TVisualObject& object, std::int32_t num) {
    if (!Holds(object)) return false;
    const TPasso passo(*this, TAcaoEdicao::Numero);
    return objects_.Renumber(object.ClassName(), object.Num(), num);
}

bool TVisualDocumento::RenameObject(TVisualObject& object, std::string_view desc) {
    if (!Holds(object)) return false;
    const TPasso passo(*this, TAcaoEdicao::Descricao);
    return objects_.Rename(object, desc);
}

bool TVisualDocumento::SetObjectLabel(TVisualObject& object, std::string_view text) {
    if (!Holds(object)) return false;
    const TPasso passo(*this, TAcaoEdicao::Legenda);
    return object.SetLbl(text);
}

bool TVisualDocumento::SetObjectLabelX(TVisualObject& object, std::int32_t x) {
    if (!Holds(object) || !WithinCoord(x)) return false;
    const TPasso passo(*this, TAcaoEdicao::Legenda);
    object.SetLblX(x);
    return true;
}

bool TVisualDocumento::SetObjectLabelY(TVisualObject& object, std::int32_t y) {
    if (!Holds(object) || !WithinCoord(y)) return false;
    const TPasso passo(*this, TAcaoEdicao::Legenda);
    object.SetLblY(y);
    return true;
}

bool TVisualDocumento::SetObjectGain(TVOComp& comp, std::int32_t i, std::string_view text) {
    if (!Holds(comp)) return false;
    const TPasso passo(*this, TAcaoEdicao::Ganho);
    // A label the user never edited shows the whole gain and keeps doing so.
    const bool follows = comp.Lbl() == comp.GetGain(0);
    if (!comp.SetGain(i, text)) return false;
    if (follows) comp.SetLbl(comp.GetGain(0));
    return true;
}

bool TVisualDocumento::SetObjectControlVariable(TVOComp& comp, std::string_view name) {
    if (!Holds(comp) || !comp.HasControl()) return false;
    const TPasso passo(*this, TAcaoEdicao::VariavelControle);
    comp.SetControlVariable(name);
    return true;
}

} // namespace brelix
