#pragma once

#include "gui/UnitFormMsg.h"
#include "symbolic/UnitPropVOGanho.h"
#include "visual/UnitPropVisualObject.h"

#include <QDialog>

#include <optional>
#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace brelix {

// The gain entry dialog: one gain edited field by field, the coefficient "K", the symbol "Sym" with
// its exponent "ExpSym" and the power "ExpS" of S, each group 90 pixels wide; the window is 180, 270
// or 360 pixels wide as the groups the caller offers. "Ok" hands back the canonical gain or shows why
// it is refused and stays open.
class TJanelaPropVOGanho : public QDialog {
    Q_OBJECT

public:
    explicit TJanelaPropVOGanho(FMensagem mensagem, QWidget* parent = nullptr);

    // Prepares the window; the caller then shows it modally.
    void AbrirGanho(const std::string& caption, const std::string& gain, bool allowZero, bool showExpSym,
                    bool showExpS);
    // AbrirGanho as the gain row asks, then modally: the canonical gain when it closes with "Ok".
    std::optional<std::string> Editar(const TPainelGanho& painel);
    // The canonical gain of the last "Ok" that closed the window.
    const std::string& Resultado() const { return regra_.Resultado(); }

    QGroupBox* GBGanho;
    QGroupBox* GBSys;
    QGroupBox* GBExpSym;
    QGroupBox* GBExpS;
    QLineEdit* EdtGanho;
    QLineEdit* EdtSym;
    QSpinBox* EdtExpSym;
    QSpinBox* EdtExpS;
    QPushButton* BtnOK;
    QPushButton* BtnCancelar;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Ok();

    FMensagem mensagem_;
    TPropVOGanho regra_;
};

} // namespace brelix
