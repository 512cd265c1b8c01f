// The recent files of the "Arquivo" menu and the ways a file opens without the open dialog (the
// command line, a drop on the main window, a recent item); the "Editar" commands on the active
// document.

#include "core/shell/ApoioAreaTrabalho.h"

#include "shell/UnitArquivosRecentes.h"
#include "shell/UnitMenuPrincipal.h"
#include "visual/UnitVOGrfClasses.h"

using namespace brelix;
using apoio::AreaTeste;
namespace fs = std::filesystem;
using Textos = std::vector<std::string>;

namespace {

// The Recente keys of the options, in file order, as "Recente1=/a".
Textos Chaves(const TOpcoes& opcoes) {
    Textos r;
    for (const std::string& linha : opcoes.Lines())
        if (linha.rfind("Recente", 0) == 0) r.push_back(linha);
    return r;
}

} // namespace

class Recentes : public apoio::PastaTemp {
protected:
    void SetUp() override {
        PastaTemp::SetUp();
        opcoes.LoadOptions(dir_.string());
    }
    TOpcoes opcoes;
};

TEST_F(Recentes, MostRecentFirstEachFileOnceAtMostEightAndKeptInTheOptionsFile) {
    TArquivosRecentes r;
    for (int i = 1; i <= 10; ++i)
        r.Usar("/d/f" + std::to_string(i) + ".sis", opcoes);
    r.Usar("/d/f5.sis", opcoes);      // already listed: moves to the top
    r.Usar("/d/x/../f7.sis", opcoes); // the same file reached another way
    EXPECT_EQ(r.Lista(), (Textos{"/d/f7.sis", "/d/f5.sis", "/d/f10.sis", "/d/f9.sis", "/d/f8.sis",
                                 "/d/f6.sis", "/d/f4.sis", "/d/f3.sis"}));
    r.Retirar("/d/f10.sis", opcoes);
    r.Retirar("/d/nunca.sis", opcoes); // not listed: nothing changes
    const Textos esperado = {"/d/f7.sis", "/d/f5.sis", "/d/f9.sis", "/d/f8.sis",
                             "/d/f6.sis", "/d/f4.sis", "/d/f3.sis"};
    EXPECT_EQ(r.Lista(), esperado);
    // Written at once, and no slot of the longer list is left behind.
    TOpcoes outra;
    outra.LoadOptionsFrom(opcoes.FileName(), dir_.string());
    EXPECT_EQ(Chaves(outra).size(), 7u);
    EXPECT_EQ(Chaves(outra).front(), "Recente1=/d/f7.sis");
    TArquivosRecentes lida;
    lida.Ler(outra);
    EXPECT_EQ(lida.Lista(), esperado);
    // A relative name is listed by its absolute path.
    r.Usar("rel.sis", opcoes);
    EXPECT_EQ(r.Lista().front(), (fs::current_path() / "rel.sis").string());
}

TEST_F(Recentes, ReadingSkipsEmptyAndRepeatedEntriesAndAPathTheFileCannotHoldLastsForTheRunOnly) {
    opcoes.SetKey("Recente1", "/a.grf");
    opcoes.SetKey("Recente2", "");
    opcoes.SetKey("Recente3", "/a.grf");
    opcoes.SetKey("Recente4", "/b.dfs");
    TArquivosRecentes r;
    r.Ler(opcoes);
    EXPECT_EQ(r.Lista(), (Textos{"/a.grf", "/b.dfs"}));
    r.Usar("/雪.sis", opcoes); // outside Windows-1252
    EXPECT_EQ(r.Lista().front(), "/雪.sis");
    EXPECT_EQ(Chaves(opcoes), (Textos{"Recente1=/a.grf", "Recente2=/b.dfs"}));
}

TEST_F(AreaTeste, AFileOpensByItsPathAsThroughTheDialogAndHeadsTheRecentFiles) {
    const std::string rede = ArquivoNovo(kDocKindGrafo, "rede.grf");
    const std::string laco = ArquivoNovo(kDocKindDFS, "laco.dfs");
    EXPECT_TRUE(area->AbrirArquivo(rede));
    EXPECT_TRUE(area->AbrirArquivo(laco));
    EXPECT_TRUE(janela.dialogos.empty());
    EXPECT_EQ(area->ItensJanelas(), (Textos{rede, laco}));
    EXPECT_EQ(area->Ativo()->FileName(), laco);
    EXPECT_EQ(area->Contador(kDocKindGrafo), 1);
    EXPECT_EQ(opcoes.Config().DefaultDir, Path(""));
    EXPECT_EQ(area->Recentes(), (Textos{laco, rede}));
    // What opens nothing is not listed; a file that cannot be read is reported and not listed.
    apoio::Spit(Path("notas.txt"), "texto");
    EXPECT_FALSE(area->AbrirArquivo(Path("notas.txt")));
    EXPECT_FALSE(area->AbrirArquivo(Path("falta.sis")));
    EXPECT_EQ(janela.Eventos("msg").size(), 1u);
    EXPECT_EQ(area->Recentes(), (Textos{laco, rede}));
    // Saving under a new name lists the new file.
    janela.arquivos.push_back(Path("copia.dfs"));
    area->Executar(TComando::SalvarComo);
    EXPECT_EQ(area->Recentes(), (Textos{Path("copia.dfs"), laco, rede}));
}

TEST_F(AreaTeste, ARecentFileOpensAgainInTheNextRunAndAMissingOneIsReportedAndDropped) {
    const std::string rede = ArquivoNovo(kDocKindGrafo, "rede.grf");
    const std::string motor = ArquivoNovo(kDocKindSistema, "motor.sis");
    area->AbrirArquivo(rede);
    area->AbrirArquivo(motor);
    fs::remove(motor);

    TOpcoes opcoes2;
    apoio::JanelaFalsa janela2;
    TAreaTrabalho area2(CatalogoCompleto(), opcoes2, janela2);
    area2.Iniciar(dir_.string());
    ASSERT_EQ(area2.Recentes(), (Textos{motor, rede}));
    area2.AbrirRecente(0);
    EXPECT_EQ(janela2.Eventos("msg"), Textos{"msg: " + std::string(kMsgRecenteAusente) + motor});
    EXPECT_TRUE(area2.Documentos().Empty());
    EXPECT_EQ(area2.Recentes(), Textos{rede});
    area2.AbrirRecente(0);
    area2.AbrirRecente(5); // beyond the list: nothing
    EXPECT_EQ(area2.ItensJanelas(), Textos{rede});
    EXPECT_EQ(janela2.Eventos("msg").size(), 1u);
}

TEST_F(AreaTeste, UndoAndRedoFollowTheActiveDocumentsStack) {
    const auto habilitados = [this] {
        return std::make_pair(area->Habilitado(TComando::Desfazer), area->Habilitado(TComando::Refazer));
    };
    EXPECT_EQ(habilitados(), std::make_pair(false, false));
    TVisualDocumento& grafo = area->NovoDocumento(kDocKindGrafo);
    EXPECT_EQ(habilitados(), std::make_pair(false, false));
    grafo.NewObject(*grafo.Kind().ClassOfKind(1), {100, 100});
    EXPECT_EQ(habilitados(), std::make_pair(true, false));
    TVisualDocumento& dfs = area->NovoDocumento(kDocKindDFS);
    EXPECT_EQ(habilitados(), std::make_pair(false, false)); // the new, untouched one is active
    area->Executar(TComando::Desfazer);
    EXPECT_EQ(grafo.Objects().Count(), 1);
    area->MostrarDocumento(0);
    area->Executar(TComando::Desfazer);
    EXPECT_EQ(grafo.Objects().Count(), 0);
    EXPECT_FALSE(grafo.NeedsSave());
    EXPECT_EQ(habilitados(), std::make_pair(false, true));
    area->Executar(TComando::Refazer);
    EXPECT_EQ(grafo.Objects().Count(), 1);
    EXPECT_EQ(dfs.Objects().Count(), 0);
}

TEST_F(AreaTeste, AFigureIsOfferedUnderTheDocumentsNameInTheFigureFormatsAndAFailureIsReported) {
    EXPECT_FALSE(area->Habilitado(TComando::ExportarFigura));
    area->NovoDocumento(kDocKindSistema);
    ASSERT_TRUE(area->Habilitado(TComando::ExportarFigura));
    janela.arquivos = {std::nullopt, Path("fig.pdf"), Path("fig.png")};
    area->Executar(TComando::ExportarFigura); // cancelled
    EXPECT_TRUE(janela.Eventos("figura").empty());
    const TDialogoArquivo& d = janela.dialogos.back();
    EXPECT_EQ(d.Filtro, kFiltroFiguras);
    EXPECT_EQ(d.NomeArquivo + " " + d.Pasta, "Sistema1 " + opcoes.Config().DefaultDir);
    EXPECT_TRUE(d.ConfirmarSubstituicao && d.ExtensaoDoFiltro);
    EXPECT_TRUE(area->ExportarFigura());
    janela.erroFigura = "disco cheio";
    EXPECT_FALSE(area->ExportarFigura());
    EXPECT_EQ(janela.Eventos("figura"),
              (Textos{"figura: Sistema1 -> " + Path("fig.pdf"), "figura: Sistema1 -> " + Path("fig.png")}));
    EXPECT_EQ(janela.Eventos("msg"), Textos{"msg: disco cheio"});
}
