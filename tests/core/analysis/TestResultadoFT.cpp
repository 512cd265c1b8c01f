#include "analysis/UnitResultadoFT.h"

#include "core/analysis/ApoioFT.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace brelix;
using namespace apoio;

namespace {

// Every cell of a grid, row by row, head column included.
std::vector<std::vector<std::string>> Celulas(const TGradeFT& g) {
    std::vector<std::vector<std::string>> rows;
    for (std::int64_t r = 0; r < g.RowCount; ++r) {
        rows.emplace_back();
        for (int c = 0; c < g.ColCount; ++c)
            rows.back().push_back(g.Texto(r, c));
    }
    return rows;
}

using Grade = std::vector<std::vector<std::string>>;

} // namespace

TEST(ResultFT, ShowFTTakesCopiesWithoutTheClosingBranchSymbol) {
    TFuncao f = Funcao({"1;0;R;"}, {"1;1;L;", "1;0;R;"});
    TListSimboloVal symbols = Valores({{"DFS", 1}, {"L", 0.5}, {"R", 2}});
    TResultadoFT r;
    r.ShowFT("DiagramaFT", "E(V1)", f, symbols, "F(L1)");
    f.Num.AddFator(3, 1.0);
    symbols[1].Valor = 9;

    EXPECT_EQ(r.NomeArquivo(), "DiagramaFT");
    const TConteudoFT& c = r.Conteudo();
    EXPECT_EQ(c.VarE, "E(V1)");
    EXPECT_EQ(c.VarS, "F(L1)");
    ASSERT_EQ(c.Simbolos.size(), 2u);
    EXPECT_EQ(c.Simbolos[0].Nome, "L");
    EXPECT_EQ(c.Simbolos[0].Valor, "0,5");
    EXPECT_EQ(c.Simbolos[1].Nome, "R");
    EXPECT_EQ(c.Simbolos[1].Valor, "2");
    EXPECT_EQ(c.NomesSimbolos, (std::vector<std::string>{"L", "R"}));
    EXPECT_EQ(c.FTSNum, "R ");
    EXPECT_EQ(c.FTSDen, "L.S + R ");
    EXPECT_TRUE(c.SensNum.empty());
    EXPECT_EQ(r.Funcao().Num.Count(), 1);
}

TEST(ResultFT, GridsByPowerOfS) {
    TResultadoFT r;
    // 1 + L.S + R.L.S^2 in canonical order; and a numerator with several terms per power, in the
    // order the terms were written, with a power (S^1) that no term has.
    TFuncao f = Funcao({"-1;2;C;", "2,5;2;R;", "1;0;;", "-1;2;;"}, {"1;0;;", "1;1;L;", "1;2;R.L;"});
    f.Den.Ordenar();
    r.ShowFT("x", "E", f, Valores({{"C", 1}, {"L", 1}, {"R", 1}}), "S");
    EXPECT_EQ(Celulas(r.Conteudo().GradeDen),
              (Grade{{"", ""}, {"S^2", "+ L.R"}, {"S^1", "+ L"}, {"S^0", "+ 1"}}));
    EXPECT_EQ(Celulas(r.Conteudo().GradeNum), (Grade{{"", "", "", ""},
                                                     {"S^2", "- C", "+ 2,5.R", "- 1"},
                                                     {"S^1", "", "", ""},
                                                     {"S^0", "+ 1", "", ""}}));
}

TEST(ResultFT, GridsOfTheSmallestPolynomials) {
    TResultadoFT r;
    TFuncao f;
    f.Den = Poli({"0;0;;"});
    r.ShowFT("x", "E", f, TListSimboloVal{}, "S");
    // No term: the header and the row S^0, no term column. A null constant term: "+ 0".
    EXPECT_EQ(Celulas(r.Conteudo().GradeNum), (Grade{{""}, {"S^0"}}));
    EXPECT_EQ(Celulas(r.Conteudo().GradeDen), (Grade{{"", ""}, {"S^0", "+ 0"}}));
}

TEST(ResultFT, NumericGainAndMonicPolynomials) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"2;1;R;", "4;0;;"}, {"1;2;L;", "3;0;;"}), Valores({{"L", 0.5}, {"R", 1}}),
             "S");
    EXPECT_TRUE(r.Conteudo().Avaliada);
    EXPECT_EQ(r.Conteudo().FTNG, "4");
    EXPECT_EQ(r.Conteudo().FTNNum, "S + 2");
    EXPECT_EQ(r.Conteudo().FTNDen, "S^2 + 6");
}

TEST(ResultFT, AZeroDenominatorLeadShowsInfinityAndTheUndividedDenominator) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"4;0;;"}, {"1;1;R;", "2;0;;"}), Valores({{"R", 0}}), "S");
    EXPECT_EQ(r.Conteudo().FTNG, "Infinito");
    EXPECT_EQ(r.Conteudo().FTNNum, "1");
    EXPECT_EQ(r.Conteudo().FTNDen, "2");
}

TEST(ResultFT, ValuesReadFromTheCellsOfTheSymbolGrid) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"1;0;;"}, {"1;1;A;", "1;0;B;"}), Valores({{"A", 4}, {"B", 8}, {"C", 3}}), "S");
    EXPECT_EQ(r.Conteudo().FTNDen, "S + 2");
    // A period is not the decimal separator, a missing cell is not a number: both give 1.
    r.LerValoresSimbolos({"2,5", "2.5"});
    EXPECT_EQ(r.Simbolos()[0].Valor, 2.5);
    EXPECT_EQ(r.Simbolos()[1].Valor, 1.0);
    EXPECT_EQ(r.Simbolos()[2].Valor, 1.0);
    EXPECT_EQ(r.Conteudo().Simbolos[1].Valor, "1");
    EXPECT_EQ(r.Conteudo().FTNDen, "S + 0,4");
    EXPECT_EQ(r.Conteudo().FTNG, "0,4");
    // The names keep their places whatever the cells held.
    EXPECT_EQ(r.Conteudo().Simbolos[0].Nome, "A");
}

TEST(ResultFT, ValueGivenByTheSymbolsName) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"1;0;;"}, {"1;1;A;", "1;0;a;"}), Valores({{"A", 4}, {"a", 8}}), "S");
    EXPECT_EQ(r.Conteudo().FTNDen, "S + 2");
    // A and a are two symbols: only the one named exactly takes the value.
    EXPECT_TRUE(r.DefinirValor("a", 2));
    EXPECT_EQ(r.Simbolos()[0].Valor, 4.0);
    EXPECT_EQ(r.Simbolos()[1].Valor, 2.0);
    EXPECT_EQ(r.Conteudo().Simbolos[1].Valor, "2");
    EXPECT_EQ(r.Conteudo().FTNDen, "S + 0,5");
    EXPECT_EQ(r.Conteudo().FTNG, "0,25");
    // A name the function does not have changes nothing.
    EXPECT_FALSE(r.DefinirValor("B", 5));
    EXPECT_FALSE(r.DefinirValor("", 5));
    EXPECT_EQ(r.Simbolos().Count(), 2);
    EXPECT_EQ(r.Conteudo().FTNDen, "S + 0,5");
}

TEST(ResultFT, SensitivityToAChosenSymbol) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"1;0;R;"}, {"1;1;R;", "1;0;;"}), Valores({{"R", 1}}), "S");
    std::string erro;
    EXPECT_FALSE(r.CalcularSensibilidade("", erro));
    EXPECT_EQ(erro, "Parâmetro inválido");
    EXPECT_FALSE(r.CalcularSensibilidade("Q", erro));
    EXPECT_EQ(erro, "Parâmetro inválido");
    EXPECT_FALSE(r.Sensibilidade().has_value());

    ASSERT_TRUE(r.CalcularSensibilidade("R", erro));
    EXPECT_EQ(r.Conteudo().SensNum, "R ");
    EXPECT_EQ(r.Conteudo().SensDen, "R^2.S + R ");
    // A new fill clears the texts; the sensitivity itself stays until the next one.
    r.Mostrar();
    EXPECT_TRUE(r.Conteudo().SensNum.empty());
    EXPECT_TRUE(r.Conteudo().SensDen.empty());
    EXPECT_TRUE(r.Sensibilidade().has_value());
}

TEST(ResultFT, AFunctionWithoutSymbols) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"1;0;;"}, {"1;1;;", "1;0;;"}), Valores({{"DFS", 1}}), "S");
    ASSERT_EQ(r.Conteudo().Simbolos.size(), 1u);
    EXPECT_TRUE(r.Conteudo().Simbolos[0].Nome.empty());
    EXPECT_TRUE(r.Conteudo().Simbolos[0].Valor.empty());
    EXPECT_TRUE(r.Conteudo().NomesSimbolos.empty());
    std::string erro;
    EXPECT_FALSE(r.CalcularSensibilidade("", erro));
    EXPECT_EQ(erro, "Parâmetro inválido");
    // The cell of the empty row sets nothing.
    r.LerValoresSimbolos({"5"});
    EXPECT_EQ(r.Conteudo().FTNDen, "S + 1");
}

TEST(ResultFT, AFunctionWithANegativePowerShowsARefusalInsteadOfNumbers) {
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"1;0;;", "1;-1;R;"}, {"1;0;;"}), Valores({{"R", 2}}), "S");
    const TConteudoFT& c = r.Conteudo();
    EXPECT_FALSE(c.Avaliada);
    EXPECT_NE(c.FTNG.find("S^-1"), std::string::npos) << c.FTNG;
    EXPECT_TRUE(c.FTNNum.empty());
    EXPECT_TRUE(c.FTNDen.empty());
    // The symbolic tabs still show it, the grid with a row for the negative power.
    EXPECT_EQ(c.FTSNum, "1 + R.S^-1 ");
    EXPECT_EQ(Celulas(c.GradeNum), (Grade{{"", ""}, {"S^0", "+ 1"}, {"S^-1", "+ R"}}));
}

TEST(ResultFT, TheNameOfferedForTheVarnelFile) {
    TResultadoFT r;
    r.ShowFT("DiagramaFT", "E", Funcao({"1;0;;"}, {"1;0;;"}), TListSimboloVal{}, "S");
    EXPECT_EQ(r.NomeVarnelSugerido(), "DiagramaFT.vrn");
    r.ShowFT("/home/u/modelos/motor.FTS", "E", Funcao({"1;0;;"}, {"1;0;;"}), TListSimboloVal{}, "S");
    EXPECT_EQ(r.NomeVarnelSugerido(), "motor.vrn");
    r.ShowFT("/home/u/v1.2FT", "E", Funcao({"1;0;;"}, {"1;0;;"}), TListSimboloVal{}, "S");
    EXPECT_EQ(r.NomeVarnelSugerido(), "v1.2FT.vrn");
}
