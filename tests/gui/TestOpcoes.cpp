// The options window through its widgets: it shows the settings, "Confirmar" hands back what the
// fields hold, "Cancelar" hands back nothing and leaves the settings and their file as they were, and
// "Alterar Fonte" opens the font dialog with the typed name and size.

#include "ApoioDialogos.h"

#include "gui/UnitFormOpcoes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include <fstream>
#include <iterator>

using namespace brelix;
using namespace brelix::testing;

namespace {

std::string Conteudo(const std::string& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Changes every field as a user would.
void EditarTudo(TFormOpcoes& janela) {
    Digitar(janela.EdtF, QStringLiteral("DejaVu Sans"));
    Digitar(janela.EdtT, QStringLiteral("11"));
    janela.EdtA->setValue(25);
    janela.EdtL->setValue(60);
    QTest::mouseClick(janela.CBCnx, Qt::LeftButton);
}

} // namespace

class TestOpcoes : public QObject {
    Q_OBJECT

private slots:
    void confirmarOuCancelar_data();
    void confirmarOuCancelar();
    void dialogoDeFonte_data();
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
    const std::string arquivo = opcoes.FileName();
    const std::string antes = Conteudo(arquivo);
    const TConfigOpcoes config = opcoes.Config();

    TFormOpcoes janela;
    QuandoModal([&](QWidget*) {
        QCOMPARE(janela.windowTitle(), QStringLiteral("Opções"));
        QCOMPARE(janela.EdtF->text(), QStringLiteral("MS Shell Dlg"));
        QCOMPARE(janela.EdtT->text(), QStringLiteral("8"));
        QCOMPARE(janela.EdtA->value(), 18);
        QCOMPARE(janela.EdtL->value(), 40);
        QVERIFY(!janela.CBCnx->isChecked());
        QCOMPARE(janela.CBCnx->text(), QStringLiteral("Auto - inserir vértices entre elementos"));
        EditarTudo(janela);
        QTest::mouseClick(confirmar ? janela.BtnConfirmar : janela.BtnCancelar, Qt::LeftButton);
    });
    const std::optional<TEntradaOpcoes> entrada = janela.Editar(config);
    // The caller applies what comes back, as the workspace does.
    if (entrada) opcoes.ApplyOptionsWindow(*entrada);

    QCOMPARE(entrada.has_value(), confirmar);
    if (!confirmar) {
        QCOMPARE(opcoes.Config().RFontName, config.RFontName);
        QCOMPARE(opcoes.Config().ARowHeight, config.ARowHeight);
        QCOMPARE(opcoes.Config().AutoVrt, config.AutoVrt);
        QCOMPARE(Conteudo(arquivo), antes);
        // What was typed does not linger for the next opening.
        janela.Preencher(opcoes.Config());
        QCOMPARE(janela.EdtF->text(), QStringLiteral("MS Shell Dlg"));
        QCOMPARE(janela.EdtA->value(), 18);
        return;
    }
    QCOMPARE(entrada->FontName, std::string("DejaVu Sans"));
    QCOMPARE(entrada->FontSizeText, std::string("11"));
    QCOMPARE(opcoes.Config().RFontSize, 11);
    QCOMPARE(opcoes.Config().ARowHeight, 25);
    QCOMPARE(opcoes.Config().AColWidth, 60);
    QVERIFY(opcoes.Config().AutoVrt);
    QVERIFY(Conteudo(arquivo).find("AutoVrt=1") != std::string::npos);
}

void TestOpcoes::dialogoDeFonte_data() {
    QTest::addColumn<QString>("tamanho");
    QTest::addColumn<int>("aberto");
    QTest::addColumn<bool>("escolher");
    QTest::newRow("a size") << "12" << 12 << true;
    QTest::newRow("not a size: the dialog opens with 8") << "doze" << 8 << true;
    QTest::newRow("cancelled: nothing changes") << "12" << 12 << false;
}

void TestOpcoes::dialogoDeFonte() {
    QFETCH(QString, tamanho);
    QFETCH(int, aberto);
    QFETCH(bool, escolher);
    TFormOpcoes janela;
    QFont recebida;
    janela.SetEscolherFonte([&](const QFont& inicial, QWidget*) -> std::optional<QFont> {
        recebida = inicial;
        if (!escolher) return std::nullopt;
        QFont f(QStringLiteral("Liberation Mono"));
        f.setPointSize(14);
        return f;
    });
    TConfigOpcoes config;
    config.RFontName = "DejaVu Serif";
    janela.Preencher(config);
    janela.EdtT->setText(tamanho);
    QCOMPARE(janela.BtnFonte->toolTip(), QStringLiteral("Alterar Fonte"));
    QTest::mouseClick(janela.BtnFonte, Qt::LeftButton);
    QCOMPARE(recebida.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(recebida.pointSize(), aberto);
    QCOMPARE(janela.EdtF->text(),
             escolher ? QStringLiteral("Liberation Mono") : QStringLiteral("DejaVu Serif"));
    QCOMPARE(janela.EdtT->text(), escolher ? QStringLiteral("14") : tamanho);
}

QTEST_MAIN(TestOpcoes)
#include "TestOpcoes.moc"
