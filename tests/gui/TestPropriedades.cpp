// The property windows through their widgets: Return in each field with the key filters and the
// messages of refused values, the fields following an undo, one window at a time with the swap keeping
// its screen place, "Componentes" choosing objects, the gain rows with their editor (four for the generic
// two-port), and the document's own window.

#include "ApoioDialogos.h"
#include "ApoioGui.h"

#include "gui/UnitJanelasPropriedades.h"
#include "gui/UnitPropVisualForm.h"
#include "gui/UnitPropVisualObject.h"
#include "visual/UnitVOComp.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace brelix;
using namespace brelix::testing;

namespace {

constexpr std::int32_t kVertice = 1, kImpedancia = 2, kDuasPortas = 9; // graph kinds

// Every property window, on services that write down what they were asked.
struct Janelas {
    TMensagens msgs;
    std::vector<TPainelGanho> editados;
    std::optional<std::string> ganho; // what the gain editor answers
    TJanelasPropriedades gestor;
    std::vector<std::unique_ptr<TJanelaProp>> janelas;

    Janelas() {
        TServicosPropriedades s{msgs.Funcao(),
                                [this](const TPainelGanho& p) {
                                    editados.push_back(p);
                                    return ganho;
                                },
                                [this](TVisualDocumento& d) { gestor.Mostrar(d); }};
        janelas.emplace_back(new TJanelaPropVisualForm(s));
        janelas.emplace_back(CriarPropVOVrt(s, nullptr));
        janelas.emplace_back(CriarPropVOCnx(s, nullptr));
        for (const TPropWindow f : {TPropWindow::GrfComp, TPropWindow::GrfComp4, TPropWindow::GrfCompCtrl})
            janelas.emplace_back(CriarPropVOGrfComp(f, s, nullptr));
        for (const auto& j : janelas)
            gestor.Registrar(j.get());
    }
    // Selects the object, as a click in its document does, and shows its window.
    TJanelaPropVisualObject& Selecionar(TVisualDocumento& doc, TVisualObject& o) {
        doc.SelectObject(&o);
        gestor.Mostrar(doc);
        return static_cast<TJanelaPropVisualObject&>(*gestor.Visivel());
    }
};

QStringList Itens(const QComboBox* caixa) {
    QStringList itens;
    for (int i = 0; i < caixa->count(); ++i)
        itens << caixa->itemText(i);
    return itens;
}

} // namespace

class TestPropriedades : public QObject {
    Q_OBJECT

private slots:
    void retorno_data();
    void retorno();
    void desfazerAtualizaOsCampos();
    void trocaNoMesmoLugar();
    void ganhos();
    void documento();
};

void TestPropriedades::retorno_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("digitado"); // through the key filter
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("mostrado"); // the field afterwards
    QTest::addColumn<QString>("descricao");
    const char* imp1 = "Impedancia1";
    const struct {
        const char *linha, *campo, *digitado, *mensagem, *mostrado, *descricao;
    } casos[] = {
        {"renumbered: the default description follows", "EdtNum", "a7-", "", "7", "Impedancia7"},
        {"number 0", "EdtNum", "0", "Número inválido", "1", imp1},
        {"no number", "EdtNum", "", "Número inválido", "1", imp1},
        {"another's number", "EdtNum", "2", "Número do objeto é inválido", "1", imp1},
        {"renamed", "EdtDesc", "R carga(é)", "", "Rcarga", "Rcarga"},
        {"no description", "EdtDesc", "", "Descrição inválida", imp1, imp1},
        {"another's description", "EdtDesc", "Vertice1", "Descrição do objeto não é única", imp1, imp1},
        {"moved along x", "EdtLeft", "-24,0", "", "240", imp1},
        {"label offset", "EdtLblY", "-1a2", "", "-12", imp1},
        {"label", "EdtLbl", "Carga ôhmica", "", "Carga ôhmica", imp1},
    };
    for (const auto& c : casos)
        QTest::newRow(c.linha) << QString(c.campo) << QString(c.digitado) << QString(c.mensagem)
                               << QString(c.mostrado) << QString(c.descricao);
}

void TestPropriedades::retorno() {
    QFETCH(QString, campo);
    QFETCH(QString, digitado);
    QFETCH(QString, mensagem);
    QFETCH(QString, mostrado);
    QFETCH(QString, descricao);
    auto doc = NovoDocumento(kDocKindGrafo);
    Colocar(*doc, kVertice, {40, 40});
    auto& imp = Colocar<TVOComp>(*doc, kImpedancia, {100, 100});
    Colocar<TVOComp>(*doc, kImpedancia, {200, 100});
    Janelas js;
    TJanelaPropVisualObject& janela = js.Selecionar(*doc, imp);
    QCOMPARE(janela.objectName(), QStringLiteral("PropVOGrfComp"));
    QVERIFY(Ativar(&janela));
    QLineEdit* edit = janela.Campo(campo.toStdString());
    edit->clear();
    Teclar(edit, digitado);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(js.msgs.textos.empty() ? QString() : QString::fromStdString(js.msgs.textos.back()), mensagem);
    QCOMPARE(edit->text(), mostrado);
    QCOMPARE(QString::fromStdString(imp.Desc()), descricao);
    QCOMPARE(janela.CBComp->currentText(), descricao);
    QVERIFY(Itens(janela.CBComp).contains(descricao));
    if (campo == "EdtLeft") QCOMPARE(imp.Left(), 240);
    if (campo == "EdtLblY") QCOMPARE(imp.LblY(), -12);
    // The field keeps the focus with its whole text selected, ready for the next value.
    QCOMPARE(janela.focusWidget(), edit);
    QCOMPARE(edit->selectedText(), edit->text());
}

void TestPropriedades::desfazerAtualizaOsCampos() {
    auto doc = NovoDocumento(kDocKindGrafo);
    auto& imp = Colocar<TVOComp>(*doc, kImpedancia, {100, 100});
    Janelas js;
    TJanelaPropVisualObject& janela = js.Selecionar(*doc, imp);
    QVERIFY(Ativar(&janela));
    Digitar(janela.Campo("EdtLeft"), QStringLiteral("240"));
    Digitar(janela.Campo("EdtNum"), QStringLiteral("5"));
    QCOMPARE(janela.Campo("EdtDesc")->text(), QStringLiteral("Impedancia5"));
    // Each Return was one step; undone, the fields show the document again.
    QVERIFY(doc->Undo());
    QCOMPARE(janela.Campo("EdtDesc")->text(), QStringLiteral("Impedancia1"));
    QCOMPARE(janela.CBComp->currentText(), QStringLiteral("Impedancia1"));
    QVERIFY(doc->Undo());
    QCOMPARE(janela.Campo("EdtLeft")->text(), QStringLiteral("100"));
}

void TestPropriedades::trocaNoMesmoLugar() {
    auto doc = NovoDocumento(kDocKindGrafo);
    auto& v = Colocar(*doc, kVertice, {40, 40});
    auto& imp = Colocar<TVOElemento>(*doc, kImpedancia, {100, 100});
    Ligar(*doc, v, 1, imp, 1);
    Janelas js;
    js.gestor.Mostrar(*doc);
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVisualForm"));
    QCOMPARE(js.gestor.Visivel()->pos(), QPoint(0, 130));
    QCOMPARE(js.gestor.Visivel()->windowTitle(), QStringLiteral("Propriedades"));

    // A vertex, then a connection: each new window takes the place of the one before.
    js.Selecionar(*doc, v).move(300, 200);
    TJanelaPropVisualObject& cnx = js.Selecionar(*doc, UnicaConexao(*doc));
    QCOMPARE(cnx.objectName(), QStringLiteral("PropVOCnx"));
    QCOMPARE(cnx.pos(), QPoint(300, 200));
    QVERIFY(!js.gestor.Janela(TPropWindow::Vrt)->isVisible());
    QVERIFY(cnx.Campo("EdtLeft") == nullptr); // a connection's place follows its ends

    // "Componentes" selects another object, whose window comes in the same place.
    const int i = cnx.CBComp->findText(QStringLiteral("Impedancia1"));
    cnx.CBComp->setCurrentIndex(i);
    emit cnx.CBComp->activated(i);
    QCOMPARE(doc->Objects().Selected(), static_cast<TVisualObject*>(&imp));
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVOGrfComp"));
    QCOMPARE(js.gestor.Visivel()->pos(), QPoint(300, 200));
    // A selection made in the document swaps too: the windows listen to it.
    doc->DeselectAll();
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVisualForm"));

    // The document stops being active: hidden, forgotten, no longer listened to.
    js.gestor.Ocultar(*doc);
    QVERIFY(js.gestor.Visivel() == nullptr);
    QVERIFY(js.gestor.Janela(TPropWindow::VisualForm)->Documento() == nullptr);
    doc->SelectObject(&v);
    QVERIFY(js.gestor.Visivel() == nullptr);
    js.gestor.Mostrar(*doc);
    QCOMPARE(js.gestor.Visivel()->pos(), QPoint(300, 200));
}

void TestPropriedades::ganhos() {
    auto doc = NovoDocumento(kDocKindGrafo);
    auto& imp = Colocar<TVOComp>(*doc, kImpedancia, {100, 100});
    auto& dp = Colocar<TVOComp>(*doc, kDuasPortas, {200, 100});
    Janelas js;

    // One gain: the editor offers both exponents and refuses 0; a label that showed the gain follows it.
    TJanelaPropVisualObject& um = js.Selecionar(*doc, imp);
    QVERIFY(Ativar(&um));
    const auto& linha = um.LinhasGanho().at(0);
    QCOMPARE(linha.Rotulo->text(), QStringLiteral("Impedância"));
    QCOMPARE(imp.Lbl(), imp.GetGain(0));
    js.ganho = "2.R.S";
    QTest::mouseClick(linha.Botao, Qt::LeftButton);
    QCOMPARE(js.editados.at(0).TituloEditor, std::string("Impedância (K . Sym^ExpSym . S^ExpS)"));
    QVERIFY(js.editados[0].ExpS && js.editados[0].ExpSym && !js.editados[0].PermiteZero);
    QCOMPARE(imp.GetGain(0), std::string("2.R.S"));
    QCOMPARE(linha.Ganho->text(), QStringLiteral("2.R.S"));
    QCOMPARE(um.Campo("EdtLbl")->text(), QStringLiteral("2.R.S"));
    // A label of the user's own stays; a cancelled editor changes nothing.
    Digitar(um.Campo("EdtLbl"), QStringLiteral("Carga"));
    js.ganho = "3.R";
    QTest::mouseClick(linha.Botao, Qt::LeftButton);
    QCOMPARE(imp.Lbl(), std::string("Carga"));
    js.ganho.reset();
    QTest::mouseClick(linha.Botao, Qt::LeftButton);
    QCOMPARE(imp.GetGain(0), std::string("3.R"));

    // The generic two-port: four rows, each editing its own gain, 0 accepted.
    TJanelaPropVisualObject& quatro = js.Selecionar(*doc, dp);
    QCOMPARE(quatro.objectName(), QStringLiteral("PropVOGrfComp4"));
    QStringList rotulos;
    for (const auto& l : quatro.LinhasGanho())
        rotulos << l.Rotulo->text();
    QCOMPARE(rotulos, (QStringList{"E2 = Kee.E1", "E2 = Kef.F1", "F2 = Kfe.E1", "F2 = Kff.F1"}));
    js.ganho = "0";
    QTest::mouseClick(quatro.LinhasGanho()[2].Botao, Qt::LeftButton);
    QVERIFY(js.editados.back().PermiteZero);
    QCOMPARE(dp.GetGain(3), std::string("0"));
    QCOMPARE(quatro.LinhasGanho()[2].Ganho->text(), QStringLiteral("0"));

    QVERIFY(um.Documento() == nullptr); // one window at a time: the first let go of the document
}

void TestPropriedades::documento() {
    auto doc = NovoDocumento(kDocKindGrafo);
    Colocar(*doc, kVertice, {40, 40});
    Janelas js;
    js.gestor.Mostrar(*doc);
    auto& janela = static_cast<TJanelaPropVisualForm&>(*js.gestor.Visivel());
    QVERIFY(Ativar(&janela));
    QVERIFY(janela.EdtDesc->isReadOnly());
    QCOMPARE(Itens(janela.CBComp), QStringList{"Vertice1"});
    QCOMPARE(janela.CBComp->currentIndex(), -1);
    Digitar(janela.EdtAltura, QStringLiteral("450"));
    Digitar(janela.EdtLargura, QStringLiteral("7a00"));
    QCOMPARE(doc->Height(), 450);
    QCOMPARE(doc->Width(), 700);
    QVERIFY(js.msgs.textos.empty());
    Digitar(janela.EdtAltura, QString());
    QCOMPARE(js.msgs.textos.size(), std::size_t{1});
    QCOMPARE(janela.EdtAltura->text(), QStringLiteral("450"));
    // A typed description selects its object, letter case ignored.
    janela.CBComp->setEditText(QStringLiteral("vertice1"));
    QTest::keyClick(janela.CBComp->lineEdit(), Qt::Key_Return);
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVOVrt"));
}

QTEST_MAIN(TestPropriedades)
#include "TestPropriedades.moc"
