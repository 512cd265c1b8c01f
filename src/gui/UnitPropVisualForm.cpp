#include "gui/UnitPropVisualForm.h"

#include <QLineEdit>

#include <utility>

namespace brelix {

TJanelaPropVisualForm::TJanelaPropVisualForm(TServicosPropriedades servicos, QWidget* parent)
    : TJanelaProp(TPropWindow::VisualForm, "PropVisualForm", std::move(servicos), parent) {
    for (const TCampoProp& campo : CamposDaJanela(TPropWindow::VisualForm)) {
        if (campo.Nome == "CBComp") continue;
        std::function<TRespostaCampo(const std::string&)> aoReturn;
        if (campo.Nome == "EdtAltura")
            aoReturn = [this](const std::string& t) { return regra_.ReturnAltura(t); };
        else if (campo.Nome == "EdtLargura")
            aoReturn = [this](const std::string& t) { return regra_.ReturnLargura(t); };
        NovoCampo(campo, std::move(aoReturn));
    }
    EdtDesc = Campo("EdtDesc");
    EdtAltura = Campo("EdtAltura");
    EdtLargura = Campo("EdtLargura");
}

void TJanelaPropVisualForm::Mostrar(TVisualDocumento& doc, const TVisualObject*) {
    doc_ = &doc;
    regra_.Show(doc);
    Atualizar();
}

void TJanelaPropVisualForm::Atualizar() {
    if (doc_ == nullptr) return;
    const TValoresDocumento valores = regra_.Valores();
    EdtDesc->setText(QString::fromStdString(valores.Desc));
    EdtAltura->setText(QString::fromStdString(valores.Altura));
    EdtLargura->setText(QString::fromStdString(valores.Largura));
    PreencherComponentes(-1);
}

void TJanelaPropVisualForm::Esquecer() {
    doc_ = nullptr;
    EdtDesc->clear();
    EdtAltura->clear();
    EdtLargura->clear();
    PreencherComponentes(-1);
}

} // namespace brelix
