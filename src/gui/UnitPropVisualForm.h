#pragma once

#include "gui/UnitJanelaProp.h"
#include "visual/UnitPropVisualForm.h"

class QLineEdit;

namespace brelix {

// The document's own property window, shown when nothing is selected: Componentes, Descrição
// (read-only), Altura and Largura of the document's window.
class TJanelaPropVisualForm : public TJanelaProp {
    Q_OBJECT

public:
    explicit TJanelaPropVisualForm(TServicosPropriedades servicos, QWidget* parent = nullptr);

    void Mostrar(TVisualDocumento& doc, const TVisualObject* objeto) override;
    void Atualizar() override;
    void Esquecer() override;
    TVisualDocumento* Documento() const override { return doc_; }

    QLineEdit* EdtDesc;
    QLineEdit* EdtAltura;
    QLineEdit* EdtLargura;

private:
    TPropVisualForm regra_;
    TVisualDocumento* doc_ = nullptr;
};

} // namespace brelix
