#pragma once

#include "visual/UnitVOClass.h"

#include <QIcon>

namespace brelix {

// Icons drawn by the program from paths, sharp at any size and pixel ratio.

// The icon of a tool button that places objects of the class: the object's own picture, drawn by the
// same painting as in a document (a new object of the class, unselected and without its label), so
// that button and drawing always match. Connection classes show a connection in their colour.
QIcon IconeDaClasse(const TVOClass& cls);

// The commands of the file and control tool bars.
enum class TComando {
    Abrir,
    Salvar,
    SalvarComo,
    SalvarTodos,
    NovoSistema,
    NovoGrafo,
    NovoDFS,
    SalvarFT,
    Selecionar,
    Conectar,
    Girar,
    SistemaGrafo,
    SistemaFT,
    GrafoDFS,
    GrafoFT,
    DFSFT,
    ExportarFigura,
};
inline constexpr int kNumComandos = static_cast<int>(TComando::ExportarFigura) + 1;

QIcon IconeDoComando(TComando comando);

} // namespace brelix
