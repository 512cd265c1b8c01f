#include "gui/UnitFormMain.h"

#include "gui/UnitDialogos.h"
#include "gui/UnitExportarFigura.h"
#include "gui/UnitFormAbout.h"
#include "gui/UnitIcones.h"
#include "gui/UnitVisualForm.h"
#include "shell/UnitInicializacao.h"
#include "shell/UnitMenuPrincipal.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <cassert>

namespace brelix {

namespace {

constexpr int kLadoIcone = 24;
// Room for the title bar a window manager puts above a document window.
constexpr int kBarraDeTitulo = 32;

QString Texto(const std::string& s) {
    return QString::fromStdString(s);
}

// Drops an action from its menus; deleted once the event that may have triggered it is over.
void Descartar(QMenu* menu, QAction* acao) {
    menu->removeAction(acao);
    acao->deleteLater();
}

} // namespace

TFormMain::TFormMain(const TCatalogo& catalogo, TOpcoes& opcoes, TSeletorArquivos& arquivos,
                     std::string pastaExecutavel, QWidget* parent)
    : QMainWindow(parent), catalogo_(catalogo), arquivos_(arquivos),
      pastaExecutavel_(std::move(pastaExecutavel)), area_(catalogo, opcoes, *this) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QString::fromUtf8(kCaptionPrincipal));
    setAcceptDrops(true);
    CriarMenus();
    CriarBarras();

    // A strip across the top of the screen: the whole width but 10 pixels, and as high as the menu
    // bar, the tool bars and the page control need (at least the classic 100 pixels).
    paginas_->setVisible(true);
    const int altura = std::max(GeometriaPrincipal(0).Height, sizeHint().height());
    paginas_->setVisible(false);
    const QScreen* tela = QGuiApplication::primaryScreen();
    const TGeometriaPrincipal g = GeometriaPrincipal(tela != nullptr ? tela->geometry().width() : 800);
    move(g.Left, g.Top);
    resize(g.Width, altura);
    setFixedHeight(altura);
}

TFormMain::~TFormMain() {
    // The documents go with the workspace after this; their windows must not outlive them.
    for (auto& [documento, janela] : janelas_) {
        janela->Desligar();
        delete janela;
    }
    janelas_.clear();
}

void TFormMain::SetDialogos(TDialogos& dialogos) {
    dialogos_ = &dialogos;
    area_.SetProgresso(&dialogos.Progresso());
}

TDialogos& TFormMain::Dialogos() const {
    assert(dialogos_ != nullptr && "the dialogs are given before the window is used");
    return *dialogos_;
}

QAction* TFormMain::CriarAcao(TComando comando, const QString& texto) {
    if (QAction* existente = Acao(comando)) return existente;
    auto* acao = new QAction(IconeDoComando(comando), texto, this);
    const std::string_view atalho = AtalhoDoComando(comando);
    if (!atalho.empty()) {
        acao->setShortcut(
            QKeySequence(QString::fromUtf8(atalho.data(), static_cast<qsizetype>(atalho.size()))));
        // The shortcuts work from the document windows too.
        acao->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(acao, &QAction::triggered, this, [this, comando] { area_.Executar(comando); });
    acoes_[comando] = acao;
    return acao;
}

void TFormMain::CriarMenus() {
    for (const TMenu* menu : BarraDeMenus()) {
        QMenu* m = menuBar()->addMenu(Texto(menu->Caption));
        m->setObjectName(Texto(menu->Nome));
        if (menu->ListaJanelas) {
            menuJanelas_ = m;
            continue;
        }
        for (const TItemMenu& item : menu->Itens) {
            QAction* acao = CriarAcao(item.Comando, Texto(item.Caption));
            acao->setObjectName(Texto(item.Nome));
            // The recent files and "Fechar" close the file menu, each group apart.
            if (item.Comando == TComando::Fechar) {
                antesDoFechar_ = m->addSeparator();
                menuArquivo_ = m;
            }
            m->addAction(acao);
        }
    }
    menuArquivo_->setToolTipsVisible(true);
}

QToolBar* TFormMain::CriarBarra(const std::vector<TBotaoFerramenta>& botoes, const QString& nome) {
    auto* barra = new QToolBar(nome);
    barra->setObjectName(nome);
    barra->setIconSize(QSize(kLadoIcone, kLadoIcone));
    barra->setMovable(false);
    barra->setFloatable(false);
    for (const TBotaoFerramenta& b : botoes) {
        if (b.SeparadorAntes) barra->addSeparator();
        QAction* acao = CriarAcao(b.Comando, Texto(b.Hint));
        acao->setToolTip(Texto(b.Hint));
        if (BotaoDoModo(b.Tag) == &b) {
            acao->setObjectName(Texto(b.Nome));
            acao->setCheckable(true);
            grupoFerramentas_->addAction(acao);
            botoes_[b.Nome] = acao;
        }
        barra->addAction(acao);
        barra->widgetForAction(acao)->setObjectName(Texto(b.Nome));
    }
    return barra;
}

void TFormMain::CriarBarras() {
    grupoFerramentas_ = new QActionGroup(this);
    grupoFerramentas_->setExclusive(true);
    auto* painel = new QWidget(this);
    auto* linha = new QHBoxLayout(painel);
    linha->setContentsMargins(2, 0, 2, 0);
    linha->setSpacing(4);
    linha->addWidget(CriarBarra(BotoesArquivo(), QStringLiteral("ToolBarFile")), 0, Qt::AlignTop);
    linha->addWidget(CriarBarra(BotoesControle(), QStringLiteral("ToolBarCtrl")), 0, Qt::AlignTop);
    CriarPaginas();
    linha->addWidget(paginas_, 1, Qt::AlignTop);
    setCentralWidget(painel);
}

void TFormMain::CriarPaginas() {
    paginas_ = new QTabWidget;
    paginas_->setObjectName(QStringLiteral("PageControl"));
    paginas_->setDocumentMode(true);
    paginas_->setUsesScrollButtons(true);
    for (const TPaginaFerramentas& p : PaginasComponentes()) {
        const TDocKindInfo* kind = catalogo_.Documentos().Find(p.DocKind);
        assert(kind != nullptr && "every page places classes of a known document kind");
        auto* barra = new QToolBar(Texto(p.Barra));
        barra->setObjectName(Texto(p.Barra));
        barra->setIconSize(QSize(kLadoIcone, kLadoIcone));
        barra->setMovable(false);
        for (const TBotaoFerramenta& b : p.Botoes) {
            const TVOClass* classe = kind->ClassOfKind(b.Tag);
            auto* acao =
                new QAction(classe != nullptr ? IconeDaClasse(*classe) : QIcon(), Texto(b.Hint), this);
            acao->setObjectName(Texto(b.Nome));
            acao->setToolTip(Texto(b.Hint));
            acao->setCheckable(true);
            grupoFerramentas_->addAction(acao);
            const TPagina pagina = p.Pagina;
            const std::int32_t tag = b.Tag;
            connect(acao, &QAction::triggered, this,
                    [this, pagina, tag] { area_.EscolherComponente(pagina, tag); });
            botoes_[b.Nome] = acao;
            barra->addAction(acao);
            barra->widgetForAction(acao)->setObjectName(Texto(b.Nome));
        }
        auto* folha = new QWidget;
        folha->setObjectName(Texto(p.Nome));
        auto* layout = new QHBoxLayout(folha);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(barra);
        layout->addStretch(1);
        paginas_->addTab(folha, Texto(p.Caption));
    }
    connect(paginas_, &QTabWidget::currentChanged, this, &TFormMain::PaginaEscolhida);
}

void TFormMain::PaginaEscolhida(int indice) {
    if (atualizando_ || indice < 0 || indice >= kNumeroPaginas) return;
    area_.EscolherPagina(static_cast<TPagina>(indice));
}

void TFormMain::Iniciar() {
    if (iniciado_) return;
    iniciado_ = true;
    area_.Iniciar(pastaExecutavel_);
    AtualizarJanelas();
    AtualizarEstado();
}

void TFormMain::AbrirArquivos(const QStringList& arquivos) {
    Iniciar();
    for (const QString& arquivo : arquivos)
        area_.AbrirArquivo(arquivo.toStdString());
}

TVisualForm* TFormMain::JanelaDe(const TVisualDocumento& documento) const {
    const auto it = janelas_.find(&documento);
    return it == janelas_.end() ? nullptr : it->second;
}

QAction* TFormMain::Acao(TComando comando) const {
    const auto it = acoes_.find(comando);
    return it == acoes_.end() ? nullptr : it->second;
}

QAction* TFormMain::AcaoComponente(const std::string& nome) const {
    const auto it = botoes_.find(nome);
    return it == botoes_.end() ? nullptr : it->second;
}

void TFormMain::AtualizarEstado() {
    for (const auto& [comando, acao] : acoes_)
        acao->setEnabled(area_.Habilitado(comando));
    for (const auto& [nome, acao] : botoes_)
        acao->setChecked(nome == area_.BotaoPressionado());
    const TEstadoPaginas& estado = area_.Paginas();
    atualizando_ = true;
    for (const TPaginaFerramentas& p : PaginasComponentes())
        paginas_->setTabVisible(static_cast<int>(p.Pagina), estado.Visivel(p.Pagina));
    if (estado.ControleVisivel()) paginas_->setCurrentIndex(static_cast<int>(estado.Atual()));
    paginas_->setVisible(estado.ControleVisivel());
    atualizando_ = false;
    AtualizarRecentes();
}

void TFormMain::AtualizarJanelas() {
    for (QAction* acao : menuJanelas_->actions())
        Descartar(menuJanelas_, acao);
    const std::vector<std::string> itens = area_.ItensJanelas();
    for (std::size_t i = 0; i < itens.size(); ++i) {
        QAction* acao = menuJanelas_->addAction(Texto(itens[i]));
        connect(acao, &QAction::triggered, this, [this, i] { area_.MostrarDocumento(i); });
    }
}

void TFormMain::AtualizarRecentes() {
    if (area_.Recentes() == recentesMostrados_) return;
    recentesMostrados_ = area_.Recentes();
    for (QAction* acao : acoesRecentes_)
        Descartar(menuArquivo_, acao);
    acoesRecentes_.clear();
    for (std::size_t i = 0; i < recentesMostrados_.size(); ++i) {
        const QString caminho = Texto(recentesMostrados_[i]);
        auto* acao =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(caminho).fileName()), this);
        acao->setToolTip(caminho);
        connect(acao, &QAction::triggered, this, [this, i] { area_.AbrirRecente(i); });
        menuArquivo_->insertAction(antesDoFechar_, acao);
        acoesRecentes_.push_back(acao);
    }
    if (!acoesRecentes_.empty()) {
        QAction* separador = new QAction(this);
        separador->setSeparator(true);
        menuArquivo_->insertAction(acoesRecentes_.front(), separador);
        acoesRecentes_.insert(acoesRecentes_.begin(), separador);
    }
}

std::optional<std::string> TFormMain::DialogoAbrir(const TDialogoArquivo& dialogo) {
    return arquivos_.Abrir(this, dialogo);
}

std::optional<std::string> TFormMain::DialogoSalvar(const TDialogoArquivo& dialogo) {
    return arquivos_.Salvar(this, dialogo);
}

TSaveAnswer TFormMain::PerguntarSalvar(const std::string& pergunta) {
    return Dialogos().PerguntarSalvar(pergunta);
}

bool TFormMain::ConfirmarSomenteLeitura(const std::string& pergunta) {
    return Dialogos().ConfirmarSomenteLeitura(pergunta);
}

void TFormMain::ShowMsg(const std::string& texto) {
    Dialogos().ShowMsg(texto);
}

void TFormMain::ShowCheck(const TConteudoVerificacao& conteudo) {
    Dialogos().ShowCheck(conteudo);
}

std::optional<TPedidoFT> TFormMain::EscolherFT(TEstiloEscolha estilo, const TCandidatosFT& candidatos) {
    return Dialogos().EscolherFT(estilo, candidatos);
}

std::optional<TEntradaOpcoes> TFormMain::EditarOpcoes(const TConfigOpcoes& config) {
    return Dialogos().EditarOpcoes(config);
}

void TFormMain::MostrarSobre() {
    TFormAbout sobre(this);
    sobre.exec();
}

std::optional<std::string> TFormMain::ExportarFigura(TVisualDocumento& documento,
                                                     const std::string& arquivo) {
    QString erro;
    if (::brelix::ExportarFigura(documento, Texto(arquivo), &erro)) return std::nullopt;
    return erro.toStdString();
}

void TFormMain::MostrarResultado(TJanelaResultado janela) {
    Dialogos().MostrarResultado(janela, area_);
}

void TFormMain::MostrarJanela(TVisualDocumento& documento) {
    TVisualForm*& janela = janelas_[&documento];
    if (janela == nullptr) {
        janela = new TVisualForm(documento, area_, Dialogos(), TopoDosDocumentos());
        connect(janela, &TVisualForm::EstadoAlterado, this, &TFormMain::AtualizarEstado);
    }
    janela->show();
    janela->raise();
    janela->activateWindow();
}

int TFormMain::TopoDosDocumentos() const {
    // Below the strip, leaving room for a document window's title bar.
    return frameGeometry().bottom() + 1 + kBarraDeTitulo;
}

void TFormMain::FecharJanela(TVisualDocumento& documento) {
    const auto it = janelas_.find(&documento);
    if (it != janelas_.end()) {
        TVisualForm* janela = it->second;
        janelas_.erase(it);
        janela->Desligar();
    }
    Dialogos().OcultarPropriedades(documento);
}

void TFormMain::OcultarPropriedades(TVisualDocumento& anterior) {
    Dialogos().OcultarPropriedades(anterior);
}

void TFormMain::Encerrar() {
    fechando_ = true;
    close();
}

void TFormMain::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    Iniciar();
}

void TFormMain::closeEvent(QCloseEvent* evento) {
    // Each document is asked in turn; the first that stays open keeps the program running.
    if (!fechando_ && !area_.FecharPrograma()) {
        evento->ignore();
        return;
    }
    fechando_ = false;
    evento->accept();
    emit Encerrado();
}

void TFormMain::dragEnterEvent(QDragEnterEvent* evento) {
    const QList<QUrl> urls = evento->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
        evento->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent* evento) {
    QStringList arquivos;
    for (const QUrl& url : evento->mimeData()->urls())
        if (url.isLocalFile()) arquivos << url.toLocalFile();
    if (arquivos.isEmpty()) return;
    evento->acceptProposedAction();
    AbrirArquivos(arquivos);
}

} // namespace brelix
