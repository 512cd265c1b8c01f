#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "gui/UnitFormMsg.h"

#include <QDialog>

#include <optional>
#include <string>

class QPushButton;

namespace brelix {

class TCaixaEscolha;

// The choice dialog "Função de Transferência" of a signal-flow diagram (and of a system): the input
// variable in "Variável de Entrada", the output in "Variável de Saída". A single input candidate is
// chosen at once and the focus goes on to the output; "Calcular" refuses an empty choice with its
// message and stays open.
class TFormFTDFS : public QDialog {
    Q_OBJECT

public:
    explicit TFormFTDFS(FMensagem mensagem, QWidget* parent = nullptr);

    // Fills the lists as the dialog opens, without showing it.
    void Abrir(const TCandidatosFT& candidatos);
    // Abrir, then modally; the request when it closes with "Calcular".
    std::optional<TPedidoFT> Escolher(const TCandidatosFT& candidatos);
    // What the combo boxes show, as a request.
    TPedidoFT Pedido();

    TCaixaEscolha* CBE;
    TCaixaEscolha* CBS;
    QPushButton* BtnCalcular;
    QPushButton* BtnCancelar;

private:
    void Calcular();

    FMensagem mensagem_;
};

} // namespace brelix
