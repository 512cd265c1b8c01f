// The transfer-function file: the example written byte for byte and replaced atomically, every tab
// read back the same, the defaults for what the file does not say, and damaged or hostile files
// refused with the file and the line named, never a crash.

#include "analysis/UnitArquivoFT.h"

#include "analysis/UnitResultadoFT.h"
#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "core/analysis/ApoioFT.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace brelix;
using namespace apoio;

namespace {

using FTFile = PastaTemp;

// R / (L.S + R) from E(V1) to F(L1) with R = 2 and L = 0,5, as the analysis hands it over: the
// symbols of the diagram still hold the closing branch's DFS.
void ShowExemplo(TResultadoFT& r) {
    r.ShowFT("CircuitoFT", "E(V1)", Funcao({"1;0;R;"}, {"1;1;L;", "1;0;R;"}),
             Valores({{"DFS", 1}, {"L", 0.5}, {"R", 2}}), "F(L1)");
}

const std::string kExemplo = "E(V1)\r\nF(L1)\r\nSym\r\nL=0,5\r\nR=2\r\nend\r\nNum\r\n1;0;R;\r\nend\r\n"
                             "Den\r\n1;1;L;\r\n1;0;R;\r\nend\r\n";

// Every text the result's tabs show, cell by cell, as one list.
std::vector<std::string> Textos(const TConteudoFT& c) {
    std::vector<std::string> t = {c.VarE,    c.VarS, c.FTSNum, c.FTSDen, c.SensNum,
                                  c.SensDen, c.FTNG, c.FTNNum, c.FTNDen, c.Avaliada ? "avaliada" : "-"};
    for (const auto& linha : c.Simbolos)
        t.push_back(linha.Nome + "=" + linha.Valor);
    t.insert(t.end(), c.NomesSimbolos.begin(), c.NomesSimbolos.end());
    for (const TGradeFT* g : {&c.GradeNum, &c.GradeDen})
        for (std::int64_t row = 0; row < g->RowCount; ++row)
            for (int col = 0; col < g->ColCount; ++col)
                t.push_back(std::to_string(row) + "," + std::to_string(col) + ":" + g->Texto(row, col));
    return t;
}

} // namespace

TEST_F(FTFile, TheExampleIsWrittenByteForByteReadBackAndReplacedAtomically) {
    const std::string file = Path("circuito.fts");
    Spit(file, "older content\r\n");
    TResultadoFT r;
    ShowExemplo(r);
    r.SaveFT(file);
    EXPECT_EQ(Slurp(file), kExemplo);
    EXPECT_EQ(r.NomeArquivo(), file);
    EXPECT_EQ(ArquivosNaPasta(), 1u);
    TResultadoFT lido;
    lido.LoadFT(file);
    EXPECT_EQ(Textos(lido.Conteudo()), Textos(r.Conteudo()));
    EXPECT_EQ(lido.Conteudo().FTSDen, "L.S + R ");
    EXPECT_EQ(lido.Conteudo().FTNG, "4");
    EXPECT_EQ(lido.Conteudo().FTNDen, "S + 4");

    // An input name the file's code page cannot hold: nothing is written and the name stays.
    TResultadoFT outro;
    outro.ShowFT("OutroFT", "Ω", Funcao({"1;0;;"}, {"1;0;;"}), TListSimboloVal{}, "S");
    EXPECT_THROW(outro.SaveFT(file), EFileError);
    EXPECT_EQ(Slurp(file), kExemplo);
    EXPECT_EQ(outro.NomeArquivo(), "OutroFT");
    EXPECT_EQ(ArquivosNaPasta(), 1u);
}

TEST_F(FTFile, EveryTabReadsBackTheSameAndASecondSaveWritesTheSameBytes) {
    const struct {
        std::string entrada, saida;
        TFuncao f;
        TListSimboloVal v;
    } casos[] = {
        // Several terms per power, negative and fractional coefficients, negative symbol exponents,
        // accented names, values in scientific form.
        {"v(Massa_P1)", "F(Mola)",
         Funcao({"-2,5;2;Cá.R^-1;", "1;2;L;", "3;0;;"}, {"1;3;L^2;", "-1;1;R;", "1E-20;0;Cá;"}),
         Valores({{"Cá", 1e-7}, {"L", 3}, {"R", 0.25}})},
        // Variable names that look like section markers.
        {"Num", "end", Funcao({"1;0;R;"}, {"1;1;;", "1;0;;"}), Valores({{"R", 3}})},
        {"Sym", "Den", Funcao({"1;0;R;"}, {"1;1;;", "1;0;;"}), Valores({{"R", 3}})},
        {"", "", Funcao({"1;0;R;"}, {"1;1;;", "1;0;;"}), Valores({{"R", 3}})},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.entrada);
        TResultadoFT r;
        r.ShowFT("x", c.entrada, c.f, c.v, c.saida);
        r.LerValoresSimbolos({"1,5E-3", "2,5", "7"}); // values typed by the user
        r.SaveFT(Path("a.fts"));
        TResultadoFT lido;
        lido.LoadFT(Path("a.fts"));
        EXPECT_EQ(lido.Conteudo().Simbolos[0].Valor, "0,0015");
        EXPECT_EQ(Textos(lido.Conteudo()), Textos(r.Conteudo()));
        lido.SaveFT(Path("b.fts"));
        EXPECT_EQ(Slurp(Path("b.fts")), Slurp(Path("a.fts")));
    }
}

TEST_F(FTFile, WhatTheFileDoesNotSayOrCannotBeReadTakesTheDefaults) {
    // A coefficient or a value that is not a number is 1, a power that is not one is 1, and so is
    // an exponent of a symbol; a period is not the decimal separator.
    Spit(Path("d.fts"),
         "E\nS\nSym\nR=abc\nL=2.5\nC=\nend\nNum\nx;0;R;\n2;y;L^z;\nend\nDen\n1;1;C;\n1;0;;\nend\n");
    TResultadoFT r;
    r.LoadFT(Path("d.fts"));
    const TConteudoFT& c = r.Conteudo();
    ASSERT_EQ(c.Simbolos.size(), 3u);
    for (const auto& linha : c.Simbolos)
        EXPECT_EQ(linha.Valor, "1") << linha.Nome;
    EXPECT_EQ(c.FTSNum, "R + 2.L.S ");
    EXPECT_EQ(c.FTSDen, "C.S + 1 ");

    // No Sym section: the symbols of the function get the value 1. Lines outside the sections,
    // repeated sections and old-Mac line ends are read as the format allows; terms keep the order
    // of the file (not simplified again) and like terms collect.
    Spit(Path("s.fts"),
         "E\rS\rnoise\rNum\r1;0;;\rend\rDen\r1;0;R;\rend\rmore noise\rNum\r2;1;L;\r1;0;;\rend\r");
    r.LoadFT(Path("s.fts"));
    EXPECT_EQ(c.VarE, "E");
    EXPECT_EQ(c.VarS, "S");
    EXPECT_EQ(c.NomesSimbolos, (std::vector<std::string>{"L", "R"}));
    EXPECT_EQ(c.FTSNum, "2 + 2.L.S ");
    EXPECT_EQ(c.FTSDen, "R ");
    EXPECT_EQ(c.FTNNum, "S + 1");
}

TEST_F(FTFile, DamagedFilesAreRefusedNamingTheFileAndTheLineAndTheShownFunctionStays) {
    std::string binario;
    for (int b = 0; b < 512; ++b)
        binario += static_cast<char>(b % 256);
    const struct {
        std::string bytes;
        int linha;
        std::string trecho;
    } casos[] = {
        {"E\r\nS\r\nSym\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 0, "\"Num\""},
        {"E\r\nS\r\nNum\r\n1;0;;\r\nend\r\n", 0, "\"Den\""},
        // A truncated file: the open section names the line where it began.
        {"E\r\nS\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;1;;\r\n1;0", 6, "\"end\""},
        // A lost "end": the next marker would otherwise be read as a term.
        {"E\r\nS\r\nSym\r\nR=1\r\nNum\r\n1;0;R;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 5, "\"Sym\""},
        // Powers of S that no evaluation takes.
        {"E\r\nS\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;1;;\r\n1;-1;R;\r\nend\r\n", 8, "-1"},
        {"E\r\nS\r\nNum\r\n1;2000000000;;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 4, "2000000000"},
        {"E\r\nS\r\nNum\r\n1;1048577;;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 4, "1048577"},
        // Not a transfer-function file at all.
        {"Object 1: TVODFSVar\r\nNum=1\r\nend\r\n", 0, "Num"},
        {binario, 0, "Num"},
        {"", 0, "Num"},
    };
    const std::string f = Path("damaged.fts");
    TResultadoFT r;
    ShowExemplo(r);
    const std::vector<std::string> antes = Textos(r.Conteudo());
    for (const auto& c : casos) {
        Spit(f, c.bytes);
        try {
            r.LoadFT(f);
            ADD_FAILURE() << "accepted: " << c.bytes;
        } catch (const EFileError& e) {
            EXPECT_EQ(e.FileName(), f);
            EXPECT_EQ(e.Line(), c.linha) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.trecho), std::string::npos) << e.what();
        }
        EXPECT_EQ(r.NomeArquivo(), "CircuitoFT");
        EXPECT_EQ(Textos(r.Conteudo()), antes);
    }
    try {
        r.LoadFT(Path("none.fts"));
        ADD_FAILURE() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("none.fts"), std::string::npos);
    }
    EXPECT_EQ(Textos(r.Conteudo()), antes);
}

TEST_F(FTFile, TheHighestEvaluablePowerIsReadAndShownWithoutATableOfEveryPower) {
    Spit(Path("alta.fts"), "E\r\nS\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;1048576;;\r\n2;0;;\r\nend\r\n");
    TResultadoFT r;
    r.LoadFT(Path("alta.fts"));
    const TGradeFT& g = r.Conteudo().GradeDen;
    EXPECT_EQ(g.RowCount, 1048578);
    EXPECT_EQ(g.Celulas.size(), 2u);
    EXPECT_EQ(g.Texto(1, 0), "S^1048576");
    EXPECT_EQ(g.Texto(1048577, 1), "+ 2");
    EXPECT_EQ(r.Conteudo().FTNDen, "S^1048576 + 2");
}

TEST_F(FTFile, MangledCopiesOfAFileAreReadOrRefusedButNeverCrash) {
    // Random line deletions, duplications, swaps and byte changes of a saved file. Whatever is read
    // must show a consistent table: one cell per term, every cell inside the grid.
    TResultadoFT r;
    r.ShowFT("x", "E", Funcao({"1;2;R.L;", "-3;1;C^2;", "1;0;;"}, {"1;3;L;", "2;2;R;", "1;1;C;", "1;0;;"}),
             Valores({{"C", 2}, {"L", 3}, {"R", 0.5}}), "S");
    r.SaveFT(Path("base.fts"));
    const std::vector<std::string> base = SplitLines(Slurp(Path("base.fts")));
    std::mt19937 rng(20240607);
    int lidos = 0;
    int recusados = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> lines = base;
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits && !lines.empty(); ++e) {
            const std::size_t i = rng() % lines.size();
            switch (rng() % 4) {
            case 0:
                lines.erase(lines.begin() + static_cast<long>(i));
                break;
            case 1:
                lines.insert(lines.begin() + static_cast<long>(i), lines[rng() % lines.size()]);
                break;
            case 2:
                std::swap(lines[i], lines[rng() % lines.size()]);
                break;
            default:
                if (!lines[i].empty()) lines[i][rng() % lines[i].size()] = static_cast<char>(rng() % 256);
            }
        }
        std::string bytes;
        for (const std::string& line : lines)
            bytes += line + "\r\n";
        Spit(Path("m.fts"), bytes);
        TResultadoFT lido;
        try {
            lido.LoadFT(Path("m.fts"));
        } catch (const EFileError& e) {
            EXPECT_EQ(e.FileName(), Path("m.fts"));
            ++recusados;
            continue;
        }
        ++lidos;
        for (const TGradeFT* g : {&lido.Conteudo().GradeNum, &lido.Conteudo().GradeDen}) {
            for (const TCelulaFT& cell : g->Celulas) {
                EXPECT_TRUE(cell.Linha >= 1 && cell.Linha < g->RowCount) << cell.Linha;
                EXPECT_TRUE(cell.Coluna >= 1 && cell.Coluna < g->ColCount) << cell.Coluna;
            }
        }
        EXPECT_EQ(lido.Conteudo().GradeNum.Celulas.size(),
                  static_cast<std::size_t>(lido.Funcao().Num.Count()));
        EXPECT_EQ(lido.Conteudo().GradeDen.Celulas.size(),
                  static_cast<std::size_t>(lido.Funcao().Den.Count()));
    }
    // Both outcomes occur, or the mangling tests nothing.
    EXPECT_GT(lidos, 20);
    EXPECT_GT(recusados, 20);
}
