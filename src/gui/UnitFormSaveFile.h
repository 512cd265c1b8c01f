#pragma once

#include "visual/UnitVisualDocumento.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace brelix {

// The save question of a document that closes with changes: "Salvar o arquivo %s?" with "Sim",
// "Não" and "Cancelar". Closing the window any other way is "Cancelar".
class TFormSaveFile : public QDialog {
    Q_OBJECT

public:
    explicit TFormSaveFile(QWidget* parent = nullptr);

    // Shows the question modally and returns the answer.
    TSaveAnswer Perguntar(const std::string& pergunta);
    void Preparar(const std::string& pergunta);

    QLabel* LabelPergunta;
    QPushButton* BtnSim;
    QPushButton* BtnNao;
    QPushButton* BtnCancelar;
};

} // namespace brelix
