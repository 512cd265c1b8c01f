#include "visual/UnitPropVisualObject.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitPropVOGanho.h"
#include "visual/UnitVOComp.h"

namespace brelix {

namespace {

// The first entry equal to the text ignoring letter case; -1 when none.
int IndexIgnoringCase(const std::vector<std::string>& entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (SameTextAscii(entries[i], text)) return static_cast<int>(i);
    return -1;
}

bool ReadCoord(std::string_view text, std::int32_t& value) {
    return TryStrToInt(text, value) && value >= -kMaxCoord && value <= kMaxCoord;
}

} // namespace

std::vector<std::string> Componentes(const TVisualDocumento& doc) {
    return doc.Objects().Descriptions();
}

std::optional<TPropSwitch> EscolherComponente(TVisualDocumento& doc, std::string_view desc) {
    TVisualObject* o = doc.Objects().FindByDesc(desc);
    if (o == nullptr) return std::nullopt;
    return doc.SelectObject(o);
}

int DigitarComponente(TVisualDocumento& doc, std::string_view text) {
    const std::vector<std::string> entries = Componentes(doc);
    const int index = IndexIgnoringCase(entries, text);
    if (index >= 0) EscolherComponente(doc, entries[static_cast<std::size_t>(index)]);
    return index;
}

void TPropVisualObject::Show(TVisualDocumento& doc, const TVisualObject& object) {
    doc_ = &doc;
    id_ = object.ID();
}

TVisualObject* TPropVisualObject::Objeto() const {
    return doc_ == nullptr ? nullptr : doc_->Objects().FindByID(id_);
}

TVOComp* TPropVisualObject::Comp() const {
    return dynamic_cast<TVOComp*>(Objeto());
}

TValoresPropriedades TPropVisualObject::Valores() const {
    const TVisualObject* o = Objeto();
    if (o == nullptr) return {};
    return {IntToStr(o->Num()), o->Desc(),           IntToStr(o->Left()), IntToStr(o->Top()),
            o->Lbl(),           IntToStr(o->LblX()), IntToStr(o->LblY())};
}

int TPropVisualObject::ComponenteSelecionado() const {
    const TVisualObject* o = Objeto();
    if (o == nullptr) return -1;
    const std::vector<std::string> entries = Componentes(*doc_);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == o->Desc()) return static_cast<int>(i);
    return -1;
}

TRespostaCampo TPropVisualObject::ReturnNum(std::string_view text) {
    TRespostaCampo r;
    TVisualObject* o = Objeto();
    if (o == nullptr) return r;
    std::int32_t num = 0;
    if (!TryStrToInt(text, num) || num == 0) {
        r.Mensagem = kMsgNumeroInvalido;
        return r;
    }
    const std::string desc = o->Desc();
    if (num != o->Num() && !doc_->RenumberObject(*o, num)) r.Mensagem = kMsgNumeroObjetoInvalido;
    r.DescricaoMudou = o->Desc() != desc;
    return r;
}

TRespostaCampo TPropVisualObject::ReturnDesc(std::string_view text) {
    TRespostaCampo r;
    TVisualObject* o = Objeto();
    if (o == nullptr) return r;
    // A description is part of the variable names built from it, E(Desc) and F(Desc_P1): a pasted
    // text may hold no character the field refuses when typed.
    if (text.empty() || !AceitaTexto(TFiltroTecla::Descricao, text)) {
        r.Mensagem = kMsgDescricaoInvalida;
        return r;
    }
    if (text == o->Desc()) return r;
    if (!doc_->RenameObject(*o, text)) {
        r.Mensagem = kMsgDescricaoNaoUnica;
        return r;
    }
    r.DescricaoMudou = true;
    return r;
}

TRespostaCampo TPropVisualObject::MoveTo(std::string_view text, bool x) {
    TRespostaCampo r;
    TVisualObject* o = Objeto();
    if (o == nullptr) return r;
    std::int32_t value = 0;
    if (!ReadCoord(text, value)) {
        r.Mensagem = MensagemInteiro(text, -kMaxCoord, kMaxCoord);
        return r;
    }
    doc_->MoveObject(*o, x ? TPonto{value, o->Top()} : TPonto{o->Left(), value});
    return r;
}

TRespostaCampo TPropVisualObject::ReturnLeft(std::string_view text) {
    return MoveTo(text, true);
}

TRespostaCampo TPropVisualObject::ReturnTop(std::string_view text) {
    return MoveTo(text, false);
}

TRespostaCampo TPropVisualObject::ReturnLbl(std::string_view text) {
    TRespostaCampo r;
    TVisualObject* o = Objeto();
    if (o != nullptr && !doc_->SetObjectLabel(*o, text)) r.Mensagem = kMsgLegendaInvalida;
    return r;
}

TRespostaCampo TPropVisualObject::LabelOffset(std::string_view text, bool x) {
    TRespostaCampo r;
    TVisualObject* o = Objeto();
    if (o == nullptr) return r;
    std::int32_t value = 0;
    if (!ReadCoord(text, value)) {
        r.Mensagem = MensagemInteiro(text, -kMaxCoord, kMaxCoord);
        return r;
    }
    if (x)
        doc_->SetObjectLabelX(*o, value);
    else
        doc_->SetObjectLabelY(*o, value);
    return r;
}

TRespostaCampo TPropVisualObject::ReturnLblX(std::string_view text) {
    return LabelOffset(text, true);
}

TRespostaCampo TPropVisualObject::ReturnLblY(std::string_view text) {
    return LabelOffset(text, false);
}

std::vector<TPainelGanho> TPropVisualObject::PaineisGanho() const {
    return {};
}

bool TPropVisualObject::AplicarGanho(std::size_t painel, std::string_view gain) {
    TVOComp* comp = Comp();
    const std::vector<TPainelGanho> paineis = PaineisGanho();
    if (comp == nullptr || painel >= paineis.size()) return false;
    return doc_->SetObjectGain(*comp, paineis[painel].Indice, gain);
}

bool TPropVisualObject::TemVarCtrl() const {
    const TVOComp* comp = Comp();
    return comp != nullptr && comp->HasControl();
}

std::vector<std::string> TPropVisualObject::CandidatosVarCtrl() const {
    const TVOComp* comp = Comp();
    if (comp == nullptr || !comp->HasControl()) return {};
    return doc_->Objects().ControlVariables(*comp);
}

std::string TPropVisualObject::VarCtrl() const {
    const TVOComp* comp = Comp();
    return comp == nullptr ? std::string() : comp->ControlVariable();
}

std::string TPropVisualObject::EscolherVarCtrl(std::string_view name) {
    TVOComp* comp = Comp();
    if (comp == nullptr) return {};
    doc_->SetObjectControlVariable(*comp, name);
    return comp->ControlVariable();
}

std::string TPropVisualObject::DigitarVarCtrl(std::string_view text) {
    const std::vector<std::string> candidates = CandidatosVarCtrl();
    const int index = IndexIgnoringCase(candidates, text);
    if (index >= 0) return EscolherVarCtrl(candidates[static_cast<std::size_t>(index)]);
    return EscolherVarCtrl(CorrigirVarCtrl(text));
}

std::string TPropVisualObject::CorrigirVarCtrl(std::string_view) const {
    return {};
}

std::vector<TPainelGanho> TPropVOGrfComp::PaineisGanho() const {
    const TVOComp* comp = Comp();
    if (comp == nullptr) return {};
    const std::vector<std::string>& descriptions = comp->Data().GainDescriptions;
    // The generic two-port edits each of its four gains, and any of them may be 0.
    const bool pieces = comp->PropWindow() == TPropWindow::GrfComp4;
    std::vector<TPainelGanho> paineis;
    const std::int32_t rows = pieces ? comp->NumGains() : 1;
    for (std::int32_t i = 1; i <= rows; ++i) {
        TPainelGanho p;
        p.Indice = pieces ? i : 0;
        p.Rotulo = static_cast<std::size_t>(i) <= descriptions.size()
                       ? descriptions[static_cast<std::size_t>(i - 1)]
                       : std::string();
        p.Ganho = comp->GetGain(p.Indice);
        p.TituloEditor = p.Rotulo + kSufixoKSymExpSymExpS;
        p.PermiteZero = pieces;
        paineis.push_back(std::move(p));
    }
    return paineis;
}

std::string TPropVOGrfComp::CorrigirVarCtrl(std::string_view) const {
    return VarCtrl();
}

} // namespace brelix
