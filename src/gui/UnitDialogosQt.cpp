#include "gui/UnitDialogosQt.h"

#include "gui/UnitFormCheckGrf.h"
#include "gui/UnitFormFTDFS.h"
#include "gui/UnitFormFTGrafo.h"
#include "gui/UnitFormMsg.h"
#include "gui/UnitFormOpcoes.h"
#include "gui/UnitFormProgress.h"
#include "gui/UnitFormResultDFS.h"
#include "gui/UnitFormResultFT.h"
#include "gui/UnitFormResultGrf.h"
#include "gui/UnitFormResultSis.h"
#include "gui/UnitFormSaveFile.h"
#include "gui/UnitJanelasPropriedades.h"
#include "gui/UnitPropVOGanho.h"
#include "gui/UnitPropVOSisComp.h"
#include "gui/UnitPropVisualForm.h"
#include "gui/UnitPropVisualObject.h"
#include "shell/UnitAreaTrabalho.h"

#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace brelix {

template <typename T> T* TDialogosQt::Guardar(T* janela) {
    janelas_.emplace_back(janela);
    return janela;
}

TDialogosQt::TDialogosQt(QWidget* principal) : propriedades_(std::make_unique<TJanelasPropriedades>()) {
    const FMensagem mensagem = [this](const std::string& texto) { ShowMsg(texto); };
    formMsg_ = Guardar(new TFormMsg(principal));
    formProgress_ = Guardar(new TFormProgress(principal));
    formCheckGrf_ = Guardar(new TFormCheckGrf(principal));
    formFTDFS_ = Guardar(new TFormFTDFS(mensagem, principal));
    formFTGrafo_ = Guardar(new TFormFTGrafo(mensagem, principal));
    formOpcoes_ = Guardar(new TFormOpcoes(principal));
    formResultDFS_ = Guardar(new TFormResultDFS(principal));
    formResultFT_ = Guardar(new TFormResultFT(mensagem, principal));
    formResultFT_->SetConfirmar(
        [this](const std::string& pergunta) { return ConfirmarSomenteLeitura(pergunta); });
    formResultGrf_ = Guardar(new TFormResultGrf(principal));
    formResultSis_ = Guardar(new TFormResultSis(principal));
    formSaveFile_ = Guardar(new TFormSaveFile(principal));

    TServicosPropriedades servicos;
    servicos.Mensagem = mensagem;
    servicos.EditarGanho = [this](const TPainelGanho& painel) { return propVOGanho_->Editar(painel); };
    servicos.SelecaoMudou = [this](TVisualDocumento& documento) { propriedades_->Mostrar(documento); };
    const auto registrar = [this](TJanelaProp* janela) { propriedades_->Registrar(Guardar(janela)); };
    registrar(new TJanelaPropVisualForm(servicos, principal));
    registrar(CriarPropVOCnx(servicos, principal));
    propVOGanho_ = Guardar(new TJanelaPropVOGanho(mensagem, principal));
    registrar(CriarPropVOGrfComp(TPropWindow::GrfComp, servicos, principal));
    registrar(CriarPropVOGrfComp(TPropWindow::GrfComp4, servicos, principal));
    registrar(CriarPropVOGrfComp(TPropWindow::GrfCompCtrl, servicos, principal));
    registrar(CriarPropVOSisComp(TPropWindow::SisComp, servicos, principal));
    registrar(CriarPropVOSisComp(TPropWindow::SisComp2, servicos, principal));
    registrar(CriarPropVOSisComp(TPropWindow::SisComp4, servicos, principal));
    registrar(CriarPropVOSisComp(TPropWindow::SisCompCtrl, servicos, principal));
    registrar(CriarPropVOVrt(servicos, principal));
}

TDialogosQt::~TDialogosQt() {
    // The property windows stop listening to their document before they go.
    propriedades_.reset();
    for (auto it = janelas_.rbegin(); it != janelas_.rend(); ++it)
        delete it->data();
}

std::vector<QWidget*> TDialogosQt::Janelas() const {
    std::vector<QWidget*> janelas;
    for (const QPointer<QWidget>& janela : janelas_)
        janelas.push_back(janela.data());
    return janelas;
}

void TDialogosQt::ShowMsg(const std::string& texto) {
    // A message ends the analysis that led to it: its progress window goes first.
    formProgress_->Terminar();
    formMsg_->ShowMsg(texto);
}

TSaveAnswer TDialogosQt::PerguntarSalvar(const std::string& pergunta) {
    return formSaveFile_->Perguntar(pergunta);
}

bool TDialogosQt::ConfirmarSomenteLeitura(const std::string& pergunta) {
    formProgress_->Terminar();
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Brelix"), QString::fromStdString(pergunta),
                      QMessageBox::NoButton, formMsg_->parentWidget());
    QPushButton* sim = caixa.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    caixa.setDefaultButton(caixa.addButton(QStringLiteral("Não"), QMessageBox::NoRole));
    caixa.exec();
    return caixa.clickedButton() == sim;
}

void TDialogosQt::ShowCheck(const TConteudoVerificacao& conteudo) {
    formProgress_->Terminar();
    formCheckGrf_->ShowCheck(conteudo);
}

std::optional<TPedidoFT> TDialogosQt::EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& candidatos) {
    formProgress_->Terminar();
    if (estilo == TEstiloEscolha::Grafo) return formFTGrafo_->Escolher(candidatos);
    return formFTDFS_->Escolher(candidatos);
}

std::optional<TEntradaOpcoes> TDialogosQt::EditarOpcoes(const TConfigOpcoes& config) {
    return formOpcoes_->Editar(config);
}

void TDialogosQt::MostrarResultado(TJanelaResultado janela, TAreaTrabalho& area) {
    formProgress_->Terminar();
    const TResultados& resultados = area.Resultados();
    const TConfigOpcoes& config = area.Opcoes().Config();
    switch (janela) {
    case TJanelaResultado::FT:
        formResultFT_->Mostrar(area.ResultadoFT(), config);
        return;
    case TJanelaResultado::Mason:
        formResultDFS_->Mostrar(resultados.Mason.value_or(ConteudoMasonVazio()), config);
        return;
    case TJanelaResultado::GrafoDFS:
        formResultGrf_->Mostrar(resultados.GrafoDFS.value_or(ConteudoGrafoDFSVazio()), config);
        return;
    case TJanelaResultado::SistemaGrafo:
        formResultSis_->Mostrar(resultados.SistemaGrafo.value_or(TResultadoSis{}), config);
        return;
    }
}

void TDialogosQt::MostrarPropriedades(TVisualDocumento& documento) {
    propriedades_->Mostrar(documento);
}

void TDialogosQt::OcultarPropriedades(TVisualDocumento& documento) {
    propriedades_->Ocultar(documento);
}

TProgresso& TDialogosQt::Progresso() {
    return *formProgress_;
}

std::unique_ptr<TDialogos> CriarDialogos(QWidget* principal) {
    return std::make_unique<TDialogosQt>(principal);
}

} // namespace brelix
