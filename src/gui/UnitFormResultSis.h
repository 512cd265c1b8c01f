#pragma once

#include "gui/UnitFormResultado.h"
#include "system/UnitSisResultado.h"

class QTableView;

namespace brelix {

// The result window of "Sistema -> Grafo" ("Resultados"): the graph's vertices and branches; the
// pages of the vertices the conversion added to and removed from the system stay hidden.
class TFormResultSis : public TFormResultado {
    Q_OBJECT

public:
    explicit TFormResultSis(QWidget* parent = nullptr);

    void Preencher(const TResultadoSis& resultado);
    // Preencher, then shows the window on the vertex page with the result font.
    void Mostrar(const TResultadoSis& resultado, const TConfigOpcoes& config);

    QTableView* SGVertices;
    QTableView* SGRamos;
    QTableView* SGAdicionados;
    QTableView* SGRemovidos;

private:
    QWidget* abaVertices_;
};

} // namespace brelix
