#pragma once

#include "visual/UnitObservadorDocumento.h"
#include "visual/UnitVOClass.h"

#include <QPoint>
#include <QPointer>

#include <array>
#include <cstdint>

namespace brelix {

class TJanelaProp;
class TVisualDocumento;

// The property windows as one: the window of the family of the active document's selection (the
// document's own when nothing is selected) is the only one shown, and when the family changes the
// new window takes the screen place of the one it replaces. It listens to the document it shows, so
// that its fields follow every change, an undo included, and it swaps windows when the selection
// changes.
class TJanelasPropriedades : public TObservadorDocumento {
public:
    // Where the first window appears.
    explicit TJanelasPropriedades(QPoint lugarInicial = QPoint(0, 130));
    ~TJanelasPropriedades() override;
    TJanelasPropriedades(const TJanelasPropriedades&) = delete;
    TJanelasPropriedades& operator=(const TJanelasPropriedades&) = delete;

    // The window of a family (not owned).
    void Registrar(TJanelaProp* janela);
    TJanelaProp* Janela(TPropWindow familia) const;

    // Shows the window of the document's selection at the place of the one shown before.
    void Mostrar(TVisualDocumento& documento);
    // The document is no longer active, or closes: the window hides and every window forgets it. It
    // must be called before the document is destroyed.
    void Ocultar(TVisualDocumento& documento);

    TJanelaProp* Visivel() const { return visivel_; }
    TVisualDocumento* Observado() const { return observado_; }

    void ObjetoRemovido(std::int32_t id) override;
    void ObjetoAlterado(TVisualObject& objeto) override;
    void DocumentoAlterado() override;
    void DocumentoRecarregado() override;
    void SelecaoAlterada(TVisualObject* selecionado) override;

private:
    void Observar(TVisualDocumento* documento);
    void Atualizar();

    std::array<QPointer<TJanelaProp>, 10> janelas_;
    QPointer<TJanelaProp> visivel_;
    TVisualDocumento* observado_ = nullptr;
    QPoint lugar_;
};

} // namespace brelix
