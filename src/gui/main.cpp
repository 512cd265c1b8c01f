// brelix [FILE...]: the desktop program. The splash shows while the main window and the program's
// windows are made; then the files given (documents sis, grf, dfs, or a transfer function fts) open
// as "Abrir..." opens them.
//
// brelix --capturas FOLDER [FILE...] writes pictures of the windows (see UnitCapturas) once they are
// shown, and ends; scripts/screenshots.sh runs it on the examples.

#include "gui/UnitCapturas.h"
#include "gui/UnitDialogoArquivo.h"
#include "gui/UnitDialogos.h"
#include "gui/UnitFormAbout.h"
#include "gui/UnitFormMain.h"
#include "gui/UnitFormSplash.h"
#include "shell/UnitCatalogo.h"
#include "shell/UnitOpcoes.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace brelix;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelix"));
    QApplication::setApplicationVersion(TFormAbout::Versao());

    QStringList arquivos = QApplication::arguments().mid(1);
    QString capturas;
    if (arquivos.size() >= 2 && arquivos.front() == QLatin1String("--capturas")) {
        capturas = arquivos[1];
        arquivos = arquivos.mid(2);
    }

    const std::unique_ptr<TCatalogo> catalogo = CriarCatalogo();
    TOpcoes opcoes;
    const std::unique_ptr<TSeletorArquivos> seletor = CriarSeletorArquivos();
    // The dialogs are children of the main window and go before it.
    std::unique_ptr<TFormMain> principal;
    std::unique_ptr<TDialogos> dialogos;
    {
        TFormSplash splash;
        splash.show();
        PercorrerInicio(splash, [&](const TPassoInicio& passo) {
            if (passo.Janela == "FormMain") {
                principal = std::make_unique<TFormMain>(*catalogo, opcoes, *seletor,
                                                        QApplication::applicationDirPath().toStdString());
            } else if (passo.Janela == "FormMsg") {
                // Every single-instance window, in the order of the start-up list.
                dialogos = CriarDialogos(principal.get());
                principal->SetDialogos(*dialogos);
            }
        });
        QObject::connect(principal.get(), &TFormMain::Encerrado, &app, &QApplication::quit);
        principal->show();
    }
    principal->AbrirArquivos(arquivos);

    if (!capturas.isEmpty()) {
        // Once the windows are on the screen and drawn.
        QTimer::singleShot(1000, principal.get(), [&] {
            QString erro;
            const bool ok = SalvarCapturas(*principal, capturas, &erro);
            if (!ok) std::fprintf(stderr, "brelix: %s\n", qPrintable(erro));
            QApplication::exit(ok ? 0 : 1);
        });
    }
    const int resultado = QApplication::exec();
    dialogos.reset();
    return resultado;
}
