#pragma once

// Shared by the display tests: documents built through the core as the user builds them, and images of
// painted objects with the questions the tests ask of their pixels.

#include "gui/UnitPintura.h"
#include "support/CatalogoTeste.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOElemento.h"
#include "visual/UnitVisualDocumento.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <memory>
#include <stdexcept>

namespace brelix::testing {

inline std::unique_ptr<TVisualDocumento> NovoDocumento(std::int32_t docKind) {
    std::unique_ptr<TVisualDocumento> doc = CatalogoTeste().Make(docKind);
    doc->NewDocument("Teste");
    return doc;
}

// A new object of the kind at `at`, unselected.
template <typename T = TVOElemento> T& Colocar(TVisualDocumento& doc, std::int32_t kind, TPonto at) {
    const TVOClass* cls = doc.Kind().ClassOfKind(kind);
    if (cls == nullptr) throw std::logic_error("no kind " + std::to_string(kind));
    T& o = dynamic_cast<T&>(doc.NewObject(*cls, at));
    doc.DeselectAll();
    return o;
}

// Joins port pa of a to port pb of b with the connect tool: a press on each port, in the object's own
// pixels (anywhere inside a vertex).
inline void Ligar(TVisualDocumento& doc, TVOElemento& a, std::int32_t pa, TVOElemento& b, std::int32_t pb) {
    doc.SetMode(kModeConectar);
    const auto pressionar = [&doc](TVOElemento& e, std::int32_t porta) {
        TPonto local{15, 15};
        if (e.FixedPorts()) local = {e.GetPortInfo(porta).X - e.Left(), e.GetPortInfo(porta).Y - e.Top()};
        doc.PressObject(e, local, {0, 0}, TMouseButton::Left);
    };
    pressionar(a, pa);
    pressionar(b, pb);
    doc.SetMode(kModeSelecionar);
    doc.DeselectAll();
}

// The document's only connection.
inline TVOConexao& UnicaConexao(const TVisualDocumento& doc) {
    TVOConexao* achada = nullptr;
    for (TVisualObject& o : doc.Objects())
        if (auto* c = dynamic_cast<TVOConexao*>(&o)) {
            if (achada != nullptr) throw std::logic_error("more than one connection");
            achada = c;
        }
    if (achada == nullptr) throw std::logic_error("no connection");
    return *achada;
}

// A white image of the given size with the object, or the whole document, painted at scale 1.
inline QImage Imagem(const TVisualObject& o, QSize tamanho) {
    QImage imagem(tamanho, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    PintarObjeto(p, o);
    return imagem;
}

inline QImage Imagem(const TVisualDocumento& doc, QSize tamanho) {
    QImage imagem(tamanho, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    PintarDocumento(p, doc);
    return imagem;
}

inline bool Branco(QRgb c) {
    return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255;
}

// Mostly ink: a pixel that is more than half covered by a black stroke.
inline bool Escuro(QRgb c) {
    return qGray(c) < 128;
}

// Mostly paper: at most a faint trace of a neighbouring stroke.
inline bool Claro(QRgb c) {
    return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) > 180;
}

inline QString Hex(QRgb c) {
    return QStringLiteral("#%1").arg(c & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

} // namespace brelix::testing
