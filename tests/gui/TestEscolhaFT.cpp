// The two choice dialogs "Função de Transferência" through their real widgets: what opens chosen and
// where the focus goes, typed names taken only when they name an entry, the refusals of "Calcular"
// shown as messages with the dialog staying open, the tabs of the linear-graph dialog, and the
// request each hands back.

#include "ApoioDialogos.h"

#include "gui/UnitCaixaEscolha.h"
#include "gui/UnitFormFTDFS.h"
#include "gui/UnitFormFTGrafo.h"

#include <QPushButton>
#include <QTabWidget>

using namespace brelix;
using namespace brelix::testing;

namespace {

TCandidatosFT CandidatosDFS(std::vector<std::string> entradas) {
    TCandidatosFT c;
    c.Entradas = std::move(entradas);
    c.Saidas = {"E(C1)", "E(L1)", "F(R1)"};
    return c;
}

TCandidatosFT CandidatosGrafo() {
    TCandidatosFT c;
    c.Entradas = {"E(Vs)"};
    c.Saidas = {"E(C1)", "F(R1)"};
    c.Vertices = {"1 - Terra", "2 - N0", "3 - N1"};
    return c;
}

// Types a text into the combo box and leaves it with Tab, as the user does.
void DigitarNaCaixa(TCaixaEscolha* caixa, const QString& texto) {
    caixa->setFocus();
    caixa->lineEdit()->clear();
    QTest::keyClicks(caixa->lineEdit(), texto);
    QTest::keyClick(caixa->lineEdit(), Qt::Key_Tab);
}

} // namespace

class TestEscolhaFT : public QObject {
    Q_OBJECT

private slots:
    void dfsAbre_data();
    void dfsAbre();
    void somenteEntradasDaLista_data();
    void somenteEntradasDaLista();
    void dfsCalcular_data();
    void dfsCalcular();
    void dfsModal();
    void grafoAbreEAbas();
    void grafoCalcular_data();
    void grafoCalcular();
};

void TestEscolhaFT::dfsAbre_data() {
    QTest::addColumn<QStringList>("entradas");
    QTest::addColumn<QString>("escolhida");
    QTest::addColumn<QString>("foco");
    QTest::newRow("one source: chosen, the focus goes on to the output") << QStringList{"E(Vs)"} << "E(Vs)"
                                                                         << "CBS";
    QTest::newRow("two sources: nothing chosen") << QStringList{"E(V1)", "E(V2)"} << ""
                                                 << "CBE";
    QTest::newRow("no source") << QStringList{} << ""
                               << "CBE";
}

void TestEscolhaFT::dfsAbre() {
    QFETCH(QStringList, entradas);
    QFETCH(QString, escolhida);
    QFETCH(QString, foco);
    std::vector<std::string> lista;
    for (const QString& e : entradas)
        lista.push_back(e.toStdString());
    TMensagens msgs;
    TFormFTDFS dialogo(msgs.Funcao());
    // What a previous run left is gone.
    dialogo.Abrir(CandidatosDFS({"E(Velho)"}));
    dialogo.CBS->Escolher("F(R1)");
    dialogo.Abrir(CandidatosDFS(lista));
    QCOMPARE(dialogo.windowTitle(), QStringLiteral("Função de Transferência"));
    QCOMPARE(dialogo.CBE->count(), entradas.size());
    QCOMPARE(dialogo.CBE->currentText(), escolhida);
    QCOMPARE(dialogo.CBS->currentText(), QString());
    QCOMPARE(dialogo.CBS->count(), 3);
    QVERIFY(TemFoco(&dialogo, dialogo.findChild<QWidget*>(foco)));
}

void TestEscolhaFT::somenteEntradasDaLista_data() {
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("escolhido");
    QTest::newRow("an entry") << "E(L1)"
                              << "E(L1)";
    QTest::newRow("letter case ignored") << "f(r1)"
                                         << "F(R1)";
    QTest::newRow("no entry: emptied") << "E(X9)"
                                       << "";
    QTest::newRow("the start of an entry, completed") << "e(c"
                                                      << "E(C1)";
}

void TestEscolhaFT::somenteEntradasDaLista() {
    QFETCH(QString, digitado);
    QFETCH(QString, escolhido);
    TMensagens msgs;
    TFormFTDFS dialogo(msgs.Funcao());
    dialogo.Abrir(CandidatosDFS({"E(V1)", "E(V2)"}));
    QVERIFY(Ativar(&dialogo));
    DigitarNaCaixa(dialogo.CBS, digitado);
    QCOMPARE(dialogo.CBS->currentText(), escolhido);
    QCOMPARE(dialogo.CBS->currentIndex(), escolhido.isEmpty() ? -1 : dialogo.CBS->findText(escolhido));
}

void TestEscolhaFT::dfsCalcular_data() {
    QTest::addColumn<QString>("entrada");
    QTest::addColumn<QString>("saida");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("no input") << ""
                              << "E(C1)"
                              << "Variável de entrada não informada";
    QTest::newRow("neither") << ""
                             << ""
                             << "Variável de entrada não informada";
    QTest::newRow("no output") << "E(V2)"
                               << ""
                               << "Variável de saída não informada";
    QTest::newRow("both") << "E(V2)"
                          << "E(C1)"
                          << "";
}

void TestEscolhaFT::dfsCalcular() {
    QFETCH(QString, entrada);
    QFETCH(QString, saida);
    QFETCH(QString, mensagem);
    TMensagens msgs;
    TFormFTDFS dialogo(msgs.Funcao());
    dialogo.Abrir(CandidatosDFS({"E(V1)", "E(V2)"}));
    QVERIFY(Ativar(&dialogo));
    dialogo.CBE->Escolher(entrada.toStdString());
    dialogo.CBS->Escolher(saida.toStdString());
    QTest::mouseClick(dialogo.BtnCalcular, Qt::LeftButton);
    if (mensagem.isEmpty()) {
        QVERIFY(msgs.textos.empty());
        QCOMPARE(dialogo.result(), int(QDialog::Accepted));
        QVERIFY(!dialogo.isVisible());
        const TPedidoFT pedido = dialogo.Pedido();
        QCOMPARE(pedido.Entrada, entrada.toStdString());
        QCOMPARE(pedido.Saida, saida.toStdString());
        QVERIFY(!pedido.EntreVertices);
        return;
    }
    QCOMPARE(msgs.textos, std::vector<std::string>{mensagem.toStdString()});
    QVERIFY(dialogo.isVisible());
    // The focus goes to what is missing.
    QVERIFY(TemFoco(&dialogo, entrada.isEmpty() ? dialogo.CBE : dialogo.CBS));
}

void TestEscolhaFT::dfsModal() {
    TMensagens msgs;
    TFormFTDFS dialogo(msgs.Funcao());
    QuandoModal([&](QWidget*) {
        // Return in a box is "Calcular": refused first, then accepted once the output is typed.
        QTest::keyClick(dialogo.CBS->lineEdit(), Qt::Key_Return);
        QCOMPARE(msgs.textos, std::vector<std::string>{"Variável de saída não informada"});
        QVERIFY(dialogo.isVisible());
        DigitarNaCaixa(dialogo.CBS, QStringLiteral("e(l1)"));
        QTest::keyClick(dialogo.CBS->lineEdit(), Qt::Key_Return);
    });
    const std::optional<TPedidoFT> pedido = dialogo.Escolher(CandidatosDFS({"E(Vs)"}));
    QVERIFY(pedido.has_value());
    QCOMPARE(pedido->Entrada, std::string("E(Vs)"));
    QCOMPARE(pedido->Saida, std::string("E(L1)"));

    QuandoModal([&](QWidget*) { QTest::mouseClick(dialogo.BtnCancelar, Qt::LeftButton); });
    QVERIFY(!dialogo.Escolher(CandidatosDFS({"E(Vs)"})).has_value());
}

void TestEscolhaFT::grafoAbreEAbas() {
    TMensagens msgs;
    TFormFTGrafo dialogo(msgs.Funcao());
    dialogo.Abrir(CandidatosGrafo());
    dialogo.PageControl->setCurrentWidget(dialogo.TSN); // left there by an earlier run
    dialogo.Abrir(CandidatosGrafo());
    QVERIFY(Ativar(&dialogo));
    QCOMPARE(dialogo.CBE->currentText(), QStringLiteral("E(Vs)"));
    // The focus stays on the input, on the tab "1 Elemento".
    QVERIFY(TemFoco(&dialogo, dialogo.CBE));
    QVERIFY(dialogo.IsUmElemento());
    QCOMPARE(dialogo.PageControl->tabText(0), QStringLiteral("1 Elemento"));
    QCOMPARE(dialogo.PageControl->tabText(1), QStringLiteral("N Elementos"));
    QCOMPARE(dialogo.CBP->count(), 3);
    QCOMPARE(dialogo.CBN->count(), 3);
    QVERIFY(dialogo.CBS->isEnabled() && !dialogo.CBP->isEnabled() && !dialogo.CBN->isEnabled());
    QTest::mouseClick(dialogo.PageControl->tabBar(), Qt::LeftButton, {},
                      dialogo.PageControl->tabBar()->tabRect(1).center());
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
    const QString vaz;
    QTest::newRow("no input") << true << vaz << "E(C1)" << vaz << vaz << "Variável de entrada não informada";
    QTest::newRow("1 Elemento, no output") << true << "E(Vs)" << vaz << "3 - N1"
                                           << "1 - Terra"
                                           << "Variável de saída não informada";
    QTest::newRow("N Elementos, no negative vertex") << false << "E(Vs)"
                                                     << "E(C1)"
                                                     << "3 - N1" << vaz << "Variável de saída não informada";
    QTest::newRow("N Elementos, the same vertex twice") << false << "E(Vs)" << vaz << "2 - N0"
                                                        << "2 - N0"
                                                        << "Vértices positivo e negativo inválidos";
    QTest::newRow("1 Elemento") << true << "E(Vs)"
                                << "F(R1)" << vaz << vaz << "";
    QTest::newRow("N Elementos: vertices 3 and 1") << false << "E(Vs)" << vaz << "3 - N1"
                                                   << "1 - Terra"
                                                   << "";
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
    dialogo.Abrir(CandidatosGrafo());
    QVERIFY(Ativar(&dialogo));
    dialogo.CBE->Escolher(entrada.toStdString());
    dialogo.PageControl->setCurrentWidget(umElemento ? dialogo.TS1 : dialogo.TSN);
    dialogo.CBS->Escolher(saida.toStdString());
    dialogo.CBP->Escolher(positivo.toStdString());
    dialogo.CBN->Escolher(negativo.toStdString());
    QTest::mouseClick(dialogo.BtnCalcular, Qt::LeftButton);
    if (!mensagem.isEmpty()) {
        QCOMPARE(msgs.textos, std::vector<std::string>{mensagem.toStdString()});
        QVERIFY(dialogo.isVisible());
        return;
    }
    QVERIFY(msgs.textos.empty());
    QVERIFY(!dialogo.isVisible());
    const TPedidoFT pedido = dialogo.Pedido();
    QCOMPARE(pedido.Entrada, std::string("E(Vs)"));
    QCOMPARE(pedido.EntreVertices, !umElemento);
    if (umElemento) {
        QCOMPARE(pedido.Saida, saida.toStdString());
        return;
    }
    // The vertices go by their identifiers: the output is E(3, 1).
    QCOMPARE(pedido.Positivo, std::string("3"));
    QCOMPARE(pedido.Negativo, std::string("1"));
}

QTEST_MAIN(TestEscolhaFT)
#include "TestEscolhaFT.moc"
