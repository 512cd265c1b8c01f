#pragma once

#include "symbolic/UnitFTProgresso.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace brelix {

// The progress window of long analyses. The analyses run on the interface's thread; they report their
// stages here and ask, now and then, whether the user stopped them. An analysis that lasts more than a
// moment brings the window up (modal, so that nothing else can be done to the documents meanwhile)
// with the stage, a bar for its progress and "Cancelar"; every few tens of milliseconds the interface
// handles its pending events, so the program never looks frozen. "Cancelar" makes the next question
// answer yes, and the analysis then ends with its "cancelled" refusal.
//
// A run begins with the first report and ends when the event loop is back without the analysis
// (the window then hides itself), or when Terminar is called.
class TFormProgress : public QDialog, public TProgresso {
    Q_OBJECT

public:
    // `atrasoMs`: how long an analysis runs before the window shows; `intervaloMs`: how often pending
    // events are handled while it runs.
    explicit TFormProgress(QWidget* parent = nullptr, int atrasoMs = 300, int intervaloMs = 50);

    void IniciarEtapa(TEtapaAnalise etapa) override;
    void IniciarProgresso(const std::vector<std::string>& lines) override;
    void IniciarOrdem(int order, int count) override;
    void PassoProgresso(int set) override;
    bool Cancelado() override;

    // The run is over: the window hides and the next report starts a new run.
    void Terminar();
    bool Rodando() const { return rodando_; }

    QLabel* LabelEtapa;
    QLabel* LabelOrdem;
    QProgressBar* Barra;
    QPushButton* BtnCancelar;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Atender();
    void Mostrar();
    void Cancelar();
    void FimTalvez();

    int atrasoMs_;
    int intervaloMs_;
    bool rodando_ = false;
    bool cancelado_ = false;
    bool dentro_ = false; // handling events in the middle of an analysis
    QElapsedTimer relogio_;
    qint64 ultimoAtendimento_ = 0;
    QTimer fim_;

    // What the bar shows, kept as reported and written to the widgets when events are handled.
    TEtapaAnalise etapa_ = TEtapaAnalise::BuscaLacos;
    std::vector<std::string> ordens_;
    int ordem_ = 0;
    int conjuntos_ = 0;
    int passo_ = 0;
};

} // namespace brelix
