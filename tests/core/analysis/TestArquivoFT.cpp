// The result's files. The transfer-function file: the example written byte for byte and replaced
// atomically, every tab read back the same, the defaults for what the file does not say, and damaged
// or hostile files refused with the file and the line named, never a crash. The Varnel export: the
// whole file against the layout table, read back by a decoder of its own; refusals and failures
// reported, never a half-written file.

#include "analysis/UnitArquivoFT.h"
#include "analysis/UnitResultadoFT.h"
#include "analysis/UnitVarnel.h"
#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "support/PastaTemp.h"
#include "support/SolucaoLinear.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace brelix;
using namespace apoio;

namespace {

using FTFile = PastaTemp;
using VarnelFile = PastaTemp;

// A function from the storage lines "K;ExpS;symbols;" of its numerator and denominator.
TFuncao Funcao(const std::vector<std::string>& num, const std::vector<std::string>& den) {
    TFuncao f;
    f.Num.ReadLines(num);
    f.Den.ReadLines(den);
    return f;
}

// R / (L.S + R) from E(V1) to F(L1) with R = 2 and L = 0,5, as the analysis hands it over: the
// symbols of the diagram still hold the closing branch's DFS.
void ShowExemplo(TResultadoFT& r) {
    r.ShowFT("CircuitoFT", "E(V1)", Funcao({"1;0;R;"}, {"1;1;L;", "1;0;R;"}),
             Valores({{"DFS", 1}, {"L", 0.5}, {"R", 2}}), "F(L1)");
}

const std::string kExemplo = "E(V1)\r\nF(L1)\r\nSym\r\nL=0,5\r\nR=2\r\nend\r\nNum\r\n1;0;R;\r\nend\r\n"
                             "Den\r\n1;1;L;\r\n1;0;R;\r\nend\r\n";

// Every text the result's tabs show, cell by cell, as one list.
std::vector<std::string> Textos(const TResultadoFT& r) {
    const TConteudoFT& c = r.Conteudo();
    std::vector<std::string> t = {c.VarE,    c.VarS, c.FTSNum, c.FTSDen, c.SensNum,
                                  c.SensDen, c.FTNG, c.FTNNum, c.FTNDen, c.Avaliada ? "avaliada" : "-"};
    for (const auto& linha : c.Simbolos)
        t.push_back(linha.Nome + "=" + linha.Valor);
    t.insert(t.end(), c.NomesSimbolos.begin(), c.NomesSimbolos.end());
    for (const TGradeFT* g : {&r.GradeNum(), &r.GradeDen()})
        for (std::int64_t row = 0; row < g->RowCount; ++row)
            for (int col = 0; col < g->ColCount; ++col)
                t.push_back(std::to_string(row) + "," + std::to_string(col) + ":" + g->Texto(row, col));
    return t;
}

// A reader of the file of its own: a little-endian field of n bytes assembled byte by byte.
std::uint64_t Campo(const std::string& bytes, std::size_t at, std::size_t n) {
    std::uint64_t u = 0;
    for (std::size_t i = n; i-- > 0;)
        u = (u << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return u;
}

// The layout of the file as a list of the fields that are not zero; every other byte must be zero.
struct TCampo {
    std::size_t Offset;
    bool Real; // else a 16-bit integer
    double Valor;
};

std::vector<TCampo> Layout(const TValoresVarnel& v) {
    std::vector<TCampo> campos = {{40, false, 7}, {44, false, 1}};
    for (const std::size_t bloco : {std::size_t{46}, std::size_t{1678}}) {
        campos.push_back({bloco + 0, true, v.Ganho});
        campos.push_back({bloco + 26, false, 1});
        campos.push_back({bloco + 28, false, 3});
        campos.push_back({bloco + 30, false, bloco == 46 ? 8.0 : 12.0});
        for (std::size_t i = 0; i < 9; ++i) {
            campos.push_back({bloco + 1424 + 8 * i, true, v.N[i]});
            campos.push_back({bloco + 1528 + 8 * i, true, v.D[i]});
        }
    }
    for (std::size_t r = 0; r < 7; ++r)
        campos.push_back({3310 + 104 * r + 4, false, static_cast<double>(r)});
    const std::vector<TCampo> fixos = {
        {4056, true, 1.0},  {4072, true, 1.0},  {4080, false, 100}, {4082, true, 0.01}, {4090, true, 1000.0},
        {4098, false, 100}, {4100, true, 0.01}, {4108, true, 1.0},  {4124, true, 5.0},  {4158, false, 1},
        {4262, false, 6},   {4324, false, 6},   {4326, false, 250}, {4328, false, 150}, {4466, true, 20.0},
        {4474, true, 45.0}, {4486, false, 1},   {4490, true, 1.0},  {4498, true, 1.0},  {4506, true, 1.0},
        {4514, false, 40},  {4516, true, 0.3},  {4524, true, 0.8},  {4532, true, 0.01}, {4540, true, 0.01},
        {4548, false, 40},  {4550, true, 1.0},  {4558, true, 0.5},  {4566, true, 2.0},  {4574, true, 0.3},
        {4582, true, 5.0},  {4590, true, 0.01}, {4598, true, 1e-6}, {4606, false, 40},  {4608, true, 0.2},
        {4616, true, 3.0},  {4624, true, 0.5},  {4632, true, 0.01}, {4640, true, 0.01}, {4648, false, 40},
        {4650, true, 0.2},  {4658, true, 1.5},  {4666, true, 0.5},  {4674, true, 0.01}, {4682, true, 0.01},
        {4690, false, 1},   {4720, false, 3},
    };
    campos.insert(campos.end(), fixos.begin(), fixos.end());
    return campos;
}

// Checks the whole file against the layout: every field, and zero in every byte no field covers.
void ExpectLayout(const std::string& bytes, const TValoresVarnel& v) {
    ASSERT_EQ(bytes.size(), 4722u);
    EXPECT_EQ(bytes.substr(0, 29), "Arquivo do Varnel for Windows");
    std::vector<bool> coberto(bytes.size(), false);
    std::fill_n(coberto.begin(), 29, true);
    for (const TCampo& c : Layout(v)) {
        const std::size_t n = c.Real ? 8 : 2;
        const std::uint64_t u = Campo(bytes, c.Offset, n);
        double lido = static_cast<std::int16_t>(u);
        if (c.Real) std::memcpy(&lido, &u, sizeof lido);
        EXPECT_EQ(lido, c.Valor) << (c.Real ? "double" : "integer") << " at " << c.Offset;
        std::fill_n(coberto.begin() + static_cast<long>(c.Offset), n, true);
    }
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!coberto[i]) {
            EXPECT_EQ(Campo(bytes, i, 1), 0u) << "byte " << i << " is not zero";
        }
}

TValoresVarnel ValoresDistintos() {
    TValoresVarnel v;
    v.Ganho = -3.75;
    for (std::size_t i = 0; i < 9; ++i) {
        v.N[i] = 0.5 + static_cast<double>(i) * 1.25;
        v.D[i] = -1e-3 * static_cast<double>(i + 1) - 7.0;
    }
    return v;
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
    EXPECT_EQ(Textos(lido), Textos(r));
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
    const std::vector<std::string> antes = Textos(r);
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
        EXPECT_EQ(Textos(r), antes);
    }
    try {
        r.LoadFT(Path("none.fts"));
        ADD_FAILURE() << "expected EFileError";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("none.fts"), std::string::npos);
    }
    EXPECT_EQ(Textos(r), antes);
}

TEST_F(FTFile, ANameThatNoGainCouldHoldIsADamagedLineNeverASymbol) {
    // "2" and "S" once shown as "2 + S" and evaluated as 1; "^2" made a symbol without a name; "C="
    // was saved as "C==1", whose value was then lost. A line of another shape than "K;ExpS;symbols;"
    // (a blank line once added the term S) is no term either.
    const std::string inicio = "E\r\nS\r\nSym\r\nR=2\r\nend\r\nNum\r\n1;0;R;\r\nend\r\nDen\r\n1;1;R;\r\n";
    for (const auto& [linha, trecho] :
         std::vector<std::pair<std::string, std::string>>{{"1;0;2;", "\"2\""},
                                                          {"1;0;S;", "\"S\""},
                                                          {"1;0;^2;", "\"\""},
                                                          {"1;0;C=;", "\"C=\""},
                                                          {"1;0;R.x y;", "\"x y\""},
                                                          {"1;0;R.1R^2;", "\"1R\""},
                                                          {"", "\"\""},
                                                          {"1;0;R", "\"1;0;R\""},
                                                          {"1;0;R;;", "\"1;0;R;;\""}}) {
        SCOPED_TRACE(linha);
        Spit(Path("n.fts"), inicio + linha + "\r\nend\r\n");
        TResultadoFT r;
        try {
            r.LoadFT(Path("n.fts"));
            ADD_FAILURE() << "accepted";
        } catch (const EFileError& e) {
            EXPECT_EQ(e.Line(), 11);
            EXPECT_NE(std::string(e.what()).find("esperava-se"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(trecho), std::string::npos) << e.what();
        }
    }
    // The same holds for the names of the symbol values.
    for (const std::string linha : {"2=1", "S=3", "=5", "C=1=2x", "R x=1", "R"}) {
        Spit(Path("s.fts"), "E\r\nS\r\nSym\r\nR=2\r\n" + linha +
                                "\r\nend\r\nNum\r\n1;0;R;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n");
        TResultadoFT r;
        try {
            r.LoadFT(Path("s.fts"));
            // A value that is not a number is 1, as before: only the name must be a name.
            EXPECT_EQ(linha, "C=1=2x");
            EXPECT_EQ(r.Simbolos().GetValor("C"), 1.0);
        } catch (const EFileError& e) {
            EXPECT_EQ(e.Line(), 5) << linha;
        }
    }
    // Names of every form a gain can hold read back as they were written.
    TResultadoFT r;
    r.ShowFT("N", "E", Funcao({"1;0;_a-1.S1;"}, {"1;1;x_y^-2;", "1;0;;"}),
             Valores({{"_a-1", 2}, {"S1", 3}, {"x_y", 4}}), "S");
    r.SaveFT(Path("ok.fts"));
    TResultadoFT lido;
    lido.LoadFT(Path("ok.fts"));
    EXPECT_EQ(Textos(lido), Textos(r));
}

TEST_F(FTFile, EveryNumberReadsBackAsWrittenAndNoneIsInfiniteOrNaN) {
    // The largest real and a value that takes 17 digits come back exactly, coefficients included.
    const double maximo = std::numeric_limits<double>::max();
    TResultadoFT r;
    r.ShowFT("M", "E", Funcao({"0,1;0;R;"}, {"1;1;R;", "1;0;;"}), Valores({{"R", 1.0}}), "S");
    ASSERT_TRUE(r.DefinirValor("R", maximo));
    r.SaveFT(Path("m.fts"));
    TResultadoFT lido;
    lido.LoadFT(Path("m.fts"));
    EXPECT_EQ(lido.Simbolos().GetValor("R"), maximo);
    ASSERT_TRUE(lido.DefinirValor("R", 0.1 + 0.2));
    lido.SaveFT(Path("m.fts"));
    TResultadoFT outra;
    outra.LoadFT(Path("m.fts"));
    EXPECT_EQ(outra.Simbolos().GetValor("R"), 0.1 + 0.2);
    EXPECT_EQ(outra.Funcao().Num[0].K, 0.1);

    // Values whose products pass the range of the real numbers: the numeric form is refused, naming
    // the coefficient, and nothing holding NaN or an infinity is shown or exported.
    TResultadoFT rlc;
    rlc.ShowFT("RLC", "E(Vs)", Funcao({"1;0;;"}, {"1;2;C1.L1;", "1;1;C1.R1;", "1;0;;"}),
               Valores({{"C1", 1e308}, {"L1", 1e308}, {"R1", 1e308}}), "E(C1)");
    const TConteudoFT& c = rlc.Conteudo();
    EXPECT_FALSE(c.Avaliada);
    EXPECT_EQ(c.FTNG, "A função de transferência não pode ser avaliada com estes valores: o coeficiente de "
                      "S^2 do denominador passa do limite dos números reais.");
    for (const std::string& texto : Textos(rlc)) {
        EXPECT_EQ(texto.find("NAN"), std::string::npos) << texto;
        EXPECT_EQ(texto.find("INF"), std::string::npos) << texto;
    }
    std::string erro;
    EXPECT_FALSE(rlc.ExportVarnel(Path("rlc.vrn"), erro));
    EXPECT_EQ(erro, c.FTNG);
    // Products below the smallest real would drop the term: refused as well.
    for (const char* nome : {"C1", "L1"})
        ASSERT_TRUE(rlc.DefinirValor(nome, 1e-300));
    EXPECT_FALSE(c.Avaliada);
    EXPECT_NE(c.FTNG.find("S^2 do denominador"), std::string::npos) << c.FTNG;
    // Every coefficient in range but the gain, 1E300 / 1E-300.
    TResultadoFT ganho;
    ganho.ShowFT("G", "E", Funcao({"1;0;R;"}, {"1;0;L;"}), Valores({{"R", 1e300}, {"L", 1e-300}}), "S");
    EXPECT_EQ(
        ganho.Conteudo().FTNG,
        "A função de transferência não pode ser avaliada com estes valores: o ganho passa do limite dos "
        "números reais.");
    ASSERT_TRUE(ganho.DefinirValor("L", 1.0));
    EXPECT_TRUE(ganho.Conteudo().Avaliada);
    // Like terms whose sum passes the range, in a file, are a damaged line.
    Spit(Path("soma.fts"), "E\r\nS\r\nNum\r\n1E308;0;R;\r\n1E308;0;R;\r\nend\r\nDen\r\n1;0;;\r\nend\r\n");
    try {
        lido.LoadFT(Path("soma.fts"));
        ADD_FAILURE() << "accepted";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Line(), 5) << e.what();
    }
    // A sensitivity whose coefficients pass the range is refused with its reason.
    TResultadoFT s;
    s.ShowFT("S", "E", Funcao({"1E307;0;R^2;"}, {"1;0;;"}), Valores({{"R", 1}}), "S");
    EXPECT_TRUE(s.CalcularSensibilidade("R", erro));
    s.ShowFT("S", "E", Funcao({"1E308;0;R^-2147483648;"}, {"1;0;;"}), Valores({{"R", 1}}), "S");
    EXPECT_FALSE(s.CalcularSensibilidade("R", erro));
    EXPECT_NE(erro.find("passa do limite dos números reais"), std::string::npos) << erro;
}

TEST_F(FTFile, TheHighestEvaluablePowerIsReadAndShownWithoutATableOfEveryPower) {
    Spit(Path("alta.fts"), "E\r\nS\r\nNum\r\n1;0;;\r\nend\r\nDen\r\n1;1048576;;\r\n2;0;;\r\nend\r\n");
    TResultadoFT r;
    r.LoadFT(Path("alta.fts"));
    const TGradeFT& g = r.GradeDen();
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
    int lidos = 0, recusados = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> lines = base;
        for (int e = 1 + static_cast<int>(rng() % 4); e > 0 && !lines.empty(); --e) {
            const std::size_t i = rng() % lines.size();
            const auto at = lines.begin() + static_cast<long>(i);
            const auto op = rng() % 4;
            if (op == 0)
                lines.erase(at);
            else if (op == 1)
                lines.insert(at, lines[rng() % lines.size()]);
            else if (op == 2)
                std::swap(lines[i], lines[rng() % lines.size()]);
            else if (!lines[i].empty())
                lines[i][rng() % lines[i].size()] = static_cast<char>(rng() % 256);
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
        for (const auto& [g, termos] : {std::pair{&lido.GradeNum(), lido.Funcao().Num.Count()},
                                        std::pair{&lido.GradeDen(), lido.Funcao().Den.Count()}}) {
            EXPECT_EQ(g->Celulas.size(), static_cast<std::size_t>(termos));
            for (const TCelulaFT& cell : g->Celulas) {
                EXPECT_TRUE(cell.Linha >= 1 && cell.Linha < g->RowCount) << cell.Linha;
                EXPECT_TRUE(cell.Coluna >= 1 && cell.Coluna < g->ColCount) << cell.Coluna;
            }
        }
    }
    // Both outcomes occur, or the mangling tests nothing.
    EXPECT_GT(lidos, 20);
    EXPECT_GT(recusados, 20);
}

TEST_F(VarnelFile, TheWrittenFileIsTheLayoutAndReplacesAnOldOne) {
    const std::string file = Path("a.vrn");
    Spit(file, "an older, longer file that is to be replaced by the export");
    std::string erro = "left over";
    ASSERT_TRUE(ExportarVarnel(file, ValoresDistintos(), erro));
    EXPECT_TRUE(erro.empty());
    const std::string bytes = Slurp(file);
    ExpectLayout(bytes, ValoresDistintos());
    EXPECT_EQ(bytes, BytesVarnel(ValoresDistintos()));
    EXPECT_EQ(ArquivosNaPasta(), 1u);
    // The low byte comes first, whatever the host: 1.0 is 00 00 00 00 00 00 F0 3F.
    EXPECT_EQ(bytes.substr(4490, 8), std::string("\0\0\0\0\0\0\xF0\x3F", 8));
    EXPECT_EQ(bytes.substr(4326, 2), std::string("\xFA\0", 2));
}

TEST_F(VarnelFile, AFailedExportIsReportedAndKeepsTheOldFile) {
    std::string erro;
    const std::string missing = Path("no/such/folder/a.vrn");
    EXPECT_FALSE(ExportarVarnel(missing, ValoresDistintos(), erro));
    EXPECT_NE(erro.find(missing), std::string::npos) << erro;

    // A name that fits the file system but leaves no room for the temporary file written beside it:
    // the export fails after the old file was found, and the old file must survive.
    const std::string longName = Path(std::string(250, 'v'));
    Spit(longName, "old");
    EXPECT_FALSE(ExportarVarnel(longName, ValoresDistintos(), erro));
    EXPECT_FALSE(erro.empty());
    EXPECT_EQ(Slurp(longName), "old");
    EXPECT_EQ(ArquivosNaPasta(), 1u);
}

TEST_F(VarnelFile, OrderNineAndFunctionsWithoutANumericFormAreRefusedWithoutWritingAnything) {
    const std::string ordem = "Ordem do sistema não suportada pelo Varnel.";
    for (const auto& [f, mensagem] : std::vector<std::pair<TFuncao, std::string>>{
             {Funcao({"1;9;;"}, {"1;0;;"}), ordem},
             {Funcao({"1;0;;"}, {"1;9;R;", "1;0;;"}), ordem},
             {Funcao({"1;-1;;"}, {"1;0;;"}),
              "A função de transferência não pode ser avaliada: ela tem a potência negativa S^-1."}}) {
        TResultadoFT r;
        r.ShowFT("NoveFT", "E", f, Valores({{"R", 2}}), "S");
        std::string erro;
        EXPECT_FALSE(r.PodeExportarVarnel(erro));
        EXPECT_EQ(erro, mensagem);
        EXPECT_FALSE(r.ExportVarnel(Path("nove.vrn"), erro));
        EXPECT_EQ(erro, mensagem);
        EXPECT_EQ(ArquivosNaPasta(), 0u);
    }
    std::string erro;
    EXPECT_FALSE(ExportVarnel(Funcao({"1;9;;"}, {"1;0;;"}), Path("nove.vrn"), erro));
    EXPECT_EQ(ArquivosNaPasta(), 0u);
}
