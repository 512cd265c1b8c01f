#pragma once

#include "gui/UnitDialogoArquivo.h"
#include "shell/UnitAreaTrabalho.h"
#include "shell/UnitFerramentas.h"
#include "shell/UnitJanelaPrincipal.h"

#include <QMainWindow>

#include <map>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QTabWidget;
class QToolBar;

namespace brelix {

class TDialogos;
class TVisualForm;

// The main window, "Brelix - Modelagem Simbólica de Sistemas Físicos": a strip across the top of the
// screen with the menu bar, the file and control tool bars and the page control of component bars,
// all built from the core's lists. It owns the workspace (TAreaTrabalho) and shows what it holds: the
// enabled commands, the pressed button, the pages, the "Janelas" and recent-file items; every click
// goes to the workspace. It opens and closes the document windows, hands dialogs on to TDialogos and
// file dialogs to TSeletorArquivos, and opens files named on the command line or dropped on it.
class TFormMain : public QMainWindow, public TJanelaPrincipal {
    Q_OBJECT

public:
    // The catalogue, the options and the file dialogs must outlive the window. The options file is
    // looked for in `pastaExecutavel` when the window is first shown.
    TFormMain(const TCatalogo& catalogo, TOpcoes& opcoes, TSeletorArquivos& arquivos,
              std::string pastaExecutavel, QWidget* parent = nullptr);
    ~TFormMain() override;
    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    // The dialogs are made with this window as their parent, so they come after it; they must be
    // given before the window is shown and outlive it.
    void SetDialogos(TDialogos& dialogos);

    // Reads the options and shows the empty workspace; done when the window is first shown, or
    // earlier by a caller that opens files before showing it.
    void Iniciar();
    // Files named on the command line or dropped on the window, each as "Abrir..." opens it.
    void AbrirArquivos(const QStringList& arquivos);

    TAreaTrabalho& Area() { return area_; }
    // The window of a document; none when it has none.
    TVisualForm* JanelaDe(const TVisualDocumento& documento) const;
    // The action of a command (menu item and tool button share it); of a component button by its
    // name ("BtnEleRes").
    QAction* Acao(TComando comando) const;
    QAction* AcaoComponente(const std::string& nome) const;
    QTabWidget* PageControl() const { return paginas_; }
    QMenu* MenuJanelas() const { return menuJanelas_; }
    QMenu* MenuArquivo() const { return menuArquivo_; }
    const std::vector<QAction*>& AcoesRecentes() const { return acoesRecentes_; }

    // TJanelaPrincipal
    std::optional<std::string> DialogoAbrir(const TDialogoArquivo& dialogo) override;
    std::optional<std::string> DialogoSalvar(const TDialogoArquivo& dialogo) override;
    TSaveAnswer PerguntarSalvar(const std::string& pergunta) override;
    bool ConfirmarSomenteLeitura(const std::string& pergunta) override;
    void ShowMsg(const std::string& texto) override;
    void ShowCheck(const TConteudoVerificacao& conteudo) override;
    std::optional<TPedidoFT> EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& candidatos) override;
    std::optional<TEntradaOpcoes> EditarOpcoes(const TConfigOpcoes& config) override;
    void MostrarSobre() override;
    std::optional<std::string> ExportarFigura(TVisualDocumento& documento,
                                              const std::string& arquivo) override;
    void MostrarResultado(TJanelaResultado janela) override;
    void MostrarJanela(TVisualDocumento& documento) override;
    void FecharJanela(TVisualDocumento& documento) override;
    void OcultarPropriedades(TVisualDocumento& anterior) override;
    void Encerrar() override;
    void AtualizarEstado() override;
    void AtualizarJanelas() override;

signals:
    // Every document closed and the window closed: the program may end.
    void Encerrado();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    void CriarMenus();
    void CriarBarras();
    QToolBar* CriarBarra(const std::vector<TBotaoFerramenta>& botoes, const QString& nome);
    QAction* CriarAcao(TComando comando, const QString& texto);
    void CriarPaginas();
    void AtualizarRecentes();
    void PaginaEscolhida(int indice);
    TDialogos& Dialogos() const;
    int TopoDosDocumentos() const;

    const TCatalogo& catalogo_;
    TSeletorArquivos& arquivos_;
    std::string pastaExecutavel_;
    TDialogos* dialogos_ = nullptr;
    TAreaTrabalho area_;
    bool iniciado_ = false;
    bool fechando_ = false;    // closing was granted: the close event goes through
    bool atualizando_ = false; // the pages are being set from the workspace

    std::map<TComando, QAction*> acoes_;
    std::map<std::string, QAction*> botoes_; // every checkable button by name
    QActionGroup* grupoFerramentas_ = nullptr;
    QTabWidget* paginas_ = nullptr;
    QMenu* menuArquivo_ = nullptr;
    QMenu* menuJanelas_ = nullptr;
    QAction* antesDoFechar_ = nullptr; // the recent files go before "Fechar"
    std::vector<QAction*> acoesRecentes_;
    std::vector<std::string> recentesMostrados_;
    std::map<const TVisualDocumento*, TVisualForm*> janelas_;
};

} // namespace brelix
