// The dialogs as the main window reaches them (TDialogos): every window created once, in the program's
// order, under the main window; and a workspace driven through them as the program runs it, from the
// choice dialog through the message window to the result windows.

#include "ApoioDialogos.h"

#include "gui/UnitCaixaEscolha.h"
#include "gui/UnitDialogosQt.h"
#include "gui/UnitFormFTDFS.h"
#include "gui/UnitFormMsg.h"
#include "gui/UnitFormProgress.h"
#include "gui/UnitFormResultDFS.h"
#include "gui/UnitFormResultFT.h"
#include "gui/UnitVisaoTexto.h"
#include "shell/UnitAreaTrabalho.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

using namespace brelix;
using namespace brelix::testing;

namespace {

// A main window that hands its dialogs on to TDialogos, as the program's does, and opens one file.
struct TPrincipal : TJanelaPrincipal {
    TDialogos& d;
    TAreaTrabalho* area = nullptr;
    std::string arquivo;
    explicit TPrincipal(TDialogos& dialogos) : d(dialogos) {}
    std::optional<std::string> DialogoAbrir(const TDialogoArquivo&) override { return arquivo; }
    std::optional<std::string> DialogoSalvar(const TDialogoArquivo&) override { return std::nullopt; }
    TSaveAnswer PerguntarSalvar(const std::string& p) override { return d.PerguntarSalvar(p); }
    void ShowMsg(const std::string& t) override { d.ShowMsg(t); }
    void ShowCheck(const TConteudoVerificacao& c) override { d.ShowCheck(c); }
    std::optional<TPedidoFT> EscolherFT(TEstiloEscolha e, const TCandidatosFT& c) override {
        return d.EscolherFT(e, c);
    }
    std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes& c) override { return d.EditarOpcoes(c); }
    void MostrarSobre() override {}
    std::optional<std::string> ExportarFigura(TVisualDocumento&, const std::string&) override {
        return std::nullopt;
    }
    void MostrarResultado(TJanelaResultado j) override { d.MostrarResultado(j, *area); }
    void MostrarJanela(TVisualDocumento&) override {}
    void FecharJanela(TVisualDocumento& doc) override { d.OcultarPropriedades(doc); }
    void OcultarPropriedades(TVisualDocumento& doc) override { d.OcultarPropriedades(doc); }
    void Encerrar() override {}
    void AtualizarEstado() override {}
    void AtualizarJanelas() override {}
};

// Closes the message window that comes up next, noting its text.
void FecharMensagem(QString* texto) {
    QuandoModal([texto](QWidget* modal) {
        auto* msg = qobject_cast<TFormMsg*>(modal);
        QVERIFY(msg != nullptr);
        *texto = msg->LabelMsg->text();
        QTest::mouseClick(msg->BtnCancel, Qt::LeftButton);
    });
}

} // namespace

class TestDialogosQt : public QObject {
    Q_OBJECT

private slots:
    void criadasUmaVezEmOrdem();
    void analiseDeUmDFS();
};

void TestDialogosQt::criadasUmaVezEmOrdem() {
    QMainWindow principal;
    const std::unique_ptr<TDialogos> dialogos = CriarDialogos(&principal);
    auto& qt = static_cast<TDialogosQt&>(*dialogos);
    QStringList nomes;
    for (QWidget* j : qt.Janelas()) {
        nomes << j->objectName();
        QCOMPARE(j->parentWidget(), &principal);
        QVERIFY(!j->isVisible());
    }
    QCOMPARE(nomes, (QStringList{"FormMsg",           "FormProgress",  "FormCheckGrf",   "FormFTDFS",
                                 "FormFTGrafo",       "FormOpcoes",    "FormResultDFS",  "FormResultFT",
                                 "FormResultGrf",     "FormResultSis", "FormSaveFile",   "PropVisualForm",
                                 "PropVOCnx",         "PropVOGanho",   "PropVOGrfComp",  "PropVOGrfComp4",
                                 "PropVOGrfCompCtrl", "PropVOSisComp", "PropVOSisComp2", "PropVOSisComp4",
                                 "PropVOSisCompCtrl", "PropVOVrt"}));
    QCOMPARE(dynamic_cast<QWidget*>(&dialogos->Progresso()), qt.Janelas()[1]);
}

void TestDialogosQt::analiseDeUmDFS() {
    QTemporaryDir pasta;
    QMainWindow principal;
    const std::unique_ptr<TDialogos> dialogos = CriarDialogos(&principal);
    auto& qt = static_cast<TDialogosQt&>(*dialogos);
    TOpcoes opcoes;
    TPrincipal janela(*dialogos);
    TAreaTrabalho area(CatalogoCompleto(), opcoes, janela);
    janela.area = &area;
    area.Iniciar(pasta.path().toStdString());
    area.SetProgresso(&dialogos->Progresso());
    janela.arquivo = Exemplo("lacos-dfs.dfs");
    area.Executar(TComando::Abrir);

    // The choice dialog: "Calcular" without an output shows the message window over it; then X6.
    QString mensagem;
    QuandoModal([&](QWidget* modal) {
        TFormFTDFS& escolha = qt.FormFTDFS();
        QCOMPARE(modal, static_cast<QWidget*>(&escolha));
        QCOMPARE(escolha.CBE->currentText(), QStringLiteral("X1")); // the only source
        FecharMensagem(&mensagem);
        QTest::mouseClick(escolha.BtnCalcular, Qt::LeftButton);
        QVERIFY(escolha.isVisible());
        escolha.CBS->Escolher("X6");
        QTest::mouseClick(escolha.BtnCalcular, Qt::LeftButton);
    });
    area.Executar(TComando::DFSFT);
    QCOMPARE(mensagem, QStringLiteral("Variável de saída não informada"));

    // The transfer-function window came up with the workspace's result; no progress window is left.
    TFormResultFT& ft = qt.FormResultFT();
    QVERIFY(ft.isVisible());
    QCOMPARE(ft.PageControl->currentWidget(), ft.TSFTS);
    QCOMPARE(ft.MemoFTSDen->Texto(), area.Resultados().FT.Conteudo().FTSDen);
    QVERIFY(!qt.FormProgress().isVisible());

    // "Mason..." shows the loops of the same analysis, DFS among the symbols.
    area.Executar(TComando::ResultadoMason);
    TFormResultDFS& mason = qt.FormResultDFS();
    QVERIFY(mason.isVisible());
    QCOMPARE(mason.SGSimbolos->model()->rowCount(), area.Resultados().Mason->Simbolos.RowCount() - 1);
    bool temDFS = false;
    for (int r = 0; r < mason.SGSimbolos->model()->rowCount(); ++r)
        temDFS = temDFS || Celula(mason.SGSimbolos, r) == "DFS";
    QVERIFY(temDFS);
}

QTEST_MAIN(TestDialogosQt)
#include "TestDialogosQt.moc"
