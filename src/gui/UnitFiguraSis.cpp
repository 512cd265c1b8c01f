#include "gui/UnitFiguraSis.h"

#include "gui/UnitFiguraSisPartes.h"
#include "system/UnitSisTipo.h"
#include "system/UnitVOSisTerminais.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>

#include <array>
#include <cassert>
#include <map>
#include <utility>

namespace brelix {

namespace {

// The picture of orientation 1 of each kind (terminals as in the first column of the terminal table).
TFiguraSis FiguraBase(std::int32_t kind) {
    TDesenho d;
    switch (kind) {
    case kTipoEleFonteTensao:
    case kTipoEleFonteTensaoCtrl:
    case kTipoEleFonteCorrente:
    case kTipoEleFonteCorrenteCtrl:
        FonteDoisTerminais(d, kind);
        break;
    case kTipoEleResistor:
        Resistor(d);
        break;
    case kTipoEleIndutor:
        Indutor(d);
        break;
    case kTipoEleCapacitor:
        Capacitor(d);
        break;
    case kTipoEleTransformador:
        TransformadorEletrico(d);
        break;
    case kTipoMctFonteVelocidade:
    case kTipoMctFonteVelocidadeCtrl:
    case kTipoMctFonteForca:
    case kTipoMctFonteForcaCtrl:
    case kTipoMcrFonteVelocidade:
    case kTipoMcrFonteVelocidadeCtrl:
    case kTipoMcrFonteTorque:
    case kTipoMcrFonteTorqueCtrl:
    case kTipoHidFontePressao:
    case kTipoHidFontePressaoCtrl:
    case kTipoHidFonteVazao:
    case kTipoHidFonteVazaoCtrl:
        FonteUmTerminal(d, kind);
        break;
    case kTipoMctAmortecedor:
        Amortecedor(d);
        break;
    case kTipoMctMola:
        Mola(d);
        break;
    case kTipoMctMassa:
        Massa(d, false);
        break;
    case kTipoMctMassaAtrito:
        Massa(d, true);
        break;
    case kTipoMctTransformador:
        Alavanca(d);
        break;
    case kTipoMctReferencia:
    case kTipoMcrReferencia:
    case kTipoHidReferencia:
        Referencia(d, kind);
        break;
    case kTipoMcrAmortecedor:
        AmortecedorRotacional(d);
        break;
    case kTipoMcrMola:
        MolaTorcao(d);
        break;
    case kTipoMcrInercia:
        Inercia(d, false);
        break;
    case kTipoMcrInerciaAtrito:
        Inercia(d, true);
        break;
    case kTipoMcrTransformador:
        Engrenagens(d);
        break;
    case kTipoHidTuboResistor:
        TuboResistor(d);
        break;
    case kTipoHidTuboIndutor:
        TuboIndutor(d);
        break;
    case kTipoHidReservatorio1Cnt:
    case kTipoHidReservatorio2Cnt:
        Reservatorio(d, kind == kTipoHidReservatorio2Cnt, false);
        break;
    case kTipoHidTransformador:
        Pistoes(d);
        break;
    case kTipoAcpEleMct:
    case kTipoAcpEleMcr:
    case kTipoAcpEleHid:
    case kTipoAcpMctMcr:
    case kTipoAcpMctHid:
    case kTipoAcpMcrHid:
        Acoplador(d, kind);
        break;
    default:
        break; // vertices and wires have no picture
    }
    return d.F;
}

// The pictures of a kind, built once: the paths never change.
const TFiguraSis& FiguraGuardada(const TSisKindRow& row, std::int32_t picture) {
    static std::map<std::pair<std::int32_t, std::int32_t>, TFiguraSis> guardadas;
    const auto chave = std::make_pair(row.Kind, picture);
    if (const auto it = guardadas.find(chave); it != guardadas.end()) return it->second;
    TFiguraSis figura;
    if (picture == 1) {
        figura = FiguraBase(row.Kind);
    } else if (row.Kind == kTipoHidReservatorio2Cnt && picture == 2) {
        // Outlet on the right, and the inlet on the left leaving upwards: no symmetry of the first
        // picture puts both there.
        TDesenho d;
        Reservatorio(d, true, true);
        figura = d.F;
    } else if (const std::optional<QTransform> s = SimetriaDaOrientacao(SisPortTable(row), picture)) {
        figura = FiguraBase(row.Kind).Transformada(*s);
    } else {
        assert(false &&
               "a picture whose terminals no symmetry of the first one reaches needs its own drawing");
    }
    return guardadas.emplace(chave, std::move(figura)).first->second;
}

QPen CanetaFigura() {
    return QPen(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

} // namespace

TFiguraSis TFiguraSis::Transformada(const QTransform& t) const {
    TFiguraSis f;
    f.Condutores = t.map(Condutores);
    for (const QPainterPath& c : Corpos)
        f.Corpos.push_back(t.map(c));
    f.Marcas = t.map(Marcas);
    f.Solidos = t.map(Solidos);
    f.Solidos.setFillRule(Qt::WindingFill);
    return f;
}

bool TFiguraSis::Vazia() const {
    return Condutores.isEmpty() && Corpos.empty() && Marcas.isEmpty() && Solidos.isEmpty();
}

QRectF TFiguraSis::Limites() const {
    QPainterPathStroker tracado(CanetaFigura());
    QRectF r = Solidos.boundingRect();
    for (const QPainterPath* c : {&Condutores, &Marcas})
        if (!c->isEmpty()) r = r.united(tracado.createStroke(*c).boundingRect());
    for (const QPainterPath& c : Corpos)
        r = r.united(tracado.createStroke(c).boundingRect()).united(c.boundingRect());
    return r;
}

std::optional<QTransform> SimetriaDaOrientacao(const TPortTable& table, std::int32_t rot) {
    // (x, y) about the box's centre goes to (a x + b y, c x + d y). Screen y grows downwards, so the
    // quarter turn (x, y) -> (-y, x) turns a left terminal into a top one: clockwise, as Rot 2 is. The
    // mirrors come before the other turns: a part lying along the row then keeps what hangs below it
    // (a friction surface, a pivot) below when its terminals swap sides, and an upright one keeps it on
    // the same side, as the couplers' own terminals do.
    struct TSimetria {
        int a, b, c, d;
    };
    static constexpr std::array<TSimetria, 8> kSimetrias{{
        {1, 0, 0, 1},   // none
        {0, -1, 1, 0},  // quarter turn
        {-1, 0, 0, 1},  // mirror left-right
        {0, -1, -1, 0}, // quarter turn, then mirror top-bottom
        {-1, 0, 0, -1}, // half turn
        {0, 1, -1, 0},  // three quarters
        {1, 0, 0, -1},  // mirror top-bottom
        {0, 1, 1, 0},   // mirror along the main diagonal
    }};
    if (rot < 1 || rot > 4 || table.empty()) return std::nullopt;
    const auto r = static_cast<std::size_t>(rot - 1);
    constexpr int kCentro = 15;
    const auto leva = [&](const TSimetria& s) {
        for (const TPortGeom& g : table) {
            const int x = g.X[0] - kCentro;
            const int y = g.Y[0] - kCentro;
            if (s.a * x + s.b * y != g.X[r] - kCentro || s.c * x + s.d * y != g.Y[r] - kCentro) return false;
            if (s.a * g.DX[0] + s.b * g.DY[0] != g.DX[r] || s.c * g.DX[0] + s.d * g.DY[0] != g.DY[r])
                return false;
        }
        return true;
    };
    for (const TSimetria& s : kSimetrias) {
        if (!leva(s)) continue;
        const double dx = kCentro - kCentro * (s.a + s.b);
        const double dy = kCentro - kCentro * (s.c + s.d);
        return QTransform(s.a, s.c, s.b, s.d, dx, dy);
    }
    return std::nullopt;
}

TFiguraSis FiguraSis(const TSisKindRow& row, std::int32_t picture) {
    if (picture < 1 || picture > row.Orientations) return {};
    return FiguraGuardada(row, picture);
}

void DesenharFiguraSis(QPainter& p, const TFiguraSis& figura) {
    p.save();
    p.setPen(CanetaFigura());
    p.setBrush(Qt::NoBrush);
    p.drawPath(figura.Condutores);
    p.setBrush(Qt::white);
    for (const QPainterPath& c : figura.Corpos)
        p.drawPath(c);
    p.setBrush(Qt::NoBrush);
    p.drawPath(figura.Marcas);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(figura.Solidos);
    p.restore();
}

} // namespace brelix
