// The options window through its widgets: it shows the settings, "Confirmar" hands back what the fields
// hold, "Cancelar" hands back nothing and leaves the settings and their file as they were, and "Alterar
// Fonte" opens the font dialog with the typed name and size.

#include "ApoioDialogos.h"

#include "gui/UnitFormOpcoes.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

using namespace brelix;
using namespace brelix::testing;

class TestOpcoes : public QObject {
    Q_OBJECT

private slots:
    void confirmarOuCancelar_data();
    void confirmarOuCancelar();
    void dialogoDeFonte();
};

void TestOpcoes::confirmarOuCancelar_data() {
    QTest::addColumn<bool>("confirmar");
    QTest::newRow("Confirmar") << true;
    QTest::newRow("Cancelar") << false;
}

void TestOpcoes::confirmarOuCancelar() {
    QFETCH(bool, confirmar);
    QTemporaryDir pasta;
    TOpcoes opcoes;
    opcoes.LoadOptions(pasta.path().toStdString());
    QFile arquivo(QString::fromStdString(opcoes.FileName()));
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    const QByteArray antes = arquivo.readAll();
    arquivo.close();

    TFormOpcoes janela;
    QuandoModal([&](QWidget*) {
        QCOMPARE(janela.windowTitle(), QStringLiteral("Opções"));
        QCOMPARE(janela.EdtF->text() + "/" + janela.EdtT->text(), QStringLiteral("MS Shell Dlg/8"));
        QCOMPARE(janela.EdtA->value(), 18);
        QCOMPARE(janela.EdtL->value(), 40);
        QVERIFY(!janela.CBCnx->isChecked());
        Digitar(janela.EdtF, QStringLiteral("DejaVu Sans"));
        Digitar(janela.EdtT, QStringLiteral("11"));
        janela.EdtA->setValue(25);
        janela.EdtL->setValue(60);
        QTest::mouseClick(janela.CBCnx, Qt::LeftButton);
        QTest::mouseClick(confirmar ? janela.BtnConfirmar : janela.BtnCancelar, Qt::LeftButton);
    });
    const std::optional<TEntradaOpcoes> entrada = janela.Editar(opcoes.Config());
    QCOMPARE(entrada.has_value(), confirmar);
    // The caller applies what comes back, as the workspace does.
    if (entrada) opcoes.ApplyOptionsWindow(*entrada);
    const TConfigOpcoes& c = opcoes.Config();
    QCOMPARE(c.RFontName, std::string(confirmar ? "DejaVu Sans" : "MS Shell Dlg"));
    QCOMPARE(c.RFontSize, confirmar ? 11 : 8);
    QCOMPARE(c.ARowHeight, confirmar ? 25 : 18);
    QCOMPARE(c.AColWidth, confirmar ? 60 : 40);
    QCOMPARE(c.AutoVrt, confirmar);
    QVERIFY(arquivo.open(QIODevice::ReadOnly));
    QCOMPARE(arquivo.readAll() == antes, !confirmar);
    // What was typed and cancelled does not linger for the next opening.
    janela.Preencher(c);
    QCOMPARE(janela.EdtF->text().toStdString(), c.RFontName);
}

void TestOpcoes::dialogoDeFonte() {
    TFormOpcoes janela;
    QFont recebida;
    std::optional<QFont> escolhida;
    janela.SetEscolherFonte([&](const QFont& inicial, QWidget*) {
        recebida = inicial;
        return escolhida;
    });
    TConfigOpcoes config;
    config.RFontName = "DejaVu Serif";
    janela.Preencher(config);
    QCOMPARE(janela.BtnFonte->toolTip(), QStringLiteral("Alterar Fonte"));
    // Opened with the typed name, and size 8 for a size that is not a number; cancelled, nothing changes.
    janela.EdtT->setText(QStringLiteral("doze"));
    QTest::mouseClick(janela.BtnFonte, Qt::LeftButton);
    QCOMPARE(recebida.family() + QString::number(recebida.pointSize()), QStringLiteral("DejaVu Serif8"));
    QCOMPARE(janela.EdtT->text(), QStringLiteral("doze"));
    escolhida = QFont(QStringLiteral("Liberation Mono"), 14);
    QTest::mouseClick(janela.BtnFonte, Qt::LeftButton);
    QCOMPARE(janela.EdtF->text() + "/" + janela.EdtT->text(), QStringLiteral("Liberation Mono/14"));
}

QTEST_MAIN(TestOpcoes)
#include "TestOpcoes.moc"
