#include "gui/UnitFormFTDFS.h"

#include "gui/UnitCaixaEscolha.h"
#include "gui/UnitFormMsg.h"
#include "shell/UnitJanelaPrincipal.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace brelix {

namespace {

QGroupBox* GrupoCaixa(const char* titulo, QWidget* caixa, QWidget* parent) {
    auto* grupo = new QGroupBox(QString::fromUtf8(titulo), parent);
    auto* layout = new QVBoxLayout(grupo);
    layout->addWidget(caixa);
    return grupo;
}

} // namespace

TFormFTDFS::TFormFTDFS(FMensagem mensagem, QWidget* parent)
    : QDialog(parent, kFlagsDialogo), CBE(new TCaixaEscolha("CBE", this)),
      CBS(new TCaixaEscolha("CBS", this)), BtnCalcular(new QPushButton(QStringLiteral("Calcular"), this)),
      BtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)), mensagem_(std::move(mensagem)) {
    setObjectName(QStringLiteral("FormFTDFS"));
    setWindowTitle(QStringLiteral("Função de Transferência"));
    connect(BtnCalcular, &QPushButton::clicked, this, &TFormFTDFS::Calcular);
    QHBoxLayout* botoes = LinhaBotoesEscolha(this, BtnCalcular, BtnCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GrupoCaixa("Variável de Entrada", CBE, this));
    layout->addWidget(GrupoCaixa("Variável de Saída", CBS, this));
    layout->addLayout(botoes);
    setMinimumWidth(300);
}

void TFormFTDFS::Abrir(const TCandidatosFT& candidatos) {
    CBE->SetItens(candidatos.Entradas);
    CBS->SetItens(candidatos.Saidas);
    const TAberturaEscolha abertura = AbrirEscolhaDFS(candidatos.Entradas);
    CBE->Escolher(abertura.Entrada);
    (abertura.Foco == TFocoEscolha::Saida ? CBS : CBE)->setFocus();
}

std::optional<TPedidoFT> TFormFTDFS::Escolher(const TCandidatosFT& candidatos) {
    Abrir(candidatos);
    CentrarNaTela(this);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Pedido();
}

TPedidoFT TFormFTDFS::Pedido() {
    return PedidoEscolhaDFS(CBE->Escolhido(), CBS->Escolhido());
}

void TFormFTDFS::Calcular() {
    const std::string entrada = CBE->Escolhido();
    const std::string erro = ConferirEscolhaDFS(entrada, CBS->Escolhido());
    if (erro.empty()) {
        accept();
        return;
    }
    mensagem_(erro);
    (entrada.empty() ? CBE : CBS)->setFocus();
}

} // namespace brelix
