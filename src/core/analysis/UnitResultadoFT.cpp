#include "analysis/UnitResultadoFT.h"

#include "analysis/UnitArquivoFT.h"
#include "analysis/UnitVarnel.h"
#include "common/UnitComTexto.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>
#include <utility>

namespace brelix {

namespace {

// Why the function has no numeric form; empty when every power of S can be evaluated.
std::string MotivoNaoAvaliavel(const TFuncao& funcao) {
    const std::int32_t menor = std::min(funcao.Num.MinExpS(), funcao.Den.MinExpS());
    if (menor < 0)
        return "A função de transferência não pode ser avaliada: ela tem a potência negativa S^" +
               IntToStr(menor) + ".";
    const std::int32_t maior = std::max(funcao.Num.MaxExpS(), funcao.Den.MaxExpS());
    if (maior > kMaxExpSAvaliar)
        return "A função de transferência não pode ser avaliada: a potência S^" + IntToStr(maior) +
               " passa do limite S^" + IntToStr(kMaxExpSAvaliar) + ".";
    return {};
}

std::vector<TLinhaSimbolo> LinhasSimbolos(const TListSimboloVal& simbolos) {
    std::vector<TLinhaSimbolo> rows;
    for (const TSimboloVal& item : simbolos)
        rows.push_back({item.Nome, RealToStr(item.Valor)});
    // The grid keeps at least one row under its header, an empty one when there is no symbol.
    if (rows.empty()) rows.emplace_back();
    return rows;
}

// A copy of the symbols without the closing branch's symbol.
TListSimboloVal SemDFS(const TListSimboloVal& simbolos) {
    TListSimboloVal copia;
    for (const TSimboloVal& item : simbolos)
        if (item.Nome != kSimboloDFS) copia.AddSimbolo(item.Nome, item.Valor);
    return copia;
}

bool TerminaCom(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && SameTextAscii(text.substr(text.size() - suffix.size()), suffix);
}

} // namespace

std::string TGradeFT::Cabecalho(std::int64_t row) const {
    if (row <= 0 || row >= RowCount) return {};
    return "S^" + IntToStr(ExpSTopo - row + 1);
}

std::string TGradeFT::Texto(std::int64_t row, int col) const {
    if (col == 0) return Cabecalho(row);
    for (const TCelulaFT& cell : Celulas)
        if (cell.Linha == row && cell.Coluna == col) return cell.Texto;
    return {};
}

TGradeFT GradePorPotencia(const TListFator& polinomio) {
    TGradeFT grade;
    if (polinomio.Empty()) {
        grade.RowCount = 2;
        grade.ColCount = 1;
        return grade;
    }
    std::int64_t topo = 0, base = 0;
    for (const TFator& term : polinomio) {
        topo = std::max<std::int64_t>(topo, term.ExpS);
        base = std::min<std::int64_t>(base, term.ExpS);
    }
    grade.ExpSTopo = topo;
    grade.RowCount = topo - base + 2;
    // Columns filled per row: counted in an array when the rows are not many more than the terms (a
    // polynomial of one term in S^1048576 has a million rows and one cell).
    const bool denso = grade.RowCount <= 4 * static_cast<std::int64_t>(polinomio.Count()) + 16;
    std::vector<int> porLinha(denso ? static_cast<std::size_t>(grade.RowCount) : 0, 0);
    std::unordered_map<std::int64_t, int> esparsas;
    int maisCheia = 0;
    grade.Celulas.reserve(static_cast<std::size_t>(polinomio.Count()));
    const bool ordenados = polinomio.ProdutosOrdenados();
    for (const TFator& term : polinomio) {
        const std::int64_t row = topo - term.ExpS + 1;
        const int col = denso ? ++porLinha[static_cast<std::size_t>(row)] : ++esparsas[row];
        maisCheia = std::max(maisCheia, col);
        TCelulaFT& cell = grade.Celulas.emplace_back();
        cell.Linha = row;
        cell.Coluna = col;
        if (ordenados) {
            term.EscreverTexto(cell.Texto, false);
        } else {
            TFator sorted(term);
            cell.Texto = sorted.TextoSemS();
        }
    }
    grade.ColCount = maisCheia + 1;
    return grade;
}

void TResultadoFT::ShowFT(const std::string& name, const std::string& input, const TFuncao& function,
                          const TListSimboloVal& symbols, const std::string& output) {
    ShowFT(name, input, TFuncao(function), symbols, output);
}

void TResultadoFT::ShowFT(const std::string& name, const std::string& input, TFuncao&& function,
                          const TListSimboloVal& symbols, const std::string& output) {
    nomeArquivo_ = name;
    entrada_ = input;
    saida_ = output;
    funcao_ = std::move(function);
    simbolos_ = SemDFS(symbols);
    Mostrar();
}

const TGradeFT& TResultadoFT::GradeNum() const {
    if (!gradeNum_) gradeNum_ = GradePorPotencia(funcao_.Num);
    return *gradeNum_;
}

const TGradeFT& TResultadoFT::GradeDen() const {
    if (!gradeDen_) gradeDen_ = GradePorPotencia(funcao_.Den);
    return *gradeDen_;
}

void TResultadoFT::SaveFT(const std::string& fileName, const TOpcoesGravacao& opcoes) {
    GravarArquivoFT(fileName, entrada_, saida_, simbolos_, funcao_, opcoes);
    nomeArquivo_ = fileName;
}

void TResultadoFT::LoadFT(const std::string& fileName) {
    MostrarArquivo(fileName, LerArquivoFT(fileName));
}

std::vector<std::string> TResultadoFT::LinhasArquivo(const std::string& fileName) {
    return LinhasParaGravar(fileName, entrada_, saida_, simbolos_, funcao_);
}

void TResultadoFT::MostrarArquivo(const std::string& fileName, TArquivoFT arquivo) {
    nomeArquivo_ = fileName;
    entrada_ = std::move(arquivo.Entrada);
    saida_ = std::move(arquivo.Saida);
    simbolos_ = std::move(arquivo.Simbolos);
    funcao_ = std::move(arquivo.Funcao);
    Mostrar();
}

void TResultadoFT::Mostrar() {
    conteudo_.VarE = entrada_;
    conteudo_.VarS = saida_;
    conteudo_.SensNum.clear();
    conteudo_.SensDen.clear();
    conteudo_.Simbolos = LinhasSimbolos(simbolos_);
    conteudo_.NomesSimbolos.clear();
    for (const TSimboloVal& item : simbolos_)
        conteudo_.NomesSimbolos.push_back(item.Nome);
    conteudo_.FTSNum = funcao_.Num.TextoSimbolico();
    conteudo_.FTSDen = funcao_.Den.TextoSimbolico();
    gradeNum_.reset();
    gradeDen_.reset();
    MostrarNumerica();
}

void TResultadoFT::MostrarNumerica() {
    std::string motivo = MotivoNaoAvaliavel(funcao_);
    conteudo_.Avaliada = motivo.empty() && funcao_.Avaliar(simbolos_);
    conteudo_.ForaDoLimite = false;
    if (conteudo_.Avaliada) {
        motivo = funcao_.MotivoNumericoNaoFinito();
        conteudo_.ForaDoLimite = !motivo.empty();
        conteudo_.Avaliada = motivo.empty();
    }
    if (!conteudo_.Avaliada) {
        conteudo_.FTNG = motivo;
        conteudo_.FTNNum.clear();
        conteudo_.FTNDen.clear();
        return;
    }
    const double denLead = funcao_.Den.Lead();
    conteudo_.FTNG = denLead == 0.0 ? kTextoGanhoInfinito : RealToStr(funcao_.Num.Lead() / denLead);
    conteudo_.FTNNum = funcao_.Num.TextoNumerico();
    conteudo_.FTNDen = funcao_.Den.TextoNumerico();
}

void TResultadoFT::LerValoresSimbolos(const std::vector<std::string>& valueCells) {
    for (int i = 0; i < simbolos_.Count(); ++i) {
        const auto cell = static_cast<std::size_t>(i);
        simbolos_[i].Valor = cell < valueCells.size() ? StrToRealDef(valueCells[cell], 1.0) : 1.0;
    }
    conteudo_.Simbolos = LinhasSimbolos(simbolos_);
    MostrarNumerica();
}

bool TResultadoFT::DefinirValor(std::string_view symbol, double value) {
    const int i = simbolos_.IndexOfSimbolo(symbol);
    if (i < 0) return false;
    simbolos_[i].Valor = value;
    conteudo_.Simbolos = LinhasSimbolos(simbolos_);
    MostrarNumerica();
    return true;
}

bool TResultadoFT::CalcularSensibilidade(std::string_view symbol, std::string& erro) {
    if (symbol.empty() || simbolos_.IndexOfSimbolo(symbol) < 0) {
        erro = kMsgParametroInvalido;
        return false;
    }
    TFuncao sensibilidade = funcao_.Sensibilidade(symbol);
    if (std::string motivo = sensibilidade.MotivoNaoFinito(); !motivo.empty()) {
        erro = "A sensibilidade a " + std::string(symbol) + " não pode ser calculada. " + motivo;
        return false;
    }
    sensibilidade_ = std::move(sensibilidade);
    conteudo_.SensNum = sensibilidade_->Num.TextoSimbolico();
    conteudo_.SensDen = sensibilidade_->Den.TextoSimbolico();
    erro.clear();
    return true;
}

bool TResultadoFT::PodeExportarVarnel(std::string& erro) const {
    if (!VarnelSuportaOrdem(funcao_)) {
        erro = kMsgOrdemVarnel;
        return false;
    }
    // The file would otherwise carry zeros for a function that has no numeric form.
    if (!conteudo_.Avaliada) {
        erro = conteudo_.FTNG;
        return false;
    }
    erro.clear();
    return true;
}

std::string TResultadoFT::NomeVarnelSugerido() const {
    std::string name = std::filesystem::path(nomeArquivo_).filename().string();
    if (TerminaCom(name, ".fts")) name.resize(name.size() - 4);
    return name + ".vrn";
}

bool TResultadoFT::ExportVarnel(const std::string& fileName, std::string& erro,
                                const TOpcoesGravacao& opcoes) const {
    if (!PodeExportarVarnel(erro)) return false;
    return brelix::ExportVarnel(funcao_, fileName, erro, opcoes);
}

} // namespace brelix
