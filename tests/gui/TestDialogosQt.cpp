// The dialogs as the main window reaches them (TDialogos): every window created once, in the
// program's order, under the main window; and a workspace driven through them as the program runs it,
// from the choice dialog through the messages to the result windows, and a gain edited with the real
// gain entry dialog from a property window.

#include "ApoioDialogos.h"
#include "ApoioGui.h"

#include "gui/UnitCaixaEscolha.h"
#include "gui/UnitDialogosQt.h"
#include "gui/UnitFormFTDFS.h"
#include "gui/UnitFormMsg.h"
#include "gui/UnitFormProgress.h"
#include "gui/UnitFormResultDFS.h"
#include "gui/UnitFormResultFT.h"
#include "gui/UnitJanelasPropriedades.h"
#include "gui/UnitPropVOGanho.h"
#include "gui/UnitPropVisualObject.h"
#include "gui/UnitVisaoTexto.h"
#include "shell/UnitAreaTrabalho.h"
#include "visual/UnitVOComp.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <deque>

using namespace brelix;
using namespace brelix::testing;

namespace {

// A main window that hands its dialogs on to TDialogos, as the program's does, and opens the files it
// is given.
struct TPrincipal : TJanelaPrincipal {
    TDialogos& dialogos;
    TAreaTrabalho* area = nullptr;
    std::deque<std::string> arquivos;
    std::vector<std::string> mensagens;

    explicit TPrincipal(TDialogos& d) : dialogos(d) {}
    std::optional<std::string> DialogoAbrir(const TDialogoArquivo&) override {
        if (arquivos.empty()) return std::nullopt;
        std::string a = arquivos.front();
        arquivos.pop_front();
        return a;
    }
    std::optional<std::string> DialogoSalvar(const TDialogoArquivo&) override { return std::nullopt; }
    TSaveAnswer PerguntarSalvar(const std::string& p) override { return dialogos.PerguntarSalvar(p); }
    void ShowMsg(const std::string& t) override {
        mensagens.push_back(t);
        dialogos.ShowMsg(t);
    }
    void ShowCheck(const TConteudoVerificacao& c) override { dialogos.ShowCheck(c); }
    std::optional<TPedidoFT> EscolherFT(TEstiloEscolha e, const TCandidatosFT& c) override {
        return dialogos.EscolherFT(e, c);
    }
    std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes& c) override {
        return dialogos.EditarOpcoes(c);
    }
    void MostrarSobre() override {}
    void MostrarResultado(TJanelaResultado j) override { dialogos.MostrarResultado(j, *area); }
    void MostrarJanela(TVisualDocumento&) override {}
    void FecharJanela(TVisualDocumento& d) override { dialogos.OcultarPropriedades(d); }
    void OcultarPropriedades(TVisualDocumento& d) override { dialogos.OcultarPropriedades(d); }
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
    void ganhoPeloEditor();
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
    QCOMPARE(static_cast<QObject*>(dynamic_cast<QObject*>(&dialogos->Progresso())),
             static_cast<QObject*>(qt.Janelas()[1]));
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
    janela.arquivos.push_back(Exemplo("lacos-dfs.dfs"));
    area.Executar(TComando::Abrir);
    QVERIFY(area.Ativo() != nullptr);

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
    QVERIFY(area.Resultados().TemFT);

    // The transfer-function window came up with the workspace's result.
    TFormResultFT& ft = qt.FormResultFT();
    QVERIFY(ft.isVisible());
    QCOMPARE(ft.PageControl->currentWidget(), ft.TSFTS);
    QCOMPARE(ft.MemoFTSDen->Texto(), area.Resultados().FT.Conteudo().FTSDen);
    QCOMPARE(ft.MemoVarS->toPlainText(), QStringLiteral("X6"));
    QVERIFY(!qt.FormProgress().isVisible());

    // "Mason..." shows the loops of the same analysis, DFS among the symbols.
    area.Executar(TComando::ResultadoMason);
    TFormResultDFS& mason = qt.FormResultDFS();
    QVERIFY(mason.isVisible());
    QCOMPARE(mason.PageControl->currentIndex(), 0);
    const TGradeTexto& simbolos = area.Resultados().Mason->Simbolos;
    QCOMPARE(mason.SGSimbolos->model()->rowCount(), simbolos.RowCount() - 1);
    bool temDFS = false;
    for (int r = 0; r < mason.SGSimbolos->model()->rowCount(); ++r)
        temDFS = temDFS || Celula(mason.SGSimbolos, r) == "DFS";
    QVERIFY(temDFS);

    // Sensitivity asked for no symbol: the message window, through the same interface.
    FecharMensagem(&mensagem);
    QTest::mouseClick(ft.BtnSensibilidade, Qt::LeftButton);
    QCOMPARE(mensagem, QStringLiteral("Parâmetro inválido"));
}

void TestDialogosQt::ganhoPeloEditor() {
    QMainWindow principal;
    const std::unique_ptr<TDialogos> dialogos = CriarDialogos(&principal);
    auto& qt = static_cast<TDialogosQt&>(*dialogos);
    auto doc = NovoDocumento(kDocKindGrafo);
    auto& imp = Colocar<TVOComp>(*doc, 2, {100, 100});
    doc->SelectObject(&imp);
    dialogos->MostrarPropriedades(*doc);
    auto* janela = dynamic_cast<TJanelaPropVisualObject*>(qt.Propriedades().Visivel());
    QVERIFY(janela != nullptr);
    QVERIFY(janela->isVisible());

    // An empty K is refused in the message window, the editor staying open; then 4 is taken.
    QString mensagem;
    QuandoModal([&](QWidget* modal) {
        TJanelaPropVOGanho& editor = qt.PropVOGanho();
        QCOMPARE(modal, static_cast<QWidget*>(&editor));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Impedância (K . Sym^ExpSym . S^ExpS)"));
        editor.EdtGanho->clear();
        FecharMensagem(&mensagem);
        QTest::mouseClick(editor.BtnOK, Qt::LeftButton);
        QVERIFY(editor.isVisible());
        editor.EdtGanho->setText(QStringLiteral("4"));
        editor.EdtSym->setText(QStringLiteral("R"));
        QTest::mouseClick(editor.BtnOK, Qt::LeftButton);
    });
    QTest::mouseClick(janela->LinhasGanho()[0].Botao, Qt::LeftButton);
    QCOMPARE(mensagem, QStringLiteral("K inválido"));
    QCOMPARE(imp.GetGain(0), std::string("4.R"));
    QCOMPARE(janela->LinhasGanho()[0].Ganho->text().toStdString(), imp.GetGain(0));
    QVERIFY(doc->CanUndo());

    dialogos->OcultarPropriedades(*doc);
    QVERIFY(!janela->isVisible());
}

QTEST_MAIN(TestDialogosQt)
#include "TestDialogosQt.moc"
