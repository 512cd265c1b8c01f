#include "gui/UnitFormResultFT.h"

#include "common/UnitComArquivo.h"
#include "gui/UnitDialogoArquivoQt.h"
#include "gui/UnitModeloGrade.h"
#include "gui/UnitModeloSimbolos.h"
#include "gui/UnitVisaoTexto.h"
#include "gui/UnitVistasResultado.h"
#include "shell/UnitDialogoVarnel.h"
#include "shell/UnitJanelaPrincipal.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace brelix {

namespace {

constexpr int kLarguraColuna = 120;
constexpr int kAlturaLinha = 18;

QPlainTextEdit* Memo(const char* nome, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(nome));
    memo->setReadOnly(true);
    return memo;
}

TVisaoTexto* MemoLongo(const char* nome, QWidget* parent) {
    auto* memo = new TVisaoTexto(parent);
    memo->setObjectName(QString::fromLatin1(nome));
    return memo;
}

QPushButton* Botao(const char* nome, const char* texto, QWidget* parent) {
    auto* botao = new QPushButton(QString::fromUtf8(texto), parent);
    botao->setObjectName(QString::fromLatin1(nome));
    return botao;
}

// A grid by power of S: the powers in a fixed first column 40 pixels wide under a header row 10 high,
// the terms in columns 120 wide.
QTableView* GradeFT(const char* nome, QWidget* parent) {
    QTableView* grade = NovaGrade(parent, nome);
    grade->setModel(new TModeloGradeFT(grade));
    grade->verticalHeader()->setVisible(true);
    grade->verticalHeader()->setFixedWidth(40);
    grade->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    grade->horizontalHeader()->setDefaultSectionSize(kLarguraColuna);
    grade->horizontalHeader()->setFixedHeight(10);
    return grade;
}

QWidget* PaginaVertical(QTabWidget* abas, const char* nome, const char* titulo) {
    auto* pagina = new QWidget(abas);
    pagina->setObjectName(QString::fromLatin1(nome));
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(2, 2, 2, 2);
    abas->addTab(pagina, QString::fromUtf8(titulo));
    return pagina;
}

void Adicionar(QWidget* pagina, QWidget* item, int esticar = 0) {
    static_cast<QVBoxLayout*>(pagina->layout())->addWidget(item, esticar);
}

QString Texto(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TFormResultFT::TFormResultFT(FMensagem mensagem, QWidget* parent)
    : TFormResultado("FormResultFT", "Função de Transferência", parent),
      TSVar(PaginaVertical(PageControl, "TSVar", "Variáveis")),
      TSSimbolos(PaginaVertical(PageControl, "TSSimbolos", "Símbolos")),
      TSFTS(PaginaVertical(PageControl, "TSFTS", "FT Simbólica")),
      TSFTSGrid(PaginaVertical(PageControl, "TSFTSGrid", "FT Simbólica")),
      TSSensibilidade(PaginaVertical(PageControl, "TSSensibilidade", "Sensibilidade Paramétrica")),
      TSFTN(PaginaVertical(PageControl, "TSFTN", "FT Numérica")), MemoVarE(Memo("MemoVarE", this)),
      MemoVarS(Memo("MemoVarS", this)), BtnSimbolo(Botao("BtnSimbolo", "Calcular FT Numérica", this)),
      SGSimbolos(NovaGrade(this, "SGSimbolos")), MemoFTSNum(MemoLongo("MemoFTSNum", this)),
      MemoFTSDen(MemoLongo("MemoFTSDen", this)), SGFTSNum(GradeFT("SGFTSNum", this)),
      SGFTSDen(GradeFT("SGFTSDen", this)), CBSimbolos(new QComboBox(this)),
      BtnSensibilidade(Botao("BtnSensibilidade", "Calcular Sensibilidade", this)),
      MemoSensNum(MemoLongo("MemoSensNum", this)), MemoSensDen(MemoLongo("MemoSensDen", this)),
      BtnVarnel(Botao("BtnVarnel", "Salvar Arquivo do Varnel", this)), MemoFTNG(Memo("MemoFTNG", this)),
      MemoFTNNum(Memo("MemoFTNNum", this)), MemoFTNDen(Memo("MemoFTNDen", this)),
      mensagem_(std::move(mensagem)), simbolos_(new TModeloSimbolos(this)) {
    dialogoSalvar_ = [this](const TDialogoArquivo& d) { return DialogoSalvarQt(this, d); };

    // Both symbolic pages bear the same name: their hints tell the written form from the table.
    PageControl->setTabToolTip(PageControl->indexOf(TSFTS), "Numerador e denominador por extenso");
    PageControl->setTabToolTip(PageControl->indexOf(TSFTSGrid), "Coeficientes de cada potência de S");

    // A variable's name is one line.
    for (QPlainTextEdit* memo : {MemoVarE, MemoVarS})
        memo->setMaximumHeight(3 * memo->fontMetrics().height());
    Adicionar(TSVar, Grupo("Variável de Entrada", MemoVarE));
    Adicionar(TSVar, Grupo("Variável de Saída", MemoVarS));
    static_cast<QVBoxLayout*>(TSVar->layout())->addStretch();

    auto* barraSimbolos = new QHBoxLayout;
    barraSimbolos->addWidget(BtnSimbolo);
    barraSimbolos->addStretch();
    static_cast<QVBoxLayout*>(TSSimbolos->layout())->addLayout(barraSimbolos);
    SGSimbolos->setModel(simbolos_);
    SGSimbolos->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    SGSimbolos->horizontalHeader()->setDefaultSectionSize(kLarguraColuna);
    SGSimbolos->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    Adicionar(TSSimbolos, SGSimbolos, 1);

    Adicionar(TSFTS, Grupo("Numerador", MemoFTSNum), 1);
    Adicionar(TSFTS, Grupo("Denominador", MemoFTSDen), 1);
    Adicionar(TSFTSGrid, Grupo("Numerador", SGFTSNum), 1);
    Adicionar(TSFTSGrid, Grupo("Denominador", SGFTSDen), 1);

    CBSimbolos->setObjectName(QStringLiteral("CBSimbolos"));
    CBSimbolos->setEditable(false);
    CBSimbolos->setMinimumContentsLength(12);
    auto* escolha = new QWidget(this);
    auto* layoutEscolha = new QHBoxLayout(escolha);
    layoutEscolha->setContentsMargins(0, 0, 0, 0);
    layoutEscolha->addWidget(CBSimbolos);
    layoutEscolha->addWidget(BtnSensibilidade);
    layoutEscolha->addStretch();
    Adicionar(TSSensibilidade, Grupo("Sensibilidade Paramétrica", escolha));
    Adicionar(TSSensibilidade, Grupo("Numerador", MemoSensNum), 1);
    Adicionar(TSSensibilidade, Grupo("Denominador", MemoSensDen), 1);

    auto* barraVarnel = new QHBoxLayout;
    barraVarnel->addWidget(BtnVarnel);
    barraVarnel->addStretch();
    static_cast<QVBoxLayout*>(TSFTN->layout())->addLayout(barraVarnel);
    MemoFTNG->setMaximumHeight(48);
    Adicionar(TSFTN, Grupo("Ganho", MemoFTNG));
    Adicionar(TSFTN, Grupo("Numerador", MemoFTNNum), 1);
    Adicionar(TSFTN, Grupo("Denominador", MemoFTNDen), 1);

    connect(BtnSimbolo, &QPushButton::clicked, this, &TFormResultFT::CalcularNumerica);
    connect(BtnSensibilidade, &QPushButton::clicked, this, &TFormResultFT::CalcularSensibilidade);
    connect(BtnVarnel, &QPushButton::clicked, this, &TFormResultFT::SalvarVarnel);
    setEnabled(false);
}

void TFormResultFT::Preencher(TResultadoFT& resultado, const TConfigOpcoes& config) {
    resultado_ = &resultado;
    config_ = &config;
    setEnabled(true);
    const TConteudoFT& c = resultado.Conteudo();
    MemoVarE->setPlainText(Texto(c.VarE));
    MemoVarS->setPlainText(Texto(c.VarS));
    MostrarSimbolos();
    CBSimbolos->clear();
    for (const std::string& nome : c.NomesSimbolos)
        CBSimbolos->addItem(Texto(nome));
    CBSimbolos->setCurrentIndex(-1);
    MemoFTSNum->SetTexto(c.FTSNum);
    MemoFTSDen->SetTexto(c.FTSDen);
    static_cast<TModeloGradeFT*>(SGFTSNum->model())->SetGrade(resultado.GradeNum());
    static_cast<TModeloGradeFT*>(SGFTSDen->model())->SetGrade(resultado.GradeDen());
    MemoSensNum->SetTexto(c.SensNum);
    MemoSensDen->SetTexto(c.SensDen);
    MostrarNumerica();
}

void TFormResultFT::Mostrar(TResultadoFT& resultado, const TConfigOpcoes& config) {
    Preencher(resultado, config);
    MemoSensNum->Limpar();
    MemoSensDen->Limpar();
    Exibir(config, TSFTS);
}

void TFormResultFT::MostrarSimbolos() {
    simbolos_->SetLinhas(resultado_->Conteudo().Simbolos);
}

void TFormResultFT::MostrarNumerica() {
    const TConteudoFT& c = resultado_->Conteudo();
    MemoFTNG->setPlainText(Texto(c.FTNG));
    MemoFTNNum->setPlainText(Texto(c.FTNNum));
    MemoFTNDen->setPlainText(Texto(c.FTNDen));
}

void TFormResultFT::CalcularNumerica() {
    if (resultado_ == nullptr) return;
    // A value still being typed counts: moving the current cell commits its editor.
    const QModelIndex atual = SGSimbolos->currentIndex();
    SGSimbolos->setCurrentIndex(QModelIndex());
    SGSimbolos->setCurrentIndex(atual);
    resultado_->LerValoresSimbolos(simbolos_->Valores());
    MostrarSimbolos();
    MostrarNumerica();
    PageControl->setCurrentWidget(TSFTN);
}

void TFormResultFT::CalcularSensibilidade() {
    if (resultado_ == nullptr) return;
    std::string erro;
    if (!resultado_->CalcularSensibilidade(CBSimbolos->currentText().toStdString(), erro)) {
        mensagem_(erro);
        CBSimbolos->setFocus();
        return;
    }
    MemoSensNum->SetTexto(resultado_->Conteudo().SensNum);
    MemoSensDen->SetTexto(resultado_->Conteudo().SensDen);
}

void TFormResultFT::SalvarVarnel() {
    if (resultado_ == nullptr) return;
    std::string erro;
    if (!resultado_->PodeExportarVarnel(erro)) {
        mensagem_(erro);
        return;
    }
    const std::optional<std::string> arquivo = dialogoSalvar_(DialogoVarnel(*resultado_, *config_));
    if (!arquivo) return;
    TOpcoesGravacao gravacao;
    if (ArquivoSomenteLeitura(*arquivo)) {
        if (!confirmar_ || !confirmar_(MsgSomenteLeitura(*arquivo))) return;
        gravacao.SobrescreverSomenteLeitura = true;
    }
    if (!resultado_->ExportVarnel(*arquivo, erro, gravacao)) mensagem_(erro);
}

} // namespace brelix
