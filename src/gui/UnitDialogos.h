#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "shell/UnitJanelaPrincipal.h"
#include "shell/UnitOpcoes.h"
#include "shell/UnitResultados.h"
#include "visual/UnitVisualDocumento.h"

#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace brelix {

class TAreaTrabalho;
class TProgresso;

// The program's modal dialogs and single-instance windows, as the main window and the document windows
// reach them: the message window, the save question, the check window, the two choice dialogs, the
// options window, the result windows, the property windows that follow the selection of the active
// document, and the progress window of long analyses. The main window implements TJanelaPrincipal by
// handing these on; the main window's tests put a fake in their place.
class TDialogos {
public:
    virtual ~TDialogos() = default;

    // "Brelix" with the text and "Fechar"; returns when it is closed.
    virtual void ShowMsg(const std::string& texto) = 0;
    // "Salvar o arquivo %s?" with "Sim", "Não" and "Cancelar".
    virtual TSaveAnswer PerguntarSalvar(const std::string& pergunta) = 0;
    // "O arquivo ... é somente leitura. Substituí-lo mesmo assim?" with "Sim" and "Não"; true for
    // "Sim". A dialog set that cannot ask keeps the file.
    virtual bool ConfirmarSomenteLeitura(const std::string& /*pergunta*/) { return false; }
    // The check window, modally.
    virtual void ShowCheck(const TConteudoVerificacao& conteudo) = 0;
    // The choice dialog of the style with the candidates; nothing when it is cancelled.
    virtual std::optional<TPedidoFT> EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& candidatos) = 0;
    // The options window; what it holds when closed with "Confirmar".
    virtual std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes& config) = 0;

    // Shows a result window filled from the workspace's results; the transfer-function window edits
    // symbol values and computes sensitivities in them.
    virtual void MostrarResultado(TJanelaResultado janela, TAreaTrabalho& area) = 0;

    // The property window of the document's selection, or of the document itself when nothing is
    // selected, at the place of the one shown before. Called when the active document's selection
    // changes or it becomes active.
    virtual void MostrarPropriedades(TVisualDocumento& documento) = 0;
    // The document is no longer active, or closes: its property windows hide and forget it.
    virtual void OcultarPropriedades(TVisualDocumento& documento) = 0;

    // The progress window that long analyses report to and ask whether the user stopped them.
    virtual TProgresso& Progresso() = 0;
};

// The program's dialogs and windows, owned by the caller, with `principal` as their parent.
std::unique_ptr<TDialogos> CriarDialogos(QWidget* principal);

} // namespace brelix
