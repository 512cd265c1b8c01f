// The two choice dialogs "Função de Transferência" through their real widgets: what opens chosen and
// where the focus goes, typed names taken only when they name an entry, the refusals of "Calcular"
// shown as messages with the dialog staying open, the tabs of the linear-graph dialog, and the request
// each hands back.

#include "ApoioDialogos.h"

#include "gui/UnitCaixaEscolha.h"
#include "gui/UnitFormFTDFS.h"
#include "gui/UnitFormFTGrafo.h"

#include <QPushButton>
#include <QTabWidget>

using namespace brelix;
using namespace brelix::testing;

namespace {

TCandidatosFT Candidatos(std::vector<std::string> entradas) {
    return {{}, std::move(entradas), {"E(C1)", "E(L1)", "F(R1)"}, {"1 - Terra", "2 - N0", "3 - N1"}};
}

} // namespace

class TestEscolhaFT : public QObject {
    Q_OBJECT

private slots:
    void somenteEntradasDaLista_data();
    void somenteEntradasDaLista();
    void dfsModal();
    void grafoAbas();
    void grafoCalcular_data();
    void grafoCalcular();
};

void TestEscolhaFT::somenteEntradasDaLista_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("escolhido");
    const std::pair<const char*, const char*> casos[] = {
        {"E(L1)", "E(L1)"}, {"f(r1)", "F(R1)"}, {"e(c", "E(C1)"}, {"E(X9)", ""}};
    for (const auto& [digitado, escolhido] : casos)
        QTest::newRow(digitado) << QString(digitado) << QString(escolhido);
}

void TestEscolhaFT::somenteEntradasDaLista() {
    QFETCH(QString, digitado);
    QFETCH(QString, escolhido);
    TMensagens msgs;
    TFormFTDFS dialogo(msgs.Funcao());
    dialogo.Abrir(Candidatos({"E(V1)", "E(V2)"}));
    QVERIFY(Ativar(&dialogo));
    dialogo.CBS->setFocus();
    QTest::keyClicks(dialogo.CBS->lineEdit(), digitado);
    QTest::keyClick(dialogo.CBS->lineEdit(), Qt::Key_Tab);
    QCOMPARE(dialogo.CBS->currentText(), escolhido);
    QCOMPARE(dialogo.CBS->currentIndex(), escolhido.isEmpty() ? -1 : dialogo.CBS->findText(escolhido));
}

void TestEscolhaFT::dfsModal() {
    TMensagens msgs;
    TFormFTDFS dialogo(msgs.Funcao());
    dialogo.Abrir(Candidatos({"E(Velho)"}));
    dialogo.CBS->Escolher("F(R1)"); // what a previous run left goes
    QuandoModal([&](QWidget*) {
        // A single source is chosen and the focus goes on to the output, which is empty.
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Função de Transferência"));
        QCOMPARE(dialogo.CBE->currentText(), QStringLiteral("E(Vs)"));
        QCOMPARE(dialogo.CBS->currentText(), QString());
        QVERIFY(TemFoco(&dialogo, dialogo.CBS));
        // Return is "Calcular": refused with its message while the output is empty.
        QTest::keyClick(dialogo.CBS->lineEdit(), Qt::Key_Return);
        QCOMPARE(msgs.textos, std::vector<std::string>{"Variável de saída não informada"});
        QVERIFY(dialogo.isVisible());
        QTest::keyClicks(dialogo.CBS->lineEdit(), QStringLiteral("e(l1)"));
        QTest::keyClick(dialogo.CBS->lineEdit(), Qt::Key_Return);
    });
    QCOMPARE(dialogo.Escolher(Candidatos({"E(Vs)"})).value_or(TPedidoFT{}).Saida, std::string("E(L1)"));
    QCOMPARE(dialogo.Pedido().Entrada, std::string("E(Vs)"));

    // Two sources: none chosen, the focus on the input; "Calcular" shows its message.
    QuandoModal([&](QWidget*) {
        QCOMPARE(dialogo.CBE->currentText(), QString());
        QVERIFY(TemFoco(&dialogo, dialogo.CBE));
        QTest::mouseClick(dialogo.BtnCalcular, Qt::LeftButton);
        QCOMPARE(msgs.textos.back(), std::string("Variável de entrada não informada"));
        QTest::mouseClick(dialogo.BtnCancelar, Qt::LeftButton);
    });
    QVERIFY(!dialogo.Escolher(Candidatos({"E(V1)", "E(V2)"})).has_value());
}

void TestEscolhaFT::grafoAbas() {
    TMensagens msgs;
    TFormFTGrafo dialogo(msgs.Funcao());
    dialogo.Abrir(Candidatos({"E(Vs)"}));
    dialogo.PageControl->setCurrentWidget(dialogo.TSN); // left there by an earlier run
    dialogo.Abrir(Candidatos({"E(Vs)"}));
    QVERIFY(Ativar(&dialogo));
    QCOMPARE(dialogo.CBE->currentText(), QStringLiteral("E(Vs)"));
    QVERIFY(TemFoco(&dialogo, dialogo.CBE)); // the focus stays on the input
    QVERIFY(dialogo.IsUmElemento());
    QCOMPARE(dialogo.CBP->count(), 3);
    QVERIFY(dialogo.CBS->isEnabled() && !dialogo.CBP->isEnabled() && !dialogo.CBN->isEnabled());
    QTest::mouseClick(dialogo.PageControl->tabBar(), Qt::LeftButton, {},
                      dialogo.PageControl->tabBar()->tabRect(1).center());
    QCOMPARE(dialogo.PageControl->tabText(1), QStringLiteral("N Elementos"));
    QVERIFY(!dialogo.IsUmElemento());
    QVERIFY(!dialogo.CBS->isEnabled() && dialogo.CBP->isEnabled() && dialogo.CBN->isEnabled());
}

void TestEscolhaFT::grafoCalcular_data() {
    QTest::addColumn<bool>("umElemento");
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("saida");
    QTest::addColumn<QString>("positivo");
    QTest::addColumn<QString>("negativo");
    QTest::addColumn<QString>("mensagem");
    const struct {
        const char* linha;
        bool umElemento;
        const char *entrada, *saida, *positivo, *negativo, *mensagem;
    } casos[] = {
        {"no input", true, "", "E(C1)", "", "", "Variável de entrada não informada"},
        {"1 Elemento, no output", true, "E(Vs)", "", "3 - N1", "1 - Terra",
         "Variável de saída não informada"},
        {"N Elementos, one vertex", false, "E(Vs)", "E(C1)", "3 - N1", "", "Variável de saída não informada"},
        {"N Elementos, the same vertex twice", false, "E(Vs)", "", "2 - N0", "2 - N0",
         "Vértices positivo e negativo inválidos"},
        {"1 Elemento", true, "E(Vs)", "F(R1)", "", "", ""},
        {"N Elementos: vertices 3 and 1", false, "E(Vs)", "", "3 - N1", "1 - Terra", ""},
    };
    for (const auto& c : casos)
        QTest::newRow(c.linha) << c.umElemento << QString(c.entrada) << QString(c.saida)
                               << QString(c.positivo) << QString(c.negativo) << QString(c.mensagem);
}

void TestEscolhaFT::grafoCalcular() {
    QFETCH(bool, umElemento);
    QFETCH(QString, entrada);
    QFETCH(QString, saida);
    QFETCH(QString, positivo);
    QFETCH(QString, negativo);
    QFETCH(QString, mensagem);
    TMensagens msgs;
    TFormFTGrafo dialogo(msgs.Funcao());
    dialogo.Abrir(Candidatos({"E(V1)", "E(Vs)"}));
    QVERIFY(Ativar(&dialogo));
    dialogo.CBE->Escolher(entrada.toStdString());
    dialogo.PageControl->setCurrentWidget(umElemento ? dialogo.TS1 : dialogo.TSN);
    dialogo.CBS->Escolher(saida.toStdString());
    dialogo.CBP->Escolher(positivo.toStdString());
    dialogo.CBN->Escolher(negativo.toStdString());
    QTest::mouseClick(dialogo.BtnCalcular, Qt::LeftButton);
    QCOMPARE(msgs.textos.empty() ? QString() : QString::fromStdString(msgs.textos[0]), mensagem);
    QCOMPARE(dialogo.isVisible(), !mensagem.isEmpty());
    if (!mensagem.isEmpty()) return;
    const TPedidoFT pedido = dialogo.Pedido();
    QCOMPARE(pedido.Entrada, std::string("E(Vs)"));
    QCOMPARE(pedido.EntreVertices, !umElemento);
    // One element names the output; between vertices, they go by their identifiers: E(3, 1).
    QCOMPARE(pedido.Saida, umElemento ? std::string("F(R1)") : std::string());
    QCOMPARE(pedido.Positivo + pedido.Negativo, umElemento ? std::string() : std::string("31"));
}

QTEST_MAIN(TestEscolhaFT)
#include "TestEscolhaFT.moc"
