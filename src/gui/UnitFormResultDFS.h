#pragma once

#include "analysis/UnitVisaoMason.h"
#include "gui/UnitFormResultado.h"

class QTableView;
class QTreeView;

namespace brelix {

// The Mason result window ("Resultados"): the symbols, the loop search, the loops, the non-touching
// loops, the forest of non-touching loop sets and the loop sets of every order with their gains.
class TFormResultDFS : public TFormResultado {
    Q_OBJECT

public:
    explicit TFormResultDFS(QWidget* parent = nullptr);

    // Takes a copy of the content into the grids and trees.
    void Preencher(TConteudoMason conteudo);
    // Preencher, then shows the window on "Símbolos" with the result font.
    void Mostrar(TConteudoMason conteudo, const TConfigOpcoes& config);

    QTableView* SGSimbolos;
    QTreeView* TVLacos;
    QTableView* SGLDFS;
    QTableView* SGLD;
    QTreeView* TVLD;
    QTableView* SGLOS;

private:
    QWidget* abaSimbolos_;
};

} // namespace brelix
