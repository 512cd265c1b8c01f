// Icons drawn by the program: one per object class of every document kind, the object's own picture,
// and one per file and tool command; all visible, told apart, and drawn at any pixel ratio.

#include "ApoioGui.h"

#include "gui/UnitIcones.h"
#include "gui/UnitPintura.h"
#include "visual/UnitVODocKind.h"

#include <QIcon>
#include <QPixmap>
#include <QTest>

#include <vector>

using namespace brelix;
using namespace brelix::testing;

namespace {

QImage ImagemIcone(const QIcon& icone, int lado) {
    return icone.pixmap(QSize(lado, lado), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

int Opacos(const QImage& imagem) {
    int n = 0;
    for (int y = 0; y < imagem.height(); ++y)
        for (int x = 0; x < imagem.width(); ++x)
            n += qAlpha(imagem.pixel(x, y)) >= 64 ? 1 : 0;
    return n;
}

// The first pair of images in the list that are equal; empty when all differ.
QString Iguais(const std::vector<std::pair<QString, QImage>>& imagens) {
    for (std::size_t i = 0; i < imagens.size(); ++i)
        for (std::size_t j = i + 1; j < imagens.size(); ++j)
            if (imagens[i].second == imagens[j].second) return imagens[i].first + " = " + imagens[j].first;
    return {};
}

} // namespace

class TestIcones : public QObject {
    Q_OBJECT

private slots:
    void classes_data();
    void classes();
    void classesDistintas();
    void comandos();
};

void TestIcones::classes_data() {
    QTest::addColumn<int>("docKind");
    QTest::addColumn<int>("kind");
    for (const TDocKindInfo* info : CatalogoTeste().Kinds())
        for (const TVOClass* cls : info->Classes)
            QTest::addRow("%s", cls->Name.c_str()) << info->DocKind << cls->Kind;
}

// A tool button's icon is the object's own painting: at the size of the object's box it is exactly
// the new object painted there; at any size it shows something.
void TestIcones::classes() {
    QFETCH(int, docKind);
    QFETCH(int, kind);
    const TVOClass& cls = *CatalogoTeste().Find(docKind)->ClassOfKind(kind);
    const QIcon icone = IconeDaClasse(cls);
    QVERIFY(!icone.isNull());
    for (const int lado : {16, 24, 48})
        QVERIFY2(Opacos(ImagemIcone(icone, lado)) >= lado / 2,
                 qPrintable(QStringLiteral("empty at %1 pixels").arg(lado)));
    if (cls.InheritsFrom(ClassVOConexao())) return;

    // The icon shows the box from (2, 2), 27 pixels wide: at 27 pixels, one pixel per document pixel.
    QImage desenho(27, 27, QImage::Format_ARGB32_Premultiplied);
    desenho.fill(Qt::transparent);
    {
        QPainter p(&desenho);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(-2, -2);
        PintarObjeto(p, *ObjetoAmostra(cls));
    }
    QCOMPARE(ImagemIcone(icone, 27), desenho.convertToFormat(QImage::Format_ARGB32));
}

// Within one document kind no two classes share an icon (the two reservoirs differ in their outlets,
// the vertices of the domains in their colour).
void TestIcones::classesDistintas() {
    for (const TDocKindInfo* info : CatalogoTeste().Kinds()) {
        std::vector<std::pair<QString, QImage>> imagens;
        for (const TVOClass* cls : info->Classes)
            imagens.emplace_back(QString::fromStdString(cls->Name), ImagemIcone(IconeDaClasse(*cls), 32));
        const QString iguais = Iguais(imagens);
        QVERIFY2(iguais.isEmpty(), qPrintable(iguais));
    }
}

// Every command has a visible icon of its own, drawn at the device's pixel ratio rather than enlarged.
void TestIcones::comandos() {
    std::vector<std::pair<QString, QImage>> imagens;
    for (const TComando comando : ComandosComIcone()) {
        const int i = static_cast<int>(comando);
        const QIcon icone = IconeDoComando(comando);
        for (const int lado : {16, 24, 48})
            QVERIFY2(Opacos(ImagemIcone(icone, lado)) >= lado * lado / 10,
                     qPrintable(QStringLiteral("command %1 nearly empty at %2 pixels").arg(i).arg(lado)));
        imagens.emplace_back(QString::number(i), ImagemIcone(icone, 24));
        const QPixmap denso = icone.pixmap(QSize(24, 24), 2.0);
        QCOMPARE(denso.size(), QSize(48, 48));
        QCOMPARE(denso.devicePixelRatio(), 2.0);
        QImage densa = denso.toImage().convertToFormat(QImage::Format_ARGB32);
        densa.setDevicePixelRatio(1.0);
        QCOMPARE(densa, ImagemIcone(icone, 48));
    }
    const QString iguais = Iguais(imagens);
    QVERIFY2(iguais.isEmpty(), qPrintable(iguais));
}

QTEST_MAIN(TestIcones)
#include "TestIcones.moc"
