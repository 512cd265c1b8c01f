#pragma once

#include "analysis/UnitVisaoVerificacao.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace brelix {

// The check window ("Brelix", 375 x 200): why the analysis of a document was refused. The message
// panel, then the tabs "Elementos não validados", "Elementos em curto" and "Elementos não conectados",
// shown, hidden and brought to the front as the core's content says, and "Fechar".
class TFormCheckGrf : public QDialog {
    Q_OBJECT

public:
    explicit TFormCheckGrf(QWidget* parent = nullptr);

    // Fills the window and shows it modally.
    void ShowCheck(const TConteudoVerificacao& conteudo);
    // Fills it without showing it.
    void Preencher(const TConteudoVerificacao& conteudo);

    QLabel* PanelMsg;
    QTabWidget* PageControl;
    QPlainTextEdit* MemoV;
    QPlainTextEdit* MemoC;
    QPlainTextEdit* MemoD;
    QPushButton* BtnFechar;
};

} // namespace brelix
