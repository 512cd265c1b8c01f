#pragma once

#include "shell/UnitOpcoes.h"

#include <QWidget>

class QTabWidget;

namespace brelix {

// What the result windows share: a sizeable tool window ("Resultados" unless told otherwise), 650 x
// 300 and centred when first shown, filled by a page control with flat tabs. Each time it is shown,
// its grids, trees and memos take the result font of the options and the given tab comes to the front.
class TFormResultado : public QWidget {
    Q_OBJECT

public:
    TFormResultado(const char* nome, const char* caption, QWidget* parent);

    QTabWidget* PageControl;

protected:
    // Shows the window (raised, in front), with the font and the tab in front.
    void Exibir(const TConfigOpcoes& config, QWidget* abaAtiva);

private:
    bool posicionada_ = false;
};

} // namespace brelix
