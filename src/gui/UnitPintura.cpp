#include "gui/UnitPintura.h"

#include "gui/UnitFiguraSis.h"
#include "system/UnitVOSisCatalogo.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVOGeometria.h"
#include "visual/UnitVOGrfCnx.h"
#include "visual/UnitVOGrfElementos.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

#include <vector>

namespace brelix {

namespace {

// Document coordinates count pixels: the pixel (x, y) covers the square from (x, y) to (x + 1, y + 1).
// A one-pixel line through pixel centres therefore runs at x + 0.5; a box written as the pixels from
// x1 to x2 - 1 (the way documents give their rectangles and circles) has its outline through the
// centres of its edge pixels.
constexpr double kMeio = 0.5;

QPointF CentroDoPixel(std::int32_t x, std::int32_t y) {
    return {x + kMeio, y + kMeio};
}

QRectF ContornoDaCaixa(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    return {x1 + kMeio, y1 + kMeio, static_cast<double>(x2 - x1 - 1), static_cast<double>(y2 - y1 - 1)};
}

QString Texto(const std::string& s) {
    return QString::fromStdString(s);
}

QColor Vermelho() {
    return CorDocumento(kCorVermelha);
}

// What the painting shows of the editing: on screen the selection, the drag and the picked ports; in a
// figure only the drawing itself.
struct TVista {
    TEstiloPintura Estilo;

    std::uint8_t Estado(const TVisualObject& o) const {
        return Estilo == TEstiloPintura::Figura ? kStateBody : o.State();
    }
    bool Escolhida(const TVOElemento& e, std::int32_t porta) const {
        return Estilo == TEstiloPintura::Tela && e.PortFlag(porta);
    }
};

// Text whose top-left corner is at (x, y) in the painter's coordinates.
void TextoEm(QPainter& p, double x, double y, const QString& texto) {
    const QFontMetrics fm(p.font());
    p.drawText(QPointF(x, y + fm.ascent()), texto);
}

QSize TamanhoTexto(const QString& texto) {
    const QFontMetrics fm(FonteDocumento());
    return {fm.horizontalAdvance(texto), fm.height()};
}

// The free ports of an element, each a small disc in its colour, red while picked. The painter is at
// the element's top-left corner.
void PintarPortas(QPainter& p, const TVOElemento& e, const TVista& vista) {
    if (!e.FixedPorts()) return;
    p.setPen(Qt::NoPen);
    for (std::int32_t port = 1; port <= e.NumPorts(); ++port) {
        if (e.ConnectionAt(port) != 0) continue;
        const TPortInfo info = e.GetPortInfo(port);
        p.setBrush(vista.Escolhida(e, port) ? Vermelho() : CorDocumento(info.Color));
        p.drawEllipse(CentroDoPixel(info.X - e.Left(), info.Y - e.Top()), 2.5, 2.5);
    }
}

void PintarVerticeSis(QPainter& p, const TVOSisVertice& v, const TVista& vista) {
    const QColor cor = vista.Escolhida(v, 1) ? Vermelho() : CorDocumento(DomainColour(v.GetDomain()));
    p.setPen(QPen(cor, 1.0));
    p.setBrush(cor);
    p.drawEllipse(CentroDoPixel(v.Width() / 2, v.Height() / 2), 3.0, 3.0);
}

void PintarVerticeGrf(QPainter& p, const TVOGrfVertice& v, const TVista& vista) {
    const QColor cor = vista.Escolhida(v, 1) ? Vermelho() : QColor(Qt::black);
    const std::int32_t cx = v.Width() / 2;
    const std::int32_t cy = v.Height() / 2;
    p.setPen(QPen(cor, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(ContornoDaCaixa(cx - 9, cy - 9, cx + 9, cy + 9));
    const QString num = QString::number(v.Num());
    const QSize t = TamanhoTexto(num);
    TextoEm(p, cx - t.width() / 2, cy - t.height() / 2, num);
}

void PintarCompSis(QPainter& p, const TVOSisComp& c) {
    p.save();
    p.translate(kMeio, kMeio);
    DesenharFiguraSis(p, FiguraSis(c.Row(), c.Picture(c.Orientations())));
    p.restore();
}

void PintarCompGrf(QPainter& p, const TVOGrfComp& c) {
    const std::int32_t cx = c.Width() / 2;
    const std::int32_t cy = c.Height() / 2;
    QPen pontilhada(Qt::black, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    pontilhada.setDashPattern({1.0, 1.0});
    p.setPen(pontilhada);
    p.setBrush(Qt::white);
    if (c.NumSides() == 1)
        p.drawRect(ContornoDaCaixa(cx - 8, cy - 8, cx + 8, cy + 8));
    else
        p.drawEllipse(ContornoDaCaixa(cx - 12, cy - 8, cx + 12, cy + 8));
    p.setPen(Qt::black);
    const QString simbolo = Texto(c.Symbol());
    const QSize t = TamanhoTexto(simbolo);
    TextoEm(p, cx - t.width() / 2 - 1, cy - t.height() / 2, simbolo);
}

QPolygonF Poligono(const std::vector<TPonto>& pontos) {
    QPolygonF poligono;
    for (const TPonto& ponto : pontos)
        poligono << CentroDoPixel(ponto.X, ponto.Y);
    return poligono;
}

QColor CorConexao(const TVOConexao& c, const TVista& vista) {
    return (vista.Estado(c) & kStateSelected) != 0 ? Vermelho() : CorDocumento(c.Colour());
}

// A wire of a system document: the route the wire lays between its two terminals, in its domain's
// colour.
void PintarConexaoSis(QPainter& p, const TVOSisConexao& c, const TVista& vista) {
    const std::vector<TPonto> rota = c.Points();
    if (rota.size() < 2) return;
    p.setPen(QPen(CorConexao(c, vista), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(Poligono(rota));
}

// A connection of a graph or signal-flow diagram: the straight line between the centres of its ends,
// with the arrow at its middle pointing from the first end to the second.
void PintarConexaoGrf(QPainter& p, const TVOGrfConexao& c, const TVista& vista) {
    const std::vector<TPonto> linha = c.Points();
    if (linha.size() < 2) return;
    const QColor cor = CorConexao(c, vista);
    p.setPen(QPen(cor, 1.0));
    p.drawLine(CentroDoPixel(linha.front().X, linha.front().Y),
               CentroDoPixel(linha.back().X, linha.back().Y));
    const TGrfCnxGeometria g = c.Geometria();
    if (!g.HasArrow) return;
    QPolygonF seta;
    for (const TPontoReal& v : g.Arrow)
        seta << QPointF(v.X + kMeio, v.Y + kMeio);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPolygon(seta);
}

// Any other connection: its polyline.
void PintarConexao(QPainter& p, const TVOConexao& c, const TVista& vista) {
    const std::vector<TPonto> pontos = c.Points();
    if (pontos.size() < 2) return;
    p.setPen(QPen(CorConexao(c, vista), 1.0));
    p.drawPolyline(Poligono(pontos));
}

// The outline while dragging and the corners while selected, on the rectangle inset by the margin.
void PintarMoldura(QPainter& p, const TVisualObject& o, const TVista& vista) {
    const std::int32_t m = o.Margin();
    const std::int32_t w = o.Width();
    const std::int32_t h = o.Height();
    if ((vista.Estado(o) & kStateDragging) != 0) {
        p.setPen(QPen(Qt::black, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(ContornoDaCaixa(m, m, w - m, h - m));
    }
    if ((vista.Estado(o) & kStateSelected) != 0) {
        for (const QPoint canto :
             {QPoint(m, m), QPoint(m, h - m - 3), QPoint(w - m - 3, m), QPoint(w - m - 3, h - m - 3)})
            p.fillRect(QRect(canto, QSize(3, 3)), Qt::black);
    }
}

void PintarElemento(QPainter& p, const TVOElemento& e, const TVista& vista) {
    p.save();
    p.translate(e.Left(), e.Top());
    if ((vista.Estado(e) & kStateBody) != 0) {
        if (const auto* v = dynamic_cast<const TVOSisVertice*>(&e)) PintarVerticeSis(p, *v, vista);
        if (const auto* v = dynamic_cast<const TVOGrfVertice*>(&e)) PintarVerticeGrf(p, *v, vista);
        if (const auto* c = dynamic_cast<const TVOSisComp*>(&e)) PintarCompSis(p, *c);
        if (const auto* c = dynamic_cast<const TVOGrfComp*>(&e)) PintarCompGrf(p, *c);
    }
    // A dragged object shows only its outline; its ports go with the body.
    if ((vista.Estado(e) & kStateDragging) == 0) PintarPortas(p, e, vista);
    PintarMoldura(p, e, vista);
    p.restore();
}

void PintarConexaoQualquer(QPainter& p, const TVOConexao& c, const TVista& vista) {
    if (const auto* s = dynamic_cast<const TVOSisConexao*>(&c))
        PintarConexaoSis(p, *s, vista);
    else if (const auto* g = dynamic_cast<const TVOGrfConexao*>(&c))
        PintarConexaoGrf(p, *g, vista);
    else
        PintarConexao(p, c, vista);
}

// The centre a label is placed around: the object's box, or for a connection the area its geometry
// covers.
TPonto CentroDaLegenda(const TVisualObject& o) {
    if (const auto* s = dynamic_cast<const TVOSisConexao*>(&o)) {
        const std::optional<TGeometriaConexaoSis> g = s->Geometria();
        if (!g) return {};
        return {g->Posicao.Left + g->Posicao.Width / 2, g->Posicao.Top + g->Posicao.Height / 2};
    }
    if (const auto* c = dynamic_cast<const TVOGrfConexao*>(&o)) {
        const TGrfCnxGeometria g = c->Geometria();
        return {g.Left + g.Width / 2, g.Top + g.Height / 2};
    }
    return o.Centre();
}

} // namespace

QColor CorDocumento(std::int32_t cor) {
    return QColor(cor & 0xFF, (cor >> 8) & 0xFF, (cor >> 16) & 0xFF);
}

QFont FonteDocumento() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    return f;
}

std::optional<QRect> AreaLegenda(const TVisualObject& o) {
    if (!LabelVisible(o)) return std::nullopt;
    const QSize t = TamanhoTexto(Texto(o.Lbl()));
    TPonto canto;
    if (dynamic_cast<const TVOConexao*>(&o) != nullptr) {
        const TPonto c = CentroDaLegenda(o);
        canto = {c.X - t.width() / 2 + o.LblX(), c.Y - t.height() / 2 + o.LblY()};
    } else {
        canto = LabelPosition(o, t.width(), t.height());
    }
    return QRect(QPoint(canto.X, canto.Y), t);
}

void PintarObjeto(QPainter& p, const TVisualObject& o, TEstiloPintura estilo) {
    const TVista vista{estilo};
    p.save();
    p.setFont(FonteDocumento());
    if (const auto* c = dynamic_cast<const TVOConexao*>(&o)) {
        if ((vista.Estado(*c) & kStateBody) != 0) PintarConexaoQualquer(p, *c, vista);
    } else if (const auto* e = dynamic_cast<const TVOElemento*>(&o)) {
        PintarElemento(p, *e, vista);
    }
    if (const std::optional<QRect> legenda = AreaLegenda(o)) {
        p.setPen(Qt::black);
        TextoEm(p, legenda->left(), legenda->top(), Texto(o.Lbl()));
    }
    p.restore();
}

void PintarDocumento(QPainter& p, const TVisualDocumento& doc, TEstiloPintura estilo) {
    for (const TVisualObject* o : doc.Objects().PaintOrder())
        PintarObjeto(p, *o, estilo);
}

std::unique_ptr<TVisualObject> ObjetoAmostra(const TVOClass& cls) {
    std::unique_ptr<TVisualObject> o = cls.Create(cls);
    const std::string num = "1";
    o->LoadFromStrings({"Object 1: " + cls.Name, "Num=" + num, "Desc=" + cls.DescPrefix() + num, "Left=0",
                        "Top=0", "Lbl=*", "LblX=0", "LblY=0"});
    o->SetLbl("");
    o->Deselect();
    return o;
}

QRect AreaDesenho(const TVisualDocumento& doc) {
    QRect area;
    for (const TVisualObject& o : doc.Objects()) {
        if (const auto* c = dynamic_cast<const TVOConexao*>(&o)) {
            // The arrow of a graph connection lies within 3 pixels of its line.
            for (const TPonto& ponto : c->Points())
                area = area.united(QRect(ponto.X - 4, ponto.Y - 4, 9, 9));
        } else {
            area = area.united(QRect(o.Left(), o.Top(), o.Width(), o.Height()));
        }
        if (const std::optional<QRect> legenda = AreaLegenda(o)) area = area.united(*legenda);
    }
    return area;
}

} // namespace brelix
