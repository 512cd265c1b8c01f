#pragma once

#include "analysis/UnitVisaoGrade.h"
#include "analysis/UnitVisaoGrafoDFS.h"
#include "shell/UnitOpcoes.h"

#include <QFont>

#include <string>
#include <vector>

class QGroupBox;
class QTableView;
class QTabWidget;
class QTreeView;
class QWidget;

namespace brelix {

class TModeloArvore;
class TModeloGradeTexto;

// The pieces the result windows are made of: read-only grids and trees over models, and the result
// font of the options that every memo, grid and tree takes each time its window is shown.

// The font of the result tables (RFontName, RFontSize); the toolkit's family when no name is set.
QFont FonteResultados(const TConfigOpcoes& config);
// Gives every grid, tree and memo inside the window that font.
void AplicarFonteResultados(QWidget* janela, const TConfigOpcoes& config);

// A read-only grid with range selection, resizable columns and its vertical header hidden; its model
// is the view's own.
QTableView* NovaGrade(QWidget* parent, const char* nome);
// A grid over a model of its own that shows TGradeTexto contents.
QTableView* NovaGradeTexto(QWidget* parent, const char* nome);
TModeloGradeTexto& ModeloDaGrade(QTableView* grade);
// Fills the grid: its model takes the contents, the columns their widths, the rows their height,
// and a fixed first column shows as the vertical header.
void MostrarGrade(QTableView* grade, TGradeTexto conteudo);
// A grid over an equation matrix, and filling it: rows numbered in the vertical header, the options'
// row height and column width.
QTableView* NovaGradeMatriz(QWidget* parent, const char* nome);
void MostrarMatriz(QTableView* grade, TGradeMatriz conteudo);

// A read-only tree over a model of its own.
QTreeView* NovaArvore(QWidget* parent, const char* nome);
TModeloArvore& ModeloDaArvore(QTreeView* arvore);
// Fills the tree and expands it fully, unless it is so large that expanding every item would take
// long; then its first level is open.
void MostrarArvore(QTreeView* arvore, std::vector<TItemArvore> itens);
inline constexpr std::size_t kMaxItensExpandidos = 20000;

// A group box captioned `titulo` around one widget that fills it.
QGroupBox* Grupo(const char* titulo, QWidget* conteudo, QWidget* parent = nullptr);
// A page of the tab widget filled by one widget; returns the page.
QWidget* Pagina(QTabWidget* abas, const char* nome, const char* titulo, QWidget* conteudo);

} // namespace brelix
