// The main window's model with a scripted window: new documents, opening (any letter case, other
// files, damaged files), the three saves, closing one document and the program, the pages and
// commands each kind of active document allows, the tool buttons and the options window.

#include "core/shell/ApoioAreaTrabalho.h"

#include "shell/UnitMenuPrincipal.h"
#include "system/UnitVFSistema.h"

using namespace brelix;
using apoio::AreaTeste;
namespace fs = std::filesystem;
using Textos = std::vector<std::string>;

namespace {

// The pages shown, the one in front ("oculto" when the page control is hidden) and the enabled
// "Algoritmos" items, as one text.
std::string Estado(const TAreaTrabalho& a) {
    std::string r;
    for (const TPaginaFerramentas& p : PaginasComponentes())
        if (a.Paginas().Visivel(p.Pagina)) r += p.Nome + " ";
    r += a.Paginas().ControleVisivel() ? "> " + Pagina(a.Paginas().Atual()).Nome : "oculto";
    r += " |";
    for (const TItemMenu& item : MenusPrincipais()[1].Itens)
        if (a.Habilitado(item.Comando)) r += " " + item.Nome;
    return r;
}

const std::string kSistema =
    "TSEle TSMct TSMcr TSHdr TSAcp > TSEle | AlgoritmoSistemaGrafo AlgoritmoSistemaFT";
const std::string kGrafo = "TSGrf > TSGrf | AlgoritmoGrafoDFS AlgoritmoGrafoFT";

} // namespace

TEST_F(AreaTeste, WithNoDocumentTheSavesDoNothingAndNoPageAlgorithmOrResultIsOffered) {
    EXPECT_EQ(Estado(*area), "oculto |");
    for (TComando c : {TComando::Salvar, TComando::SalvarComo, TComando::SalvarTodos, TComando::SalvarFT})
        area->Executar(c);
    EXPECT_TRUE(janela.dialogos.empty());
    EXPECT_EQ(ArquivosNaPasta(), 1u); // the options file only
    for (const TItemMenu& item : MenusPrincipais()[3].Itens)
        EXPECT_FALSE(area->Habilitado(item.Comando)) << item.Nome;
}

TEST_F(AreaTeste, NewDocumentsAreNumberedPerKindPlacedAt230And130AndShowTheirKindsPages) {
    struct Caso {
        TComando comando;
        const char* nome;
        const char* cabecalho;
        std::string estado;
    };
    for (const Caso& c : {Caso{TComando::NovoSistema, "Sistema1", "Object 0: TSistema", kSistema},
                          Caso{TComando::NovoGrafo, "Grafo1", "Object 0: TGrafo", kGrafo},
                          Caso{TComando::NovoDFS, "DFS1", "Object 0: TDFS", "TSDFS > TSDFS | AlgoritmoDFSFT"},
                          Caso{TComando::NovoGrafo, "Grafo2", "Object 0: TGrafo", kGrafo}}) {
        area->Executar(c.comando);
        const TVisualDocumento& d = *area->Ativo();
        EXPECT_EQ(d.FileName() + " " + d.Header()[0], c.nome + std::string(" ") + c.cabecalho);
        EXPECT_EQ((std::vector<std::int32_t>{d.Left(), d.Top(), d.Width(), d.Height()}),
                  (std::vector<std::int32_t>{230, 130, 550, 300}));
        EXPECT_EQ(Estado(*area), c.estado) << c.nome;
    }
    EXPECT_EQ(area->ItensJanelas(), (Textos{"Sistema1", "Grafo1", "DFS1", "Grafo2"}));
}

TEST_F(AreaTeste, OpenedFilesCountSoANewGraphAfterTwoOpenedGraphsIsGrafo3) {
    Abrir(ArquivoNovo(kDocKindGrafo, "rede.grf"));
    Abrir(ArquivoNovo(kDocKindGrafo, "MALHA.GRF")); // the extension in capitals still names a graph
    ASSERT_EQ(area->ItensJanelas(), (Textos{Path("rede.grf"), Path("MALHA.GRF")}));
    EXPECT_EQ(Estado(*area), kGrafo);
    EXPECT_EQ(area->NovoDocumento(kDocKindGrafo).FileName(), "Grafo3");
    EXPECT_EQ(area->NovoDocumento(kDocKindDFS).FileName(), "DFS1");
}

TEST_F(AreaTeste, OpeningMakesTheFilesFolderTheDefaultInTheOptionsFileButSavingAsDoesNot) {
    for (const char* pasta : {"docs", "outros", "salvos"})
        fs::create_directories(dir_ / pasta);
    const std::string rede = ArquivoNovo(kDocKindGrafo, "docs/rede.grf");
    apoio::Spit(Path("outros/notas.txt"), "texto");
    const auto noArquivo = [&](const std::string& pasta) {
        return opcoes.Config().DefaultDir == pasta &&
               apoio::Slurp(opcoes.FileName()).find("DefaultDir=" + pasta + "\r\n") != std::string::npos;
    };
    Abrir(Path("outros/notas.txt")); // opens nothing, says nothing, yet moves the default folder
    EXPECT_TRUE(area->Documentos().Empty());
    EXPECT_TRUE(noArquivo(Path("outros/")));
    Abrir(rede);
    EXPECT_EQ(janela.dialogos.back().Pasta, Path("outros/")); // the dialog started in the old one
    EXPECT_EQ(janela.dialogos.back().Filtro, kFiltroAbrir);
    EXPECT_TRUE(noArquivo(Path("docs/")));
    janela.arquivos.push_back(Path("salvos/copia.grf"));
    area->Executar(TComando::SalvarComo);
    EXPECT_EQ(janela.dialogos.back().Pasta, Path("docs/"));
    EXPECT_TRUE(fs::exists(Path("salvos/copia.grf")));
    EXPECT_TRUE(noArquivo(Path("docs/")));
    EXPECT_TRUE(janela.Eventos("msg").empty());
}

TEST_F(AreaTeste, SaveAsOffersTheKindsExtensionAndFilterAndSalvarAsksOnlyForANeverSavedDocument) {
    struct Caso {
        std::int32_t docKind;
        std::string extensao;
        int filtro;
    };
    for (const Caso& c :
         {Caso{kDocKindSistema, "sis", 3}, Caso{kDocKindGrafo, "grf", 2}, Caso{kDocKindDFS, "dfs", 1}}) {
        TVisualDocumento& d = area->NovoDocumento(c.docKind);
        const int listas = janela.listasJanelas;
        janela.arquivos = {std::nullopt, Path("doc." + c.extensao)};
        area->Executar(TComando::SalvarComo); // cancelled
        const TDialogoArquivo& f = janela.dialogos.back();
        EXPECT_EQ(f.Filtro, kFiltroSalvar);
        EXPECT_EQ(f.IndiceFiltro, c.filtro) << c.extensao;
        EXPECT_EQ(f.ExtensaoPadrao + " " + f.Pasta + " " + f.NomeArquivo,
                  c.extensao + " " + opcoes.Config().DefaultDir + " " + d.FileName());
        EXPECT_TRUE(f.ConfirmarSubstituicao);
        EXPECT_GT(janela.listasJanelas, listas); // rebuilt even when cancelled
        area->Executar(TComando::Salvar);        // never saved: through the dialog
        EXPECT_EQ(area->ItensJanelas().back(), Path("doc." + c.extensao));
        d.SetModified(true);
        area->Executar(TComando::Salvar); // saved before: in place, without a dialog
        EXPECT_TRUE(janela.arquivos.empty());
        EXPECT_FALSE(d.NeedsSave());
    }
    EXPECT_EQ(janela.dialogos.size(), 6u);
}

TEST_F(AreaTeste, AReadOnlyFileIsReplacedOnlyWhenTheUserSaysSo) {
    TVisualDocumento& d = area->NovoDocumento(kDocKindGrafo);
    const std::string arquivo = ArquivoNovo(kDocKindDFS, "antigo.grf");
    const std::string antes = apoio::Slurp(arquivo);
    std::filesystem::permissions(arquivo, std::filesystem::perms::owner_read);
    janela.arquivos = {arquivo, arquivo};
    janela.substituir = {false, true};
    area->Executar(TComando::SalvarComo); // "Não": the file and the document stay as they were
    EXPECT_EQ(apoio::Slurp(arquivo), antes);
    EXPECT_TRUE(d.IsNew());
    EXPECT_TRUE(janela.Eventos("msg").empty());
    area->Executar(TComando::SalvarComo); // "Sim"
    EXPECT_EQ(
        janela.Eventos("somente leitura"),
        (Textos(2, "somente leitura: O arquivo antigo.grf é somente leitura. Substituí-lo mesmo assim?")));
    EXPECT_NE(apoio::Slurp(arquivo), antes);
    EXPECT_FALSE(d.NeedsSave());
}

TEST_F(AreaTeste, SaveAllSavesEachDocumentAsTheActiveOnePastAFailureThenRestoresTheActiveDocument) {
    for (std::int32_t k : {kDocKindSistema, kDocKindGrafo, kDocKindDFS})
        area->NovoDocumento(k);
    area->MostrarDocumento(1);
    janela.arquivos = {Path("s.sis"), Path("falta/g.grf"), Path("d.dfs")}; // the second cannot be written
    area->Executar(TComando::SalvarTodos);
    EXPECT_EQ(janela.Eventos("salvar"), (Textos{"salvar: Sistema1", "salvar: Grafo1", "salvar: DFS1"}));
    EXPECT_EQ(janela.Eventos("msg").size(), 1u);
    EXPECT_EQ(area->Ativo()->FileName(), "Grafo1");
    EXPECT_EQ(area->ItensJanelas(), (Textos{Path("s.sis"), "Grafo1", Path("d.dfs")}));
}

TEST_F(AreaTeste, AFileThatCannotBeReadOrWrittenIsReportedByNameAndEverythingElseGoesOn) {
    TVisualDocumento& grafo = area->NovoDocumento(kDocKindGrafo);
    const std::string defaultDir = opcoes.Config().DefaultDir;
    apoio::Spit(Path("ruim.grf"),
                "Object 0: TGrafo\r\nDesc=r\r\nLeft=abc\r\nTop=0\r\nWidth=1\r\nHeight=1\r\nend\r\n");
    apoio::Spit(Path("ruim.fts"), "isto não é uma função\r\n");
    Abrir(Path("ruim.grf"));
    Abrir(Path("ruim.fts"));
    janela.arquivos.push_back(Path("falta/rede.grf")); // a folder that does not exist
    EXPECT_FALSE(area->SalvarComo());
    const Textos msgs = janela.Eventos("msg");
    ASSERT_EQ(msgs.size(), 3u);
    const Textos nomes = {"ruim.grf", "ruim.fts", "falta/rede.grf"};
    for (std::size_t i = 0; i < nomes.size(); ++i)
        EXPECT_NE(msgs[i].find(Path(nomes[i])), std::string::npos) << nomes[i];
    EXPECT_EQ(area->ItensJanelas(), Textos{"Grafo1"});
    EXPECT_EQ(area->Ativo(), &grafo);
    EXPECT_TRUE(grafo.IsNew());
    EXPECT_FALSE(area->Habilitado(TComando::ResultadoFT));
    EXPECT_EQ(opcoes.Config().DefaultDir, defaultDir);
}

TEST_F(AreaTeste, ClosingShowsTheFirstDocumentAndAfterTheLastHidesEveryPageAndAlgorithm) {
    TVisualDocumento& sistema = area->NovoDocumento(kDocKindSistema);
    TVisualDocumento& grafo = area->NovoDocumento(kDocKindGrafo);
    janela.eventos.clear();
    EXPECT_TRUE(area->FecharDocumento(grafo)); // unchanged: no question
    EXPECT_EQ(janela.eventos, (Textos{"fechar: Grafo1", "mostrar: Sistema1"}));
    EXPECT_EQ(area->Ativo(), &sistema);
    EXPECT_EQ(Estado(*area), kSistema);
    area->DocumentClosed(sistema);
    EXPECT_EQ(area->Ativo(), nullptr);
    EXPECT_EQ(Estado(*area), "oculto |");
}

TEST_F(AreaTeste, ClosingTheProgramStopsAtTheFirstDocumentThatStaysOpen) {
    area->NovoDocumento(kDocKindSistema);
    area->NovoDocumento(kDocKindGrafo).SetModified(true);
    area->NovoDocumento(kDocKindDFS).SetModified(true);
    janela.respostas = {TSaveAnswer::Cancelar};
    area->Executar(TComando::Fechar);
    EXPECT_EQ(janela.Eventos("pergunta"), Textos{"pergunta: Salvar o arquivo Grafo1?"});
    EXPECT_EQ(area->ItensJanelas(), (Textos{"Grafo1", "DFS1"}));
    EXPECT_EQ(area->Ativo()->FileName(), "Grafo1");
    // "Sim" and then a cancelled file dialog keeps the drawing open, and the program with it.
    janela.respostas = {TSaveAnswer::Sim};
    janela.arquivos = {std::nullopt};
    EXPECT_FALSE(area->FecharPrograma());
    EXPECT_EQ(area->Documentos().Count(), 2u);
    EXPECT_TRUE(janela.Eventos("encerrar").empty());
    janela.respostas = {TSaveAnswer::Nao, TSaveAnswer::Sim};
    janela.arquivos = {Path("fim.dfs")};
    area->Executar(TComando::Fechar);
    EXPECT_TRUE(area->Documentos().Empty());
    EXPECT_TRUE(fs::exists(Path("fim.dfs")));
    EXPECT_EQ(janela.Eventos("encerrar").size(), 1u);
}

TEST_F(AreaTeste, SwitchingToAGraphAndBackBringsBackTheSystemPageThatWasInFront) {
    area->NovoDocumento(kDocKindSistema);
    area->EscolherPagina(TPagina::Mcr);
    area->NovoDocumento(kDocKindGrafo);
    EXPECT_EQ(Estado(*area), kGrafo);
    area->MostrarDocumento(0);
    EXPECT_EQ(Estado(*area),
              "TSEle TSMct TSMcr TSHdr TSAcp > TSMcr | AlgoritmoSistemaGrafo AlgoritmoSistemaFT");
    EXPECT_EQ(janela.Eventos("ocultar"), (Textos{"ocultar: Sistema1", "ocultar: Grafo1"}));
}

TEST_F(AreaTeste, ToolButtonsSetTheModeOfEveryDocumentAndChooseOrForgetTheClass) {
    area->NovoDocumento(kDocKindSistema);
    area->NovoDocumento(kDocKindGrafo);
    const auto estado = [&] {
        std::string r = area->BotaoPressionado() + " " + std::to_string(area->SelectedDocKind()) + " " +
                        (area->SelectedClass() != nullptr ? area->SelectedClass()->Name : "-") + " modos";
        for (std::size_t i = 0; i < area->Documentos().Count(); ++i)
            r += " " + std::to_string(area->Documentos().Get(i).Mode());
        return r;
    };
    area->Executar(TComando::Girar);
    EXPECT_EQ(estado(), "BtnRotate -1 - modos 3 3");
    area->EscolherComponente(TPagina::Ele, 6);
    EXPECT_EQ(estado(), "BtnEleRes 2 TVOEleResistor modos 1 1");
    area->EscolherComponente(TPagina::Acp, 48);
    EXPECT_EQ(estado(), "BtnAcpMcrHid 2 TVOAcpAcopladorMcrHid modos 1 1");
    area->Executar(TComando::Conectar);
    EXPECT_EQ(estado(), "BtnConect -1 - modos 2 2");
    area->EscolherComponente(TPagina::Grf, 2);
    EXPECT_EQ(estado(), "BtnGrfImp 1 TVOGrfImpedancia modos 1 1");
    area->EscolherComponente(TPagina::DFS, 2);
    EXPECT_EQ(estado(), "BtnDfsTrm 0 TVODFSTransmitancia modos 1 1");
    area->NovoDocumento(kDocKindDFS); // a new document ends the placing
    EXPECT_EQ(estado(), "BtnSelect -1 - modos 1 1 1");
}

TEST_F(AreaTeste, TheOptionsWindowHandsAutomaticVerticesToEverySystemDocument) {
    const auto autoVrt = [](TVisualDocumento& d) { return dynamic_cast<TVFSistema&>(d).AutoVrt(); };
    TVisualDocumento& antes = area->NovoDocumento(kDocKindSistema);
    EXPECT_FALSE(autoVrt(antes));
    janela.opcoes = TEntradaOpcoes{"Arial", "10", 20, 50, true};
    area->Executar(TComando::Opcoes);
    EXPECT_TRUE(autoVrt(antes));
    EXPECT_TRUE(autoVrt(area->NovoDocumento(kDocKindSistema)));
    EXPECT_NE(apoio::Slurp(opcoes.FileName()).find("AutoVrt=1"), std::string::npos);
}
