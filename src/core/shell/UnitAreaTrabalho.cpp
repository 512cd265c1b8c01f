#include "shell/UnitAreaTrabalho.h"

#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"
#include "shell/UnitMenuPrincipal.h"
#include "system/UnitVFSistema.h"
#include "visual/UnitVOGeometria.h"

#include <cassert>
#include <filesystem>

namespace brelix {

namespace {

// Where a new document window opens, and its size.
constexpr std::int32_t kNovoLeft = 230;
constexpr std::int32_t kNovoTop = 130;
constexpr std::int32_t kNovoWidth = 550;
constexpr std::int32_t kNovoHeight = 300;

// The extension of a file name without its period.
std::string Extensao(const std::string& arquivo) {
    std::string e = std::filesystem::path(arquivo).extension().string();
    if (!e.empty()) e.erase(0, 1);
    return e;
}

} // namespace

TAreaTrabalho::TAreaTrabalho(const TCatalogo& catalogo, TOpcoes& opcoes, TJanelaPrincipal& janela)
    : catalogo_(catalogo), opcoes_(opcoes), janela_(janela),
      botaoPressionado_(BotaoDoModo(kModeSelecionar)->Nome) {}

// Documents are destroyed before the catalogue their kinds live in; nothing else to do.
TAreaTrabalho::~TAreaTrabalho() = default;

void TAreaTrabalho::Iniciar(const std::string& pastaExecutavel) {
    opcoes_.LoadOptions(pastaExecutavel);
    recentes_.Ler(opcoes_);
    AutoVrtEmSistemas();
    SetActiveDocument(nullptr);
}

bool TAreaTrabalho::Habilitado(TComando comando) const {
    if (const std::optional<TJanelaResultado> janela = JanelaDoResultado(comando))
        return resultados_.Tem(*janela);
    const TVisualDocumento* ativo = Ativo();
    switch (comando) {
    case TComando::Desfazer:
        return ativo != nullptr && ativo->CanUndo();
    case TComando::Refazer:
        return ativo != nullptr && ativo->CanRedo();
    case TComando::ExportarFigura:
        return ativo != nullptr;
    default:
        return paginas_.Habilitado(comando);
    }
}

void TAreaTrabalho::Executar(TComando comando) {
    if (!Habilitado(comando)) return;
    switch (comando) {
    case TComando::Nenhum:
        return;
    case TComando::NovoSistema:
        NovoDocumento(kDocKindSistema);
        return;
    case TComando::NovoGrafo:
        NovoDocumento(kDocKindGrafo);
        return;
    case TComando::NovoDFS:
        NovoDocumento(kDocKindDFS);
        return;
    case TComando::Abrir:
        Abrir();
        return;
    case TComando::Salvar:
        Salvar();
        return;
    case TComando::SalvarComo:
        SalvarComo();
        return;
    case TComando::SalvarTodos:
        SalvarTodos();
        return;
    case TComando::SalvarFT:
        SalvarFT();
        return;
    case TComando::Fechar:
        if (FecharPrograma()) janela_.Encerrar();
        return;
    case TComando::SistemaGrafo:
    case TComando::SistemaFT:
    case TComando::GrafoDFS:
    case TComando::GrafoFT:
    case TComando::DFSFT:
        Analisar(comando);
        return;
    case TComando::ResultadoSistemaGrafo:
    case TComando::ResultadoGrafoDFS:
    case TComando::ResultadoMason:
    case TComando::ResultadoFT:
        janela_.MostrarResultado(*JanelaDoResultado(comando));
        return;
    case TComando::Opcoes:
        if (const std::optional<TEntradaOpcoes> entrada = janela_.EditarOpcoes(opcoes_.Config()))
            AplicarOpcoes(*entrada);
        return;
    case TComando::Sobre:
        janela_.MostrarSobre();
        return;
    case TComando::Selecionar:
        PressionarControle(kModeSelecionar);
        return;
    case TComando::Conectar:
        PressionarControle(kModeConectar);
        return;
    case TComando::Girar:
        PressionarControle(kModeGirar);
        return;
    case TComando::Desfazer:
        Desfazer();
        return;
    case TComando::Refazer:
        Refazer();
        return;
    case TComando::ExportarFigura:
        ExportarFigura();
        return;
    }
}

TVisualDocumento& TAreaTrabalho::NovoDocumento(std::int32_t docKind) {
    const TDocKindInfo* kind = catalogo_.Documentos().Find(docKind);
    assert(kind != nullptr && "a new document of a kind the catalogue does not know");
    const std::int32_t n = ++contadores_[docKind];
    std::unique_ptr<TVisualDocumento> documento = catalogo_.Documentos().Make(docKind);
    documento->NewDocument(kind->CaptionPrefix + IntToStr(n), kind->HeaderClass, kNovoHeight, kNovoWidth,
                           kNovoTop, kNovoLeft);
    return AddDocument(std::move(documento));
}

void TAreaTrabalho::Abrir() {
    TDialogoArquivo dialogo;
    dialogo.Filtro = kFiltroAbrir;
    dialogo.Pasta = opcoes_.Config().DefaultDir;
    const std::optional<std::string> arquivo = janela_.DialogoAbrir(dialogo);
    if (!arquivo) return;
    AbrirArquivo(*arquivo);
}

bool TAreaTrabalho::AbrirArquivo(const std::string& arquivo) {
    const std::string extensao = Extensao(arquivo);
    bool aberto = false;
    try {
        if (SameTextAscii(extensao, kExtensaoFT)) {
            resultados_.FT.LoadFT(arquivo);
            resultados_.TemFT = true;
            aberto = true;
            Atualizar();
            janela_.MostrarResultado(TJanelaResultado::FT);
        } else if (const TDocKindInfo* kind =
                       extensao.empty() ? nullptr : catalogo_.Documentos().FindByExtension(extensao)) {
            // The document counts as soon as its window is made, before its file is read.
            ++contadores_[kind->DocKind];
            std::unique_ptr<TVisualDocumento> documento = catalogo_.Documentos().Make(kind->DocKind);
            documento->LoadFile(arquivo);
            AddDocument(std::move(documento));
            aberto = true;
        }
        // Any other file opens nothing, yet its folder still becomes the default one.
    } catch (const EFileError& e) {
        // A damaged or unreadable file: the message names it, nothing was opened and the command ends.
        janela_.ShowMsg(e.what());
        return false;
    }
    opcoes_.ChangeDefaultDir(std::filesystem::path(CaminhoRecente(arquivo)).parent_path().string());
    if (aberto) recentes_.Usar(arquivo, opcoes_);
    PressionarControle(kModeSelecionar);
    return aberto;
}

void TAreaTrabalho::AbrirRecente(std::size_t i) {
    if (i >= recentes_.Lista().size()) return;
    const std::string arquivo = recentes_.Lista()[i];
    std::error_code erro;
    if (!std::filesystem::is_regular_file(arquivo, erro)) {
        janela_.ShowMsg(kMsgRecenteAusente + arquivo);
        recentes_.Retirar(arquivo, opcoes_);
        janela_.AtualizarEstado();
        return;
    }
    AbrirArquivo(arquivo);
}

bool TAreaTrabalho::Salvar() {
    TVisualDocumento* ativo = Ativo();
    return ativo != nullptr && SalvarDocumento(*ativo);
}

bool TAreaTrabalho::SalvarComo() {
    TVisualDocumento* ativo = Ativo();
    return ativo != nullptr && SalvarDocumentoComo(*ativo);
}

std::optional<TOpcoesGravacao> TAreaTrabalho::Gravacao(const std::string& arquivo) {
    TOpcoesGravacao opcoes;
    if (!ArquivoSomenteLeitura(arquivo)) return opcoes;
    if (!janela_.ConfirmarSomenteLeitura(MsgSomenteLeitura(arquivo))) return std::nullopt;
    opcoes.SobrescreverSomenteLeitura = true;
    return opcoes;
}

bool TAreaTrabalho::SalvarDocumento(TVisualDocumento& documento) {
    if (documento.IsNew()) return SalvarDocumentoComo(documento);
    try {
        const std::optional<TOpcoesGravacao> gravacao = Gravacao(documento.FileName());
        if (!gravacao) return false;
        documento.SaveDocument({}, *gravacao);
        return true;
    } catch (const EFileError& e) {
        janela_.ShowMsg(e.what());
        return false;
    }
}

bool TAreaTrabalho::SalvarDocumentoComo(TVisualDocumento& documento) {
    const std::string& extensao = documento.Kind().Extension;
    TDialogoArquivo dialogo;
    dialogo.Filtro = kFiltroSalvar;
    dialogo.IndiceFiltro = IndiceFiltro(kFiltroSalvar, extensao);
    dialogo.ExtensaoPadrao = extensao;
    dialogo.Pasta = opcoes_.Config().DefaultDir;
    dialogo.NomeArquivo = documento.FileName();
    dialogo.ConfirmarSubstituicao = true;
    bool salvo = false;
    if (const std::optional<std::string> nome = janela_.DialogoSalvar(dialogo)) {
        try {
            if (const std::optional<TOpcoesGravacao> gravacao = Gravacao(*nome)) {
                documento.SaveDocument(*nome, *gravacao);
                salvo = true;
                recentes_.Usar(*nome, opcoes_);
            }
        } catch (const EFileError& e) {
            janela_.ShowMsg(e.what());
        }
    }
    // The caption may have changed with the name.
    janela_.AtualizarJanelas();
    return salvo;
}

void TAreaTrabalho::SalvarTodos() {
    if (documentos_.Empty()) return;
    TVisualDocumento* anterior = Ativo();
    // A file that cannot be written is reported and the others are still saved.
    for (std::size_t i = 0; i < documentos_.Count(); ++i) {
        TVisualDocumento& documento = documentos_.Get(i);
        SetActiveDocument(&documento);
        SalvarDocumento(documento);
    }
    SetActiveDocument(anterior);
}

bool TAreaTrabalho::SalvarFT() {
    if (!resultados_.TemFT) return false;
    TDialogoArquivo dialogo;
    dialogo.Filtro = kFiltroSalvar;
    dialogo.IndiceFiltro = IndiceFiltro(kFiltroSalvar, kExtensaoFT);
    dialogo.ExtensaoPadrao = kExtensaoFT;
    dialogo.Pasta = opcoes_.Config().DefaultDir;
    dialogo.NomeArquivo = resultados_.FT.NomeArquivo();
    dialogo.ConfirmarSubstituicao = true;
    const std::optional<std::string> nome = janela_.DialogoSalvar(dialogo);
    if (!nome) return false;
    try {
        const std::optional<TOpcoesGravacao> gravacao = Gravacao(*nome);
        if (!gravacao) return false;
        resultados_.FT.SaveFT(*nome, *gravacao);
        return true;
    } catch (const EFileError& e) {
        janela_.ShowMsg(e.what());
        return false;
    }
}

bool TAreaTrabalho::ExportarFigura() {
    TVisualDocumento* ativo = Ativo();
    if (ativo == nullptr) return false;
    TDialogoArquivo dialogo;
    dialogo.Filtro = kFiltroFiguras;
    dialogo.ExtensaoPadrao = "svg";
    dialogo.ExtensaoDoFiltro = true;
    dialogo.Pasta = opcoes_.Config().DefaultDir;
    dialogo.NomeArquivo = ativo->Desc();
    dialogo.ConfirmarSubstituicao = true;
    const std::optional<std::string> nome = janela_.DialogoSalvar(dialogo);
    if (!nome) return false;
    if (const std::optional<std::string> erro = janela_.ExportarFigura(*ativo, *nome)) {
        janela_.ShowMsg(*erro);
        return false;
    }
    return true;
}

bool TAreaTrabalho::Desfazer() {
    TVisualDocumento* ativo = Ativo();
    if (ativo == nullptr || !ativo->Undo()) return false;
    janela_.AtualizarEstado();
    return true;
}

bool TAreaTrabalho::Refazer() {
    TVisualDocumento* ativo = Ativo();
    if (ativo == nullptr || !ativo->Redo()) return false;
    janela_.AtualizarEstado();
    return true;
}

bool TAreaTrabalho::FecharPrograma() {
    while (!documentos_.Empty()) {
        TVisualDocumento& primeiro = documentos_.Get(0);
        SetActiveDocument(&primeiro);
        if (!FecharDocumento(primeiro)) return false;
    }
    return true;
}

void TAreaTrabalho::PressionarControle(std::int32_t modo) {
    const TBotaoFerramenta* botao = BotaoDoModo(modo);
    assert(botao != nullptr && "a tool mode without its control button");
    if (botao == nullptr) return;
    botaoPressionado_ = botao->Nome;
    selectedClass_ = nullptr;
    selectedDocKind_ = -1;
    AplicarModo(modo);
    janela_.AtualizarEstado();
}

void TAreaTrabalho::EscolherComponente(TPagina pagina, std::int32_t tag) {
    const TPaginaFerramentas& p = Pagina(pagina);
    const TBotaoFerramenta* botao = BotaoDaPagina(pagina, tag);
    const TDocKindInfo* kind = catalogo_.Documentos().Find(p.DocKind);
    const TVOClass* classe = kind != nullptr ? kind->ClassOfKind(tag) : nullptr;
    if (botao == nullptr || classe == nullptr) return;
    botaoPressionado_ = botao->Nome;
    selectedClass_ = classe;
    selectedDocKind_ = p.DocKind;
    AplicarModo(kModeSelecionar);
    janela_.AtualizarEstado();
}

void TAreaTrabalho::EscolherPagina(TPagina pagina) {
    paginas_.EscolherPagina(pagina);
}

void TAreaTrabalho::AplicarOpcoes(const TEntradaOpcoes& entrada) {
    opcoes_.ApplyOptionsWindow(entrada);
    AutoVrtEmSistemas();
}

TVisualDocumento& TAreaTrabalho::AddDocument(std::unique_ptr<TVisualDocumento> documento) {
    TVisualDocumento& d = documentos_.Add(std::move(documento));
    if (auto* sistema = dynamic_cast<TVFSistema*>(&d)) sistema->SetAutoVrt(opcoes_.Config().AutoVrt);
    janela_.AtualizarJanelas();
    // Opening or creating a document ends the placing of a chosen class.
    PressionarControle(kModeSelecionar);
    janela_.MostrarJanela(d);
    SetActiveDocument(&d);
    return d;
}

bool TAreaTrabalho::FecharDocumento(TVisualDocumento& documento) {
    const bool fecha = documento.RequestClose(
        [this](const std::string& pergunta) { return janela_.PerguntarSalvar(pergunta); },
        [this, &documento] { return SalvarDocumento(documento); });
    if (fecha) DocumentClosed(documento);
    return fecha;
}

void TAreaTrabalho::DocumentClosed(TVisualDocumento& documento) {
    if (documentos_.IndexOf(documento) < 0) return;
    janela_.FecharJanela(documento);
    // Taken out first, so that no notice names it again; destroyed when this returns.
    const std::unique_ptr<TVisualDocumento> fechado = documentos_.Remove(documento);
    janela_.AtualizarJanelas();
    if (documentos_.Empty()) {
        SetActiveDocument(nullptr);
        return;
    }
    MostrarDocumento(0);
}

void TAreaTrabalho::SetActiveDocument(TVisualDocumento* documento) {
    TVisualDocumento* anterior = Ativo();
    if (documento != anterior) {
        if (anterior != nullptr) janela_.OcultarPropriedades(*anterior);
        documentos_.SetAtivo(documento);
    }
    Atualizar();
}

void TAreaTrabalho::MostrarDocumento(std::size_t i) {
    TVisualDocumento& documento = documentos_.Get(i);
    janela_.MostrarJanela(documento);
    SetActiveDocument(&documento);
}

std::int32_t TAreaTrabalho::Contador(std::int32_t docKind) const {
    const auto it = contadores_.find(docKind);
    return it == contadores_.end() ? 0 : it->second;
}

void TAreaTrabalho::Atualizar() {
    const TVisualDocumento* ativo = Ativo();
    paginas_.Atualizar(ativo != nullptr ? std::optional<std::int32_t>(ativo->DocKind()) : std::nullopt);
    janela_.AtualizarEstado();
}

void TAreaTrabalho::AplicarModo(std::int32_t modo) {
    modo_ = modo;
    for (std::size_t i = 0; i < documentos_.Count(); ++i)
        documentos_.Get(i).SetMode(modo);
}

void TAreaTrabalho::AutoVrtEmSistemas() {
    for (std::size_t i = 0; i < documentos_.Count(); ++i)
        if (auto* sistema = dynamic_cast<TVFSistema*>(&documentos_.Get(i)))
            sistema->SetAutoVrt(opcoes_.Config().AutoVrt);
}

} // namespace brelix
