// The main window's menus, tool bars, file filters and start-up steps as data: every component
// button places the class of its tag in its page's document kind, the system pages agree with the
// system catalogue, every command has one menu item, and the splash counts its steps.

#include "shell/UnitFerramentas.h"
#include "shell/UnitInicializacao.h"
#include "shell/UnitMenuPrincipal.h"

#include "support/CatalogoTeste.h"
#include "system/UnitVOSisCatalogo.h"
#include "visual/UnitVOGeometria.h"

#include <gtest/gtest.h>

#include <set>

using namespace brelix;

TEST(Ferramentas, EveryComponentButtonPlacesTheClassOfItsTagInItsPagesDocumentKind) {
    std::set<std::int32_t> sistema;
    for (const TPaginaFerramentas& p : PaginasComponentes()) {
        const TDocKindInfo* kind = CatalogoTeste().Find(p.DocKind);
        ASSERT_NE(kind, nullptr);
        for (const TBotaoFerramenta& b : p.Botoes) {
            const TVOClass* c = kind->ClassOfKind(b.Tag);
            ASSERT_NE(c, nullptr) << b.Nome;
            EXPECT_FALSE(c->IsAbstract() || c == kind->ConnectionClass) << b.Nome;
            if (!PaginaDeSistema(p.Pagina)) continue;
            EXPECT_TRUE(sistema.insert(b.Tag).second) << b.Nome;
            EXPECT_EQ(c->Name, SisKind(b.Tag)->ClassName);
            EXPECT_EQ(ToolbarPage(SisKind(b.Tag)->Domain), p.Caption) << b.Nome;
        }
    }
    // Kinds 1 to 48 are placed from buttons; 49 to 52, the wires, with the connect tool.
    EXPECT_EQ(sistema.size(), 48u);
    EXPECT_EQ(*sistema.rbegin(), 48);
    EXPECT_EQ(Pagina(TPagina::Grf).Botoes.size() + Pagina(TPagina::DFS).Botoes.size(), 11u);
}

TEST(Ferramentas, EveryCommandHasOneMenuItemAndEveryCommandButtonOne) {
    std::multiset<TComando> itens;
    for (const TMenu& m : MenusPrincipais())
        for (const TItemMenu& i : m.Itens)
            itens.insert(i.Comando);
    for (int c = static_cast<int>(TComando::NovoSistema); c <= static_cast<int>(TComando::Sobre); ++c)
        EXPECT_EQ(itens.count(static_cast<TComando>(c)), 1u) << c;
    for (const auto* barra : {&BotoesArquivo(), &BotoesControle()})
        for (const TBotaoFerramenta& b : *barra)
            if (BotaoDoModo(b.Tag) != &b) {
                EXPECT_NE(ItemDoComando(b.Comando), nullptr) << b.Nome;
            }
    EXPECT_EQ(BotaoDoModo(kModeConectar)->Comando, TComando::Conectar);
}

TEST(Ferramentas, FilterIndicesFollowThePatternsOfEachFilter) {
    struct Caso {
        const char* filtro;
        const char* extensao;
        int indice;
    };
    for (const Caso& c :
         {Caso{kFiltroSalvar, "dfs", 1}, Caso{kFiltroSalvar, "GRF", 2}, Caso{kFiltroSalvar, "sis", 3},
          Caso{kFiltroSalvar, "fts", 4}, Caso{kFiltroSalvar, "vrn", 0}, Caso{kFiltroAbrir, "dfs", 2},
          Caso{kFiltroAbrir, "fts", 5}, Caso{"", "dfs", 0}})
        EXPECT_EQ(IndiceFiltro(c.filtro, c.extensao), c.indice) << c.filtro << " " << c.extensao;
}

TEST(Inicializacao, TheSplashAdvancesOnceForEachWindowFromFormProgressOn) {
    const std::vector<TPassoInicio>& passos = PassosInicio();
    ASSERT_EQ(passos.size(), 24u);
    EXPECT_EQ(passos.front().Janela + " " + passos[2].Janela + " " + passos.back().Janela,
              "FormMain FormProgress PropVOVrt");
    EXPECT_FALSE(passos[1].AvancaSplash);
    EXPECT_TRUE(passos[2].AvancaSplash);
    EXPECT_EQ(MaximoSplash(), 22);
}
