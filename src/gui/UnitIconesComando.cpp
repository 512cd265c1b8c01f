#include "gui/UnitIconesComando.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace brelix {

namespace {

using P = QPointF;

// One style for every command icon: dark outlines a pixel and a fifth wide, white paper, blue disks
// and arrows, a warm folder.
const QColor kTraco(45, 45, 45);
const QColor kPapel(255, 255, 255);
const QColor kAzul(48, 108, 176);
const QColor kAzulClaro(200, 220, 240);
const QColor kPasta(240, 196, 90);
const QColor kPastaFrente(250, 216, 128);
const QColor kVermelho(200, 40, 40);
constexpr double kLargura = 1.2;

QPen Caneta(const QColor& cor = kTraco, double largura = kLargura) {
    return QPen(cor, largura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Poligono(QPainter& p, std::initializer_list<P> pontos, const QColor& fundo,
              const QColor& traco = kTraco) {
    p.setPen(Caneta(traco));
    p.setBrush(fundo);
    p.drawPolygon(QPolygonF(QList<P>(pontos)));
}

void Linha(QPainter& p, std::initializer_list<P> pontos, const QColor& cor = kTraco,
           double largura = kLargura) {
    p.setPen(Caneta(cor, largura));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(QList<P>(pontos)));
}

// A filled arrow head with its tip at `ponta`, pointing along the unit vector `dir`.
void Ponta(QPainter& p, P ponta, P dir, double comprimento, double meia, const QColor& cor) {
    const P base = ponta - dir * comprimento;
    const P normal(-dir.y(), dir.x());
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPolygon(QPolygonF({ponta, base + normal * meia, base - normal * meia}));
}

// A sheet of paper with its top right corner folded.
void Folha(QPainter& p) {
    Poligono(p, {{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}}, kPapel);
    Linha(p, {{15, 2}, {15, 7}, {20, 7}});
}

// A diskette in the square at (x, y), `lado` wide.
void Disquete(QPainter& p, double x, double y, double lado) {
    const double corte = lado * 0.18;
    Poligono(p, {{x, y}, {x + lado - corte, y}, {x + lado, y + corte}, {x + lado, y + lado}, {x, y + lado}},
             kAzul);
    p.setPen(Qt::NoPen);
    p.setBrush(kAzulClaro);
    p.drawRect(QRectF(x + lado * 0.25, y + 0.6, lado * 0.45, lado * 0.3));
    p.setBrush(kAzul);
    p.drawRect(QRectF(x + lado * 0.52, y + lado * 0.06, lado * 0.1, lado * 0.2));
    p.setPen(Caneta(kTraco, 0.8));
    p.setBrush(kPapel);
    p.drawRect(QRectF(x + lado * 0.18, y + lado * 0.52, lado * 0.64, lado * 0.4));
}

void Lapis(QPainter& p) {
    // Along the diagonal, its point at the lower left.
    const P dir(std::sqrt(0.5), -std::sqrt(0.5));
    const P normal(-dir.y(), dir.x());
    const P ponta(11, 22);
    const P base = ponta + dir * 3.5;
    const P fim = ponta + dir * 13;
    Poligono(p, {ponta, base + normal * 1.8, base - normal * 1.8}, QColor(235, 210, 170));
    Poligono(p, {base + normal * 1.8, fim + normal * 1.8, fim - normal * 1.8, base - normal * 1.8},
             QColor(236, 190, 50));
}

void Pasta(QPainter& p) {
    Poligono(p, {{2, 5}, {9, 5}, {11, 7}, {21, 7}, {21, 20}, {2, 20}}, kPasta);
    Poligono(p, {{2, 20}, {5.5, 10.5}, {23, 10.5}, {21, 20}}, kPastaFrente);
}

// The small signs of the analyses, each about 8 pixels across, centred at c.
void SinalSistema(QPainter& p, P c) {
    Linha(p, {c + P(-4.5, 0), c + P(-3, 0), c + P(-2, -2.5), c + P(-0.5, 2.5), c + P(1, -2.5),
              c + P(2.5, 2.5), c + P(3.5, 0), c + P(4.5, 0)});
}

void SinalGrafo(QPainter& p, P c) {
    Linha(p, {c + P(-2, 2), c + P(2, -2)});
    p.setPen(Caneta());
    p.setBrush(kPapel);
    p.drawEllipse(c + P(-2.5, 2.5), 2.2, 2.2);
    p.drawEllipse(c + P(2.5, -2.5), 2.2, 2.2);
}

void SinalDFS(QPainter& p, P c) {
    Linha(p, {c + P(-3, 0), c + P(1, 0)});
    Ponta(p, c + P(2.8, 0), {1, 0}, 2.6, 1.8, kTraco);
    p.setPen(Qt::NoPen);
    p.setBrush(kTraco);
    p.drawEllipse(c + P(-4, 0), 1.5, 1.5);
    p.drawEllipse(c + P(4, 0), 1.5, 1.5);
}

void SinalFT(QPainter& p, P c) {
    Linha(p, {c + P(-2.5, -3), c + P(2.5, -3)});
    Linha(p, {c + P(-4, 0), c + P(4, 0)}, kTraco, 1.6);
    Linha(p, {c + P(-2.5, 3), c + P(2.5, 3)});
}

using TSinal = void (*)(QPainter&, P);

// "From -> to": the first sign, an arrow, the second sign.
void Conversao(QPainter& p, TSinal de, TSinal para) {
    p.setPen(Caneta(kTraco, 0.8));
    p.setBrush(kPapel);
    p.drawRoundedRect(QRectF(0.5, 6.5, 23, 11), 2, 2);
    de(p, {5.5, 12});
    Linha(p, {{10.5, 12}, {12.5, 12}}, kAzul, 1.4);
    Ponta(p, {14.5, 12}, {1, 0}, 2.8, 2.2, kAzul);
    para(p, {19, 12});
}

void Seletor(QPainter& p) {
    Poligono(p, {{7, 3}, {7, 19}, {11, 15.5}, {14, 21.5}, {16.5, 20.3}, {13.6, 14.3}, {18.5, 14.3}}, kPapel);
}

void Conexao(QPainter& p) {
    Linha(p, {{5, 18}, {12, 18}, {12, 6}, {19, 6}}, kAzul, 1.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kVermelho);
    p.drawEllipse(P(5, 18), 2.6, 2.6);
    p.drawEllipse(P(19, 6), 2.6, 2.6);
}

void Giro(QPainter& p) {
    constexpr double kRaio = 7;
    const QRectF caixa(12 - kRaio, 12 - kRaio, 2 * kRaio, 2 * kRaio);
    QPainterPath arco;
    arco.arcMoveTo(caixa, 100);
    arco.arcTo(caixa, 100, -280);
    p.setPen(Caneta(kAzul, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arco);
    // The head continues the arc clockwise at its end.
    const double fim = (100.0 - 280.0) * std::numbers::pi / 180.0;
    const P ponto(12 + kRaio * std::cos(fim), 12 - kRaio * std::sin(fim));
    const P tangente(std::sin(fim), std::cos(fim));
    Ponta(p, ponto + tangente * 2.5, tangente, 5, 3.5, kAzul);
}

void Figura(QPainter& p) {
    Poligono(p, {{3, 4}, {21, 4}, {21, 18}, {3, 18}}, kPapel);
    Poligono(p, {{5, 16}, {10, 9}, {13, 13}, {15, 11}, {19, 16}}, kAzulClaro);
    p.setPen(Qt::NoPen);
    p.setBrush(kPasta);
    p.drawEllipse(P(16.5, 7.5), 1.6, 1.6);
    Linha(p, {{12, 17}, {12, 22}}, kAzul, 1.6);
    Ponta(p, {12, 23.5}, {0, 1}, 3, 2.6, kAzul);
}

// A hooked arrow for taking an edit back (pointing left) or doing it again (mirrored).
void Volta(QPainter& p, bool refazer) {
    p.save();
    if (refazer) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath gancho;
    gancho.moveTo(7, 9);
    gancho.lineTo(14, 9);
    gancho.cubicTo(22, 9, 22, 20, 14, 20);
    gancho.lineTo(9, 20);
    p.setPen(Caneta(kAzul, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gancho);
    Ponta(p, {2.5, 9}, {-1, 0}, 6, 4.5, kAzul);
    p.restore();
}

} // namespace

const std::vector<TComando>& ComandosComIcone() {
    using C = TComando;
    static const std::vector<TComando> comandos = {
        C::Abrir,     C::Salvar,         C::SalvarComo, C::SalvarTodos, C::NovoSistema,
        C::NovoGrafo, C::NovoDFS,        C::SalvarFT,   C::Selecionar,  C::Conectar,
        C::Girar,     C::SistemaGrafo,   C::SistemaFT,  C::GrafoDFS,    C::GrafoFT,
        C::DFSFT,     C::ExportarFigura, C::Desfazer,   C::Refazer};
    return comandos;
}

void PintarComando(QPainter& p, TComando comando) {
    switch (comando) {
    case TComando::Abrir:
        Pasta(p);
        break;
    case TComando::Salvar:
        Disquete(p, 3, 3, 18);
        break;
    case TComando::SalvarComo:
        Disquete(p, 2, 2, 16);
        Lapis(p);
        break;
    case TComando::SalvarTodos:
        Disquete(p, 8, 8, 14);
        Disquete(p, 2, 2, 14);
        break;
    case TComando::NovoSistema:
        Folha(p);
        SinalSistema(p, {12.5, 14});
        break;
    case TComando::NovoGrafo:
        Folha(p);
        SinalGrafo(p, {12.5, 14});
        break;
    case TComando::NovoDFS:
        Folha(p);
        SinalDFS(p, {12.5, 14});
        break;
    case TComando::SalvarFT:
        Disquete(p, 2, 2, 15);
        p.setPen(Caneta(kTraco, 0.8));
        p.setBrush(kPapel);
        p.drawRoundedRect(QRectF(11.5, 11.5, 12, 12), 1.5, 1.5);
        SinalFT(p, {17.5, 17.5});
        break;
    case TComando::Selecionar:
        Seletor(p);
        break;
    case TComando::Conectar:
        Conexao(p);
        break;
    case TComando::Girar:
        Giro(p);
        break;
    case TComando::SistemaGrafo:
        Conversao(p, SinalSistema, SinalGrafo);
        break;
    case TComando::SistemaFT:
        Conversao(p, SinalSistema, SinalFT);
        break;
    case TComando::GrafoDFS:
        Conversao(p, SinalGrafo, SinalDFS);
        break;
    case TComando::GrafoFT:
        Conversao(p, SinalGrafo, SinalFT);
        break;
    case TComando::DFSFT:
        Conversao(p, SinalDFS, SinalFT);
        break;
    case TComando::ExportarFigura:
        Figura(p);
        break;
    case TComando::Desfazer:
        Volta(p, false);
        break;
    case TComando::Refazer:
        Volta(p, true);
        break;
    case TComando::Nenhum:
    case TComando::Fechar:
    case TComando::ResultadoSistemaGrafo:
    case TComando::ResultadoGrafoDFS:
    case TComando::ResultadoMason:
    case TComando::ResultadoFT:
    case TComando::Opcoes:
    case TComando::Sobre:
        // Menu items without a button have no picture.
        break;
    }
}

} // namespace brelix
