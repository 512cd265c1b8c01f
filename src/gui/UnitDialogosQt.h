#pragma once

#include "gui/UnitDialogos.h"

#include <QPointer>

#include <memory>
#include <vector>

class QWidget;

namespace brelix {

class TFormCheckGrf;
class TFormFTDFS;
class TFormFTGrafo;
class TFormMsg;
class TFormOpcoes;
class TFormProgress;
class TFormResultDFS;
class TFormResultFT;
class TFormResultGrf;
class TFormResultSis;
class TFormSaveFile;
class TJanelaProp;
class TJanelaPropVOGanho;
class TJanelasPropriedades;

// The program's dialogs and single-instance windows as Qt windows, created once in the program's
// order (message window, progress, check window, the two choice dialogs, options, the four result
// windows, the save question, then the property windows and the gain editor) and kept for the whole
// run. They are children of the main window, which destroys whatever is left of them after this.
class TDialogosQt final : public TDialogos {
public:
    explicit TDialogosQt(QWidget* principal);
    ~TDialogosQt() override;
    TDialogosQt(const TDialogosQt&) = delete;
    TDialogosQt& operator=(const TDialogosQt&) = delete;

    void ShowMsg(const std::string& texto) override;
    TSaveAnswer PerguntarSalvar(const std::string& pergunta) override;
    bool ConfirmarSomenteLeitura(const std::string& pergunta) override;
    void ShowCheck(const TConteudoVerificacao& conteudo) override;
    std::optional<TPedidoFT> EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& candidatos) override;
    std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes& config) override;
    void MostrarResultado(TJanelaResultado janela, TAreaTrabalho& area) override;
    void MostrarPropriedades(TVisualDocumento& documento) override;
    void OcultarPropriedades(TVisualDocumento& documento) override;
    TProgresso& Progresso() override;

    // The windows themselves, for whoever needs to reach a widget (the tests, first of all).
    TFormMsg& FormMsg() const { return *formMsg_; }
    TFormProgress& FormProgress() const { return *formProgress_; }
    TFormCheckGrf& FormCheckGrf() const { return *formCheckGrf_; }
    TFormFTDFS& FormFTDFS() const { return *formFTDFS_; }
    TFormFTGrafo& FormFTGrafo() const { return *formFTGrafo_; }
    TFormOpcoes& FormOpcoes() const { return *formOpcoes_; }
    TFormResultDFS& FormResultDFS() const { return *formResultDFS_; }
    TFormResultFT& FormResultFT() const { return *formResultFT_; }
    TFormResultGrf& FormResultGrf() const { return *formResultGrf_; }
    TFormResultSis& FormResultSis() const { return *formResultSis_; }
    TFormSaveFile& FormSaveFile() const { return *formSaveFile_; }
    TJanelaPropVOGanho& PropVOGanho() const { return *propVOGanho_; }
    TJanelasPropriedades& Propriedades() const { return *propriedades_; }
    // Every window in the order it was created.
    std::vector<QWidget*> Janelas() const;

private:
    template <typename T> T* Guardar(T* janela);

    std::vector<QPointer<QWidget>> janelas_;
    std::unique_ptr<TJanelasPropriedades> propriedades_;
    TFormMsg* formMsg_ = nullptr;
    TFormProgress* formProgress_ = nullptr;
    TFormCheckGrf* formCheckGrf_ = nullptr;
    TFormFTDFS* formFTDFS_ = nullptr;
    TFormFTGrafo* formFTGrafo_ = nullptr;
    TFormOpcoes* formOpcoes_ = nullptr;
    TFormResultDFS* formResultDFS_ = nullptr;
    TFormResultFT* formResultFT_ = nullptr;
    TFormResultGrf* formResultGrf_ = nullptr;
    TFormResultSis* formResultSis_ = nullptr;
    TFormSaveFile* formSaveFile_ = nullptr;
    TJanelaPropVOGanho* propVOGanho_ = nullptr;
};

} // namespace brelix
