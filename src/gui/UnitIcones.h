#pragma once

#include "shell/UnitComandos.h"
#include "visual/UnitVOClass.h"

#include <QIcon>

#include <vector>

namespace brelix {

// Icons drawn by the program from paths, sharp at any size and pixel ratio.

// The icon of a tool button that places objects of the class: the object's own picture, drawn by the
// same painting as in a document (a new object of the class, unselected and without its label), so
// that button and drawing always match. Connection classes show a connection in their colour.
QIcon IconeDaClasse(const TVOClass& cls);

// The commands with a picture: those of the file and control tool bars and of the "Editar" menu.
const std::vector<TComando>& ComandosComIcone();
// Empty for a command without a picture (a menu item only).
QIcon IconeDoComando(TComando comando);

} // namespace brelix
