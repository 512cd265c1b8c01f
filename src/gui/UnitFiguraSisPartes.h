#pragma once

#include "gui/UnitFiguraSis.h"

#include <QPointF>

#include <cstdint>
#include <initializer_list>

namespace brelix {

// The drawing of each system component's first picture, in pixel-centre coordinates of the 30 x 30
// box, with the terminals of orientation 1: two-terminal parts lie along the row y = 15 from (5, 15)
// to (25, 15).

// Collects the strokes and shapes of one picture.
class TDesenho {
public:
    TFiguraSis F;

    void Condutor(std::initializer_list<QPointF> pontos);
    void Marca(std::initializer_list<QPointF> pontos);
    void Corpo(std::initializer_list<QPointF> pontos);
    void Corpo(const QPainterPath& caminho) { F.Corpos.push_back(caminho); }
    void CorpoRet(double x1, double y1, double x2, double y2);
    void CorpoElipse(QPointF centro, double rx, double ry);
    void Solido(std::initializer_list<QPointF> pontos);
    // Fills the pixels x1..x2, y1..y2 (inclusive) in black.
    void SolidoPixels(int x1, int y1, int x2, int y2);
    void SolidoCirculo(QPointF centro, double r);
};

// The electrical sources: a circle (a diamond when controlled) across the row; the voltage source marks
// + towards terminal 1, the current source an arrow towards terminal 1, where it delivers its current.
void FonteDoisTerminais(TDesenho& d, std::int32_t kind);
// The mechanical and hydraulic sources act between their terminal and the domain's reference: the
// source on the lead and the reference beyond it.
void FonteUmTerminal(TDesenho& d, std::int32_t kind);
void Resistor(TDesenho& d);
void Indutor(TDesenho& d);
void Capacitor(TDesenho& d);
void TransformadorEletrico(TDesenho& d);
void Amortecedor(TDesenho& d);
void Mola(TDesenho& d);
void Massa(TDesenho& d, bool atrito);
void Alavanca(TDesenho& d);
void Referencia(TDesenho& d, std::int32_t kind);
void AmortecedorRotacional(TDesenho& d);
void MolaTorcao(TDesenho& d);
void Inercia(TDesenho& d, bool atrito);
void Engrenagens(TDesenho& d);
void TuboResistor(TDesenho& d);
void TuboIndutor(TDesenho& d);
// An open tank with its outlet at the bottom left and, with two outlets, another at the bottom right;
// `entradaAcima` draws instead the second orientation of the two-outlet tank: the outlet on the right
// and the inlet on the left, leaving upwards.
void Reservatorio(TDesenho& d, bool duasSaidas, bool entradaAcima);
void Pistoes(TDesenho& d);
// A two-port box with the first domain's sign in its left half and the second's in its right half.
void Acoplador(TDesenho& d, std::int32_t kind);

} // namespace brelix
