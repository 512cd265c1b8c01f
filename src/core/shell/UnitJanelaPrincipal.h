#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "analysis/UnitEscolhaFT.h"
#include "analysis/UnitVisaoVerificacao.h"
#include "shell/UnitOpcoes.h"
#include "shell/UnitResultados.h"
#include "visual/UnitVisualDocumento.h"

#include <optional>
#include <string>

namespace brelix {

// What the workspace needs from the main window: its modal dialogs, the windows it opens and closes,
// and the notice that what it shows has changed. The window implements it and keeps no rule of its
// own; the tests implement it with a fake that answers from a script.

// A file dialog as it opens.
struct TDialogoArquivo {
    std::string Filtro;   // "description|pattern|description|pattern..."
    int IndiceFiltro = 1; // counted from 1
    // Added by the dialog to a name typed without an extension; empty for the open dialog.
    std::string ExtensaoPadrao;
    std::string Pasta;                  // the folder it starts in
    std::string NomeArquivo;            // the name it offers
    bool ConfirmarSubstituicao = false; // asks before replacing a file
    // The default extension follows the filter the user picks (figures: svg, pdf or png).
    bool ExtensaoDoFiltro = false;
};

// The two choice dialogs "Função de Transferência": an input and an output variable, or, for a linear
// graph, also the effort between two vertices.
enum class TEstiloEscolha { DFS, Grafo };

class TJanelaPrincipal {
public:
    virtual ~TJanelaPrincipal() = default;

    // The chosen file's full path; nothing when the dialog is cancelled.
    virtual std::optional<std::string> DialogoAbrir(const TDialogoArquivo& dialogo) = 0;
    virtual std::optional<std::string> DialogoSalvar(const TDialogoArquivo& dialogo) = 0;
    // "Salvar o arquivo %s?" with "Sim", "Não" and "Cancelar".
    virtual TSaveAnswer PerguntarSalvar(const std::string& pergunta) = 0;
    // The file the user chose cannot be written by this user: whether to replace it all the same.
    // A window that cannot ask leaves it as it is.
    virtual bool ConfirmarSomenteLeitura(const std::string& /*pergunta*/) { return false; }
    // The message window: the text and a "Fechar" button; returns when it is closed.
    virtual void ShowMsg(const std::string& texto) = 0;
    // The check window with its content, modally.
    virtual void ShowCheck(const TConteudoVerificacao& conteudo) = 0;
    // The choice dialog with the candidates (the vertex list for the graph dialog only); nothing when
    // it is cancelled. PedidoEscolhaDFS and PedidoEscolhaGrafo turn what the dialog shows into the
    // request.
    virtual std::optional<TPedidoFT> EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& candidatos) = 0;
    // The options window filled with the settings; what it holds when closed with "Confirmar".
    virtual std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes& config) = 0;
    virtual void MostrarSobre() = 0;
    // "Exportar Figura...": the document's drawing written to the file, in the format of its
    // extension; the reason when it could not be written.
    virtual std::optional<std::string> ExportarFigura(TVisualDocumento& documento,
                                                      const std::string& arquivo) = 0;

    // Shows a result window, filled from the workspace's results.
    virtual void MostrarResultado(TJanelaResultado janela) = 0;
    // Shows the document's window and gives it the focus; a document without a window gets one.
    virtual void MostrarJanela(TVisualDocumento& documento) = 0;
    // The document's window must go: the document is destroyed right after this returns.
    virtual void FecharJanela(TVisualDocumento& documento) = 0;
    // Another document became active: hide the property windows of this one and of its objects.
    virtual void OcultarPropriedades(TVisualDocumento& anterior) = 0;
    // Every document closed on "Fechar": the program ends.
    virtual void Encerrar() = 0;

    // Pages, the page in front, enabled items and buttons, the pressed button: read them again.
    virtual void AtualizarEstado() = 0;
    // The documents or their captions changed: rebuild the "Janelas" items.
    virtual void AtualizarJanelas() = 0;
};

// The question before a read-only file is replaced.
std::string MsgSomenteLeitura(const std::string& arquivo);

// The request of the signal-flow dialog from what its two combo boxes show.
TPedidoFT PedidoEscolhaDFS(const std::string& entrada, const std::string& saida);
// The request of the linear-graph dialog: on "N Elementos" the vertices go by their identifiers.
TPedidoFT PedidoEscolhaGrafo(const TEscolhaGrafo& escolha);

} // namespace brelix
