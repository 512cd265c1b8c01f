#pragma once

#include "analysis/UnitResultadoFT.h"
#include "gui/UnitFormMsg.h"
#include "gui/UnitFormResultado.h"
#include "shell/UnitJanelaPrincipal.h"

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace brelix {

class TModeloGradeFT;
class TModeloSimbolos;
class TVisaoTexto;

// The transfer-function window "Função de Transferência": the input and output, the symbols with
// editable values, the symbolic function as text and by power of S, the parametric sensitivity and
// the numeric function with its Varnel export. It shows the workspace's result and every button acts
// on it (TResultadoFT); the window keeps no state of its own beyond the values being typed.
class TFormResultFT : public TFormResultado {
    Q_OBJECT

public:
    // The save dialog of the Varnel export; a test puts its own in place of the toolkit's.
    using FDialogoSalvar = std::function<std::optional<std::string>(const TDialogoArquivo&)>;

    TFormResultFT(FMensagem mensagem, QWidget* parent = nullptr);
    void SetDialogoSalvar(FDialogoSalvar dialogo) { dialogoSalvar_ = std::move(dialogo); }
    // The question before a read-only file is replaced; true to replace it.
    using FConfirmar = std::function<bool(const std::string&)>;
    void SetConfirmar(FConfirmar confirmar) { confirmar_ = std::move(confirmar); }

    // Fills every tab from the result, which the window then acts on. The result and the settings
    // must last until the next call: the export reads the default folder when its dialog opens.
    void Preencher(TResultadoFT& resultado, const TConfigOpcoes& config);
    // Preencher, then shows the window on the symbolic function with the result font and the
    // sensitivity memos cleared.
    void Mostrar(TResultadoFT& resultado, const TConfigOpcoes& config);

    // "Calcular FT Numérica", "Calcular Sensibilidade" and "Salvar Arquivo do Varnel".
    void CalcularNumerica();
    void CalcularSensibilidade();
    void SalvarVarnel();

    QWidget* TSVar;
    QWidget* TSSimbolos;
    QWidget* TSFTS;
    QWidget* TSFTSGrid;
    QWidget* TSSensibilidade;
    QWidget* TSFTN;
    QPlainTextEdit* MemoVarE;
    QPlainTextEdit* MemoVarS;
    QPushButton* BtnSimbolo;
    QTableView* SGSimbolos;
    TVisaoTexto* MemoFTSNum;
    TVisaoTexto* MemoFTSDen;
    QTableView* SGFTSNum;
    QTableView* SGFTSDen;
    QComboBox* CBSimbolos;
    QPushButton* BtnSensibilidade;
    TVisaoTexto* MemoSensNum;
    TVisaoTexto* MemoSensDen;
    QPushButton* BtnVarnel;
    QPlainTextEdit* MemoFTNG;
    QPlainTextEdit* MemoFTNNum;
    QPlainTextEdit* MemoFTNDen;

private:
    void MostrarSimbolos();
    void MostrarNumerica();

    FMensagem mensagem_;
    FDialogoSalvar dialogoSalvar_;
    FConfirmar confirmar_;
    TResultadoFT* resultado_ = nullptr;
    const TConfigOpcoes* config_ = nullptr;
    TModeloSimbolos* simbolos_;
};

} // namespace brelix
