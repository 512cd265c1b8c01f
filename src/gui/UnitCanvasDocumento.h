#pragma once

#include "visual/UnitVOGeometria.h"
#include "visual/UnitVisualDocumento.h"

#include <QWidget>

#include <cstdint>

namespace brelix {

// What a document canvas hands on of the mouse and the keyboard: positions already in document pixels,
// whatever the zoom. The editing of documents implements it with the core's operations; the canvas
// holds no rule of its own.
class TRespostaCanvas {
public:
    virtual ~TRespostaCanvas() = default;
    virtual void Pressionar(TPonto ponto, TMouseButton botao) = 0;
    // The mouse moved; `esquerdo` while the left button is held.
    virtual void Mover(TPonto ponto, bool esquerdo) = 0;
    virtual void Soltar(TPonto ponto, TMouseButton botao) = 0;
    // A key the canvas does not use itself (the zoom keys); true when it was taken.
    virtual bool Tecla(int tecla, Qt::KeyboardModifiers modificadores) = 0;
};

// The widget that shows a document: white, connections behind the other objects, at a zoom that
// changes only the display (Ctrl + wheel, Ctrl+0 back to 100 %): the document's coordinates stay as
// stored. It is as large as the document's window or its drawing, whichever is larger, times the zoom.
class TCanvasDocumento : public QWidget {
    Q_OBJECT

public:
    explicit TCanvasDocumento(TVisualDocumento& documento, QWidget* parent = nullptr);

    TVisualDocumento& Documento() const { return *documento_; }
    // Not owned; none to ignore the mouse.
    void SetResposta(TRespostaCanvas* resposta) { resposta_ = resposta; }

    // 1 is 100 %. SetZoom keeps it within the levels the wheel steps through (25 % to 400 %).
    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);
    // Steps up (positive) or down through the zoom levels.
    void PassoZoom(int passos);

    // The document pixel under a position of the widget, and the widget position of a document point.
    TPonto PontoDocumento(QPointF posicao) const;
    QPointF PosicaoWidget(TPonto ponto) const;

    // The document's size in document pixels: its window, grown to hold its drawing.
    QSize TamanhoDocumento() const;

    // After the document changed: recomputes what derives from other objects, the size, and repaints.
    void Atualizar();

    QSize sizeHint() const override;

signals:
    void ZoomAlterado(double zoom);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    void AjustarTamanho();

    TVisualDocumento* documento_;
    TRespostaCanvas* resposta_ = nullptr;
    double zoom_ = 1.0;
    int rodaAcumulada_ = 0; // wheel movement not yet turned into a zoom step
};

} // namespace brelix
