#pragma once

#include "shell/UnitOpcoes.h"

#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace brelix {

// The options window "Opções": the font of the results (Nome, Tamanho and the font dialog of "Alterar
// Fonte"), the row height and column width of the "Matrizes A" tables, and the automatic vertices of
// system wiring. Only "Confirmar" hands back what it holds; "Cancelar" changes nothing.
class TFormOpcoes : public QDialog {
    Q_OBJECT

public:
    // The font dialog: the font it opens with, the font chosen or nothing when it is cancelled. A test
    // puts its own in place of QFontDialog.
    using FEscolherFonte = std::function<std::optional<QFont>(const QFont& inicial, QWidget* pai)>;

    explicit TFormOpcoes(QWidget* parent = nullptr);
    void SetEscolherFonte(FEscolherFonte escolher) { escolherFonte_ = std::move(escolher); }

    void Preencher(const TConfigOpcoes& config);
    // What the fields hold.
    TEntradaOpcoes Entrada() const;
    // Preencher, then modally; the fields when it closes with "Confirmar".
    std::optional<TEntradaOpcoes> Editar(const TConfigOpcoes& config);

    QLineEdit* EdtF;
    QLineEdit* EdtT;
    QToolButton* BtnFonte;
    QSpinBox* EdtA;
    QSpinBox* EdtL;
    QCheckBox* CBCnx;
    QPushButton* BtnConfirmar;
    QPushButton* BtnCancelar;

private:
    void AlterarFonte();

    FEscolherFonte escolherFonte_;
};

} // namespace brelix
