#include "gui/UnitFiguraSisPartes.h"

#include "system/UnitSisTipo.h"
#include "system/UnitVOSisCatalogo.h"

#include <cmath>
#include <numbers>

namespace brelix {

namespace {

using P = QPointF;

constexpr double kLinha = 15; // the row two-terminal parts lie along
constexpr double kPi = std::numbers::pi;

void Polilinha(QPainterPath& c, std::initializer_list<P> pontos) {
    auto it = pontos.begin();
    c.moveTo(*it);
    for (++it; it != pontos.end(); ++it)
        c.lineTo(*it);
}

// A point at `graus` (counter-clockwise from three o'clock, as the screen shows it) on a circle.
P NoCirculo(P centro, double r, double graus) {
    const double a = graus * kPi / 180.0;
    return {centro.x() + r * std::cos(a), centro.y() - r * std::sin(a)};
}

QRectF CaixaCirculo(P centro, double r) {
    return {centro.x() - r, centro.y() - r, 2 * r, 2 * r};
}

void Mais(TDesenho& d, P c, double braco) {
    d.Marca({{c.x() - braco, c.y()}, {c.x() + braco, c.y()}});
    d.Marca({{c.x(), c.y() - braco}, {c.x(), c.y() + braco}});
}

void Menos(TDesenho& d, P c, double braco) {
    d.Marca({{c.x() - braco, c.y()}, {c.x() + braco, c.y()}});
}

// A filled arrow head whose tip is at `ponta`, pointing along the unit vector `dir`.
void Ponta(TDesenho& d, P ponta, P dir, double comprimento, double meiaLargura) {
    const P base = ponta - dir * comprimento;
    const P normal(-dir.y(), dir.x());
    d.Solido({ponta, base + normal * meiaLargura, base - normal * meiaLargura});
}

// A circular arrow around `centro`: an arc of 270 degrees turning counter-clockwise, with its head.
void SetaCircular(TDesenho& d, P centro, double r, double cabeca) {
    constexpr double kInicio = 120;
    constexpr double kVolta = 270;
    d.F.Marcas.arcMoveTo(CaixaCirculo(centro, r), kInicio);
    d.F.Marcas.arcTo(CaixaCirculo(centro, r), kInicio, kVolta);
    const double fim = (kInicio + kVolta) * kPi / 180.0;
    const P tangente(-std::sin(fim), -std::cos(fim));
    Ponta(d, NoCirculo(centro, r, kInicio + kVolta) + tangente * (cabeca * 0.6), tangente, cabeca,
          cabeca * 0.7);
}

// What a source shows inside its body.
enum class TConteudo {
    Sinais,       // an across-variable source: + towards terminal 1, - away from it
    Seta,         // a through-variable source: an arrow towards terminal 1
    SetaCircular, // a torque source
};

void CorpoFonte(TDesenho& d, P c, double r, bool controlada, TConteudo conteudo) {
    if (controlada)
        d.Corpo({{c.x() - r, c.y()}, {c.x(), c.y() - r}, {c.x() + r, c.y()}, {c.x(), c.y() + r}});
    else
        d.CorpoElipse(c, r, r);
    switch (conteudo) {
    case TConteudo::Sinais: {
        const double afastamento = r >= 7 ? 4 : 3;
        const double braco = r >= 7 ? 2 : 1;
        Mais(d, {c.x() - afastamento, c.y()}, braco);
        Menos(d, {c.x() + afastamento, c.y()}, braco);
        break;
    }
    case TConteudo::Seta: {
        const double ponta = c.x() - r + (controlada ? 3 : 2);
        d.Marca({{c.x() + r - 3, c.y()}, {ponta + 2, c.y()}});
        Ponta(d, {ponta, c.y()}, {-1, 0}, 3, 2);
        break;
    }
    case TConteudo::SetaCircular:
        SetaCircular(d, c, r - 2.5, 2.5);
        break;
    }
}

// A wall with hatching on its far side, the lead arriving from the left at x.
void Parede(TDesenho& d, double x, double y1, double y2, double passo) {
    d.Condutor({{x, y1}, {x, y2}});
    for (double y = y1 + passo; y <= y2 + 0.01; y += passo)
        d.Condutor({{x, y}, {x + passo, y - passo}});
}

// A ground line under a part, from x1 to x2 at y, hatched below: the surface the part rubs on.
void Superficie(TDesenho& d, double x1, double x2, double y) {
    d.Condutor({{x1, y}, {x2, y}});
    for (double x = x1 + 3; x <= x2 + 0.01; x += 4)
        d.Condutor({{x, y}, {x - 3, y + 3}});
}

// The reference of a domain at the end of a lead arriving from the left at x, `meia` pixels above and
// below the row: a hatched wall (translational), the same wall holding the shaft in a clamp
// (rotational), or an open tank that the line enters (hydraulic: the pressure of the atmosphere).
void SimboloReferencia(TDesenho& d, std::int32_t dominio, double x, double meia) {
    switch (dominio) {
    case kDominioRotacional:
        d.SolidoPixels(static_cast<int>(x) - 3, static_cast<int>(kLinha) - 2, static_cast<int>(x) - 1,
                       static_cast<int>(kLinha) + 2);
        [[fallthrough]];
    case kDominioTranslacional:
        Parede(d, x, kLinha - meia, kLinha + meia, meia >= 7 ? 4 : 3);
        break;
    case kDominioHidraulico:
        d.Condutor(
            {{x - 3, kLinha - meia}, {x + 3, kLinha - meia}, {x + 3, kLinha + meia}, {x - 3, kLinha + meia}});
        break;
    default:
        break;
    }
}

std::int32_t Dominio(std::int32_t kind) {
    return SisKind(kind)->Domain;
}

TConteudo ConteudoFonte(std::int32_t kind) {
    switch (kind) {
    case kTipoEleFonteTensao:
    case kTipoEleFonteTensaoCtrl:
    case kTipoMctFonteVelocidade:
    case kTipoMctFonteVelocidadeCtrl:
    case kTipoMcrFonteVelocidade:
    case kTipoMcrFonteVelocidadeCtrl:
    case kTipoHidFontePressao:
    case kTipoHidFontePressaoCtrl:
        return TConteudo::Sinais;
    case kTipoMcrFonteTorque:
    case kTipoMcrFonteTorqueCtrl:
        return TConteudo::SetaCircular;
    default:
        return TConteudo::Seta;
    }
}

QPainterPath Engrenagem(P centro, double r, double dente, int dentes) {
    QPainterPath g;
    const double passo = 180.0 / dentes;
    for (int k = 0; k < 2 * dentes; ++k) {
        const double raio = k % 2 == 0 ? r + dente : r;
        const P a = NoCirculo(centro, raio, k * passo);
        const P b = NoCirculo(centro, raio, (k + 1) * passo);
        if (k == 0)
            g.moveTo(a);
        else
            g.lineTo(a);
        g.lineTo(b);
    }
    g.closeSubpath();
    return g;
}

// The sign of a domain in a coupler's half: a lightning bolt (electrical), a double arrow
// (translational), a circular arrow (rotational), a drop (hydraulic).
void SinalDominio(TDesenho& d, std::int32_t dominio, P c) {
    switch (dominio) {
    case kDominioEletrico:
        d.Solido({{c.x() + 1.5, c.y() - 4.5},
                  {c.x() - 2, c.y() + 0.5},
                  {c.x() - 0.2, c.y() + 0.5},
                  {c.x() - 1.5, c.y() + 4.5},
                  {c.x() + 2, c.y() - 0.5},
                  {c.x() + 0.2, c.y() - 0.5}});
        break;
    case kDominioTranslacional:
        d.Marca({{c.x(), c.y() - 2}, {c.x(), c.y() + 2}});
        Ponta(d, {c.x(), c.y() - 4.5}, {0, -1}, 2.5, 2);
        Ponta(d, {c.x(), c.y() + 4.5}, {0, 1}, 2.5, 2);
        break;
    case kDominioRotacional:
        SetaCircular(d, c, 2.5, 2);
        break;
    case kDominioHidraulico: {
        // Two tangents from the tip meet the round bottom 60 degrees either side of the top.
        const P fundo(c.x(), c.y() + 1.5);
        constexpr double kRaio = 2.5;
        QPainterPath gota;
        gota.moveTo(c.x(), c.y() - 3.5);
        gota.lineTo(NoCirculo(fundo, kRaio, 30));
        gota.arcTo(CaixaCirculo(fundo, kRaio), 30, -240);
        gota.closeSubpath();
        d.F.Solidos.addPath(gota);
        break;
    }
    default:
        break;
    }
}

} // namespace

void TDesenho::Condutor(std::initializer_list<QPointF> pontos) {
    Polilinha(F.Condutores, pontos);
}

void TDesenho::Marca(std::initializer_list<QPointF> pontos) {
    Polilinha(F.Marcas, pontos);
}

void TDesenho::Corpo(std::initializer_list<QPointF> pontos) {
    QPainterPath c;
    Polilinha(c, pontos);
    c.closeSubpath();
    F.Corpos.push_back(c);
}

void TDesenho::CorpoRet(double x1, double y1, double x2, double y2) {
    QPainterPath c;
    c.addRect(QRectF(P(x1, y1), P(x2, y2)));
    F.Corpos.push_back(c);
}

void TDesenho::CorpoElipse(QPointF centro, double rx, double ry) {
    QPainterPath c;
    c.addEllipse(centro, rx, ry);
    F.Corpos.push_back(c);
}

void TDesenho::Solido(std::initializer_list<QPointF> pontos) {
    QPainterPath c;
    Polilinha(c, pontos);
    c.closeSubpath();
    F.Solidos.addPath(c);
    F.Solidos.setFillRule(Qt::WindingFill);
}

void TDesenho::SolidoPixels(int x1, int y1, int x2, int y2) {
    F.Solidos.addRect(QRectF(x1 - 0.5, y1 - 0.5, x2 - x1 + 1, y2 - y1 + 1));
    F.Solidos.setFillRule(Qt::WindingFill);
}

void TDesenho::SolidoCirculo(QPointF centro, double r) {
    F.Solidos.addEllipse(centro, r, r);
    F.Solidos.setFillRule(Qt::WindingFill);
}

void FonteDoisTerminais(TDesenho& d, std::int32_t kind) {
    d.Condutor({{5, kLinha}, {25, kLinha}});
    CorpoFonte(d, {15, kLinha}, 7, TipoEhFonteCtrl(kind), ConteudoFonte(kind));
}

void FonteUmTerminal(TDesenho& d, std::int32_t kind) {
    const std::int32_t dominio = Dominio(kind);
    const double referencia = dominio == kDominioHidraulico ? 23 : 22;
    d.Condutor({{5, kLinha}, {referencia, kLinha}});
    CorpoFonte(d, {13, kLinha}, 6, TipoEhFonteCtrl(kind), ConteudoFonte(kind));
    SimboloReferencia(d, dominio, referencia, 5);
}

void Resistor(TDesenho& d) {
    d.Condutor({{5, 15},
                {8, 15},
                {9, 12},
                {11, 18},
                {13, 12},
                {15, 18},
                {17, 12},
                {19, 18},
                {21, 12},
                {22, 15},
                {25, 15}});
}

void Indutor(TDesenho& d) {
    QPainterPath& c = d.F.Condutores;
    c.moveTo(5, kLinha);
    c.lineTo(7, kLinha);
    for (int i = 0; i < 4; ++i)
        c.arcTo(QRectF(7 + 4 * i, kLinha - 4, 4, 8), 180, -180);
    c.lineTo(25, kLinha);
}

void Capacitor(TDesenho& d) {
    d.Condutor({{5, kLinha}, {11, kLinha}});
    d.Condutor({{19, kLinha}, {25, kLinha}});
    d.SolidoPixels(12, 8, 13, 22);
    d.SolidoPixels(17, 8, 18, 22);
}

void TransformadorEletrico(TDesenho& d) {
    // Two coils side by side on an iron core; terminals 1 and 2 on the left coil, 3 and 4 on the right.
    QPainterPath& c = d.F.Condutores;
    c.moveTo(5, 5);
    c.lineTo(9, 5);
    c.lineTo(9, 9);
    for (int i = 0; i < 4; ++i)
        c.arcTo(QRectF(6, 9 + 3 * i, 6, 3), 90, -180);
    c.lineTo(9, 25);
    c.lineTo(5, 25);
    c.moveTo(25, 5);
    c.lineTo(21, 5);
    c.lineTo(21, 9);
    for (int i = 0; i < 4; ++i)
        c.arcTo(QRectF(18, 9 + 3 * i, 6, 3), 90, 180);
    c.lineTo(21, 25);
    c.lineTo(25, 25);
    d.Marca({{14, 7}, {14, 23}});
    d.Marca({{16, 7}, {16, 23}});
}

void Amortecedor(TDesenho& d) {
    // A dashpot: the rod's piston inside an open cylinder.
    d.Condutor({{5, kLinha}, {13, kLinha}});
    d.Condutor({{13, 11}, {13, 19}});
    d.Condutor({{9, 9}, {18, 9}, {18, 21}, {9, 21}});
    d.Condutor({{18, kLinha}, {25, kLinha}});
}

void Mola(TDesenho& d) {
    d.Condutor({{5, 15}, {7, 15}, {9, 10}, {12, 20}, {15, 10}, {18, 20}, {21, 10}, {23, 15}, {25, 15}});
}

void Massa(TDesenho& d, bool atrito) {
    d.Condutor({{5, kLinha}, {25, kLinha}});
    if (!atrito) {
        d.CorpoRet(9, 9, 21, 21);
        return;
    }
    // The block rests on a surface that rubs on it.
    Superficie(d, 6, 24, 20);
    d.CorpoRet(9, 8, 21, 20);
}

void Alavanca(TDesenho& d) {
    // A lever on a pivot: the input at the end of the long arm, the output at the middle.
    d.Condutor({{5, 5}, {14, 5}});
    d.Condutor({{16, kLinha}, {25, kLinha}});
    d.Condutor({{9, 26}, {21, 26}});
    d.Corpo({{15, 21}, {11, 25}, {19, 25}});
    d.CorpoRet(14, 4, 16, 21);
}

void Referencia(TDesenho& d, std::int32_t kind) {
    d.Condutor({{5, kLinha}, {17, kLinha}});
    SimboloReferencia(d, Dominio(kind), 17, 7);
}

void AmortecedorRotacional(TDesenho& d) {
    // A drum full of oil: the disc on one shaft turns inside the drum on the other.
    d.Condutor({{5, kLinha}, {10, kLinha}});
    d.Condutor({{20, kLinha}, {25, kLinha}});
    d.CorpoRet(10, 8, 20, 22);
    d.Marca({{11, kLinha}, {13, kLinha}});
    d.SolidoPixels(14, 10, 15, 20);
}

void MolaTorcao(TDesenho& d) {
    // A coil spring seen from the side, slightly from above: three turns along the shaft, each a loop
    // at the top where the wire runs back.
    QPainterPath& c = d.F.Condutores;
    c.moveTo(5, kLinha);
    c.lineTo(7, kLinha);
    constexpr int kPassos = 90;
    constexpr double kVoltas = 3;
    // Each loop bulges 2 * kLaco to the right of the advance; the last must stay before x = 23.
    constexpr double kLaco = 2.2;
    const double avanco = (23 - 7 - 2 * kLaco) / (2 * kPi * kVoltas - kPi);
    for (int i = 1; i <= kPassos; ++i) {
        // The wire runs back (x decreases) where it passes over the top, and so draws a loop there.
        const double t = 2 * kPi * kVoltas * i / kPassos;
        c.lineTo(7 + avanco * t + kLaco * (1 - std::cos(t)), kLinha + 5.0 * std::sin(t));
    }
    c.lineTo(25, kLinha);
}

void Inercia(TDesenho& d, bool atrito) {
    // A flywheel on its shaft, seen at a slant.
    d.Condutor({{5, kLinha}, {25, kLinha}});
    if (atrito) Superficie(d, 8, 22, 22);
    d.CorpoElipse({15, kLinha}, 4, atrito ? 7 : 9);
    d.SolidoCirculo({15, kLinha}, 1.5);
}

void Engrenagens(TDesenho& d) {
    // A small gear driving a larger one; each terminal's shaft runs to its gear's hub.
    d.Corpo(Engrenagem({11, 11}, 3.5, 1.5, 6));
    d.Corpo(Engrenagem({18, 18}, 4.5, 1.5, 8));
    d.Marca({{5, 5}, {11, 5}, {11, 11}});
    d.Marca({{25, 25}, {18, 25}, {18, 18}});
    d.SolidoCirculo({11, 11}, 1.3);
    d.SolidoCirculo({18, 18}, 1.3);
}

void TuboResistor(TDesenho& d) {
    // A pipe narrowed in the middle.
    d.Condutor({{5, kLinha}, {8, kLinha}});
    d.Condutor({{22, kLinha}, {25, kLinha}});
    d.Corpo({{8, 11},
             {12, 11},
             {14, 14},
             {16, 14},
             {18, 11},
             {22, 11},
             {22, 19},
             {18, 19},
             {16, 16},
             {14, 16},
             {12, 19},
             {8, 19}});
}

void TuboIndutor(TDesenho& d) {
    // A pipe with the slug of fluid whose mass resists a change of flow.
    d.Condutor({{5, kLinha}, {8, kLinha}});
    d.Condutor({{22, kLinha}, {25, kLinha}});
    d.CorpoRet(8, 11, 22, 19);
    d.SolidoPixels(12, 13, 18, 17);
}

void Reservatorio(TDesenho& d, bool duasSaidas, bool entradaAcima) {
    d.Condutor({{9, 7}, {9, 24}, {21, 24}, {21, 7}});
    d.Marca({{10, 12}, {20, 12}});
    d.Condutor({{13, 9}, {17, 9}, {15, 11}, {13, 9}});
    if (entradaAcima) {
        d.Condutor({{21, 20}, {25, 20}});
        d.Condutor({{5, 20}, {5, 22}, {9, 22}});
        return;
    }
    d.Condutor({{5, 20}, {9, 20}});
    if (duasSaidas) d.Condutor({{21, 20}, {25, 20}});
}

void Pistoes(TDesenho& d) {
    // A stepped cylinder: the fluid at terminal 1 pushes the large piston, whose rod drives the small
    // one against the fluid at terminal 2; the pressures differ by the ratio of the areas.
    d.Condutor({{5, kLinha}, {8, kLinha}});
    d.Condutor({{23, kLinha}, {25, kLinha}});
    d.Corpo({{8, 8}, {16, 8}, {16, 12}, {23, 12}, {23, 18}, {16, 18}, {16, 22}, {8, 22}});
    d.SolidoPixels(11, 9, 12, 21);
    d.Marca({{13, kLinha}, {18, kLinha}});
    d.SolidoPixels(19, 13, 20, 17);
}

void Acoplador(TDesenho& d, std::int32_t kind) {
    // The first domain is that of terminal 1, the second that of the last terminal.
    const TSisKindRow& row = *SisKind(kind);
    if (row.Layout == TSisLayout::AcopladorEletrico) {
        // The electrical side takes two terminals, on the left; the other domain one, on the right.
        d.Condutor({{5, 5}, {8, 5}});
        d.Condutor({{5, 25}, {8, 25}});
        d.CorpoRet(8, 4, 22, 26);
        d.Marca({{15, 4}, {15, 26}});
    } else {
        d.Condutor({{5, kLinha}, {8, kLinha}});
        d.CorpoRet(8, 8, 22, 22);
        d.Marca({{15, 8}, {15, 22}});
    }
    d.Condutor({{22, kLinha}, {25, kLinha}});
    SinalDominio(d, SisTerminalDomain(row, 1), {11.5, kLinha});
    SinalDominio(d, SisTerminalDomain(row, row.Terminals), {18.5, kLinha});
}

} // namespace brelix
