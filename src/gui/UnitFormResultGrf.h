#pragma once

#include "analysis/UnitVisaoGrafoDFS.h"
#include "gui/UnitFormResultado.h"

class QTableView;
class QTreeView;

namespace brelix {

// The graph-to-DFS result window ("Resultados"): the variables, the matrices A1 to A5 and A with the
// row height and column width of the options, the search of the causal assignment and the solution.
class TFormResultGrf : public TFormResultado {
    Q_OBJECT

public:
    explicit TFormResultGrf(QWidget* parent = nullptr);

    void Preencher(TConteudoGrafoDFS conteudo);
    // Preencher, then shows the window on "Variáveis" with the result font.
    void Mostrar(TConteudoGrafoDFS conteudo, const TConfigOpcoes& config);

    QTableView* SGVar;
    QTableView* SGA1;
    QTableView* SGA2;
    QTableView* SGA3;
    QTableView* SGA4;
    QTableView* SGA5;
    QTableView* SGA;
    QTreeView* TVBusca;
    QTableView* SGSol;

private:
    QWidget* abaVariaveis_;
};

} // namespace brelix
