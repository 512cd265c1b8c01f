#include "gui/UnitFormFTGrafo.h"

#include "gui/UnitCaixaEscolha.h"
#include "gui/UnitFormMsg.h"
#include "shell/UnitJanelaPrincipal.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace brelix {

namespace {

QLabel* Rotulo(const char* texto, QWidget* parent) {
    return new QLabel(QString::fromUtf8(texto), parent);
}

} // namespace

TFormFTGrafo::TFormFTGrafo(FMensagem mensagem, QWidget* parent)
    : QDialog(parent, kFlagsDialogo), CBE(new TCaixaEscolha("CBE", this)), PageControl(new QTabWidget(this)),
      TS1(new QWidget(PageControl)), TSN(new QWidget(PageControl)), CBS(new TCaixaEscolha("CBS", TS1)),
      CBP(new TCaixaEscolha("CBP", TSN)), CBN(new TCaixaEscolha("CBN", TSN)),
      BtnCalcular(new QPushButton(QStringLiteral("Calcular"), this)),
      BtnCancelar(new QPushButton(QStringLiteral("Cancelar"), this)), mensagem_(std::move(mensagem)) {
    setObjectName(QStringLiteral("FormFTGrafo"));
    setWindowTitle(QStringLiteral("Função de Transferência"));

    auto* entrada = new QGroupBox(QStringLiteral("Entrada"), this);
    auto* layoutEntrada = new QVBoxLayout(entrada);
    layoutEntrada->addWidget(Rotulo("Variável de Entrada", entrada));
    layoutEntrada->addWidget(CBE);

    TS1->setObjectName(QStringLiteral("TS1"));
    auto* layout1 = new QVBoxLayout(TS1);
    layout1->addWidget(Rotulo("Variável de Saída", TS1));
    layout1->addWidget(CBS);
    layout1->addStretch();
    TSN->setObjectName(QStringLiteral("TSN"));
    auto* layoutN = new QVBoxLayout(TSN);
    layoutN->addWidget(Rotulo("Esforço entre os vértices", TSN));
    auto* vertices = new QHBoxLayout;
    vertices->addWidget(CBP, 1);
    vertices->addWidget(CBN, 1);
    layoutN->addLayout(vertices);
    layoutN->addStretch();
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setDocumentMode(true);
    PageControl->addTab(TS1, QStringLiteral("1 Elemento"));
    PageControl->addTab(TSN, QStringLiteral("N Elementos"));
    connect(PageControl, &QTabWidget::currentChanged, this, &TFormFTGrafo::AbaMudou);

    auto* saida = new QGroupBox(QStringLiteral("Saída"), this);
    auto* layoutSaida = new QVBoxLayout(saida);
    layoutSaida->addWidget(PageControl);

    connect(BtnCalcular, &QPushButton::clicked, this, &TFormFTGrafo::Calcular);
    QHBoxLayout* botoes = LinhaBotoesEscolha(this, BtnCalcular, BtnCancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entrada);
    layout->addWidget(saida);
    layout->addLayout(botoes);
    setMinimumWidth(340);
    AbaMudou();
}

void TFormFTGrafo::Abrir(const TCandidatosFT& candidatos) {
    CBE->SetItens(candidatos.Entradas);
    CBS->SetItens(candidatos.Saidas);
    CBP->SetItens(candidatos.Vertices);
    CBN->SetItens(candidatos.Vertices);
    const TAberturaEscolha abertura = AbrirEscolhaGrafo(candidatos.Entradas);
    CBE->Escolher(abertura.Entrada);
    PageControl->setCurrentWidget(TS1);
    AbaMudou();
    (abertura.Foco == TFocoEscolha::Saida ? CBS : CBE)->setFocus();
}

std::optional<TPedidoFT> TFormFTGrafo::Escolher(const TCandidatosFT& candidatos) {
    Abrir(candidatos);
    CentrarNaTela(this);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Pedido();
}

bool TFormFTGrafo::IsUmElemento() const {
    return PageControl->currentWidget() == TS1;
}

TEscolhaGrafo TFormFTGrafo::Escolha() {
    TEscolhaGrafo escolha;
    escolha.Entrada = CBE->Escolhido();
    escolha.UmElemento = IsUmElemento();
    escolha.Saida = CBS->Escolhido();
    escolha.Positivo = CBP->Escolhido();
    escolha.Negativo = CBN->Escolhido();
    return escolha;
}

TPedidoFT TFormFTGrafo::Pedido() {
    return PedidoEscolhaGrafo(Escolha());
}

void TFormFTGrafo::AbaMudou() {
    const TSaidasHabilitadas habilitadas = SaidasHabilitadas(IsUmElemento());
    CBS->setEnabled(habilitadas.Saida);
    CBP->setEnabled(habilitadas.Positivo);
    CBN->setEnabled(habilitadas.Negativo);
}

void TFormFTGrafo::Calcular() {
    const TEscolhaGrafo escolha = Escolha();
    const std::string erro = ConferirEscolhaGrafo(escolha);
    if (erro.empty()) {
        accept();
        return;
    }
    mensagem_(erro);
    if (escolha.Entrada.empty())
        CBE->setFocus();
    else if (escolha.UmElemento)
        CBS->setFocus();
    else
        (escolha.Positivo.empty() ? CBP : CBN)->setFocus();
}

} // namespace brelix
