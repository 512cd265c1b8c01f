// Painting of every kind of object: each system component in each orientation, the system vertices,
// the wires, every graph and signal-flow kind and the arrows of their connections, checked on the
// pixels where position matters.

#include "ApoioGui.h"

#include "gui/UnitFiguraSis.h"
#include "gui/UnitPintura.h"
#include "system/UnitSisTipo.h"
#include "system/UnitVOSisCatalogo.h"
#include "system/UnitVOSisComp.h"
#include "visual/UnitVOGrfClasses.h"
#include "visual/UnitVOGrfCnx.h"

#include <QTest>

#include <cmath>

using namespace brelix;
using namespace brelix::testing;

namespace {

// Objects are placed here in a 90 x 90 image, so that anything drawn outside their box shows.
constexpr TPonto kOnde{30, 30};
const QSize kImagem(90, 90);

// Every non-white pixel of the image lies in the object's 30 x 30 box; the message names the first that
// does not.
QString ForaDaCaixa(const QImage& imagem, TPonto canto) {
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const bool dentro = x >= canto.X && x < canto.X + 30 && y >= canto.Y && y < canto.Y + 30;
            if (!dentro && !Branco(imagem.pixel(x, y)))
                return QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(Hex(imagem.pixel(x, y)));
        }
    return {};
}

int Escuros(const QImage& imagem) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += Escuro(imagem.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class TestPintura : public QObject {
    Q_OBJECT

private slots:
    void componentesSis_data();
    void componentesSis();
    void verticesSis_data();
    void verticesSis();
    void fios_data();
    void fios();
    void elementosGrafoDFS_data();
    void elementosGrafoDFS();
    void setas_data();
    void setas();
    void molduraEArrasto_data();
    void molduraEArrasto();
    void legenda();
};

void TestPintura::componentesSis_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("rot");
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Terminals == 0) continue; // vertices and wires: below
        for (int rot = 1; rot <= row.Orientations; ++rot)
            QTest::addRow("%d %s, rot %d", row.Kind, row.ClassName.c_str(), rot) << row.Kind << rot;
    }
}

// Each component, alone and without its label, stays inside its box, shows a terminal mark of the
// terminal's colour exactly where the terminal table puts it (red while picked), and its picture's
// leads end on those terminals: ink on the terminal and one pixel inwards, paper one pixel outwards.
// A picture drawn in the wrong orientation, or a misplaced terminal, fails here.
void TestPintura::componentesSis() {
    QFETCH(int, kind);
    QFETCH(int, rot);
    auto doc = NovoDocumento(kDocKindSistema);
    auto& c = Colocar<TVOSisComp>(*doc, kind, kOnde);
    c.SetRot(rot);
    QCOMPARE(c.GetRot(), rot);
    c.SetLbl("");

    const QImage imagem = Imagem(c, kImagem);
    const QString fora = ForaDaCaixa(imagem, kOnde);
    QVERIFY2(fora.isEmpty(), qPrintable(fora));
    QVERIFY2(Escuros(imagem) >= 25, "the picture is (nearly) empty");
    for (std::int32_t porta = 1; porta <= c.NumPorts(); ++porta) {
        const TPortInfo t = c.GetPortInfo(porta);
        QCOMPARE(Hex(imagem.pixel(t.X, t.Y)), Hex(CorDocumento(t.Color).rgb()));
    }
    c.TogglePortFlag(c.NumPorts());
    const TPortInfo escolhido = c.GetPortInfo(c.NumPorts());
    QCOMPARE(Hex(Imagem(c, kImagem).pixel(escolhido.X, escolhido.Y)), Hex(qRgb(255, 0, 0)));

    QImage figura(30, 30, QImage::Format_RGB32);
    figura.fill(Qt::white);
    {
        QPainter p(&figura);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(0.5, 0.5);
        DesenharFiguraSis(p, FiguraSis(c.Row(), c.Picture(c.Orientations())));
    }
    for (std::int32_t porta = 1; porta <= c.NumPorts(); ++porta) {
        const TPortInfo t = c.GetPortInfo(porta);
        const int x = t.X - c.Left();
        const int y = t.Y - c.Top();
        const QString onde = QStringLiteral("terminal %1 at (%2, %3)").arg(porta).arg(x).arg(y);
        QVERIFY2(Escuro(figura.pixel(x, y)), qPrintable(onde + ": no lead"));
        QVERIFY2(Escuro(figura.pixel(x - t.DX, y - t.DY)),
                 qPrintable(onde + ": the lead does not arrive from inside"));
        QVERIFY2(Claro(figura.pixel(x + t.DX, y + t.DY)),
                 qPrintable(onde + ": the lead runs past the terminal"));
    }
}

void TestPintura::verticesSis_data() {
    QTest::addColumn<int>("kind");
    for (const std::int32_t kind : {kTipoEleVertice, kTipoMctVertice, kTipoMcrVertice, kTipoHidVertice})
        QTest::addRow("%d %s", kind, SisKind(kind)->ClassName.c_str()) << kind;
}

// A vertex is a disc of radius 3 around its centre in its domain's colour, red while picked for a wire.
void TestPintura::verticesSis() {
    QFETCH(int, kind);
    auto doc = NovoDocumento(kDocKindSistema);
    auto& v = Colocar(*doc, kind, kOnde);
    const TPonto c = v.Centre();
    const QImage imagem = Imagem(v, kImagem);
    QVERIFY2(ForaDaCaixa(imagem, kOnde).isEmpty(), qPrintable(ForaDaCaixa(imagem, kOnde)));
    const QRgb cor = CorDocumento(DomainColour(SisKind(kind)->Domain)).rgb();
    for (const TPonto d : {TPonto{0, 0}, TPonto{2, 0}, TPonto{-2, 0}, TPonto{0, 2}, TPonto{0, -2}})
        QCOMPARE(Hex(imagem.pixel(c.X + d.X, c.Y + d.Y)), Hex(cor));
    QVERIFY(Branco(imagem.pixel(c.X + 5, c.Y)));
    QVERIFY(Branco(imagem.pixel(c.X, c.Y - 5)));
    v.TogglePortFlag(1);
    QCOMPARE(Hex(Imagem(v, kImagem).pixel(c.X, c.Y)), Hex(qRgb(255, 0, 0)));
}

void TestPintura::fios_data() {
    QTest::addColumn<int>("dominio");
    QTest::addColumn<int>("forma");
    QTest::addColumn<bool>("selecionado");
    const char* formas[] = {"in line", "facing apart", "vertex above vertex"};
    for (int dominio = kDominioEletrico; dominio <= kDominioHidraulico; ++dominio)
        for (int forma = 0; forma < 3; ++forma)
            for (const bool selecionado : {false, true})
                QTest::addRow("domain %d, %s%s", dominio, formas[forma], selecionado ? ", selected" : "")
                    << dominio << forma << selecionado;
}

// A wire draws the route the core lays for it, in its domain's colour, red while selected: every
// segment at least 10 pixels long has that colour at its middle.
void TestPintura::fios() {
    QFETCH(int, dominio);
    QFETCH(int, forma);
    QFETCH(bool, selecionado);
    // A two-terminal part of each domain: resistor, damper, rotational damper, pipe.
    const std::int32_t parte[] = {
        0, 0, kTipoEleResistor, kTipoMctAmortecedor, kTipoMcrAmortecedor, kTipoHidTuboResistor};
    const std::int32_t vertice[] = {0, 0, kTipoEleVertice, kTipoMctVertice, kTipoMcrVertice, kTipoHidVertice};
    auto doc = NovoDocumento(kDocKindSistema);
    if (forma == 2) {
        auto& a = Colocar(*doc, vertice[dominio], {60, 40});
        auto& b = Colocar(*doc, vertice[dominio], {60, 140});
        Ligar(*doc, a, 1, b, 1);
    } else {
        auto& a = Colocar(*doc, parte[dominio], {50, 50});
        auto& b = Colocar(*doc, parte[dominio], {150, 50});
        if (forma == 0)
            Ligar(*doc, a, 2, b, 1);
        else
            Ligar(*doc, a, 1, b, 2);
    }
    TVOConexao& fio = UnicaConexao(*doc);
    if (selecionado) fio.Select();
    const QRgb cor = selecionado ? qRgb(255, 0, 0) : CorDocumento(DomainColour(dominio)).rgb();

    const QImage imagem = Imagem(*doc, QSize(240, 200));
    const std::vector<TPonto> rota = fio.Points();
    QVERIFY(rota.size() >= 2);
    int verificados = 0;
    for (std::size_t i = 1; i < rota.size(); ++i) {
        const TPonto a = rota[i - 1];
        const TPonto b = rota[i];
        QVERIFY2(a.X == b.X || a.Y == b.Y, "a segment of the route is not orthogonal");
        if (std::abs(a.X - b.X) + std::abs(a.Y - b.Y) < 10) continue;
        const int x = (a.X + b.X) / 2;
        const int y = (a.Y + b.Y) / 2;
        QCOMPARE(Hex(imagem.pixel(x, y)), Hex(cor));
        ++verificados;
    }
    QVERIFY(verificados >= 1);
}

void TestPintura::elementosGrafoDFS_data() {
    QTest::addColumn<int>("docKind");
    QTest::addColumn<int>("kind");
    for (const TDocKindInfo& info : {GrafoDocKindInfo(), DFSDocKindInfo()})
        for (const TVOClass* cls : info.Classes)
            if (!cls->InheritsFrom(ClassVOConexao()))
                QTest::addRow("%s", cls->Name.c_str()) << info.DocKind << cls->Kind;
}

// Each graph and signal-flow element, without its label, stays inside its box and draws something; a
// component shows a black mark on each free port at the port table's place, red while picked; a vertex
// draws its circle around its centre, red while picked.
void TestPintura::elementosGrafoDFS() {
    QFETCH(int, docKind);
    QFETCH(int, kind);
    auto doc = NovoDocumento(docKind);
    auto& e = Colocar(*doc, kind, kOnde);
    e.SetLbl("");
    const QImage imagem = Imagem(e, kImagem);
    QVERIFY2(ForaDaCaixa(imagem, kOnde).isEmpty(), qPrintable(ForaDaCaixa(imagem, kOnde)));
    QVERIFY2(Escuros(imagem) >= 20, "the element is (nearly) empty");
    if (!e.FixedPorts()) {
        // The circle passes through the pixels 9 to the left of the centre and 8 to its right.
        const TPonto c = e.Centre();
        QVERIFY(Escuro(imagem.pixel(c.X - 9, c.Y)));
        QVERIFY(Escuro(imagem.pixel(c.X + 8, c.Y)));
        QVERIFY(Branco(imagem.pixel(c.X - 12, c.Y)));
        e.TogglePortFlag(1);
        const QRgb vermelho = Imagem(e, kImagem).pixel(c.X - 9, c.Y);
        QVERIFY2(qRed(vermelho) > 200 && qGreen(vermelho) < 100 && qBlue(vermelho) < 100,
                 qPrintable(Hex(vermelho)));
        return;
    }
    const TPortTable& tabela = e.NumPorts() == 2 ? OnePortTable() : TwoPortTable();
    for (std::int32_t porta = 1; porta <= e.NumPorts(); ++porta) {
        const TPortGeom& g = tabela[static_cast<std::size_t>(porta - 1)];
        QCOMPARE(Hex(imagem.pixel(kOnde.X + g.X[0], kOnde.Y + g.Y[0])), Hex(qRgb(0, 0, 0)));
    }
    e.TogglePortFlag(e.NumPorts());
    const TPortGeom& ultimo = tabela.back();
    QCOMPARE(Hex(Imagem(e, kImagem).pixel(kOnde.X + ultimo.X[0], kOnde.Y + ultimo.Y[0])),
             Hex(qRgb(255, 0, 0)));
}

void TestPintura::setas_data() {
    QTest::addColumn<int>("docKind");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("porta");
    QTest::addColumn<bool>("selecionada");
    const struct {
        int dx, dy;
        const char* nome;
    } lados[] = {{1, 0, "right"}, {-1, 0, "left"}, {0, 1, "below"}, {0, -1, "above"}};
    for (const int docKind : {kDocKindGrafo, kDocKindDFS})
        for (const auto& lado : lados)
            for (const int porta : {1, 2})
                for (const bool selecionada : {false, true})
                    QTest::addRow("%s, component %s, port %d%s", docKind == kDocKindGrafo ? "graph" : "DFS",
                                  lado.nome, porta, selecionada ? ", selected" : "")
                        << docKind << lado.dx << lado.dy << porta << selecionada;
}

// A connection's arrow sits at the middle of its line and points into the component at the component's
// port 1 and out of it at port 2: just behind the middle and a pixel to the side lies the arrow (black,
// red while selected), just ahead of it, paper.
void TestPintura::setas() {
    QFETCH(int, docKind);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, porta);
    QFETCH(bool, selecionada);
    auto doc = NovoDocumento(docKind);
    const TPonto ondeVertice{100, 100};
    auto& v = Colocar(*doc, 1, ondeVertice);
    auto& c = Colocar(*doc, 2, {ondeVertice.X + 60 * dx, ondeVertice.Y + 60 * dy});
    Ligar(*doc, v, 1, c, porta);
    if (selecionada) UnicaConexao(*doc).Select();
    doc->UpdateLayout();

    // The way the arrow must point: from the vertex to the component at port 1, back at port 2.
    const int sentido = porta == 1 ? 1 : -1;
    const int ux = dx * sentido;
    const int uy = dy * sentido;
    const TPonto meio{(v.Centre().X + c.Centre().X) / 2, (v.Centre().Y + c.Centre().Y) / 2};
    const QImage imagem = Imagem(*doc, QSize(260, 260));
    const QRgb cor = selecionada ? qRgb(255, 0, 0) : qRgb(0, 0, 0);
    const QRgb atras = imagem.pixel(meio.X - 2 * ux - uy, meio.Y - 2 * uy + ux);
    const QRgb adiante = imagem.pixel(meio.X + 2 * ux - uy, meio.Y + 2 * uy + ux);
    QCOMPARE(Hex(atras), Hex(cor));
    QVERIFY2(Claro(adiante), qPrintable(Hex(adiante)));
    // And the line itself runs on both sides of the arrow.
    QCOMPARE(Hex(imagem.pixel(meio.X + 12 * ux, meio.Y + 12 * uy)), Hex(cor));
    QCOMPARE(Hex(imagem.pixel(meio.X - 12 * ux, meio.Y - 12 * uy)), Hex(cor));
}

void TestPintura::molduraEArrasto_data() {
    QTest::addColumn<int>("docKind");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("margem");
    QTest::newRow("graph vertex") << int(kDocKindGrafo) << 1 << 4;
    QTest::newRow("graph one-port") << int(kDocKindGrafo) << 2 << 3;
    QTest::newRow("graph two-port") << int(kDocKindGrafo) << 9 << 0;
    QTest::newRow("resistor") << int(kDocKindSistema) << int(kTipoEleResistor) << 0;
    QTest::newRow("electrical vertex") << int(kDocKindSistema) << int(kTipoEleVertice) << 4;
}

// Selected: four black 3 x 3 corners on the rectangle inset by the margin. Dragged: only the outline of
// that rectangle, without body, ports or label.
void TestPintura::molduraEArrasto() {
    QFETCH(int, docKind);
    QFETCH(int, kind);
    QFETCH(int, margem);
    auto doc = NovoDocumento(docKind);
    auto& e = Colocar(*doc, kind, kOnde);
    e.SetLbl("Rotulo");
    QCOMPARE(e.Margin(), margem);
    const int a = kOnde.X + margem;          // first pixel of the rectangle
    const int b = kOnde.X + 30 - margem - 1; // last pixel

    e.Select();
    const QImage selecionado = Imagem(e, kImagem);
    for (const int x : {a, a + 2, b - 2, b})
        for (const int y : {a, a + 2, b - 2, b})
            QCOMPARE(Hex(selecionado.pixel(x, y)), Hex(qRgb(0, 0, 0)));
    QVERIFY(Branco(selecionado.pixel(a - 1, a - 1)));

    e.BeginDrag({0, 0});
    QCOMPARE(int(e.State()), int(kStateDragging));
    const QImage arrastado = Imagem(e, kImagem);
    for (int y = 0; y < kImagem.height(); ++y)
        for (int x = 0; x < kImagem.width(); ++x) {
            const bool dentro = x >= a && x <= b && y >= a && y <= b;
            const bool borda = dentro && (x == a || x == b || y == a || y == b);
            const QRgb pixel = arrastado.pixel(x, y);
            if (borda)
                QVERIFY2(Escuro(pixel),
                         qPrintable(QStringLiteral("outline missing at (%1, %2)").arg(x).arg(y)));
            else
                QVERIFY2(Branco(pixel),
                         qPrintable(
                             QStringLiteral("(%1, %2) is %3 while dragging").arg(x).arg(y).arg(Hex(pixel))));
        }
}

// The label is drawn where the core places it (centred on the object's centre, shifted by LblX and
// LblY), in the document's font; an empty label draws nothing.
void TestPintura::legenda() {
    auto doc = NovoDocumento(kDocKindSistema);
    auto& r = Colocar<TVOSisComp>(*doc, kTipoEleResistor, {100, 100});
    r.SetLbl("R1");
    r.SetLblX(40);
    r.SetLblY(-30);
    const std::optional<QRect> area = AreaLegenda(r);
    QVERIFY(area.has_value());
    const QFontMetrics fm(FonteDocumento());
    QCOMPARE(area->size(), QSize(fm.horizontalAdvance(QStringLiteral("R1")), fm.height()));
    QCOMPARE(area->topLeft(), QPoint(115 - area->width() / 2 + 40, 115 - area->height() / 2 - 30));
    const QImage imagem = Imagem(r, QSize(260, 200));
    int dentro = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x) {
            const bool naCaixa = x >= 100 && x < 130 && y >= 100 && y < 130;
            if (naCaixa || Branco(imagem.pixel(x, y))) continue;
            QVERIFY2(area->contains(x, y),
                     qPrintable(QStringLiteral("ink at (%1, %2) outside the label").arg(x).arg(y)));
            ++dentro;
        }
    QVERIFY2(dentro >= 10, "the label's text is missing");
    r.SetLbl("");
    QVERIFY(!AreaLegenda(r).has_value());
}

QTEST_MAIN(TestPintura)
#include "TestPintura.moc"
