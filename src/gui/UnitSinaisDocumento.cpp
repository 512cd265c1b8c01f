#include "gui/UnitSinaisDocumento.h"

namespace brelix {

TSinaisDocumento::TSinaisDocumento(TVisualDocumento& documento, QObject* parent)
    : QObject(parent), documento_(&documento) {
    documento_->AddObserver(*this);
}

TSinaisDocumento::~TSinaisDocumento() {
    Desligar();
}

void TSinaisDocumento::Desligar() {
    if (documento_ == nullptr) return;
    documento_->RemoveObserver(*this);
    documento_ = nullptr;
}

void TSinaisDocumento::ObjetoAdicionado(TVisualObject&) {
    emit DesenhoAlterado();
}

void TSinaisDocumento::ObjetoRemovido(std::int32_t) {
    emit DesenhoAlterado();
}

void TSinaisDocumento::ObjetoAlterado(TVisualObject&) {
    emit DesenhoAlterado();
}

void TSinaisDocumento::DocumentoAlterado() {
    emit DesenhoAlterado();
    emit EstadoAlterado();
}

void TSinaisDocumento::DocumentoRecarregado() {
    emit DesenhoAlterado();
    emit EstadoAlterado();
}

void TSinaisDocumento::DocumentoSalvo() {
    emit EstadoAlterado();
}

void TSinaisDocumento::SelecaoAlterada(TVisualObject*) {
    emit DesenhoAlterado();
    emit SelecaoMudou();
}

void TSinaisDocumento::PilhaAlterada() {
    emit EstadoAlterado();
}

} // namespace brelix
