#pragma once

#include "gui/UnitCanvasDocumento.h"
#include "visual/UnitVisualDocumento.h"

#include <QWidget>

#include <cstdint>

class QScrollArea;

namespace brelix {

class TAreaTrabalho;
class TDialogos;
class TSinaisDocumento;

// The window of one document: a top-level window below the main window's strip, captioned with the
// document's file name (marked "*" while it differs from its file), showing the document on a white
// canvas in a scroll area. Every press, move and release on the canvas goes to the core's editing
// operations by the tool mode and the class chosen in the main window: placing, selecting and
// dragging, picking ports to connect (and wiring terminals in a system), turning a part with Girar,
// clicks on connections; the Delete key removes the selection. Activating the window makes its
// document the active one; closing it asks the workspace, which puts the save question.
class TVisualForm : public QWidget, public TRespostaCanvas {
    Q_OBJECT

public:
    // The window takes the document's place and size, lowered to `topoMinimo` when the document's
    // place lies higher (over the main window's strip); only a move by the user changes the place the
    // document keeps.
    TVisualForm(TVisualDocumento& documento, TAreaTrabalho& area, TDialogos& dialogos, int topoMinimo = 0);
    ~TVisualForm() override;
    TVisualForm(const TVisualForm&) = delete;
    TVisualForm& operator=(const TVisualForm&) = delete;

    // None once the document closed.
    TVisualDocumento* Documento() const { return documento_; }
    TCanvasDocumento& Canvas() const { return *canvas_; }

    // The document goes away right after this: the window forgets it, hides and is deleted later.
    void Desligar();

    void Pressionar(TPonto ponto, TMouseButton botao) override;
    void Mover(TPonto ponto, bool esquerdo) override;
    void Soltar(TPonto ponto, TMouseButton botao) override;
    bool Tecla(int tecla, Qt::KeyboardModifiers modificadores) override;

signals:
    // Whether Desfazer and Refazer are possible, or the document's name or saved state, changed.
    void EstadoAlterado();

protected:
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void AtualizarTitulo();
    void Ativado();
    void SelecaoMudou();
    void InformarGeometria(bool redimensionada);
    void MostrarDica(TPonto ponto);

    TVisualDocumento* documento_;
    TAreaTrabalho& area_;
    TDialogos& dialogos_;
    QScrollArea* rolagem_;
    TCanvasDocumento* canvas_;
    TSinaisDocumento* sinais_;
    std::int32_t arrastado_ = 0; // the object being dragged, by identity; 0 when none
    bool posicionando_ = false;  // the window is being placed from the document, not by the user
};

} // namespace brelix
