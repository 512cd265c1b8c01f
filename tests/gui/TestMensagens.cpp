// The message window, the save question and the check window through their real widgets, modally.

#include "ApoioDialogos.h"

#include "gui/UnitFormCheckGrf.h"
#include "gui/UnitFormMsg.h"
#include "gui/UnitFormSaveFile.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace brelix;
using namespace brelix::testing;

Q_DECLARE_METATYPE(brelix::TConteudoVerificacao)

class TestMensagens : public QObject {
    Q_OBJECT

private slots:
    void mensagem();
    void perguntaSalvar_data();
    void perguntaSalvar();
    void verificacao_data();
    void verificacao();
};

void TestMensagens::mensagem() {
    TFormMsg msg;
    for (const bool escape : {false, true}) {
        bool visto = false;
        QuandoModal([&](QWidget* modal) {
            visto = modal == &msg;
            QCOMPARE(msg.windowTitle(), QStringLiteral("Brelix"));
            QCOMPARE(msg.LabelMsg->text(), QStringLiteral("Variável de entrada não informada"));
            QCOMPARE(msg.LabelMsg->width(), 365);
            QVERIFY(msg.LabelMsg->alignment() & Qt::AlignHCenter);
            QCOMPARE(msg.focusWidget(), msg.BtnCancel);
            QCOMPARE(msg.minimumSize(), msg.maximumSize()); // a border the user cannot drag
            if (escape)
                QTest::keyClick(&msg, Qt::Key_Escape);
            else
                QTest::mouseClick(msg.BtnCancel, Qt::LeftButton);
        });
        msg.ShowMsg("Variável de entrada não informada");
        QVERIFY(visto && !msg.isVisible());
    }
}

void TestMensagens::perguntaSalvar_data() {
    QTest::addColumn<QString>("botao");
    QTest::addColumn<int>("resposta");
    QTest::newRow("Sim") << "BtnSim" << int(TSaveAnswer::Sim);
    QTest::newRow("Não") << "BtnNao" << int(TSaveAnswer::Nao);
    QTest::newRow("Cancelar") << "BtnCancelar" << int(TSaveAnswer::Cancelar);
    QTest::newRow("Escape") << "" << int(TSaveAnswer::Cancelar);
}

void TestMensagens::perguntaSalvar() {
    QFETCH(QString, botao);
    QFETCH(int, resposta);
    TFormSaveFile pergunta;
    QuandoModal([&](QWidget*) {
        QCOMPARE(pergunta.LabelPergunta->text(), QStringLiteral("Salvar o arquivo Grafo1?"));
        if (botao.isEmpty())
            QTest::keyClick(&pergunta, Qt::Key_Escape);
        else
            QTest::mouseClick(pergunta.findChild<QPushButton*>(botao), Qt::LeftButton);
    });
    QCOMPARE(int(pergunta.Perguntar("Salvar o arquivo Grafo1?")), resposta);
}

void TestMensagens::verificacao_data() {
    QTest::addColumn<TConteudoVerificacao>("conteudo");
    QTest::addColumn<QString>("aba");
    QTest::addColumn<QList<bool>>("visiveis");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("texto");
    QTest::newRow("validation problems")
        << ShowCheckLista("DFS não validado.", {"Nenhuma variável adicionada no DFS", "Variavel3"})
        << "Elementos não validados" << QList<bool>{true, false, false} << "MemoV"
        << "Nenhuma variável adicionada no DFS\nVariavel3";
    QTest::newRow("short-circuited elements")
        << ShowCheckGrafo("Grafo não validado.", {"Impedancia2"}, {"Impedancia5"}) << "Elementos em curto"
        << QList<bool>{false, true, true} << "MemoD"
        << "Impedancia5";
    QTest::newRow("nothing short-circuited: the unconnected tab opens")
        << ShowCheckGrafo("Grafo não validado.", {}, {"Impedancia5", "Impedancia6"})
        << "Elementos não conectados" << QList<bool>{false, true, true} << "MemoD"
        << "Impedancia5\nImpedancia6";
}

void TestMensagens::verificacao() {
    QFETCH(TConteudoVerificacao, conteudo);
    QFETCH(QString, aba);
    QFETCH(QList<bool>, visiveis);
    QFETCH(QString, memo);
    QFETCH(QString, texto);
    TFormCheckGrf janela;
    janela.Preencher(ShowCheckGrafo("antes", {"Velho1"}, {"Velho2"})); // an earlier refusal leaves nothing
    QuandoModal([&](QWidget*) {
        QCOMPARE(janela.size(), QSize(375, 200));
        QCOMPARE(janela.PanelMsg->text().toStdString(), conteudo.Mensagem);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(janela.PageControl->isTabVisible(i), visiveis[i]);
        QCOMPARE(janela.PageControl->tabText(janela.PageControl->currentIndex()), aba);
        QCOMPARE(janela.findChild<QPlainTextEdit*>(memo)->toPlainText(), texto);
        QVERIFY(!janela.MemoC->toPlainText().contains(QStringLiteral("Velho")));
        QCOMPARE(janela.focusWidget(), janela.BtnFechar);
        QTest::mouseClick(janela.BtnFechar, Qt::LeftButton);
    });
    janela.ShowCheck(conteudo);
    QVERIFY(!janela.isVisible());
}

QTEST_MAIN(TestMensagens)
#include "TestMensagens.moc"
