#include "gui/UnitExportarFigura.h"

#include "gui/UnitPintura.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace brelix {

namespace {

constexpr int kMargem = 10;          // white around the drawing, document pixels
constexpr double kPontosPorDpi = 96; // a document pixel is a pixel of a 96-dot-per-inch screen
constexpr int kResolucaoPdf = 600;   // dots per inch inside the PDF
constexpr double kEscalaPng = 2;     // PNG figures at twice the screen's scale, sharp in print

void PintarFigura(QPainter& p, const TVisualDocumento& doc, const QRect& area, double escala) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(escala, escala);
    p.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
    p.translate(-area.topLeft());
    PintarDocumento(p, doc, TEstiloPintura::Figura);
}

bool Falha(QString* erro, const QString& motivo) {
    if (erro != nullptr) *erro = motivo;
    return false;
}

bool Concluir(QSaveFile& arquivo, QString* erro) {
    if (arquivo.commit()) return true;
    return Falha(erro, arquivo.errorString());
}

} // namespace

QRect AreaFigura(const TVisualDocumento& doc) {
    QRect area = AreaDesenho(doc);
    if (area.isEmpty()) area = QRect(0, 0, 1, 1);
    return area.adjusted(-kMargem, -kMargem, kMargem, kMargem);
}

QImage ImagemFigura(TVisualDocumento& doc, double escala) {
    doc.UpdateLayout();
    const QRect area = AreaFigura(doc);
    QImage imagem(static_cast<int>(std::ceil(area.width() * escala)),
                  static_cast<int>(std::ceil(area.height() * escala)), QImage::Format_RGB32);
    imagem.fill(Qt::white);
    const int pontosPorMetro = static_cast<int>(std::lround(kPontosPorDpi * escala / 0.0254));
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
    QPainter p(&imagem);
    PintarFigura(p, doc, area, escala);
    return imagem;
}

bool ExportarSVG(TVisualDocumento& doc, const QString& arquivo, QString* erro) {
    doc.UpdateLayout();
    const QRect area = AreaFigura(doc);
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly)) return Falha(erro, saida.errorString());
    QSvgGenerator svg;
    svg.setOutputDevice(&saida);
    svg.setSize(area.size());
    svg.setViewBox(QRect(QPoint(0, 0), area.size()));
    svg.setResolution(static_cast<int>(kPontosPorDpi));
    svg.setTitle(QString::fromStdString(doc.Desc()));
    svg.setDescription(QStringLiteral("Brelix"));
    QPainter p;
    if (!p.begin(&svg)) return Falha(erro, saida.errorString());
    PintarFigura(p, doc, area, 1);
    p.end();
    return Concluir(saida, erro);
}

bool ExportarPDF(TVisualDocumento& doc, const QString& arquivo, QString* erro) {
    doc.UpdateLayout();
    const QRect area = AreaFigura(doc);
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly)) return Falha(erro, saida.errorString());
    {
        // One page the size of the figure, in points (72 per inch).
        QPdfWriter pdf(&saida);
        const double pontos = 72.0 / kPontosPorDpi;
        pdf.setPageSize(QPageSize(QSizeF(area.width() * pontos, area.height() * pontos), QPageSize::Point,
                                  QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(kResolucaoPdf);
        pdf.setTitle(QString::fromStdString(doc.Desc()));
        pdf.setCreator(QStringLiteral("Brelix"));
        QPainter p;
        if (!p.begin(&pdf)) return Falha(erro, saida.errorString());
        PintarFigura(p, doc, area, kResolucaoPdf / kPontosPorDpi);
        p.end();
    }
    return Concluir(saida, erro);
}

bool ExportarPNG(TVisualDocumento& doc, const QString& arquivo, double escala, QString* erro) {
    const QImage imagem = ImagemFigura(doc, escala);
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly)) return Falha(erro, saida.errorString());
    if (!imagem.save(&saida, "PNG")) {
        saida.cancelWriting();
        return Falha(erro, saida.errorString());
    }
    return Concluir(saida, erro);
}

bool ExportarFigura(TVisualDocumento& doc, const QString& arquivo, QString* erro) {
    const QString extensao = QFileInfo(arquivo).suffix().toLower();
    if (extensao == QLatin1String("svg")) return ExportarSVG(doc, arquivo, erro);
    if (extensao == QLatin1String("pdf")) return ExportarPDF(doc, arquivo, erro);
    if (extensao == QLatin1String("png")) return ExportarPNG(doc, arquivo, kEscalaPng, erro);
    return Falha(erro, QStringLiteral("Formato de figura desconhecido: %1").arg(arquivo));
}

QString FiltroFiguras() {
    return QStringLiteral("Figura SVG (*.svg);;Figura PDF (*.pdf);;Figura PNG (*.png)");
}

} // namespace brelix
