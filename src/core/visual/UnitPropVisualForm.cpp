#include "visual/UnitPropVisualForm.h"

#include "common/UnitComTexto.h"

namespace brelix {

TValoresDocumento TPropVisualForm::Valores() const {
    if (doc_ == nullptr) return {};
    return {doc_->Desc(), IntToStr(doc_->Height()), IntToStr(doc_->Width())};
}

TRespostaCampo TPropVisualForm::Size(std::string_view text, bool height) {
    TRespostaCampo r;
    if (doc_ == nullptr) return r;
    std::int32_t value = 0;
    if (!TryStrToInt(text, value) || value < 0 || value > kMaxCoord) {
        r.Mensagem = MensagemInteiro(text, 0, kMaxCoord);
        return r;
    }
    if (height)
        doc_->SetDocHeight(value);
    else
        doc_->SetDocWidth(value);
    return r;
}

TRespostaCampo TPropVisualForm::ReturnAltura(std::string_view text) {
    return Size(text, true);
}

TRespostaCampo TPropVisualForm::ReturnLargura(std::string_view text) {
    return Size(text, false);
}

} // namespace brelix
