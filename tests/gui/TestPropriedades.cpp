// The property windows through their widgets: Return in each field and the messages of refused
// values, the key filters, the fields following an undo, one window shown at a time with the swap
// keeping its screen place, "Componentes" choosing objects, the gain rows with their editor, the four
// gains of two-ports and couplers, Var. Controle, and the document's own window.

#include "ApoioDialogos.h"
#include "ApoioGui.h"

#include "gui/UnitJanelasPropriedades.h"
#include "gui/UnitPropVOSisComp.h"
#include "gui/UnitPropVisualForm.h"
#include "gui/UnitPropVisualObject.h"
#include "system/UnitPropVOSisComp.h"
#include "system/UnitSisTipo.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOComp.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace brelix;
using namespace brelix::testing;

namespace {

// Graph kinds.
constexpr std::int32_t kVertice = 1;
constexpr std::int32_t kImpedancia = 2;
constexpr std::int32_t kFonteEsforcoCtrl = 4;
constexpr std::int32_t kDuasPortas = 9;

// Every property window, on services that write down what they were asked.
struct Janelas {
    TMensagens msgs;
    std::vector<TPainelGanho> editados;
    std::optional<std::string> ganho; // what the gain editor answers
    TJanelasPropriedades gestor;
    std::vector<std::unique_ptr<TJanelaProp>> janelas;

    Janelas() {
        TServicosPropriedades s;
        s.Mensagem = msgs.Funcao();
        s.EditarGanho = [this](const TPainelGanho& p) {
            editados.push_back(p);
            return ganho;
        };
        s.SelecaoMudou = [this](TVisualDocumento& d) { gestor.Mostrar(d); };
        janelas.emplace_back(new TJanelaPropVisualForm(s));
        janelas.emplace_back(CriarPropVOVrt(s, nullptr));
        janelas.emplace_back(CriarPropVOCnx(s, nullptr));
        for (const TPropWindow f : {TPropWindow::GrfComp, TPropWindow::GrfComp4, TPropWindow::GrfCompCtrl})
            janelas.emplace_back(CriarPropVOGrfComp(f, s, nullptr));
        for (const TPropWindow f :
             {TPropWindow::SisComp, TPropWindow::SisComp2, TPropWindow::SisComp4, TPropWindow::SisCompCtrl})
            janelas.emplace_back(CriarPropVOSisComp(f, s, nullptr));
        for (const auto& j : janelas)
            gestor.Registrar(j.get());
    }
    ~Janelas() {
        // The documents of a test outlive nothing here: they are forgotten before they go.
        janelas.clear();
    }
    TJanelaPropVisualObject& Objeto(TPropWindow f) {
        return static_cast<TJanelaPropVisualObject&>(*gestor.Janela(f));
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
    void filtrosDeTecla_data();
    void filtrosDeTecla();
    void desfazerAtualizaOsCampos();
    void trocaNoMesmoLugar();
    void ganhoSegueALegenda();
    void quatroGanhos();
    void varControle();
    void documento();
};

void TestPropriedades::retorno_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("mensagem");
    QTest::addColumn<QString>("mostrado"); // the field afterwards
    QTest::addColumn<QString>("descricao");
    const QString nada;
    QTest::newRow("renumbered: the default description follows") << "EdtNum"
                                                                 << "7" << nada << "7"
                                                                 << "Impedancia7";
    QTest::newRow("number 0") << "EdtNum"
                              << "0"
                              << "Número inválido"
                              << "1"
                              << "Impedancia1";
    QTest::newRow("no number") << "EdtNum"
                               << ""
                               << "Número inválido"
                               << "1"
                               << "Impedancia1";
    QTest::newRow("a number another impedance has") << "EdtNum"
                                                    << "2"
                                                    << "Número do objeto é inválido"
                                                    << "1"
                                                    << "Impedancia1";
    QTest::newRow("renamed") << "EdtDesc"
                             << "Rcarga" << nada << "Rcarga"
                             << "Rcarga";
    QTest::newRow("no description") << "EdtDesc"
                                    << ""
                                    << "Descrição inválida"
                                    << "Impedancia1"
                                    << "Impedancia1";
    QTest::newRow("another object's description") << "EdtDesc"
                                                  << "Vertice1"
                                                  << "Descrição do objeto não é única"
                                                  << "Impedancia1"
                                                  << "Impedancia1";
    QTest::newRow("moved along x") << "EdtLeft"
                                   << "240" << nada << "240"
                                   << "Impedancia1";
    QTest::newRow("label offset") << "EdtLblY"
                                  << "-12" << nada << "-12"
                                  << "Impedancia1";
    QTest::newRow("label") << "EdtLbl"
                           << "Carga ôhmica" << nada << "Carga ôhmica"
                           << "Impedancia1";
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
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    Teclar(edit, digitado);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(js.msgs.textos.empty() ? QString() : QString::fromStdString(js.msgs.textos.back()), mensagem);
    QCOMPARE(edit->text(), mostrado);
    QCOMPARE(QString::fromStdString(imp.Desc()), descricao);
    QCOMPARE(janela.Campo("EdtDesc")->text(), descricao);
    QCOMPARE(janela.CBComp->currentText(), descricao);
    QVERIFY(Itens(janela.CBComp).contains(descricao));
    if (campo == "EdtLeft") QCOMPARE(imp.Left(), 240);
    if (campo == "EdtLblY") QCOMPARE(imp.LblY(), -12);
    if (campo == "EdtLbl") QCOMPARE(QString::fromStdString(imp.Lbl()), mostrado);
    // The field keeps the focus with its whole text selected, ready for the next value.
    QCOMPARE(janela.focusWidget(), edit);
    QCOMPARE(edit->selectedText(), edit->text());
}

void TestPropriedades::filtrosDeTecla_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<QString>("digitado");
    QTest::addColumn<QString>("aceito");
    QTest::newRow("Número: digits") << "EdtNum"
                                    << "a1-2.3é"
                                    << "123";
    QTest::newRow("Descrição: letters, digits and _") << "EdtDesc"
                                                      << "R é_1-(x)"
                                                      << "R_1x";
    QTest::newRow("Posição X: digits") << "EdtLeft"
                                       << "-12,5"
                                       << "125";
    QTest::newRow("Legenda X: digits and -") << "EdtLblX"
                                             << "-1a2"
                                             << "-12";
    QTest::newRow("Legenda: anything") << "EdtLbl"
                                       << "Ω = 2,5 kΩ"
                                       << "Ω = 2,5 kΩ";
}

void TestPropriedades::filtrosDeTecla() {
    QFETCH(QString, campo);
    QFETCH(QString, digitado);
    QFETCH(QString, aceito);
    auto doc = NovoDocumento(kDocKindGrafo);
    auto& imp = Colocar<TVOComp>(*doc, kImpedancia, {100, 100});
    Janelas js;
    TJanelaPropVisualObject& janela = js.Selecionar(*doc, imp);
    QVERIFY(Ativar(&janela));
    QLineEdit* edit = janela.Campo(campo.toStdString());
    edit->clear();
    Teclar(edit, digitado);
    QCOMPARE(edit->text(), aceito);
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
    QCOMPARE(janela.Campo("EdtNum")->text(), QStringLiteral("1"));
    QCOMPARE(janela.Campo("EdtDesc")->text(), QStringLiteral("Impedancia1"));
    QCOMPARE(janela.CBComp->currentText(), QStringLiteral("Impedancia1"));
    QVERIFY(doc->Undo());
    QCOMPARE(janela.Campo("EdtLeft")->text(), QStringLiteral("100"));
    QCOMPARE(imp.Left(), 100);
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
    js.gestor.Visivel()->move(333, 222);

    // The selection changes kind: the new window takes the place of the old one.
    QCOMPARE(js.Selecionar(*doc, v).objectName(), QStringLiteral("PropVOVrt"));
    QCOMPARE(js.gestor.Visivel()->pos(), QPoint(333, 222));
    QVERIFY(!js.gestor.Janela(TPropWindow::VisualForm)->isVisible());
    js.gestor.Visivel()->move(300, 200);
    TJanelaPropVisualObject& cnx = js.Selecionar(*doc, UnicaConexao(*doc));
    QCOMPARE(cnx.objectName(), QStringLiteral("PropVOCnx"));
    QCOMPARE(cnx.pos(), QPoint(300, 200));
    QVERIFY(!js.gestor.Janela(TPropWindow::Vrt)->isVisible());
    QVERIFY(cnx.Campo("EdtLeft") == nullptr); // a connection's place follows its ends

    // "Componentes" selects another object: its window comes in the same place.
    const int i = cnx.CBComp->findText(QStringLiteral("Impedancia1"));
    QVERIFY(i >= 0);
    cnx.CBComp->setCurrentIndex(i);
    emit cnx.CBComp->activated(i);
    QCOMPARE(doc->Objects().Selected(), static_cast<TVisualObject*>(&imp));
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVOGrfComp"));
    QCOMPARE(js.gestor.Visivel()->pos(), QPoint(300, 200));
    QVERIFY(!cnx.isVisible());

    // A selection made elsewhere (the document's own click) swaps too: the windows listen.
    doc->DeselectAll();
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVisualForm"));

    // The document stops being active: hidden, forgotten, no longer listened to.
    js.gestor.Ocultar(*doc);
    QVERIFY(js.gestor.Visivel() == nullptr);
    QVERIFY(!js.gestor.Janela(TPropWindow::VisualForm)->isVisible());
    QVERIFY(js.gestor.Janela(TPropWindow::VisualForm)->Documento() == nullptr);
    doc->SelectObject(&v);
    QVERIFY(js.gestor.Visivel() == nullptr);
    // Shown again, it comes back where it was.
    js.gestor.Mostrar(*doc);
    QCOMPARE(js.gestor.Visivel()->pos(), QPoint(300, 200));
}

void TestPropriedades::ganhoSegueALegenda() {
    auto doc = NovoDocumento(kDocKindGrafo);
    auto& imp = Colocar<TVOComp>(*doc, kImpedancia, {100, 100});
    Janelas js;
    TJanelaPropVisualObject& janela = js.Selecionar(*doc, imp);
    QVERIFY(Ativar(&janela));
    QCOMPARE(janela.LinhasGanho().size(), std::size_t{1});
    const auto& linha = janela.LinhasGanho()[0];
    QCOMPARE(linha.Rotulo->text(), QStringLiteral("Impedância"));
    QCOMPARE(linha.Ganho->text(), QString::fromStdString(imp.GetGain(0)));
    QVERIFY(linha.Ganho->isReadOnly());
    QCOMPARE(imp.Lbl(), imp.GetGain(0)); // a new impedance's label shows its gain

    js.ganho = "2.R.S";
    QTest::mouseClick(linha.Botao, Qt::LeftButton);
    QCOMPARE(js.editados.size(), std::size_t{1});
    QCOMPARE(js.editados[0].TituloEditor, std::string("Impedância (K . Sym^ExpSym . S^ExpS)"));
    QVERIFY(js.editados[0].ExpS && js.editados[0].ExpSym && !js.editados[0].PermiteZero);
    QCOMPARE(imp.GetGain(0), std::string("2.R.S"));
    QCOMPARE(linha.Ganho->text(), QStringLiteral("2.R.S"));
    QCOMPARE(imp.Lbl(), std::string("2.R.S"));
    QCOMPARE(janela.Campo("EdtLbl")->text(), QStringLiteral("2.R.S"));

    // A label of the user's own stays; a cancelled editor changes nothing.
    Digitar(janela.Campo("EdtLbl"), QStringLiteral("Carga"));
    js.ganho = "3.R";
    QTest::mouseClick(linha.Botao, Qt::LeftButton);
    QCOMPARE(imp.GetGain(0), std::string("3.R"));
    QCOMPARE(imp.Lbl(), std::string("Carga"));
    js.ganho.reset();
    QTest::mouseClick(linha.Botao, Qt::LeftButton);
    QCOMPARE(imp.GetGain(0), std::string("3.R"));
}

void TestPropriedades::quatroGanhos() {
    auto grafo = NovoDocumento(kDocKindGrafo);
    auto& dp = Colocar<TVOComp>(*grafo, kDuasPortas, {100, 100});
    auto sistema = NovoDocumento(kDocKindSistema);
    auto& acp = Colocar<TVOSisComp>(*sistema, kTipoAcpEleMct, {100, 100});
    Janelas js;

    TJanelaPropVisualObject& j4 = js.Selecionar(*grafo, dp);
    QCOMPARE(j4.objectName(), QStringLiteral("PropVOGrfComp4"));
    QStringList rotulos;
    for (const auto& l : j4.LinhasGanho())
        rotulos << l.Rotulo->text();
    QCOMPARE(rotulos, (QStringList{"E2 = Kee.E1", "E2 = Kef.F1", "F2 = Kfe.E1", "F2 = Kff.F1"}));
    // Each row edits its own gain, and 0 is accepted.
    js.ganho = "0";
    QTest::mouseClick(j4.LinhasGanho()[2].Botao, Qt::LeftButton);
    QVERIFY(js.editados.back().PermiteZero);
    QCOMPARE(dp.GetGain(3), std::string("0"));
    QCOMPARE(j4.LinhasGanho()[2].Ganho->text(), QStringLiteral("0"));
    QCOMPARE(dp.GetGain(1), j4.LinhasGanho()[0].Ganho->text().toStdString());

    // A coupler's window: its rows are the core's panels, the editor offering the symbol's exponent.
    TJanelaPropVisualObject& s4 = js.Selecionar(*sistema, acp);
    QCOMPARE(s4.objectName(), QStringLiteral("PropVOSisComp4"));
    const std::vector<TPainelGanho> paineis = PaineisGanhoSis(acp);
    QCOMPARE(s4.LinhasGanho().size(), paineis.size());
    for (std::size_t i = 0; i < paineis.size(); ++i) {
        QCOMPARE(s4.LinhasGanho()[i].Rotulo->text().toStdString(), paineis[i].Rotulo);
        QCOMPARE(s4.LinhasGanho()[i].Ganho->text().toStdString(), paineis[i].Ganho);
    }
    js.ganho = "5.N";
    QTest::mouseClick(s4.LinhasGanho()[1].Botao, Qt::LeftButton);
    QCOMPARE(js.editados.back().TituloEditor, paineis[1].Rotulo + " (K . Sym^ExpSym)");
    QCOMPARE(acp.GetGain(2), std::string("5.N"));
    // The graph's window let go of the graph when the system's took over.
    QVERIFY(j4.Documento() == nullptr);
}

void TestPropriedades::varControle() {
    auto doc = NovoDocumento(kDocKindGrafo);
    Colocar<TVOComp>(*doc, kImpedancia, {200, 100});
    auto& fonte = Colocar<TVOComp>(*doc, kFonteEsforcoCtrl, {100, 100});
    Janelas js;
    TJanelaPropVisualObject& janela = js.Selecionar(*doc, fonte);
    QCOMPARE(janela.objectName(), QStringLiteral("PropVOGrfCompCtrl"));
    QVERIFY(janela.CBVarCtrl != nullptr);
    QVERIFY(Ativar(&janela));
    const std::vector<std::string> candidatos = doc->Objects().ControlVariables(fonte);
    QVERIFY(!candidatos.empty());
    QCOMPARE(janela.CBVarCtrl->count(), static_cast<int>(candidatos.size()));

    const int ultimo = janela.CBVarCtrl->count() - 1;
    janela.CBVarCtrl->setCurrentIndex(ultimo);
    emit janela.CBVarCtrl->activated(ultimo);
    QCOMPARE(fonte.ControlVariable(), candidatos.back());
    QCOMPARE(janela.CBVarCtrl->currentText().toStdString(), candidatos.back());

    // A name that is no candidate gives way to the variable already stored.
    janela.CBVarCtrl->setEditText(QStringLiteral("E(Nada)"));
    QTest::keyClick(janela.CBVarCtrl->lineEdit(), Qt::Key_Return);
    QCOMPARE(fonte.ControlVariable(), candidatos.back());
    QCOMPARE(janela.CBVarCtrl->currentText().toStdString(), candidatos.back());
}

void TestPropriedades::documento() {
    auto doc = NovoDocumento(kDocKindGrafo);
    Colocar(*doc, kVertice, {40, 40});
    Janelas js;
    js.gestor.Mostrar(*doc);
    auto& janela = static_cast<TJanelaPropVisualForm&>(*js.gestor.Visivel());
    QVERIFY(Ativar(&janela));
    QVERIFY(janela.EdtDesc->isReadOnly());
    QCOMPARE(janela.EdtDesc->text(), QString::fromStdString(doc->Desc()));
    QCOMPARE(janela.EdtAltura->text(), QStringLiteral("300"));
    QCOMPARE(Itens(janela.CBComp), QStringList{"Vertice1"});
    QCOMPARE(janela.CBComp->currentIndex(), -1);

    Digitar(janela.EdtAltura, QStringLiteral("450"));
    Digitar(janela.EdtLargura, QStringLiteral("7a00"));
    QCOMPARE(doc->Height(), 450);
    QCOMPARE(doc->Width(), 700);
    QVERIFY(doc->NeedsSave());
    QVERIFY(js.msgs.textos.empty());
    Digitar(janela.EdtAltura, QString());
    QCOMPARE(js.msgs.textos.size(), std::size_t{1});
    QCOMPARE(doc->Height(), 450);
    QCOMPARE(janela.EdtAltura->text(), QStringLiteral("450"));

    // A typed description selects its object (letter case ignored); another text selects nothing.
    janela.CBComp->setEditText(QStringLiteral("vertice1"));
    QTest::keyClick(janela.CBComp->lineEdit(), Qt::Key_Return);
    QVERIFY(doc->Objects().Selected() != nullptr);
    QCOMPARE(js.gestor.Visivel()->objectName(), QStringLiteral("PropVOVrt"));
}

QTEST_MAIN(TestPropriedades)
#include "TestPropriedades.moc"
