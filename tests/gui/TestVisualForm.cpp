// Document windows driven by simulated mouse and key events on their canvas: placing every kind,
// connecting in a graph, wiring terminals in a system with and without automatic vertices, dragging
// on the grid, turning, deleting, undoing and redoing, saving and reading back; the file written equals
// what the same edits through the core's operations write, and a series RLC circuit drawn by mouse
// gives the transfer function of the example file.

#include "ApoioJanelas.h"

#include "common/UnitComArquivo.h"
#include "system/UnitVFSistema.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVOElemento.h"

#include <QDir>

#include <filesystem>

using namespace brelix;
using namespace brelix::testing;

namespace {

const std::string kExemplos = BRELIX_EXEMPLOS;

// The window of the active document, once it is the active window (its activation clears the
// selection, so the mouse comes after it).
TVisualForm& Janela(TPrograma& programa) {
    TVisualForm& janela = programa.JanelaAtiva();
    janela.activateWindow();
    if (!QTest::qWaitForWindowActive(&janela))
        QTest::qFail("the document window never became active", __FILE__, __LINE__);
    return janela;
}

TVisualObject& Ultimo(const TVisualDocumento& doc) {
    return doc.Objects()[doc.Objects().Count() - 1];
}

// Where a terminal (or a vertex's centre) lies in the document.
TPonto Terminal(const TVisualObject& o, std::int32_t porta) {
    const auto& e = dynamic_cast<const TVOElemento&>(o);
    if (!e.FixedPorts()) return o.Centre();
    const TPortInfo info = e.GetPortInfo(porta);
    return {info.X, info.Y};
}

TPonto Local(const TVisualObject& o, TPonto p) {
    return {p.X - o.Left(), p.Y - o.Top()};
}

// The document as the workspace makes a new one of the kind, for the same edits through the core.
std::unique_ptr<TVisualDocumento> Gemeo(std::int32_t docKind, const std::string& nome) {
    std::unique_ptr<TVisualDocumento> doc = CatalogoTeste().Make(docKind);
    doc->NewDocument(nome, doc->Kind().HeaderClass, 300, 550, 130, 230);
    return doc;
}

std::vector<std::string> Linhas(const std::string& arquivo) {
    return ReadTextLines(arquivo);
}

// The function of the example's series RLC circuit, or of one drawn by mouse: numerator / denominator.
std::string Funcao(TPrograma& programa, const std::string& entrada, const std::string& saida) {
    programa.dialogos.pedidos = {PedidoEscolhaDFS(entrada, saida)};
    programa.Executar(TComando::SistemaFT);
    const TResultadoFT& ft = programa.Area().Resultados().FT;
    return ft.Conteudo().FTSNum + " / " + ft.Conteudo().FTSDen;
}

} // namespace

class TestVisualForm : public QObject {
    Q_OBJECT

private slots:
    void colocarCadaTipo_data();
    void colocarCadaTipo();
    void conectarGrafo();
    void ligarSistema_data();
    void ligarSistema();
    void editarSalvarEReabrir();
    void dicasEZoom();
    void perguntaAoFechar();
    void ativacao();
    void rlcPorMouse();
};

void TestVisualForm::colocarCadaTipo_data() {
    QTest::addColumn<int>("pagina");
    for (const TPaginaFerramentas& p : PaginasComponentes())
        QTest::newRow(p.Nome.c_str()) << static_cast<int>(p.Pagina);
}

// Each button of a page places its class where the document is clicked, on the grid above and left of
// the click, and stays chosen for the next click; Selecionar forgets it.
void TestVisualForm::colocarCadaTipo() {
    QFETCH(int, pagina);
    const TPaginaFerramentas& p = Pagina(static_cast<TPagina>(pagina));
    TPrograma programa;
    programa.Area().NovoDocumento(p.DocKind);
    TVisualForm& janela = Janela(programa);
    TVisualDocumento& doc = *janela.Documento();
    int i = 0;
    for (const TBotaoFerramenta& b : p.Botoes) {
        programa.EscolherBotao(b.Nome);
        QVERIFY(programa.principal->AcaoComponente(b.Nome)->isChecked());
        for (int vez = 0; vez < 2; ++vez, ++i) {
            const TPonto clique{43 + 40 * (i % 12), 44 + 45 * (i / 12)};
            Clicar(janela, clique);
            QCOMPARE(doc.Objects().Count(), i + 1);
            const TVisualObject& o = Ultimo(doc);
            QCOMPARE(QString::fromStdString(o.ClassName()),
                     QString::fromStdString(doc.Kind().ClassOfKind(b.Tag)->Name));
            QCOMPARE(o.Position(), PlacementByClick(clique));
        }
    }
    programa.Executar(TComando::Selecionar);
    Clicar(janela, {500, 280});
    QCOMPARE(doc.Objects().Count(), i);
    QCOMPARE(doc.Objects().Selected(), nullptr);
}

// In Conectar mode a vertex and an impedance port make a connection; the right button picks ports in
// any mode; two vertices make none; a system button does nothing in a graph. The file equals the one
// the same presses through the core write.
void TestVisualForm::conectarGrafo() {
    TPrograma programa;
    programa.Executar(TComando::NovoSistema);
    programa.Executar(TComando::NovoGrafo);
    TVisualForm& janela = Janela(programa);
    TVisualDocumento& doc = *janela.Documento();
    programa.EscolherBotao("BtnEleRes"); // a system part: the graph only clears its selection
    Clicar(janela, {300, 200});
    QCOMPARE(doc.Objects().Count(), 0);

    const std::vector<std::pair<std::string, TPonto>> colocar = {{"BtnGrfVrt", {65, 65}},
                                                                 {"BtnGrfImp", {165, 65}},
                                                                 {"BtnGrfVrt", {265, 65}},
                                                                 {"BtnGrfImp", {165, 165}}};
    for (const auto& [botao, clique] : colocar) {
        programa.EscolherBotao(botao);
        Clicar(janela, clique);
    }
    TVisualObject& v1 = doc.Objects()[0];
    TVisualObject& z1 = doc.Objects()[1];
    TVisualObject& v2 = doc.Objects()[2];
    TVisualObject& z2 = doc.Objects()[3];
    const std::vector<std::tuple<TVisualObject*, std::int32_t, Qt::MouseButton>> picks = {
        {&v1, 1, Qt::LeftButton},
        {&v2, 1, Qt::LeftButton}, // two vertices: none, v2 is pending
        {&z1, 2, Qt::LeftButton}, // z1 -> v2
        {&z2, 1, Qt::RightButton},
        {&v1, 1, Qt::RightButton}}; // v1 -> z2, with the right button
    const auto picar = [&](TVisualObject* o, std::int32_t porta, Qt::MouseButton botao) {
        Clicar(janela, Terminal(*o, porta), botao);
    };
    programa.Executar(TComando::Conectar);
    for (int i = 0; i < 3; ++i)
        std::apply(picar, picks[static_cast<std::size_t>(i)]);
    programa.Executar(TComando::Selecionar);
    for (int i = 3; i < 5; ++i)
        std::apply(picar, picks[static_cast<std::size_t>(i)]);
    QCOMPARE(doc.Objects().Count(), 6);

    const std::string arquivo = programa.Caminho("rede.grf");
    programa.seletor.arquivos = {arquivo};
    programa.Executar(TComando::Salvar);

    // The same through the core.
    auto gemeo = Gemeo(kDocKindGrafo, "Grafo1");
    for (const auto& [botao, clique] : colocar)
        gemeo->ClickEmptyArea(gemeo->Kind().ClassOfKind(botao == "BtnGrfVrt" ? 1 : 2), clique);
    gemeo->SetMode(kModeConectar);
    for (std::size_t i = 0; i < picks.size(); ++i) {
        if (i == 3) gemeo->SetMode(kModeSelecionar);
        const auto& [o, porta, botao] = picks[i];
        TVisualObject& g = gemeo->Objects()[doc.Objects().IndexOf(*o)];
        gemeo->PressObject(g, Local(g, Terminal(g, porta)), Terminal(g, porta),
                           botao == Qt::LeftButton ? TMouseButton::Left : TMouseButton::Right);
        gemeo->UpdateLayout(); // as the display does before drawing
    }
    gemeo->SetBounds(doc.Left(), doc.Top(), doc.Width(), doc.Height());
    QCOMPARE(Linhas(arquivo), gemeo->Text(arquivo));
}

void TestVisualForm::ligarSistema_data() {
    QTest::addColumn<bool>("autoVrt");
    QTest::addColumn<int>("objetos");
    QTest::newRow("one wire") << false << 3;
    QTest::newRow("a vertex between two wires") << true << 5;
}

// Two resistors joined terminal to terminal by mouse: one wire, or with automatic vertices a vertex
// midway and a wire to each.
void TestVisualForm::ligarSistema() {
    QFETCH(bool, autoVrt);
    QFETCH(int, objetos);
    TPrograma programa;
    TEntradaOpcoes opcoes;
    opcoes.FontName = "Arial";
    opcoes.FontSizeText = "8";
    opcoes.AutoVrt = autoVrt;
    programa.Area().AplicarOpcoes(opcoes);
    programa.Executar(TComando::NovoSistema);
    TVisualForm& janela = Janela(programa);
    TVisualDocumento& doc = *janela.Documento();
    programa.EscolherBotao("BtnEleRes");
    Clicar(janela, {65, 65});
    Clicar(janela, {165, 65});
    programa.Executar(TComando::Conectar);
    Clicar(janela, Terminal(doc.Objects()[0], 2));
    Clicar(janela, Terminal(doc.Objects()[1], 1));
    QCOMPARE(doc.Objects().Count(), objetos);
    const auto* r1 = dynamic_cast<TVOElemento*>(&doc.Objects()[0]);
    const auto* r2 = dynamic_cast<TVOElemento*>(&doc.Objects()[1]);
    QVERIFY(r1->ConnectionAt(2) != 0 && r2->ConnectionAt(1) != 0 && r1->ConnectionAt(1) == 0);
    if (autoVrt)
        QCOMPARE(QString::fromStdString(doc.Objects()[2].ClassName()), QStringLiteral("TVOEleVertice"));
    QVERIFY(programa.principal->Acao(TComando::Desfazer)->isEnabled());
    programa.principal->Acao(TComando::Desfazer)->trigger(); // the whole wiring is one step
    QCOMPARE(doc.Objects().Count(), 2);
}

// Drag on the grid, turn with Girar, select and delete with the Delete key, take back and redo with
// the shortcuts, save with Ctrl+S: the file is what the same edits through the core write, and it
// reads back unchanged.
void TestVisualForm::editarSalvarEReabrir() {
    TPrograma programa;
    programa.Executar(TComando::NovoSistema);
    TVisualForm& janela = Janela(programa);
    TVisualDocumento& doc = *janela.Documento();
    programa.EscolherBotao("BtnEleRes");
    Clicar(janela, {65, 65});
    programa.EscolherBotao("BtnEleInd");
    Clicar(janela, {165, 65});
    programa.Executar(TComando::Selecionar);
    Arrastar(janela, {75, 75}, {118, 97});
    const TVisualObject& r = doc.Objects()[0];
    // Each step moves by whole grid steps and keeps the remainder for the next: 60 + 20 + 20, 60 + 10 + 10.
    QCOMPARE(r.Position(), (TPonto{100, 80}));
    programa.Executar(TComando::Girar);
    Clicar(janela, {175, 75});
    auto& l = dynamic_cast<TVOComp&>(doc.Objects()[1]);
    QCOMPARE(l.GetRot(), 2);
    programa.Executar(TComando::Selecionar);
    Clicar(janela, {175, 75});
    QCOMPARE(doc.Objects().Selected(), &l);
    QTest::keyClick(&janela.Canvas(), Qt::Key_Delete);
    QCOMPARE(doc.Objects().Count(), 1);
    QTest::keyClick(&janela.Canvas(), Qt::Key_Z, Qt::ControlModifier); // the inductor is back
    QTest::keyClick(&janela.Canvas(), Qt::Key_Z, Qt::ControlModifier); // and turned back
    QCOMPARE(dynamic_cast<TVOComp&>(doc.Objects()[1]).GetRot(), 1);
    QVERIFY(programa.principal->Acao(TComando::Refazer)->isEnabled());
    QTest::keyClick(&janela.Canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(dynamic_cast<TVOComp&>(doc.Objects()[1]).GetRot(), 2);
    QVERIFY(janela.isWindowModified());

    const std::string arquivo = programa.Caminho("motor.sis");
    programa.seletor.arquivos = {arquivo};
    QTest::keyClick(&janela.Canvas(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!janela.isWindowModified());

    auto gemeo = Gemeo(kDocKindSistema, "Sistema1");
    gemeo->ClickEmptyArea(gemeo->Kind().ClassOfKind(6), {65, 65});
    gemeo->ClickEmptyArea(gemeo->Kind().ClassOfKind(7), {165, 65});
    TVisualObject& gr = gemeo->Objects()[0];
    gemeo->PressObject(gr, {15, 15}, {75, 75}, TMouseButton::Left);
    gemeo->DragObject(gr, {96, 86}, gemeo->Height());
    gemeo->DragObject(gr, {118, 97}, gemeo->Height());
    gemeo->ReleaseObject(gr, Local(gr, {118, 97}));
    gemeo->SetMode(kModeGirar);
    dynamic_cast<TVFSistema&>(*gemeo).RotateClicked(gemeo->Objects()[1], TMouseButton::Left);
    gemeo->DeleteObject(gemeo->Objects()[1]);
    gemeo->Undo();
    gemeo->Undo();
    gemeo->Redo();
    gemeo->SetBounds(doc.Left(), doc.Top(), doc.Width(), doc.Height());
    const std::vector<std::string> salvo = Linhas(arquivo);
    QCOMPARE(salvo, gemeo->Text(arquivo));

    janela.close(); // saved: no question
    QVERIFY(programa.Area().Documentos().Empty());
    programa.seletor.arquivos = {arquivo};
    programa.Executar(TComando::Abrir);
    TVisualDocumento& lido = *programa.Area().Ativo();
    QCOMPARE(lido.Text(arquivo), salvo);
    QVERIFY(!lido.NeedsSave());
    QVERIFY(!programa.principal->Acao(TComando::Desfazer)->isEnabled());
    QVERIFY(programa.dialogos.Eventos("pergunta").empty());
}

// In Selecionar the hint names the object under the mouse and its place; a zoomed canvas places and
// hints in document pixels all the same.
void TestVisualForm::dicasEZoom() {
    TPrograma programa;
    programa.Executar(TComando::NovoGrafo);
    TVisualForm& janela = Janela(programa);
    TVisualDocumento& doc = *janela.Documento();
    janela.Canvas().SetZoom(2.0);
    programa.EscolherBotao("BtnGrfImp");
    QTest::mouseClick(&janela.Canvas(), Qt::LeftButton, Qt::NoModifier, QPoint(130, 130));
    QCOMPARE(Ultimo(doc).Position(), (TPonto{60, 60}));
    programa.Executar(TComando::Selecionar);
    const auto passar = [&janela](QPoint q) {
        QMouseEvent m(QEvent::MouseMove, q, janela.Canvas().mapToGlobal(q), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&janela.Canvas(), &m);
        return janela.Canvas().toolTip();
    };
    QCOMPARE(passar(QPoint(150, 150)), QStringLiteral("Impedancia1: (60, 60)"));
    QCOMPARE(passar(QPoint(300, 300)), QString());
    programa.Executar(TComando::Conectar);
    QCOMPARE(passar(QPoint(150, 150)), QString());
    janela.Canvas().SetZoom(1.0);
    QCOMPARE(Ultimo(doc).Position(), (TPonto{60, 60}));
}

// The save question on closing a changed document: "Sim" then a cancelled file dialog keeps the
// window; "Não" closes it without a file.
void TestVisualForm::perguntaAoFechar() {
    TPrograma programa;
    programa.Executar(TComando::NovoDFS);
    TVisualForm& janela = Janela(programa);
    programa.EscolherBotao("BtnDfsVar");
    Clicar(janela, {65, 65});
    programa.dialogos.respostas = {TSaveAnswer::Sim};
    programa.seletor.arquivos = {std::nullopt};
    QVERIFY(!janela.close());
    QVERIFY(janela.isVisible());
    QCOMPARE(programa.dialogos.Eventos("pergunta"),
             (std::vector<std::string>{"pergunta: Salvar o arquivo DFS1?"}));
    QCOMPARE(programa.Area().Documentos().Count(), std::size_t{1});
    programa.dialogos.respostas = {TSaveAnswer::Nao};
    janela.close();
    QVERIFY(programa.Area().Documentos().Empty());
    QVERIFY(QDir(programa.pasta.path()).entryList({"*.dfs"}).isEmpty());
}

// Activating a document's window makes it the active document, clears its selection and brings up its
// property window; the other's property windows hide.
void TestVisualForm::ativacao() {
    TPrograma programa;
    programa.Executar(TComando::NovoGrafo);
    TVisualForm& grafo = Janela(programa);
    programa.EscolherBotao("BtnGrfVrt");
    Clicar(grafo, {65, 65});
    QVERIFY(grafo.Documento()->Objects().Selected() != nullptr);
    programa.Executar(TComando::NovoDFS);
    Janela(programa);
    programa.dialogos.eventos.clear();
    grafo.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&grafo));
    QCOMPARE(programa.Area().Ativo(), grafo.Documento());
    QCOMPARE(grafo.Documento()->Objects().Selected(), nullptr);
    QCOMPARE(programa.dialogos.eventos, (std::vector<std::string>{"ocultar: DFS1", "propriedades: Grafo1"}));
    QCOMPARE(programa.principal->PageControl()->currentWidget()->objectName(), QStringLiteral("TSGrf"));
}

// A series RLC circuit drawn by mouse as in the example (vertices N1, N2, N3 across the top, N0
// below, the source on the left) gives the example's transfer function.
void TestVisualForm::rlcPorMouse() {
    TPrograma programa;
    programa.Executar(TComando::NovoSistema);
    TVisualForm& janela = Janela(programa);
    TVisualDocumento& doc = *janela.Documento();
    const std::vector<std::pair<std::string, TPonto>> pecas = {
        {"BtnEleVrt", {60, 40}},   {"BtnEleVrt", {180, 40}}, {"BtnEleVrt", {300, 40}},
        {"BtnEleVrt", {180, 200}}, {"BtnEleFE", {60, 120}},  {"BtnEleRes", {120, 40}},
        {"BtnEleInd", {240, 40}},  {"BtnEleCap", {300, 120}}};
    for (const auto& [botao, lugar] : pecas) {
        programa.EscolherBotao(botao);
        Clicar(janela, {lugar.X + 5, lugar.Y + 5});
        QCOMPARE(Ultimo(doc).Position(), lugar);
    }
    // Terminal, then vertex: Vs.1-N1, Vs.2-N0, R.1-N1, R.2-N2, L.1-N2, L.2-N3, C.1-N3, C.2-N0.
    const std::vector<std::tuple<int, int, int>> fios = {{4, 1, 0}, {4, 2, 3}, {5, 1, 0}, {5, 2, 1},
                                                         {6, 1, 1}, {6, 2, 2}, {7, 1, 2}, {7, 2, 3}};
    programa.Executar(TComando::Conectar);
    for (const auto& [peca, terminal, vertice] : fios) {
        Clicar(janela, Terminal(doc.Objects()[peca], terminal));
        Clicar(janela, Terminal(doc.Objects()[vertice], 1));
    }
    QCOMPARE(doc.Objects().Count(), 16);
    const std::string desenhado = Funcao(programa, "E(FonteTensao1)", "E(Capacitor1)");

    TPrograma exemplo;
    exemplo.principal->AbrirArquivos({QString::fromStdString(kExemplos + "/serie-rlc.sis")});
    QCOMPARE(desenhado, Funcao(exemplo, "E(Vs)", "E(C1)"));
    QVERIFY(desenhado.find("C1.L1.S^2") != std::string::npos);
    QCOMPARE(programa.dialogos.Eventos("resultado"), (std::vector<std::string>{"resultado: 3"}));
}

QTEST_MAIN(TestVisualForm)
#include "TestVisualForm.moc"
