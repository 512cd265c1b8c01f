// The gain entry dialog through its widgets: the fields a gain opens with, the keys K and Sym let
// through, the widths and groups of each caller's offer, and what "Ok" answers: the canonical gain,
// or a message with the dialog staying open.

#include "ApoioDialogos.h"

#include "gui/UnitPropVOGanho.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace brelix;
using namespace brelix::testing;

class TestGanho : public QObject {
    Q_OBJECT

private slots:
    void abre_data();
    void abre();
    void teclas_data();
    void teclas();
    void ok_data();
    void ok();
    void editarModal();
};

void TestGanho::abre_data() {
    QTest::addColumn<bool>("expSym");
    QTest::addColumn<bool>("expS");
    QTest::addColumn<int>("largura");
    QTest::newRow("K and Sym") << false << false << 180;
    QTest::newRow("with ExpSym") << true << false << 270;
    QTest::newRow("with ExpS") << false << true << 360;
    QTest::newRow("every field") << true << true << 360;
}

void TestGanho::abre() {
    QFETCH(bool, expSym);
    QFETCH(bool, expS);
    QFETCH(int, largura);
    TMensagens msgs;
    TJanelaPropVOGanho janela(msgs.Funcao());
    janela.AbrirGanho("Impedância (K . Sym)", "2,5.R.S", false, expSym, expS);
    QVERIFY(Ativar(&janela));
    QCOMPARE(janela.windowTitle(), QStringLiteral("Impedância (K . Sym)"));
    QCOMPARE(janela.EdtGanho->text(), QStringLiteral("2,5"));
    QCOMPARE(janela.EdtSym->text(), QStringLiteral("R"));
    QCOMPARE(janela.EdtExpSym->value(), 1);
    QCOMPARE(janela.EdtExpS->value(), 1);
    QCOMPARE(janela.width(), largura);
    QCOMPARE(janela.GBExpSym->isVisible(), expSym);
    QCOMPARE(janela.GBExpS->isVisible(), expS);
    for (QGroupBox* g : {janela.GBGanho, janela.GBSys, janela.GBExpSym, janela.GBExpS})
        QCOMPARE(g->width(), 90);
    QCOMPARE(janela.focusWidget(), janela.EdtGanho);
}

void TestGanho::teclas_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("aceito");
    QTest::newRow("K: digits, comma and minus; a period becomes a comma") << "EdtGanho"
                                                                          << "a-1.5x,2 "
                                                                          << "-1,5,2";
    QTest::newRow("Sym: ASCII letters, digits and _") << "EdtSym"
                                                      << "R_1 .é-Lx"
                                                      << "R_1Lx";
}

void TestGanho::teclas() {
    QFETCH(QString, campo);
    QFETCH(QString, digitado);
    QFETCH(QString, aceito);
    TMensagens msgs;
    TJanelaPropVOGanho janela(msgs.Funcao());
    janela.AbrirGanho("Ganho", "1", false, true, true);
    QVERIFY(Ativar(&janela));
    auto* edit = janela.findChild<QLineEdit*>(campo);
    edit->clear();
    Teclar(edit, digitado);
    QCOMPARE(edit->text(), aceito);
    QTest::keyClick(edit, Qt::Key_Backspace);
    aceito.chop(1);
    QCOMPARE(edit->text(), aceito);
}

void TestGanho::ok_data() {
    QTest::addColumn<QString>("ganho");
    QTest::addColumn<bool>("zero");
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("sym");
    QTest::addColumn<int>("expSym");
    QTest::addColumn<int>("expS");
    QTest::addColumn<QString>("resultado");
    QTest::addColumn<QString>("mensagem");
    QTest::newRow("unchanged") << "2,5.R.S" << false << "2,5"
                               << "R" << 1 << 1 << "2,5.R.S"
                               << "";
    QTest::newRow("ExpSym 0 drops the symbol") << "R" << false << "3"
                                               << "R" << 0 << 0 << "3"
                                               << "";
    QTest::newRow("reciprocal and a power of S") << "R" << false << "2"
                                                 << "C" << -1 << -2 << "2.C^-1.S^-2"
                                                 << "";
    QTest::newRow("K 0 refused") << "R" << false << "0"
                                 << "R" << 1 << 0 << ""
                                 << "Ganho inválido(a)";
    QTest::newRow("K 0 where zero is allowed") << "R" << true << "0"
                                               << "R" << 1 << 0 << "0"
                                               << "";
    QTest::newRow("a lone minus is no number") << "R" << false << "-"
                                               << "" << 1 << 0 << ""
                                               << "Ganho inválido(a)";
    QTest::newRow("empty K") << "R" << false << ""
                             << "R" << 1 << 0 << ""
                             << "K inválido";
}

void TestGanho::ok() {
    QFETCH(QString, ganho);
    QFETCH(bool, zero);
    QFETCH(QString, k);
    QFETCH(QString, sym);
    QFETCH(int, expSym);
    QFETCH(int, expS);
    QFETCH(QString, resultado);
    QFETCH(QString, mensagem);
    TMensagens msgs;
    TJanelaPropVOGanho janela(msgs.Funcao());
    janela.AbrirGanho("Ganho", ganho.toStdString(), zero, true, true);
    QVERIFY(Ativar(&janela));
    janela.EdtGanho->setText(k);
    janela.EdtSym->setText(sym);
    janela.EdtExpSym->setValue(expSym);
    janela.EdtExpS->setValue(expS);
    janela.EdtSym->setFocus();
    QTest::mouseClick(janela.BtnOK, Qt::LeftButton);
    if (mensagem.isEmpty()) {
        QVERIFY(msgs.textos.empty());
        QCOMPARE(janela.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(janela.Resultado()), resultado);
        return;
    }
    QCOMPARE(msgs.textos, std::vector<std::string>{mensagem.toStdString()});
    QVERIFY(janela.isVisible());
    if (k.isEmpty()) QCOMPARE(janela.focusWidget(), janela.EdtGanho);
}

void TestGanho::editarModal() {
    TMensagens msgs;
    TJanelaPropVOGanho janela(msgs.Funcao());
    TPainelGanho painel;
    painel.Rotulo = "F2 = N.F1";
    painel.Ganho = "N";
    painel.TituloEditor = "F2 = N.F1 (K . Sym^ExpSym)";
    painel.ExpSym = true;
    painel.ExpS = false;
    QuandoModal([&](QWidget*) {
        QCOMPARE(janela.windowTitle(), QStringLiteral("F2 = N.F1 (K . Sym^ExpSym)"));
        QCOMPARE(janela.width(), 270);
        // The field opens with its text selected: typing replaces it.
        QTest::keyClicks(janela.EdtGanho, QStringLiteral("10"));
        QTest::keyClick(janela.EdtGanho, Qt::Key_Return); // Return is "Ok"
    });
    QCOMPARE(janela.Editar(painel), std::optional<std::string>("10.N"));
    QuandoModal([&](QWidget*) { QTest::mouseClick(janela.BtnCancelar, Qt::LeftButton); });
    QCOMPARE(janela.Editar(painel), std::optional<std::string>());
}

QTEST_MAIN(TestGanho)
#include "TestGanho.moc"
