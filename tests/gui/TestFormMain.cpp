// The main window through its real widgets: the strip built from the core's lists, the pages and the
// "Algoritmos" items following the active document, the "Resultados" items staying enabled, closing
// the program against a refused save question, the numbering of new documents after opened ones, the
// "Janelas" and recent-file items, files dropped on the window, and the splash and "Sobre" windows.

#include "ApoioJanelas.h"

#include "gui/UnitFormAbout.h"
#include "gui/UnitFormSplash.h"
#include "shell/UnitInicializacao.h"
#include "shell/UnitMenuPrincipal.h"
#include "visual/UnitVisualObjectList.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>

#include <filesystem>

using namespace brelix;
using namespace brelix::testing;

namespace {

const std::string kExemplos = BRELIX_EXEMPLOS;

// The page control as one text: the visible tabs, then "> " and the tab in front; "oculto" when the
// whole control is hidden; then the enabled "Algoritmos" items.
QString Estado(TFormMain& principal) {
    QStringList partes;
    QTabWidget* paginas = principal.PageControl();
    if (paginas->isHidden()) {
        partes << QStringLiteral("oculto");
    } else {
        for (int i = 0; i < paginas->count(); ++i)
            if (paginas->isTabVisible(i)) partes << paginas->widget(i)->objectName();
        partes << QStringLiteral(">") << paginas->currentWidget()->objectName();
    }
    partes << QStringLiteral("|");
    for (const TItemMenu& item : MenusPrincipais()[1].Itens)
        if (principal.Acao(item.Comando)->isEnabled()) partes << QString::fromStdString(item.Nome);
    return partes.join(QLatin1Char(' '));
}

QStringList Itens(QMenu* menu) {
    QStringList r;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) r << a->text();
    return r;
}

const QString kSistema =
    QStringLiteral("TSEle TSMct TSMcr TSHdr TSAcp > TSEle | AlgoritmoSistemaGrafo AlgoritmoSistemaFT");
const QString kGrafo = QStringLiteral("TSGrf > TSGrf | AlgoritmoGrafoDFS AlgoritmoGrafoFT");

} // namespace

class TestFormMain : public QObject {
    Q_OBJECT

private slots:
    void faixa();
    void paginasSeguemODocumentoAtivo();
    void resultadosFicamHabilitados();
    void fecharComPerguntaRecusada();
    void contadoresEJanelas();
    void recentesEArquivosSoltos();
    void splashESobre();
};

// A strip across the top: the whole width but 10 pixels, about 100 high, the menus in order, and no
// page until a document is open.
void TestFormMain::faixa() {
    TPrograma programa;
    TFormMain& principal = *programa.principal;
    QCOMPARE(principal.windowTitle(), QStringLiteral("Brelix - Modelagem Simbólica de Sistemas Físicos"));
    QCOMPARE(principal.frameGeometry().topLeft(), QPoint(0, 0));
    QCOMPARE(principal.width(), QGuiApplication::primaryScreen()->geometry().width() - 10);
    QVERIFY2(principal.height() >= 100 && principal.height() <= 130,
             qPrintable(QString::number(principal.height())));
    QStringList menus;
    for (QAction* a : principal.menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{"Arquivo", "Editar", "Algoritmos", "Janelas", "Resultados", "Opções"}));
    QCOMPARE(Estado(principal), QStringLiteral("oculto |"));
    QCOMPARE(principal.Acao(TComando::Salvar)->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(principal.Acao(TComando::Refazer)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    QVERIFY(!principal.Acao(TComando::Desfazer)->isEnabled());
    QVERIFY(!principal.Acao(TComando::ResultadoFT)->isEnabled());
}

// Pages and "Algoritmos" items by the kind of the active document; the system page in front comes
// back after a graph; after the last document closes, nothing is shown or enabled.
void TestFormMain::paginasSeguemODocumentoAtivo() {
    TPrograma programa;
    TFormMain& principal = *programa.principal;
    programa.Executar(TComando::NovoSistema);
    QCOMPARE(Estado(principal), kSistema);
    // The user brings "Mec. Rotacional" to the front.
    principal.PageControl()->setCurrentIndex(static_cast<int>(TPagina::Mcr));
    QCOMPARE(principal.PageControl()->currentWidget()->objectName(), QStringLiteral("TSMcr"));
    programa.Executar(TComando::NovoGrafo);
    QCOMPARE(Estado(principal), kGrafo);
    programa.Executar(TComando::NovoDFS);
    QCOMPARE(Estado(principal), QStringLiteral("TSDFS > TSDFS | AlgoritmoDFSFT"));
    principal.MenuJanelas()->actions().at(0)->trigger(); // "Janelas": back to the system
    QCOMPARE(Estado(principal),
             QStringLiteral("TSEle TSMct TSMcr TSHdr TSAcp > TSMcr | AlgoritmoSistemaGrafo "
                            "AlgoritmoSistemaFT"));
    QCOMPARE(programa.Area().Ativo()->FileName(), std::string("Sistema1"));
    while (programa.Area().Ativo() != nullptr)
        programa.JanelaAtiva().close();
    QCOMPARE(Estado(principal), QStringLiteral("oculto |"));
    QVERIFY(Itens(principal.MenuJanelas()).isEmpty());
}

// The results of an analysis stay on offer after its document closes; opening a function file offers
// the function without any analysis.
void TestFormMain::resultadosFicamHabilitados() {
    TPrograma programa;
    TFormMain& principal = *programa.principal;
    programa.seletor.arquivos = {kExemplos + "/lacos-dfs.dfs"};
    programa.Executar(TComando::Abrir);
    programa.dialogos.pedidos = {PedidoEscolhaDFS("X1", "X6")};
    programa.Executar(TComando::DFSFT);
    QCOMPARE(programa.dialogos.Eventos("resultado"), (std::vector<std::string>{"resultado: 3"}));
    const auto habilitados = [&principal] {
        QString r;
        for (const TItemMenu& item : MenusPrincipais()[3].Itens)
            r += principal.Acao(item.Comando)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return r;
    };
    QCOMPARE(habilitados(), QStringLiteral("0011"));
    programa.JanelaAtiva().close();
    QVERIFY(programa.Area().Documentos().Empty());
    QCOMPARE(habilitados(), QStringLiteral("0011"));
    QCOMPARE(Estado(principal), QStringLiteral("oculto |"));
    principal.Acao(TComando::ResultadoMason)->trigger();
    QCOMPARE(programa.dialogos.eventos.back(), std::string("resultado: 2"));

    programa.seletor.arquivos = {programa.Caminho("laco.fts")};
    programa.Executar(TComando::SalvarFT);
    TPrograma outro; // another run opens the function at once
    outro.seletor.arquivos = {programa.Caminho("laco.fts")};
    outro.Executar(TComando::Abrir);
    QCOMPARE(outro.principal->Acao(TComando::ResultadoFT)->isEnabled(), true);
    QCOMPARE(outro.principal->Acao(TComando::ResultadoMason)->isEnabled(), false);
}

// Closing the main window asks each document in turn; "Cancelar" on the second keeps it, the third and
// the main window open, while the first (unchanged) has closed.
void TestFormMain::fecharComPerguntaRecusada() {
    TPrograma programa;
    TFormMain& principal = *programa.principal;
    programa.Executar(TComando::NovoSistema);
    programa.Executar(TComando::NovoGrafo);
    TVisualDocumento& grafo = *programa.Area().Ativo();
    grafo.NewObject(*grafo.Kind().ClassOfKind(1), {50, 50});
    programa.Executar(TComando::NovoDFS);
    TVisualForm* janelaGrafo = principal.JanelaDe(grafo);
    programa.dialogos.respostas = {TSaveAnswer::Cancelar};
    QVERIFY(!principal.close());
    QVERIFY(principal.isVisible());
    QCOMPARE(programa.dialogos.Eventos("pergunta"),
             (std::vector<std::string>{"pergunta: Salvar o arquivo Grafo1?"}));
    QCOMPARE(Itens(principal.MenuJanelas()), (QStringList{"Grafo1", "DFS1"}));
    QVERIFY(janelaGrafo->isVisible());
    QCOMPARE(programa.Area().Ativo(), &grafo);
    QCOMPARE(Estado(principal), kGrafo);

    // "Sim", then a cancelled file dialog: the drawing stays, and so does the program.
    programa.dialogos.respostas = {TSaveAnswer::Sim};
    programa.seletor.arquivos = {std::nullopt};
    QVERIFY(!principal.close());
    QCOMPARE(programa.Area().Documentos().Count(), std::size_t{2});
    // "Não": everything closes and the program ends.
    QSignalSpy encerrado(&principal, &TFormMain::Encerrado);
    programa.dialogos.respostas = {TSaveAnswer::Nao};
    QVERIFY(principal.close());
    QCOMPARE(encerrado.count(), 1);
    QVERIFY(programa.Area().Documentos().Empty());
}

// Opened files count: after two graphs opened from the command line a new graph is Grafo3. Captions
// and the "Janelas" items follow the file names.
void TestFormMain::contadoresEJanelas() {
    TPrograma programa;
    TFormMain& principal = *programa.principal;
    principal.AbrirArquivos({QString::fromStdString(kExemplos + "/fonte-controlada.grf"),
                             QString::fromStdString(kExemplos + "/transformador-girador.grf")});
    programa.Executar(TComando::NovoGrafo);
    TVisualDocumento& novo = *programa.Area().Ativo();
    QCOMPARE(novo.FileName(), std::string("Grafo3"));
    QCOMPARE(programa.JanelaAtiva().windowTitle(), QStringLiteral("Grafo3[*]"));
    QVERIFY(!programa.JanelaAtiva().isWindowModified());
    QCOMPARE(Itens(principal.MenuJanelas()),
             (QStringList{QString::fromStdString(kExemplos + "/fonte-controlada.grf"),
                          QString::fromStdString(kExemplos + "/transformador-girador.grf"), "Grafo3"}));
    novo.NewObject(*novo.Kind().ClassOfKind(1), {50, 50});
    QVERIFY(programa.JanelaAtiva().isWindowModified());
    programa.seletor.arquivos = {programa.Caminho("rede.grf")};
    programa.Executar(TComando::Salvar);
    QCOMPARE(programa.JanelaAtiva().windowTitle(),
             QString::fromStdString(programa.Caminho("rede.grf")) + "[*]");
    QVERIFY(!programa.JanelaAtiva().isWindowModified());
    QCOMPARE(Itens(principal.MenuJanelas()).last(), QString::fromStdString(programa.Caminho("rede.grf")));
    QCOMPARE(programa.seletor.dialogos.back().IndiceFiltro, 2);
}

// Files dropped on the window open as "Abrir..." opens them and head the recent files at the foot of
// "Arquivo", just before "Fechar".
void TestFormMain::recentesEArquivosSoltos() {
    TPrograma programa;
    TFormMain& principal = *programa.principal;
    const std::string copia = programa.Caminho("copia.sis");
    std::filesystem::copy_file(kExemplos + "/serie-rlc.sis", copia);
    QMimeData dados;
    dados.setUrls({QUrl::fromLocalFile(QString::fromStdString(kExemplos + "/lacos-dfs.dfs")),
                   QUrl::fromLocalFile(QString::fromStdString(copia))});
    QDragEnterEvent entrada(QPoint(10, 10), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&principal, &entrada);
    QVERIFY(entrada.isAccepted());
    QDropEvent soltura(QPointF(10, 10), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&principal, &soltura);
    QCOMPARE(programa.Area().Documentos().Count(), std::size_t{2});
    QCOMPARE(programa.Area().Ativo()->FileName(), copia);

    const auto recentes = [&principal] {
        QStringList r;
        for (QAction* a : principal.AcoesRecentes())
            if (!a->isSeparator()) r << a->text() + " " + a->toolTip();
        return r;
    };
    QCOMPARE(recentes(),
             (QStringList{"&1 copia.sis " + QString::fromStdString(copia),
                          "&2 lacos-dfs.dfs " + QString::fromStdString(kExemplos + "/lacos-dfs.dfs")}));
    // The list sits just before "Fechar".
    const QList<QAction*> itens = principal.MenuArquivo()->actions();
    QCOMPARE(itens.indexOf(principal.Acao(TComando::Fechar)) - 2,
             itens.indexOf(principal.AcoesRecentes().back()));

    principal.AcoesRecentes()[2]->trigger(); // "&2 lacos-dfs.dfs" opens it again, as Abrir would
    QCOMPARE(programa.Area().Documentos().Count(), std::size_t{3});
}

// The splash runs through the start-up list, one step per window from FormProgress on; "Sobre..."
// names the program and its version.
void TestFormMain::splashESobre() {
    TFormSplash splash;
    QStringList criadas;
    PercorrerInicio(splash, [&](const TPassoInicio& passo) {
        criadas << QString::fromStdString(passo.Janela) + ":" + QString::number(splash.Passo());
    });
    QCOMPARE(splash.Maximo(), 22);
    QCOMPARE(splash.Passo(), 22);
    QCOMPARE(criadas.size(), 24);
    QCOMPARE(criadas.mid(0, 4), (QStringList{"FormMain:0", "FormMsg:0", "FormProgress:0", "FormCheckGrf:1"}));
    QCOMPARE(criadas.last(), QStringLiteral("PropVOVrt:21"));

    TFormAbout sobre;
    QCOMPARE(sobre.findChild<QLabel*>("LabelNome")->text(),
             QStringLiteral("Brelix - Modelagem Simbólica de Sistemas Físicos"));
    QVERIFY(TFormAbout::Versao().contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))));
    QCOMPARE(sobre.findChild<QLabel*>("LabelVersao")->text(), "Versão " + TFormAbout::Versao());
}

QTEST_MAIN(TestFormMain)
#include "TestFormMain.moc"
