#pragma once

#include "analysis/UnitComandoDocumento.h"
#include "shell/UnitArquivosRecentes.h"
#include "shell/UnitComandos.h"
#include "shell/UnitEstadoPaginas.h"
#include "shell/UnitFerramentas.h"
#include "shell/UnitJanelaPrincipal.h"
#include "shell/UnitListaDocumentos.h"
#include "shell/UnitOpcoes.h"
#include "shell/UnitResultados.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brelix {

class TProgresso;
class TVOClass;

// The main window without its widgets: the open documents and the active one, the numbers of new
// documents, the tool chosen on the control and component bars, which pages and commands the active
// document allows, the results of the analyses, and every command of the menus and tool bars. The
// window draws what this holds and hands it every click; dialogs and other windows are reached
// through TJanelaPrincipal.
class TAreaTrabalho {
public:
    // The catalogue and the options must outlive the workspace; the window too.
    TAreaTrabalho(const TCatalogo& catalogo, TOpcoes& opcoes, TJanelaPrincipal& janela);
    ~TAreaTrabalho();
    TAreaTrabalho(const TAreaTrabalho&) = delete;
    TAreaTrabalho& operator=(const TAreaTrabalho&) = delete;

    // The main window was first shown: the options are read from the executable's folder (or the
    // user's configuration folder) and no document is active.
    void Iniciar(const std::string& pastaExecutavel);

    // A menu item or tool button. A command the current state disables does nothing.
    void Executar(TComando comando);
    bool Habilitado(TComando comando) const;

    // ---- Arquivo ----
    // A new document of the kind, named after the kind and its count ("Grafo3"), 550 x 300 at left
    // 230, top 130; it becomes active.
    TVisualDocumento& NovoDocumento(std::int32_t docKind);
    // The open dialog; a document file opens as a document of its kind, a transfer-function file into
    // the transfer-function window. The file's folder becomes the default folder. A file that cannot
    // be read is reported and nothing else happens.
    void Abrir();
    // A file by its path, as Abrir opens the file the dialog gives (files named on the command line or
    // dropped on the main window): a document of its kind, or a transfer-function file; its folder
    // becomes the default folder and it heads the recent files. A file that cannot be read is
    // reported and nothing else happens. True when a document or a function was opened.
    bool AbrirArquivo(const std::string& arquivo);
    // The recent file i of the "Arquivo" menu. A file that is no longer there is reported and leaves
    // the list.
    void AbrirRecente(std::size_t i);
    const std::vector<std::string>& Recentes() const { return recentes_.Lista(); }
    // The active document under its name, or through Salvar Como when it was never saved. True when
    // the file was written.
    bool Salvar();
    // The save dialog for the active document, on the filter of its kind, in the default folder.
    bool SalvarComo();
    // Every document in order, each made active for its save; then the active one is restored.
    void SalvarTodos();
    // The transfer-function result to a file, when there is one.
    bool SalvarFT();
    // "Exportar Figura...": the save dialog on the figure formats, in the default folder, offering the
    // document's description; the display writes the file. True when it was written.
    bool ExportarFigura();

    // ---- Editar ----
    // The active document's last edit taken back, or done again; false when there is none.
    bool Desfazer();
    bool Refazer();
    // "Fechar" and closing the main window: the documents, from the first, are made active and asked
    // to close; the first that stays open stops it. True when none is left and the program may end.
    bool FecharPrograma();

    // ---- Tool bars ----
    // A control button: every document takes the mode (1 Selecionar, 2 Conectar, 3 Girar) and no
    // class is chosen.
    void PressionarControle(std::int32_t modo);
    // A component button: the class of the tag in the page's document kind is chosen and every
    // document is in mode Selecionar.
    void EscolherComponente(TPagina pagina, std::int32_t tag);
    // The user brought a page to the front.
    void EscolherPagina(TPagina pagina);

    // ---- Options ----
    // The options window closed with "Confirmar": the settings are saved and system documents take
    // the automatic-vertex setting.
    void AplicarOpcoes(const TEntradaOpcoes& entrada);
    // The progress of long analyses (the transfer function's assembly), or none.
    void SetProgresso(TProgresso* progresso) { progresso_ = progresso; }

    // ---- Services of the document windows ----
    // Appends a document (shown, made active, every document in mode Selecionar).
    TVisualDocumento& AddDocument(std::unique_ptr<TVisualDocumento> documento);
    // The user asked to close a document's window: its save question, then, when it may close,
    // DocumentClosed. True when it closed.
    bool FecharDocumento(TVisualDocumento& documento);
    // The document's window closed: it leaves the list and is destroyed; the first remaining document
    // is shown and made active, or none is active.
    void DocumentClosed(TVisualDocumento& documento);
    // The document (or none) becomes the active one; the previous one's property windows are hidden.
    void SetActiveDocument(TVisualDocumento* documento);
    // "Janelas" item i: shows the document and makes it active.
    void MostrarDocumento(std::size_t i);

    // ---- State ----
    const TListaDocumentos& Documentos() const { return documentos_; }
    TVisualDocumento* Ativo() const { return documentos_.Ativo(); }
    std::vector<std::string> ItensJanelas() const { return documentos_.Captions(); }
    // Documents of the kind created or opened so far.
    std::int32_t Contador(std::int32_t docKind) const;

    // The class the next click in a document of SelectedDocKind places; none after a control button.
    const TVOClass* SelectedClass() const { return selectedClass_; }
    std::int32_t SelectedDocKind() const { return selectedDocKind_; }
    std::int32_t Modo() const { return modo_; }
    // The one button of the control and component bars that is down.
    const std::string& BotaoPressionado() const { return botaoPressionado_; }

    const TEstadoPaginas& Paginas() const { return paginas_; }
    const TResultados& Resultados() const { return resultados_; }
    // The transfer-function window edits symbol values and computes sensitivities here.
    TResultadoFT& ResultadoFT() { return resultados_.FT; }
    const TOpcoes& Opcoes() const { return opcoes_; }

private:
    // How a file the user chose may be written: a read-only one only once the user said so; none
    // when the user would rather keep it.
    std::optional<TOpcoesGravacao> Gravacao(const std::string& arquivo);
    bool SalvarDocumento(TVisualDocumento& documento);
    bool SalvarDocumentoComo(TVisualDocumento& documento);
    void Atualizar();
    void AplicarModo(std::int32_t modo);
    void AutoVrtEmSistemas();

    // "Algoritmos" (UnitAreaTrabalhoAnalise.cpp).
    void Analisar(TComando comando);
    void Converter(TVisualDocumento& documento, const TComandoDocumento& comando);
    void CalcularFT(TVisualDocumento& documento, const TComandoDocumento& comando);
    void MostrarRecusa(const TRecusa& recusa);
    TContextoAnalise Contexto() const;

    const TCatalogo& catalogo_;
    TOpcoes& opcoes_;
    TJanelaPrincipal& janela_;
    TProgresso* progresso_ = nullptr;
    TListaDocumentos documentos_;
    std::map<std::int32_t, std::int32_t> contadores_;
    const TVOClass* selectedClass_ = nullptr;
    std::int32_t selectedDocKind_ = -1;
    std::int32_t modo_ = 1;
    std::string botaoPressionado_;
    TEstadoPaginas paginas_;
    TResultados resultados_;
    TArquivosRecentes recentes_;
};

} // namespace brelix
