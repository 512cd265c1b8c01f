// The transfer-function file: the example written byte for byte, round trips of every tab, atomic
// saving, the lenient reading of what the format allows, and damaged or hostile files refused with
// the file and the line named.

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

// Expects LoadFT to refuse the file with an error that names it (and the line, when given); the
// result must keep what it showed.
void ExpectRecusado(const std::string& file, const std::string& bytes, int line, const std::string& trecho) {
    Spit(file, bytes);
    TResultadoFT r;
    ShowExemplo(r);
    const std::vector<std::string> antes = Textos(r.Conteudo());
    try {
        r.LoadFT(file);
        ADD_FAILURE() << "accepted: " << bytes;
    } catch (const EFileError& e) {
        EXPECT_EQ(e.FileName(), file);
        EXPECT_EQ(e.Line(), line) << e.what();
        EXPECT_NE(std::string(e.what()).find(trecho), std::string::npos) << e.what();
    }
    EXPECT_EQ(r.NomeArquivo(), "CircuitoFT");
    EXPECT_EQ(Textos(r.Conteudo()), antes);
}

} // namespace

TEST_F(FTFile, TheExampleIsWrittenByteForByteAndReadsBackTheSameInEveryTab) {
    TResultadoFT r;
    ShowExemplo(r);
    const std::string file = Path("circuito.fts");
    r.SaveFT(file);
    EXPECT_EQ(Slurp(file), kExemplo);
    EXPECT_EQ(r.NomeArquivo(), file);

    TResultadoFT lido;
    lido.LoadFT(file);
    EXPECT_EQ(lido.NomeArquivo(), file);
    EXPECT_EQ(Textos(lido.Conteudo()), Textos(r.Conteudo()));
    EXPECT_EQ(lido.Conteudo().FTSDen, "L.S + R ");
    EXPECT_EQ(lido.Conteudo().FTNG, "4");
    EXPECT_EQ(lido.Conteudo().FTNDen, "S + 4");
    EXPECT_EQ(lido.Simbolos().IndexOfSimbolo("DFS"), -1);
}

TEST_F(FTFile, ARicherFunctionAndEditedValuesRoundTrip) {
    // Several terms per power, negative and fractional coefficients, negative symbol exponents,
    // accented names, values in scientific form; then values typed by the user.
    TResultadoFT r;
    r.ShowFT("Ação FT", "v(Massa_P1)",
             Funcao({"-2,5;2;Cá.R^-1;", "1;2;L;", "3;0;;"}, {"1;3;L^2;", "-1;1;R;", "1E-20;0;Cá;"}),
             Valores({{"Cá", 1e-7}, {"L", 3}, {"R", 0.25}}), "F(Mola)");
    r.LerValoresSimbolos({"2,5", "1,5E-3", "7"});
    std::string erro;
    ASSERT_TRUE(r.CalcularSensibilidade("L", erro));
    const std::string file = Path("rica.fts");
    r.SaveFT(file);

    TResultadoFT lido;
    lido.LoadFT(file);
    EXPECT_EQ(lido.Conteudo().Simbolos[1].Valor, "0,0015");
    r.Mostrar(); // the sensitivity texts are cleared on every fill, as after a read
    EXPECT_EQ(Textos(lido.Conteudo()), Textos(r.Conteudo()));

    // Read and written again, the file does not change.
    const std::string again = Path("again.fts");
    lido.SaveFT(again);
    EXPECT_EQ(Slurp(again), Slurp(file));
}

TEST_F(FTFile, VariableNamesThatLookLikeSectionMarkersRoundTrip) {
    for (const std::string name : {"Num", "end", "Sym", "Den", ""}) {
        TResultadoFT r;
        r.ShowFT("x", name, Funcao({"1;0;R;"}, {"1;1;;", "1;0;;"}), Valores({{"R", 3}}), name);
        r.SaveFT(Path("m.fts"));
        TResultadoFT lido;
        lido.LoadFT(Path("m.fts"));
        EXPECT_EQ(Textos(lido.Conteudo()), Textos(r.Conteudo()));
    }
}

TEST_F(FTFile, SavingReplacesTheFileAtomicallyAndAFailureKeepsTheOldOne) {
    const std::string file = Path("f.fts");
    Spit(file, "older content\r\n");
    TResultadoFT r;
    ShowExemplo(r);
    r.SaveFT(file);
    EXPECT_EQ(Slurp(file), kExemplo);
    EXPECT_EQ(ArquivosNaPasta(), 1u);

    // An input name the file's code page cannot hold: nothing is written and the name stays.
    TResultadoFT outro;
    outro.ShowFT("OutroFT", "Ω", Funcao({"1;0;;"}, {"1;0;;"}), TListSimboloVal{}, "S");
    EXPECT_THROW(outro.SaveFT(file), EFileError);
    EXPECT_EQ(Slurp(file), kExemplo);
    EXPECT_EQ(outro.NomeArquivo(), "OutroFT");
    EXPECT_EQ(ArquivosNaPasta(), 1u);
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
    EXPECT_EQ(c.FTNG, "2");
    EXPECT_EQ(c.FTNNum, "S + 1");
}

TEST_F(FTFile, DamagedFilesAreRefusedNamingTheFileAndTheLine) {
    const std::string f = Path("damaged.fts");
    ExpectRecusado(f, "E\r\nS\r\nSym\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 0, "\"Num\"");
    ExpectRecusado(f, "E\r\nS\r\nNum\r\n1;0;;\r\nend\r\n", 0, "\"Den\"");
    // A truncated file: the open section names the line where it began.
    ExpectRecusado(f, "E\r\nS\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;1;;\r\n1;0", 6, "\"end\"");
    // A lost "end": the next marker would otherwise be read as a term.
    ExpectRecusado(f, "E\r\nS\r\nSym\r\nR=1\r\nNum\r\n1;0;R;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 5,
                   "\"Sym\"");
    // Powers of S that no evaluation takes.
    ExpectRecusado(f, "E\r\nS\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;1;;\r\n1;-1;R;\r\nend\r\n", 8, "-1");
    ExpectRecusado(f, "E\r\nS\r\nNum\r\n1;2000000000;;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 4, "2000000000");
    ExpectRecusado(f, "E\r\nS\r\nNum\r\n1;1048577;;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n", 4, "1048577");
    // Not a transfer-function file at all.
    ExpectRecusado(f, "Object 1: TVODFSVar\r\nNum=1\r\nend\r\n", 0, "Num");
    std::string binary;
    for (int b = 0; b < 256; ++b)
        binary += static_cast<char>(b);
    ExpectRecusado(f, binary + binary, 0, "Num");
    ExpectRecusado(f, "", 0, "Num");
    // A missing file.
    TResultadoFT r;
    ShowExemplo(r);
    try {
        r.LoadFT(Path("none.fts"));
        ADD_FAILURE() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("none.fts"), std::string::npos);
    }
    EXPECT_EQ(r.Conteudo().FTSNum, "R ");
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
    std::string erro;
    EXPECT_FALSE(r.PodeExportarVarnel(erro));
    EXPECT_EQ(erro, "Ordem do sistema não suportada pelo Varnel.");
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
        for (const TGradeFT* g : {&lido.Conteudo().GradeNum, &lido.Conteudo().GradeDen})
            for (const TCelulaFT& cell : g->Celulas) {
                EXPECT_GE(cell.Linha, 1);
                EXPECT_LT(cell.Linha, g->RowCount);
                EXPECT_GE(cell.Coluna, 1);
                EXPECT_LT(cell.Coluna, g->ColCount);
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
