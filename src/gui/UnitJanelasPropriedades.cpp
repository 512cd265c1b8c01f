#include "gui/UnitJanelasPropriedades.h"

#include "gui/UnitJanelaProp.h"
#include "visual/UnitVisualDocumento.h"

namespace brelix {

namespace {

std::size_t Indice(TPropWindow familia) {
    return static_cast<std::size_t>(familia);
}

} // namespace

TJanelasPropriedades::TJanelasPropriedades(QPoint lugarInicial) : lugar_(lugarInicial) {}

TJanelasPropriedades::~TJanelasPropriedades() {
    Observar(nullptr);
}

void TJanelasPropriedades::Registrar(TJanelaProp* janela) {
    janelas_.at(Indice(janela->Familia())) = janela;
}

TJanelaProp* TJanelasPropriedades::Janela(TPropWindow familia) const {
    return janelas_.at(Indice(familia));
}

void TJanelasPropriedades::Observar(TVisualDocumento* documento) {
    if (observado_ == documento) return;
    if (observado_ != nullptr) observado_->RemoveObserver(*this);
    observado_ = documento;
    if (observado_ != nullptr) observado_->AddObserver(*this);
}

void TJanelasPropriedades::Mostrar(TVisualDocumento& documento) {
    Observar(&documento);
    const TVisualObject* selecionado = documento.Objects().Selected();
    TJanelaProp* nova = Janela(selecionado != nullptr ? selecionado->PropWindow() : TPropWindow::VisualForm);
    if (nova == nullptr) return;
    if (visivel_ != nullptr && visivel_ != nova) {
        lugar_ = visivel_->pos();
        visivel_->hide();
        visivel_->Esquecer();
    }
    nova->Mostrar(documento, selecionado);
    if (!nova->isVisible()) {
        nova->move(lugar_);
        nova->show();
    }
    visivel_ = nova;
}

void TJanelasPropriedades::Ocultar(TVisualDocumento& documento) {
    if (observado_ == &documento) Observar(nullptr);
    if (visivel_ != nullptr && visivel_->Documento() == &documento) {
        lugar_ = visivel_->pos();
        visivel_->hide();
        visivel_ = nullptr;
    }
    for (const QPointer<TJanelaProp>& janela : janelas_)
        if (janela != nullptr && janela->Documento() == &documento) janela->Esquecer();
}

void TJanelasPropriedades::Atualizar() {
    if (visivel_ != nullptr && visivel_->Documento() == observado_) visivel_->Atualizar();
}

void TJanelasPropriedades::ObjetoRemovido(std::int32_t) {
    if (observado_ != nullptr) Mostrar(*observado_);
}

void TJanelasPropriedades::ObjetoAlterado(TVisualObject&) {
    Atualizar();
}

void TJanelasPropriedades::DocumentoAlterado() {
    Atualizar();
}

void TJanelasPropriedades::DocumentoRecarregado() {
    if (observado_ != nullptr) Mostrar(*observado_);
}

void TJanelasPropriedades::SelecaoAlterada(TVisualObject*) {
    if (observado_ != nullptr) Mostrar(*observado_);
}

} // namespace brelix
