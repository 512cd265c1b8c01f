#include "gui/UnitIcones.h"

#include "gui/UnitIconesComando.h"
#include "gui/UnitPintura.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOGrfCnx.h"
#include "visual/UnitVisualObject.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brelix {

namespace {

// An icon painted from paths into whatever size a button asks for.
class TMotorIcone final : public QIconEngine {
public:
    using TPintura = std::function<void(QPainter&)>;

    // `caixa` is the part of the painting's coordinates the icon shows.
    TMotorIcone(QRectF caixa, TPintura pintura) : caixa_(caixa), pintura_(std::move(pintura)) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::TextAntialiasing);
        const double escala = std::min(rect.width() / caixa_.width(), rect.height() / caixa_.height());
        p->translate(QRectF(rect).center());
        p->scale(escala, escala);
        p->translate(-caixa_.center());
        if (mode == QIcon::Disabled) p->setOpacity(0.35);
        pintura_(*p);
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QImage imagem(size, QImage::Format_ARGB32_Premultiplied);
        imagem.fill(Qt::transparent);
        {
            QPainter p(&imagem);
            paint(&p, QRect(QPoint(0, 0), size), mode, state);
        }
        return QPixmap::fromImage(imagem);
    }

    QIconEngine* clone() const override { return new TMotorIcone(caixa_, pintura_); }

private:
    QRectF caixa_;
    TPintura pintura_;
};

QIcon Icone(QRectF caixa, TMotorIcone::TPintura pintura) {
    return QIcon(new TMotorIcone(caixa, std::move(pintura)));
}

// A connection alone has no ends to run between: the icon draws one as the document would, a graph
// connection with its arrow, a wire as a route with a bend, in the connection's colour.
void PintarConexaoExemplo(QPainter& p, const TVOConexao& c) {
    const QColor cor = CorDocumento(c.Colour());
    p.setPen(QPen(cor, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    if (dynamic_cast<const TVOGrfConexao*>(&c) == nullptr) {
        p.drawPolyline(
            QPolygonF({QPointF(5.5, 22.5), QPointF(15.5, 22.5), QPointF(15.5, 8.5), QPointF(25.5, 8.5)}));
        return;
    }
    const TGrfCnxGeometria g = GrfCnxGeometria({5, 22}, {25, 8});
    p.drawLine(QPointF(g.From.X + 0.5, g.From.Y + 0.5), QPointF(g.To.X + 0.5, g.To.Y + 0.5));
    QPolygonF seta;
    for (const TPontoReal& v : g.Arrow)
        seta << QPointF(v.X + 0.5, v.Y + 0.5);
    // The arrow of a document is small for its line; an icon shows it twice as large around its middle.
    const QPointF meio = (seta[0] + seta[1] + seta[2]) / 3.0;
    for (QPointF& v : seta)
        v = meio + (v - meio) * 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPolygon(seta);
}

} // namespace

QIcon IconeDaClasse(const TVOClass& cls) {
    if (cls.IsAbstract()) return {};
    const std::shared_ptr<TVisualObject> o = ObjetoAmostra(cls);
    // The object's 30 x 30 box, less the blank edge its terminals leave.
    const QRectF caixa(2, 2, 27, 27);
    if (const auto* c = dynamic_cast<const TVOConexao*>(o.get()))
        return Icone(caixa, [o, c](QPainter& p) { PintarConexaoExemplo(p, *c); });
    return Icone(caixa, [o](QPainter& p) { PintarObjeto(p, *o); });
}

QIcon IconeDoComando(TComando comando) {
    const std::vector<TComando>& com = ComandosComIcone();
    if (std::find(com.begin(), com.end(), comando) == com.end()) return {};
    return Icone(QRectF(0, 0, 24, 24), [comando](QPainter& p) { PintarComando(p, comando); });
}

} // namespace brelix
