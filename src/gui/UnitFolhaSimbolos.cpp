#include "gui/UnitFolhaSimbolos.h"

#include "gui/UnitPintura.h"
#include "system/UnitVOSisCatalogo.h"
#include "system/UnitVOSisClasses.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVODocKind.h"
#include "visual/UnitVOGrfClasses.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace brelix {

namespace {

// A card per kind: its caption, then its orientations side by side.
constexpr int kColunas = 4;
constexpr int kCelula = 36;                      // one orientation, document pixels
constexpr int kLarguraCartao = 4 * kCelula + 44; // room for four orientations and the caption
constexpr int kAlturaLegenda = 14;
constexpr int kAlturaCartao = kAlturaLegenda + kCelula + 6;
constexpr int kMargem = 8;

struct TCartao {
    const TVOClass* Classe;
    std::string Legenda;
    int Orientacoes;
};

std::vector<TCartao> Cartoes() {
    std::vector<TCartao> cartoes;
    for (const TSisKindRow& row : SisKinds()) {
        if (row.Familia == TSisFamilia::Conexao) continue;
        cartoes.push_back({SisClassOfKind(row.Kind), std::to_string(row.Kind) + " " + row.Hint,
                           std::max(row.Orientations, 1)});
    }
    for (const TDocKindInfo& kind : {GrafoDocKindInfo(), DFSDocKindInfo()}) {
        const std::string prefixo = kind.DocKind == kDocKindGrafo ? "Grafo " : "DFS ";
        for (const TVOClass* cls : kind.Classes)
            if (!cls->InheritsFrom(ClassVOConexao()))
                cartoes.push_back({cls, prefixo + std::to_string(cls->Kind) + " " + cls->DescPrefix(), 1});
    }
    return cartoes;
}

void PintarCartao(QPainter& p, const TCartao& cartao) {
    p.setPen(QColor(90, 90, 90));
    QFont fonte = FonteDocumento();
    fonte.setPixelSize(9);
    p.setFont(fonte);
    const QString legenda = QFontMetrics(fonte).elidedText(QString::fromStdString(cartao.Legenda),
                                                           Qt::ElideRight, kLarguraCartao - 6);
    p.drawText(QRectF(0, 0, kLarguraCartao, kAlturaLegenda), Qt::AlignLeft | Qt::AlignVCenter, legenda);
    for (int rot = 1; rot <= cartao.Orientacoes; ++rot) {
        std::unique_ptr<TVisualObject> o = ObjetoAmostra(*cartao.Classe);
        if (auto* c = dynamic_cast<TVOComp*>(o.get())) c->SetRot(rot);
        const QRect caixa((rot - 1) * kCelula, kAlturaLegenda, 30, 30);
        p.setPen(QColor(225, 225, 225));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(caixa).adjusted(-0.5, -0.5, 0.5, 0.5));
        p.save();
        p.translate(caixa.topLeft());
        PintarObjeto(p, *o);
        p.restore();
    }
}

} // namespace

QImage FolhaSimbolos(double escala) {
    const std::vector<TCartao> cartoes = Cartoes();
    const int linhas = (static_cast<int>(cartoes.size()) + kColunas - 1) / kColunas;
    const QSize tamanho(2 * kMargem + kColunas * kLarguraCartao, 2 * kMargem + linhas * kAlturaCartao);
    QImage imagem(static_cast<int>(tamanho.width() * escala), static_cast<int>(tamanho.height() * escala),
                  QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(escala, escala);
    for (std::size_t i = 0; i < cartoes.size(); ++i) {
        const int coluna = static_cast<int>(i) % kColunas;
        const int linha = static_cast<int>(i) / kColunas;
        p.save();
        p.translate(kMargem + coluna * kLarguraCartao, kMargem + linha * kAlturaCartao);
        PintarCartao(p, cartoes[i]);
        p.restore();
    }
    return imagem;
}

} // namespace brelix
