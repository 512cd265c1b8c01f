// The document canvas (zoom by Ctrl + wheel and Ctrl+0, mouse positions in document pixels, drawing
// at any scale) and "Exportar Figura" (SVG, PDF, PNG), through the real widget and files.

#include "ApoioGui.h"

#include "gui/UnitCanvasDocumento.h"
#include "gui/UnitExportarFigura.h"
#include "system/UnitSisTipo.h"

#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <vector>

using namespace brelix;
using namespace brelix::testing;

namespace {

// What the canvas handed on.
struct TRegistro : TRespostaCanvas {
    std::vector<std::pair<TPonto, TMouseButton>> pressoes, solturas;
    std::vector<std::pair<TPonto, bool>> movimentos;
    std::vector<int> teclas;
    void Pressionar(TPonto ponto, TMouseButton botao) override { pressoes.emplace_back(ponto, botao); }
    void Mover(TPonto ponto, bool esquerdo) override { movimentos.emplace_back(ponto, esquerdo); }
    void Soltar(TPonto ponto, TMouseButton botao) override { solturas.emplace_back(ponto, botao); }
    bool Tecla(int tecla, Qt::KeyboardModifiers) override {
        teclas.push_back(tecla);
        return true;
    }
};

void Roda(QWidget& w, int unidades, Qt::KeyboardModifiers modificadores) {
    const QPointF onde(10, 10);
    QWheelEvent evento(onde, w.mapToGlobal(onde), QPoint(), QPoint(0, unidades), Qt::NoButton, modificadores,
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &evento);
}

// A hydraulic vertex (a green disc) at (100, 100), centred on (115, 115), and a resistor beside it.
std::unique_ptr<TVisualDocumento> DocumentoDeExemplo() {
    auto doc = NovoDocumento(kDocKindSistema);
    Colocar(*doc, kTipoHidVertice, {100, 100});
    Colocar(*doc, kTipoEleResistor, {200, 150});
    return doc;
}

const QRgb kVerde = qRgb(0, 128, 0);

} // namespace

class TestCanvas : public QObject {
    Q_OBJECT

private slots:
    void mapeamento_data();
    void mapeamento();
    void rodaEControleZero();
    void mouseEmPixelsDoDocumento();
    void desenhoComZoomEDensidade();
    void tamanho();
    void exportar_data();
    void exportar();
    void exportarRecusado();
    void figuraSemMarcasDeEdicao();
};

void TestCanvas::mapeamento_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPointF>("posicao");
    QTest::addColumn<QPoint>("documento");
    QTest::newRow("100 %") << 1.0 << QPointF(137.6, 42.2) << QPoint(137, 42);
    QTest::newRow("200 %: half the coordinates") << 2.0 << QPointF(200, 100) << QPoint(100, 50);
    QTest::newRow("200 %, within a document pixel") << 2.0 << QPointF(201.9, 99.9) << QPoint(100, 49);
    QTest::newRow("50 %: twice") << 0.5 << QPointF(50, 25) << QPoint(100, 50);
    QTest::newRow("400 %") << 4.0 << QPointF(403, 7) << QPoint(100, 1);
}

// A widget position maps to the document pixel under it, and that pixel's widget position lies at or
// just before the position, within one zoomed pixel.
void TestCanvas::mapeamento() {
    QFETCH(double, zoom);
    QFETCH(QPointF, posicao);
    QFETCH(QPoint, documento);
    auto doc = DocumentoDeExemplo();
    TCanvasDocumento canvas(*doc);
    canvas.SetZoom(zoom);
    QCOMPARE(canvas.Zoom(), zoom);
    const TPonto p = canvas.PontoDocumento(posicao);
    QCOMPARE(QPoint(p.X, p.Y), documento);
    const QPointF volta = canvas.PosicaoWidget(p);
    QVERIFY(volta.x() <= posicao.x() && posicao.x() < volta.x() + zoom);
    QVERIFY(volta.y() <= posicao.y() && posicao.y() < volta.y() + zoom);
}

// Ctrl + wheel steps through the zoom levels (small steps of a touch pad add up to one notch), Ctrl+0
// returns to 100 %, the wheel alone leaves the zoom to the scroll area; the canvas grows with the zoom
// and the document's stored coordinates never change.
void TestCanvas::rodaEControleZero() {
    auto doc = DocumentoDeExemplo();
    const std::vector<std::string> antes = doc->Objects().GetText();
    TCanvasDocumento canvas(*doc);
    const QSize tamanho100 = canvas.sizeHint();

    Roda(canvas, 120, Qt::NoModifier);
    QCOMPARE(canvas.Zoom(), 1.0);
    Roda(canvas, 60, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), 1.0);
    Roda(canvas, 60, Qt::ControlModifier);
    QVERIFY(canvas.Zoom() > 1.0);
    Roda(canvas, 3 * 120, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), 2.0);
    QCOMPARE(canvas.sizeHint(), tamanho100 * 2);
    QVERIFY(canvas.minimumSize().width() >= tamanho100.width() * 2);
    Roda(canvas, -120 * 20, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), 0.25);

    QTest::keyClick(&canvas, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(canvas.Zoom(), 1.0);
    QCOMPARE(canvas.sizeHint(), tamanho100);
    QCOMPARE(doc->Objects().GetText(), antes);
}

// The mouse reaches the editing in document pixels, whatever the zoom; keys the canvas does not use go
// on too.
void TestCanvas::mouseEmPixelsDoDocumento() {
    auto doc = DocumentoDeExemplo();
    TCanvasDocumento canvas(*doc);
    TRegistro registro;
    canvas.SetResposta(&registro);
    canvas.SetZoom(2.0);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));

    QTest::mousePress(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(231, 99));
    QTest::mouseMove(&canvas, QPoint(300, 120));
    QTest::mouseRelease(&canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 120));
    QTest::mouseClick(&canvas, Qt::RightButton, Qt::NoModifier, QPoint(41, 61));
    QTest::keyClick(&canvas, Qt::Key_Delete);

    QCOMPARE(registro.pressoes.size(), std::size_t{2});
    QCOMPARE(registro.pressoes[0].first, (TPonto{115, 49}));
    QCOMPARE(int(registro.pressoes[0].second), int(TMouseButton::Left));
    QCOMPARE(registro.pressoes[1].first, (TPonto{20, 30}));
    QCOMPARE(int(registro.pressoes[1].second), int(TMouseButton::Right));
    QVERIFY(!registro.movimentos.empty());
    QCOMPARE(registro.movimentos.back().first, (TPonto{150, 60}));
    QCOMPARE(registro.solturas.front().first, (TPonto{150, 60}));
    QCOMPARE(registro.teclas, std::vector<int>{Qt::Key_Delete});
}

// At 200 % the vertex's disc covers the device pixels of twice its coordinates; drawn at 100 % on a
// screen of pixel ratio 2 it covers the same device pixels, from the same vector drawing.
void TestCanvas::desenhoComZoomEDensidade() {
    auto doc = DocumentoDeExemplo();
    TCanvasDocumento canvas(*doc);
    canvas.resize(canvas.sizeHint());
    QImage normal(canvas.size(), QImage::Format_RGB32);
    canvas.render(&normal);
    QCOMPARE(Hex(normal.pixel(115, 115)), Hex(kVerde));

    canvas.SetZoom(2.0);
    canvas.resize(canvas.sizeHint());
    QImage ampliada(canvas.size(), QImage::Format_RGB32);
    canvas.render(&ampliada);
    QCOMPARE(Hex(ampliada.pixel(231, 231)), Hex(kVerde));
    QVERIFY(Branco(ampliada.pixel(115, 115)));

    canvas.SetZoom(1.0);
    QImage densa(canvas.size() * 2, QImage::Format_RGB32);
    densa.setDevicePixelRatio(2.0);
    canvas.render(&densa);
    QCOMPARE(Hex(densa.pixel(231, 231)), Hex(kVerde));
    QCOMPARE(Hex(densa.pixel(236, 231)), Hex(kVerde));
    QVERIFY(Branco(densa.pixel(240, 231)));
}

// The canvas is the document window's size, grown to hold a drawing that reaches beyond it.
void TestCanvas::tamanho() {
    auto doc = NovoDocumento(kDocKindSistema);
    TCanvasDocumento canvas(*doc);
    QCOMPARE(canvas.TamanhoDocumento(), QSize(550, 300));
    Colocar(*doc, kTipoEleResistor, {800, 500});
    canvas.Atualizar();
    QCOMPARE(canvas.TamanhoDocumento(), QSize(840, 540));
    canvas.SetZoom(2.0);
    QCOMPARE(canvas.sizeHint(), QSize(1680, 1080));
}

void TestCanvas::exportar_data() {
    QTest::addColumn<QString>("extensao");
    QTest::newRow("SVG") << "svg";
    QTest::newRow("PDF") << "pdf";
    QTest::newRow("PNG") << "PNG";
}

// Each format is written whole and read back: the SVG drawn again shows the vertex where it is, the
// PDF page has the figure's size, the PNG is the figure at twice the scale with the vertex at twice its
// place.
void TestCanvas::exportar() {
    QFETCH(QString, extensao);
    auto doc = DocumentoDeExemplo();
    const QRect area = AreaFigura(*doc);
    QVERIFY(area.contains(QRect(100, 100, 130, 80)));
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("figura.") + extensao);
    QString erro;
    QVERIFY2(ExportarFigura(*doc, arquivo, &erro), qPrintable(erro));
    QFile lido(arquivo);
    QVERIFY(lido.open(QIODevice::ReadOnly));
    const QByteArray conteudo = lido.readAll();
    QVERIFY(conteudo.size() > 100);
    const QPoint vertice = QPoint(115, 115) - area.topLeft();

    if (extensao == QLatin1String("svg")) {
        QVERIFY(conteudo.contains("<svg") && conteudo.contains("</svg>"));
        QSvgRenderer svg(conteudo);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), area.size()));
        QImage imagem(area.size(), QImage::Format_RGB32);
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        svg.render(&p, QRectF(QPoint(0, 0), area.size()));
        p.end();
        QCOMPARE(Hex(imagem.pixel(vertice)), Hex(kVerde));
    } else if (extensao == QLatin1String("pdf")) {
        QVERIFY(conteudo.startsWith("%PDF-"));
        const QRegularExpressionMatch caixa =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                .match(QString::fromLatin1(conteudo));
        QVERIFY(caixa.hasMatch());
        // A page is a whole number of points: the figure's size, 3/4 point per pixel, rounded.
        QVERIFY(std::abs(caixa.captured(1).toDouble() - area.width() * 0.75) <= 1);
        QVERIFY(std::abs(caixa.captured(2).toDouble() - area.height() * 0.75) <= 1);
    } else {
        const QImage imagem = QImage::fromData(conteudo, "PNG");
        QCOMPARE(imagem.size(), area.size() * 2);
        QCOMPARE(Hex(imagem.pixel(vertice * 2)), Hex(kVerde));
        QCOMPARE(Hex(imagem.pixel(vertice * 2 + QPoint(1, 1))), Hex(kVerde));
        QVERIFY(Branco(imagem.pixel(vertice * 2 + QPoint(12, 0))));
    }
}

// A file that cannot be written is reported, and an existing file with an unknown extension is left
// alone.
void TestCanvas::exportarRecusado() {
    auto doc = DocumentoDeExemplo();
    QTemporaryDir pasta;
    QString erro;
    QVERIFY(!ExportarFigura(*doc, pasta.filePath(QStringLiteral("nao/existe/figura.svg")), &erro));
    QVERIFY(!erro.isEmpty());
    const QString texto = pasta.filePath(QStringLiteral("notas.txt"));
    QFile f(texto);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("mantido");
    f.close();
    erro.clear();
    QVERIFY(!ExportarFigura(*doc, texto, &erro));
    QVERIFY(!erro.isEmpty());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("mantido"));
}

// On screen a picked vertex is red and a selected part has its corners; a figure shows neither.
void TestCanvas::figuraSemMarcasDeEdicao() {
    auto doc = DocumentoDeExemplo();
    auto& vertice = dynamic_cast<TVOElemento&>(doc->Objects()[0]);
    vertice.TogglePortFlag(1);
    doc->Objects()[1].Select();
    const QImage tela = Imagem(*doc, QSize(300, 250));
    QCOMPARE(Hex(tela.pixel(115, 115)), Hex(qRgb(255, 0, 0)));
    QCOMPARE(Hex(tela.pixel(200, 150)), Hex(qRgb(0, 0, 0)));

    const QRect area = AreaFigura(*doc);
    const QImage figura = ImagemFigura(*doc, 1);
    QCOMPARE(Hex(figura.pixel(QPoint(115, 115) - area.topLeft())), Hex(kVerde));
    QVERIFY(Branco(figura.pixel(QPoint(200, 150) - area.topLeft())));
    QCOMPARE(vertice.PortFlag(1), true);
    QCOMPARE(int(doc->Objects()[1].State()), int(kStateBody | kStateSelected));
}

QTEST_MAIN(TestCanvas)
#include "TestCanvas.moc"
