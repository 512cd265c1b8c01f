#pragma once

#include "analysis/UnitArquivoFT.h"
#include "common/UnitComArquivo.h"
#include "symbolic/UnitFTFuncao.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// What the transfer-function window shows, as data: the window copies these texts into its memos,
// grids and drop-down list and keeps no state of its own.

inline constexpr const char* kMsgParametroInvalido = "Parâmetro inválido";
inline constexpr const char* kTextoGanhoInfinito = "Infinito";

// One row of the symbol grid under its header ("Símbolo", "Valor").
struct TLinhaSimbolo {
    std::string Nome;
    std::string Valor;
};

// One filled cell of a grid by power of S.
struct TCelulaFT {
    std::int64_t Linha = 0;
    int Coluna = 0;
    std::string Texto;
};

// A polynomial as a table by power of S: a header row, then one row per power from the highest
// (row 1) down to S^0 (the last row), each headed "S^%d" in the fixed first column; the terms of a
// power fill the columns from 1 on, in the polynomial's order. Only the terms are stored, so a
// sparse polynomial of a high power costs no more than its terms.
struct TGradeFT {
    std::int64_t RowCount = 0;
    int ColCount = 0;
    std::int64_t ExpSTopo = 0; // the power of row 1
    std::vector<TCelulaFT> Celulas;

    // "S^%d" of the row's power; empty for the header row.
    std::string Cabecalho(std::int64_t row) const;
    // The text of any cell: the row head in column 0, a term's text, or empty. It scans the cells;
    // a widget is filled from the row heads and Celulas.
    std::string Texto(std::int64_t row, int col) const;
};

// The grid of a polynomial. A polynomial with negative powers of S (which no evaluation takes) gets
// rows down to its lowest power rather than terms outside the table. The terms' texts are those of
// their sorted products.
TGradeFT GradePorPotencia(const TListFator& polinomio);

// Every text of the window's tabs.
struct TConteudoFT {
    // "Variáveis"
    std::string VarE;
    std::string VarS;
    // "Símbolos": at least one row; CBSimbolos lists the names
    std::vector<TLinhaSimbolo> Simbolos;
    std::vector<std::string> NomesSimbolos;
    // "FT Simbólica" as text; its grids are taken from the result (GradeNum, GradeDen)
    std::string FTSNum;
    std::string FTSDen;
    // "Sensibilidade Paramétrica"
    std::string SensNum;
    std::string SensDen;
    // "FT Numérica": Ganho x Numerador / Denominador with monic polynomials. When the function cannot
    // be evaluated, FTNG holds the reason and the polynomials are empty.
    std::string FTNG;
    std::string FTNNum;
    std::string FTNDen;
    bool Avaliada = false;
    // Not evaluated because the symbol values make a coefficient or the gain pass the range of the
    // real numbers (FTNG names it): the values, not the function, are to blame.
    bool ForaDoLimite = false;
};

// The result held by the transfer-function window: its name, the input and output, the symbols with
// their values (never the closing-branch symbol DFS after ShowFT), the function and the last
// sensitivity, with what the tabs show kept up to date by every operation.
class TResultadoFT {
public:
    // A new result: copies of the function and of the symbols, DFS taken out of the symbols; then
    // every tab is filled.
    void ShowFT(const std::string& name, const std::string& input, const TFuncao& function,
                const TListSimboloVal& symbols, const std::string& output);
    // The same, taking the function over rather than copying it (a large function holds millions of
    // terms).
    void ShowFT(const std::string& name, const std::string& input, TFuncao&& function,
                const TListSimboloVal& symbols, const std::string& output);

    // Writes the transfer-function file with the current symbol values; the file then names the
    // result. Raises EFileError when the file cannot be written (any old file stays as it was, and
    // so does the result's name).
    void SaveFT(const std::string& fileName, const TOpcoesGravacao& opcoes = {});
    // Reads a transfer-function file into the result; the file then names it. Raises EFileError,
    // naming the file, when it cannot be read or does not hold a transfer function that can be
    // evaluated; the result is then left as it was.
    void LoadFT(const std::string& fileName);
    // LoadFT of a file already read (LerLinhasArquivoFT): it becomes the result, named fileName.
    void MostrarArquivo(const std::string& fileName, TArquivoFT arquivo);
    // The lines SaveFT would write (EFileError for what cannot be written).
    std::vector<std::string> LinhasArquivo(const std::string& fileName);

    // Fills every tab (the sensitivity texts are cleared), then MostrarNumerica.
    void Mostrar();
    // Evaluates the function for the symbol values and fills the tab "FT Numérica".
    void MostrarNumerica();

    // "Calcular FT Numérica": symbol i takes the value read from cell i (the value column of grid
    // row i + 1); a cell that is missing or does not hold a number in the comma convention gives 1.
    // Names typed into the grid are not read. Then MostrarNumerica; the value texts of the symbol
    // rows show the values taken.
    void LerValoresSimbolos(const std::vector<std::string>& valueCells);
    // A value given by the symbol's name rather than by its row (a caller without the grid): the
    // symbol of exactly that name (letter case counts, as R and r are two symbols) takes the value,
    // then MostrarNumerica. False, with nothing changed, when no symbol has that name.
    bool DefinirValor(std::string_view symbol, double value);

    // "Calcular Sensibilidade" for the symbol shown in CBSimbolos: false with kMsgParametroInvalido
    // when that is none of the symbols (an empty choice included), or with the message naming the
    // coefficient of the sensitivity that passes the range of the real numbers.
    bool CalcularSensibilidade(std::string_view symbol, std::string& erro);

    // "Salvar Arquivo do Varnel", before the save dialog opens: false with the message to show when
    // the function cannot be exported (an order above 8, or a function that could not be evaluated).
    bool PodeExportarVarnel(std::string& erro) const;
    // The name the save dialog offers: the file name part of the result's name, with the extension
    // vrn (in place of fts), so that confirming it can never overwrite the transfer-function file.
    std::string NomeVarnelSugerido() const;
    // Writes the Varnel file from the last evaluation; false with the reason on any failure.
    bool ExportVarnel(const std::string& fileName, std::string& erro,
                      const TOpcoesGravacao& opcoes = {}) const;

    const TConteudoFT& Conteudo() const { return conteudo_; }
    // The tab "FT Simbólica" as grids by power of S, built when first asked for: a caller that shows
    // no grid (the command-line program) never pays for one string per term.
    const TGradeFT& GradeNum() const;
    const TGradeFT& GradeDen() const;
    const std::string& NomeArquivo() const { return nomeArquivo_; }
    const std::string& Entrada() const { return entrada_; }
    const std::string& Saida() const { return saida_; }
    const TListSimboloVal& Simbolos() const { return simbolos_; }
    const TFuncao& Funcao() const { return funcao_; }
    const std::optional<TFuncao>& Sensibilidade() const { return sensibilidade_; }

private:
    std::string nomeArquivo_;
    std::string entrada_;
    std::string saida_;
    TListSimboloVal simbolos_;
    TFuncao funcao_;
    std::optional<TFuncao> sensibilidade_;
    TConteudoFT conteudo_;
    mutable std::optional<TGradeFT> gradeNum_;
    mutable std::optional<TGradeFT> gradeDen_;
};

} // namespace brelix
