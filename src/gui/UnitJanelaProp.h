#pragma once

#include "gui/UnitFormMsg.h"
#include "visual/UnitPropVisualObject.h"
#include "visual/UnitVOClass.h"
#include "visual/UnitVisualDocumento.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace brelix {

// What the property windows reach outside themselves: the message window, the gain entry dialog
// and the swap of windows after "Componentes" selected another object. Tests put their own.
struct TServicosPropriedades {
    FMensagem Mensagem;
    // The gain entry dialog opened for a gain row: the canonical gain when it closes with OK.
    std::function<std::optional<std::string>(const TPainelGanho&)> EditarGanho;
    // The document's selection changed from a property window.
    std::function<void(TVisualDocumento&)> SelecaoMudou;
};

// A property window ("Propriedades", a tool window): the fields of one family, in their order, each
// taking effect when Return is pressed in it, and "Componentes" listing every object of the document.
// The rules are the core's; a window only shows their values, passes on what the user typed and shows
// the message that comes back. It never repaints a document: the document tells its observers.
class TJanelaProp : public QWidget {
    Q_OBJECT

public:
    TJanelaProp(TPropWindow familia, const char* nome, TServicosPropriedades servicos, QWidget* parent);

    TPropWindow Familia() const { return familia_; }
    // Shows the document, or an object of it; the family must be the object's (VisualForm: none).
    virtual void Mostrar(TVisualDocumento& doc, const TVisualObject* objeto) = 0;
    // Every field again from the document, after it changed.
    virtual void Atualizar() = 0;
    // Nothing is shown any more (the document is no longer active, or closes).
    virtual void Esquecer() = 0;
    virtual TVisualDocumento* Documento() const = 0;

    // The field of that widget name ("EdtNum", "EdtAltura", ...); none when the family has no such field.
    QLineEdit* Campo(const std::string& nome) const;

    QComboBox* CBComp;

protected:
    // A labelled one-line edit in the next row, with its key filter; Return calls `aoReturn`.
    QLineEdit* NovoCampo(const TCampoProp& campo, std::function<TRespostaCampo(const std::string&)> aoReturn);
    // The document's descriptions, with the entry at `selecionado` chosen (-1: none).
    void PreencherComponentes(int selecionado);
    // After a Return: the fields show the model again, then the message, and the field keeps the
    // focus with its whole text selected.
    void Responder(QLineEdit* campo, const TRespostaCampo& resposta);

    QGridLayout* grade_;
    TServicosPropriedades servicos_;

private:
    void EscolherComponente(int indice);
    void DigitarComponente();

    TPropWindow familia_;
    std::vector<std::pair<std::string, QLineEdit*>> campos_;
};

} // namespace brelix
