#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitEscolhaFT.h"
#include "gui/UnitFormFTDFS.h"

#include <QDialog>

#include <optional>

class QPushButton;
class QTabWidget;
class QWidget;

namespace brelix {

class TCaixaEscolha;

// The choice dialog "Função de Transferência" of a linear graph: the input in "Entrada", and in
// "Saída" either an output variable (tab "1 Elemento") or the effort between two vertices (tab
// "N Elementos"). A single input candidate is chosen at once; the focus stays on the input.
class TFormFTGrafo : public QDialog {
    Q_OBJECT

public:
    explicit TFormFTGrafo(FMensagem mensagem, QWidget* parent = nullptr);

    void Abrir(const TCandidatosFT& candidatos);
    std::optional<TPedidoFT> Escolher(const TCandidatosFT& candidatos);
    // What the dialog shows, and the request it makes of it.
    TEscolhaGrafo Escolha();
    TPedidoFT Pedido();
    bool IsUmElemento() const;

    TCaixaEscolha* CBE;
    QTabWidget* PageControl;
    QWidget* TS1;
    QWidget* TSN;
    TCaixaEscolha* CBS;
    TCaixaEscolha* CBP;
    TCaixaEscolha* CBN;
    QPushButton* BtnCalcular;
    QPushButton* BtnCancelar;

private:
    void Calcular();
    void AbaMudou();

    FMensagem mensagem_;
};

} // namespace brelix
