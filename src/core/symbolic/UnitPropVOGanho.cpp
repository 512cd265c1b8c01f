#include "symbolic/UnitPropVOGanho.h"

#include "common/UnitComTexto.h"

#include <algorithm>

namespace brelix {

namespace {

bool Digit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

bool AsciiLetter(char32_t key) {
    return (key >= U'a' && key <= U'z') || (key >= U'A' && key <= U'Z');
}

} // namespace

char32_t FiltrarTeclaK(char32_t key) {
    if (key == U'.') return U',';
    if (key == kTeclaBackspace || Digit(key) || key == U',' || key == U'-') return key;
    return 0;
}

bool AceitaTeclaSym(char32_t key) {
    return key == kTeclaBackspace || Digit(key) || AsciiLetter(key) || key == U'_';
}

void TPropVOGanho::AbrirGanho(std::string_view caption, std::string_view gain, bool allowZero,
                              bool showExpSym, bool showExpS) {
    allowZero_ = allowZero;
    caption_ = std::string(caption);
    ganho_.Text = std::string(gain);
    ganho_.Validar(allowZero); // only to read the values: even a refused text fills the fields
    K = RealToStr(ganho_.K);
    Sym = ganho_.Sym;
    expSym_ = std::clamp(ganho_.ExpSym, kMinExpSym, kMaxExpSym);
    expS_ = ganho_.ExpS;
    loadedExpS_ = ganho_.ExpS;
    showExpSym_ = showExpSym;
    showExpS_ = showExpS;
    resultado_.clear();
}

std::int32_t TPropVOGanho::Largura() const {
    if (showExpS_) return kLarguraGanhoExpS;
    return showExpSym_ ? kLarguraGanhoExpSym : kLarguraGanhoKSym;
}

void TPropVOGanho::SetExpSym(std::int32_t value) {
    expSym_ = std::clamp(value, kMinExpSym, kMaxExpSym);
}

void TPropVOGanho::SetExpS(std::int32_t value) {
    expS_ = std::clamp(value, MinExpS(), MaxExpS());
}

std::int32_t TPropVOGanho::MinExpS() const {
    return std::min(kMinExpS, loadedExpS_);
}

std::int32_t TPropVOGanho::MaxExpS() const {
    return std::max(kMaxExpS, loadedExpS_);
}

TRespostaGanho TPropVOGanho::Ok() {
    TRespostaGanho resposta;
    if (K.empty()) {
        resposta.Mensagem = kMsgKInvalido;
        resposta.FocoEmK = true;
        return resposta;
    }
    std::string text = K;
    if (!Sym.empty() && expSym_ != 0) text += "." + Sym + "^" + IntToStr(expSym_);
    if (expS_ != 0) text += ".S^" + IntToStr(expS_);
    ganho_.Text = text;
    if (!ganho_.Validar(allowZero_)) {
        resposta.Mensagem = caption_ + kSufixoInvalido;
        return resposta;
    }
    resultado_ = ganho_.Texto();
    resposta.Fechar = true;
    resposta.Texto = resultado_;
    return resposta;
}

} // namespace brelix
