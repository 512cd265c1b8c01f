// brelix-folha-simbolos [FILE.png [SCALE]]: writes the sheet of every kind's pictures (by default to
// /tmp/brelix-kinds.png, at three image pixels per document pixel). Needs no display.

#include "gui/UnitFolhaSimbolos.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    const QString arquivo = args.size() > 1 ? args[1] : QStringLiteral("/tmp/brelix-kinds.png");
    const double escala = args.size() > 2 ? args[2].toDouble() : 3.0;
    if (!(escala > 0) || !brelix::FolhaSimbolos(escala).save(arquivo, "PNG")) {
        std::fprintf(stderr, "brelix-folha-simbolos: não foi possível gravar %s\n", qPrintable(arquivo));
        return 1;
    }
    return 0;
}
