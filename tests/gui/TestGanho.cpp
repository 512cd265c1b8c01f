// The gain entry dialog through its widgets: the fields a gain opens with, the keys K and Sym let
// through, the width and groups of each caller's offer, and what "Ok" answers: the canonical gain, or a
// message with the dialog staying open.

#include "ApoioDialogos.h"

#include "gui/UnitPropVOGanho.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

using namespace brelix;
using namespace brelix::testing;

class TestGanho : public QObject {
    Q_OBJECT

private slots:
    void abre_data();
    void abre();
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
    QCOMPARE(janela.EdtGanho->text() + " " + janela.EdtSym->text(), QStringLiteral("2,5 R"));
    QCOMPARE(janela.EdtExpSym->value(), 1);
    QCOMPARE(janela.EdtExpS->value(), 1);
    QCOMPARE(janela.width(), largura);
    QCOMPARE(janela.GBExpSym->isVisible(), expSym);
    QCOMPARE(janela.GBExpS->isVisible(), expS);
    QCOMPARE(janela.GBSys->width(), 90);
    QCOMPARE(janela.focusWidget(), janela.EdtGanho);
}

void TestGanho::teclas() {
    TMensagens msgs;
    TJanelaPropVOGanho janela(msgs.Funcao());
    QVERIFY(Ativar(&janela));
    // K: digits, "," and "-", a "." entered as ","; Sym: ASCII letters, digits and "_".
    const std::pair<QLineEdit*, QString> casos[] = {{janela.EdtGanho, QStringLiteral("-1,5,2")},
                                                    {janela.EdtSym, QStringLiteral("R_1Lx")}};
    Teclar(janela.EdtGanho, QStringLiteral("a-1.5x,2 "));
    Teclar(janela.EdtSym, QStringLiteral("R_1 .é-Lx"));
    for (const auto& [edit, aceito] : casos) {
        QCOMPARE(edit->text().right(aceito.size()), aceito);
        QTest::keyClick(edit, Qt::Key_Backspace); // always passes
        QCOMPARE(edit->text().right(aceito.size() - 1), aceito.chopped(1));
    }
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
    const struct {
        const char *linha, *ganho;
        bool zero;
        const char *k, *sym;
        int expSym, expS;
        const char *resultado, *mensagem;
    } casos[] = {
        {"unchanged", "2,5.R.S", false, "2,5", "R", 1, 1, "2,5.R.S", ""},
        {"ExpSym 0 drops the symbol", "R", false, "3", "R", 0, 0, "3", ""},
        {"reciprocal and a power of S", "R", false, "2", "C", -1, -2, "2.C^-1.S^-2", ""},
        {"K 0 refused", "R", false, "0", "R", 1, 0, "", "Ganho inválido(a)"},
        {"K 0 where zero is allowed", "R", true, "0", "R", 1, 0, "0", ""},
        {"a lone minus is no number", "R", false, "-", "", 1, 0, "", "Ganho inválido(a)"},
        {"empty K", "R", false, "", "R", 1, 0, "", "K inválido"},
    };
    for (const auto& c : casos)
        QTest::newRow(c.linha) << QString(c.ganho) << c.zero << QString(c.k) << QString(c.sym) << c.expSym
                               << c.expS << QString(c.resultado) << QString(c.mensagem);
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
    QCOMPARE(msgs.textos.empty() ? QString() : QString::fromStdString(msgs.textos[0]), mensagem);
    QCOMPARE(janela.isVisible(), !mensagem.isEmpty());
    if (mensagem.isEmpty()) QCOMPARE(QString::fromStdString(janela.Resultado()), resultado);
    if (k.isEmpty()) QCOMPARE(janela.focusWidget(), janela.EdtGanho);
}

void TestGanho::editarModal() {
    TMensagens msgs;
    TJanelaPropVOGanho janela(msgs.Funcao());
    TPainelGanho painel{1, "F2 = N.F1", "N", "F2 = N.F1 (K . Sym^ExpSym)", true, false, false};
    QuandoModal([&](QWidget*) {
        QCOMPARE(janela.windowTitle(), QStringLiteral("F2 = N.F1 (K . Sym^ExpSym)"));
        QCOMPARE(janela.width(), 270);
        // The field opens with its text selected: typing replaces it. Return is "Ok".
        QTest::keyClicks(janela.EdtGanho, QStringLiteral("10"));
        QTest::keyClick(janela.EdtGanho, Qt::Key_Return);
    });
    QCOMPARE(janela.Editar(painel), std::optional<std::string>("10.N"));
    QuandoModal([&](QWidget*) { QTest::mouseClick(janela.BtnCancelar, Qt::LeftButton); });
    QCOMPARE(janela.Editar(painel), std::optional<std::string>());
}

QTEST_MAIN(TestGanho)
#include "TestGanho.moc"
