#pragma once

#include "shell/UnitInicializacao.h"

#include <QWidget>

#include <functional>

class QProgressBar;

namespace brelix {

// The window shown while the program starts: no border, on top, centred on the screen, with the
// program's name and a progress bar of one step per window made after the main window's first ones.
class TFormSplash : public QWidget {
    Q_OBJECT

public:
    explicit TFormSplash(QWidget* parent = nullptr);

    void Avancar();
    int Passo() const;
    int Maximo() const;

private:
    QProgressBar* barra_;
};

// Runs the start-up: `criar` is called once per window, in the order of the core's list, and the
// splash advances after each window that counts.
void PercorrerInicio(TFormSplash& splash, const std::function<void(const TPassoInicio&)>& criar);

} // namespace brelix
