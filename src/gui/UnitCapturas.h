#pragma once

#include <QString>

namespace brelix {

class TFormMain;

// Pictures of the program's windows for the user guide, written as PNG files into `pasta`: the whole
// screen ("tela.png"), the main window once with each page of components in front
// ("principal-TSEle.png", ...; a page is shown when a document of its kind is open), and each
// document window ("documento-<description>.png"). False, with the reason in `erro`, when a file
// cannot be written.
bool SalvarCapturas(TFormMain& principal, const QString& pasta, QString* erro = nullptr);

} // namespace brelix
