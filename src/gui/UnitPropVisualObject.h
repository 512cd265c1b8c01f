#pragma once

#include "gui/UnitJanelaProp.h"
#include "visual/UnitPropVisualObject.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brelix {

// The property window of one family of objects: Componentes, the common fields (Número, Descrição,
// Posição X and Y unless the object is a connection, Legenda, Legenda X and Y), the gain rows of the
// family, each with its button that opens the gain entry dialog, and Var. Controle for controlled
// sources. The rule object of the family (TPropVisualObject or one of its kinds) does the work.
class TJanelaPropVisualObject : public TJanelaProp {
    Q_OBJECT

public:
    TJanelaPropVisualObject(TPropWindow familia, const char* nome, std::unique_ptr<TPropVisualObject> regra,
                            TServicosPropriedades servicos, QWidget* parent = nullptr);

    void Mostrar(TVisualDocumento& doc, const TVisualObject* objeto) override;
    void Atualizar() override;
    void Esquecer() override;
    TVisualDocumento* Documento() const override { return doc_; }
    // The object shown; none when nothing is, or it is gone.
    TVisualObject* Objeto() const;

    // One per gain row of the family: the gain's description, the gain, the button.
    struct TLinhaGanho {
        QLabel* Rotulo;
        QLineEdit* Ganho;
        QPushButton* Botao;
    };
    const std::vector<TLinhaGanho>& LinhasGanho() const { return ganhos_; }
    // Var. Controle; none for other families.
    QComboBox* CBVarCtrl = nullptr;

private:
    std::function<TRespostaCampo(const std::string&)> Acao(const std::string& nome);
    void NovaLinhaGanho(const TCampoProp& campo);
    void NovaVarCtrl(const TCampoProp& campo);
    void EditarGanho(std::size_t linha);
    void EscolherVarCtrl(int indice);
    void DigitarVarCtrl();
    void MostrarVarCtrl(const std::string& nome);

    std::unique_ptr<TPropVisualObject> regra_;
    TVisualDocumento* doc_ = nullptr;
    std::vector<TLinhaGanho> ganhos_;
};

// The windows of the families that have no gain or whose gains are those of graph and signal-flow
// elements: PropVOVrt, PropVOCnx, PropVOGrfComp, PropVOGrfComp4 and PropVOGrfCompCtrl. Owned by the
// parent, or by the caller without one.
TJanelaPropVisualObject* CriarPropVOVrt(TServicosPropriedades servicos, QWidget* parent);
TJanelaPropVisualObject* CriarPropVOCnx(TServicosPropriedades servicos, QWidget* parent);
TJanelaPropVisualObject* CriarPropVOGrfComp(TPropWindow familia, TServicosPropriedades servicos,
                                            QWidget* parent);

} // namespace brelix
