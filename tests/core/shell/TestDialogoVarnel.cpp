// The save dialog of the Varnel export: the default folder, the result's name with the extension
// vrn whatever named the result (an analysis, a saved or an opened transfer-function file), and the
// question before a file is replaced.

#include "shell/UnitDialogoVarnel.h"

#include "support/PastaTemp.h"

#include <gtest/gtest.h>

using namespace brelix;

namespace {

class DialogoVarnelTeste : public apoio::PastaTemp {
protected:
    // 1 / (L.S + 1) named as an analysis names it.
    TResultadoFT Resultado(const std::string& nome) {
        TFuncao f;
        f.Num.AddFator(0, 1.0);
        TListSimboloExp l;
        l.AddSimbolo("L", 1);
        f.Den.AddFator(1, l, 1.0);
        f.Den.AddFator(0, 1.0);
        TListSimboloVal simbolos;
        simbolos.AddSimbolo("L", 2.0);
        TResultadoFT r;
        r.ShowFT(nome, "E(V1)", f, simbolos, "F(L1)");
        return r;
    }
};

} // namespace

TEST_F(DialogoVarnelTeste, OffersTheResultsNameWithVrnInTheDefaultFolder) {
    TConfigOpcoes config;
    config.DefaultDir = "/home/ana/projetos/";

    TResultadoFT analise = Resultado("DFS1FT");
    const TDialogoArquivo d = DialogoVarnel(analise, config);
    EXPECT_EQ(d.Filtro, "Arquivos do Varnel (*.vrn)|*.vrn");
    EXPECT_EQ(d.IndiceFiltro, 1);
    EXPECT_EQ(d.ExtensaoPadrao, "vrn");
    EXPECT_EQ(d.Pasta, "/home/ana/projetos/");
    EXPECT_EQ(d.NomeArquivo, "DFS1FT.vrn");
    EXPECT_TRUE(d.ConfirmarSubstituicao);

    // Saved under another name in another folder: only the file's own name is offered, never its
    // extension fts, so that confirming cannot replace the transfer-function file.
    analise.SaveFT(Path("Circuito.FTS"));
    EXPECT_EQ(DialogoVarnel(analise, config).NomeArquivo, "Circuito.vrn");
    EXPECT_EQ(DialogoVarnel(analise, config).Pasta, "/home/ana/projetos/");

    TResultadoFT aberto;
    aberto.LoadFT(Path("Circuito.FTS"));
    EXPECT_EQ(DialogoVarnel(aberto, config).NomeArquivo, "Circuito.vrn");
}
