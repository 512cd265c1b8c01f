#include "gui/UnitCanvasDocumento.h"

#include "gui/UnitPintura.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace brelix {

namespace {

constexpr std::array<double, 13> kNiveisZoom{0.25, 0.33, 0.5, 0.67, 0.75, 0.9, 1.0,
                                             1.1,  1.25, 1.5, 2.0,  3.0,  4.0};
// A wheel notch is 120 units; touch pads send smaller steps that add up to one.
constexpr int kUnidadesPorPasso = 120;
// Room left beyond the drawing, in document pixels.
constexpr int kFolga = 10;

std::optional<TMouseButton> Botao(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return TMouseButton::Left;
    case Qt::RightButton:
        return TMouseButton::Right;
    case Qt::MiddleButton:
        return TMouseButton::Middle;
    default:
        return std::nullopt;
    }
}

} // namespace

TCanvasDocumento::TCanvasDocumento(TVisualDocumento& documento, QWidget* parent)
    : QWidget(parent), documento_(&documento) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Atualizar();
}

void TCanvasDocumento::SetZoom(double zoom) {
    zoom = std::clamp(zoom, kNiveisZoom.front(), kNiveisZoom.back());
    if (zoom == zoom_) return;
    zoom_ = zoom;
    AjustarTamanho();
    update();
    emit ZoomAlterado(zoom_);
}

void TCanvasDocumento::PassoZoom(int passos) {
    // The level nearest to the present zoom, then that many levels on.
    const auto maisProximo =
        std::min_element(kNiveisZoom.begin(), kNiveisZoom.end(),
                         [this](double a, double b) { return std::abs(a - zoom_) < std::abs(b - zoom_); });
    const auto indice = std::clamp<std::ptrdiff_t>((maisProximo - kNiveisZoom.begin()) + passos, 0,
                                                   static_cast<std::ptrdiff_t>(kNiveisZoom.size()) - 1);
    SetZoom(kNiveisZoom[static_cast<std::size_t>(indice)]);
}

TPonto TCanvasDocumento::PontoDocumento(QPointF posicao) const {
    return {static_cast<std::int32_t>(std::floor(posicao.x() / zoom_)),
            static_cast<std::int32_t>(std::floor(posicao.y() / zoom_))};
}

QPointF TCanvasDocumento::PosicaoWidget(TPonto ponto) const {
    return {ponto.X * zoom_, ponto.Y * zoom_};
}

QSize TCanvasDocumento::TamanhoDocumento() const {
    const QRect area = AreaDesenho(*documento_);
    QSize tamanho(documento_->Width(), documento_->Height());
    if (!area.isEmpty())
        tamanho = tamanho.expandedTo(QSize(area.right() + 1 + kFolga, area.bottom() + 1 + kFolga));
    return tamanho;
}

void TCanvasDocumento::Atualizar() {
    documento_->UpdateLayout();
    AjustarTamanho();
    update();
}

QSize TCanvasDocumento::sizeHint() const {
    const QSize t = TamanhoDocumento();
    return {static_cast<int>(std::ceil(t.width() * zoom_)), static_cast<int>(std::ceil(t.height() * zoom_))};
}

void TCanvasDocumento::AjustarTamanho() {
    const QSize t = sizeHint();
    setMinimumSize(t);
    resize(size().expandedTo(t));
    updateGeometry();
}

void TCanvasDocumento::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    p.fillRect(evento->rect(), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(zoom_, zoom_);
    PintarDocumento(p, *documento_);
}

void TCanvasDocumento::wheelEvent(QWheelEvent* evento) {
    if (!evento->modifiers().testFlag(Qt::ControlModifier)) {
        evento->ignore(); // the scroll area scrolls
        return;
    }
    rodaAcumulada_ += evento->angleDelta().y();
    const int passos = rodaAcumulada_ / kUnidadesPorPasso;
    rodaAcumulada_ -= passos * kUnidadesPorPasso;
    if (passos != 0) PassoZoom(passos);
    evento->accept();
}

void TCanvasDocumento::keyPressEvent(QKeyEvent* evento) {
    if (evento->modifiers() == Qt::ControlModifier && evento->key() == Qt::Key_0) {
        SetZoom(1.0);
        return;
    }
    if (resposta_ != nullptr && resposta_->Tecla(evento->key(), evento->modifiers())) return;
    QWidget::keyPressEvent(evento);
}

void TCanvasDocumento::mousePressEvent(QMouseEvent* evento) {
    const std::optional<TMouseButton> botao = Botao(evento->button());
    if (resposta_ == nullptr || !botao) return QWidget::mousePressEvent(evento);
    resposta_->Pressionar(PontoDocumento(evento->position()), *botao);
}

void TCanvasDocumento::mouseMoveEvent(QMouseEvent* evento) {
    if (resposta_ == nullptr) return QWidget::mouseMoveEvent(evento);
    resposta_->Mover(PontoDocumento(evento->position()), evento->buttons().testFlag(Qt::LeftButton));
}

void TCanvasDocumento::mouseReleaseEvent(QMouseEvent* evento) {
    const std::optional<TMouseButton> botao = Botao(evento->button());
    if (resposta_ == nullptr || !botao) return QWidget::mouseReleaseEvent(evento);
    resposta_->Soltar(PontoDocumento(evento->position()), *botao);
}

} // namespace brelix
