// The Varnel export: the whole file against the layout table, read back by a decoder of its own;
// the values taken from the evaluated function; and refusals and failures reported, never a
// half-written file.

#include "analysis/UnitVarnel.h"

#include "analysis/UnitResultadoFT.h"
#include "core/analysis/ApoioFT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

using namespace brelix;
using namespace apoio;

namespace {

// A reader of the file of its own: little-endian fields assembled byte by byte.
unsigned Byte(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes.at(at));
}
int I16(const std::string& bytes, std::size_t at) {
    const unsigned u = Byte(bytes, at) | (Byte(bytes, at + 1) << 8);
    return u >= 0x8000u ? static_cast<int>(u) - 0x10000 : static_cast<int>(u);
}
double F64(const std::string& bytes, std::size_t at) {
    std::uint64_t bits = 0;
    for (std::size_t i = 8; i-- > 0;)
        bits = (bits << 8) | Byte(bytes, at + i);
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
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
    for (std::size_t i = 0; i < 29; ++i)
        coberto[i] = true;
    for (const TCampo& c : Layout(v)) {
        if (c.Real)
            EXPECT_EQ(F64(bytes, c.Offset), c.Valor) << "double at " << c.Offset;
        else
            EXPECT_EQ(I16(bytes, c.Offset), static_cast<int>(c.Valor)) << "integer at " << c.Offset;
        for (std::size_t i = 0; i < (c.Real ? 8u : 2u); ++i)
            coberto[c.Offset + i] = true;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!coberto[i]) {
            EXPECT_EQ(Byte(bytes, i), 0u) << "byte " << i << " is not zero";
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

using VarnelFile = PastaTemp;

} // namespace

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

TEST_F(VarnelFile, TheValuesComeFromTheEvaluatedFunction) {
    const auto exportar = [&](const TFuncao& f, const TListSimboloVal& v) {
        TResultadoFT r;
        r.ShowFT("OitoFT", "E", f, v, "S");
        std::string erro;
        EXPECT_TRUE(r.PodeExportarVarnel(erro)) << erro;
        EXPECT_TRUE(r.ExportVarnel(Path("f.vrn"), erro)) << erro;
        return Slurp(Path("f.vrn"));
    };
    // N = a.S^8 + 2.S^3 + 6 and D = 4.S^8 + b.S^7 + ... + 8 (every power), for a = 3 and b = 2.
    std::vector<std::string> den;
    for (int i = 8; i >= 0; --i)
        den.push_back(std::to_string(i == 8 ? 4 : i + 1) + ";" + std::to_string(i) + ";" +
                      (i == 7 ? "b" : "") + ";");
    TValoresVarnel oito;
    oito.Ganho = 3.0 / 4.0;
    oito.N = {6.0 / 3, 0, 0, 2.0 / 3, 0, 0, 0, 0, 1};
    for (std::size_t i = 0; i < 9; ++i)
        oito.D[i] = (i == 8 ? 4.0 : i == 7 ? 8.0 * 2 : static_cast<double>(i + 1)) / 4.0;
    ExpectLayout(exportar(Funcao({"1;8;a;", "2;3;;", "6;0;;"}, den), Valores({{"a", 3}, {"b", 2}})), oito);
    // A zero denominator lead: gain zero and the undivided coefficients.
    TValoresVarnel zero;
    zero.N[0] = 1.0;
    zero.D[0] = 2.0;
    ExpectLayout(exportar(Funcao({"4;0;;"}, {"1;1;R;", "2;0;;"}), Valores({{"R", 0}})), zero);
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
