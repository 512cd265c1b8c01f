// The progress window on real analyses: a system's transfer function stopped with "Cancelar" in each of
// its stages ends with the "cancelled" refusal, the window modal while it shows and gone once the
// analysis has returned; a quick analysis never brings the window up; the assembly of the function
// shows its orders of loop sets on the bar.

#include "ApoioDialogos.h"

#include "gui/UnitFormProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace brelix;
using namespace brelix::testing;

namespace {

TFTDocumento FTEscada(TProgresso& progresso) {
    const std::unique_ptr<TVisualDocumento> doc = AbrirExemplo("escada-rlc-4.sis");
    return CatalogoCompleto().Comando(*doc).CalcularFT(*doc, {"E(Vs)", "E(C4)", false, {}, {}}, {&progresso});
}

} // namespace

class TestProgresso : public QObject {
    Q_OBJECT

private slots:
    void cancelarEmCadaEtapa_data();
    void cancelarEmCadaEtapa();
    void analiseRapidaSemJanela();
    void barraDaMontagem();
};

void TestProgresso::cancelarEmCadaEtapa_data() {
    QTest::addColumn<QString>("etapa");
    using E = TEtapaAnalise;
    for (const E e :
         {E::SistemaParaGrafo, E::GrafoParaDFS, E::BuscaLacos, E::LacosDisjuntos, E::FuncaoTransferencia})
        QTest::newRow(TextoEtapa(e)) << QString::fromUtf8(TextoEtapa(e));
}

void TestProgresso::cancelarEmCadaEtapa() {
    QFETCH(QString, etapa);
    // Shown at once and handing events on at every report, so the user's click is seen at once.
    TFormProgress janela(nullptr, 0, 0);
    bool modalAoClicar = false;
    // The user watches the window and presses "Cancelar" once it shows the stage.
    QTimer usuario;
    usuario.setInterval(0);
    connect(&usuario, &QTimer::timeout, [&] {
        if (janela.LabelEtapa->text() != etapa) return;
        modalAoClicar = janela.isVisible() && janela.isModal();
        QTest::mouseClick(janela.BtnCancelar, Qt::LeftButton);
        usuario.stop();
    });
    usuario.start();
    const TFTDocumento ft = FTEscada(janela);
    usuario.stop();
    QVERIFY(modalAoClicar);
    QVERIFY(ft.Recusa.Cancelada());
    QCOMPARE(ft.Recusa.Mensagem, std::string("Análise cancelada."));
    // Back in the event loop, the run is over and the window gone; the next analysis starts afresh.
    QTRY_VERIFY(!janela.isVisible());
    QVERIFY(!janela.Rodando());
    QVERIFY(FTEscada(janela).Calculado());
}

void TestProgresso::analiseRapidaSemJanela() {
    TFormProgress janela(nullptr, 60000, 0);
    struct TContaExibicoes : QObject {
        int exibicoes = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            exibicoes += e->type() == QEvent::Show;
            return false;
        }
    } contador;
    janela.installEventFilter(&contador);
    QVERIFY(FTEscada(janela).Calculado());
    QVERIFY(janela.Rodando());
    QTRY_VERIFY(!janela.Rodando());
    QCOMPARE(contador.exibicoes, 0);
}

void TestProgresso::barraDaMontagem() {
    TFormProgress janela(nullptr, 0, 0);
    janela.IniciarEtapa(TEtapaAnalise::LacosDisjuntos);
    QCOMPARE(janela.Barra->maximum(), 0); // a stage of unknown length: a busy bar
    janela.IniciarEtapa(TEtapaAnalise::FuncaoTransferencia);
    janela.IniciarProgresso({"01 - 4", "02 - 3"});
    janela.IniciarOrdem(2, 3);
    janela.PassoProgresso(1);
    janela.PassoProgresso(2);
    QVERIFY(!janela.Cancelado());
    QVERIFY(janela.isVisible());
    QCOMPARE(janela.LabelEtapa->text(), QStringLiteral("Função de Transferência"));
    QCOMPARE(janela.LabelOrdem->text(), QStringLiteral("Ordem 02 - 3"));
    QCOMPARE(janela.Barra->maximum(), 3);
    QCOMPARE(janela.Barra->value(), 2);
    // Escape, like "Cancelar", stops the analysis rather than only hiding the window.
    QTest::keyClick(&janela, Qt::Key_Escape);
    QVERIFY(janela.Cancelado());
    QVERIFY(janela.isVisible());
    janela.Terminar();
    QVERIFY(!janela.isVisible() && !janela.Cancelado());
}

QTEST_MAIN(TestProgresso)
#include "TestProgresso.moc"
