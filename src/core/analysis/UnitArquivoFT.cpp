#include "analysis/UnitArquivoFT.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "common/UnitComTexto.h"

#include <array>
#include <string_view>
#include <unordered_set>

namespace brelix {

namespace {

constexpr std::string_view kFim = "end";

enum TSecao { kSym, kNum, kDen, kNenhuma };
constexpr std::array<std::string_view, 3> kMarcadores = {"Sym", "Num", "Den"};

TSecao Marcador(std::string_view line) {
    for (std::size_t i = 0; i < kMarcadores.size(); ++i)
        if (line == kMarcadores[i]) return static_cast<TSecao>(i);
    return kNenhuma;
}

// The lines of one section with their line numbers in the file (1-based).
struct TLinhasSecao {
    bool Presente = false;
    std::vector<std::string> Linhas;
    std::vector<int> Numeros;
};

std::string Aspas(std::string_view text) {
    return Excerpt(text);
}

// Splits the lines after the two names into the three sections. A section that occurs twice gets
// the lines of both. Lines outside a section are not part of the function and are passed over. The
// names are not scanned for markers: a variable may well be called "Num" or "end".
std::array<TLinhasSecao, 3> Secoes(const std::vector<std::string>& lines, const std::string& fileName) {
    std::array<TLinhasSecao, 3> secoes;
    TSecao aberta = kNenhuma;
    int linhaAbertura = 0;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int numero = static_cast<int>(i + 1);
        const TSecao marcador = Marcador(line);
        if (aberta == kNenhuma) {
            if (marcador == kNenhuma) continue;
            aberta = marcador;
            linhaAbertura = numero;
            secoes[marcador].Presente = true;
            continue;
        }
        if (line == kFim) {
            aberta = kNenhuma;
            continue;
        }
        // A marker inside an open section means that its "end" was lost: reading it as a term or a
        // symbol would change the function without a word.
        if (marcador != kNenhuma)
            throw EFileError(fileName, numero,
                             Aspas(line) + " dentro da seção " + Aspas(kMarcadores[aberta]) +
                                 ", que não foi fechada por " + Aspas(kFim));
        secoes[aberta].Linhas.push_back(line);
        secoes[aberta].Numeros.push_back(numero);
    }
    if (aberta != kNenhuma)
        throw EFileError(fileName, linhaAbertura,
                         "a seção " + Aspas(kMarcadores[aberta]) + " não foi fechada por " + Aspas(kFim) +
                             " (arquivo incompleto?)");
    for (const TSecao s : {kNum, kDen})
        if (!secoes[s].Presente)
            throw EFileError(fileName, "não é um arquivo de função de transferência: falta a seção " +
                                           Aspas(kMarcadores[s]));
    return secoes;
}

bool PotenciaAvaliavel(std::int32_t expS) {
    return expS >= 0 && expS <= kMaxExpSAvaliar;
}

// The terms of a section, read with the defaults of the term lines. A power of S that no evaluation
// can take is refused with the line that holds it.
void LerTermos(const TLinhasSecao& secao, TListFator& polinomio, const std::string& fileName) {
    polinomio.ReadLines(secao.Linhas);
    bool avaliavel = true;
    for (const TFator& term : polinomio)
        avaliavel = avaliavel && PotenciaAvaliavel(term.ExpS);
    if (avaliavel) return;
    for (std::size_t i = 0; i < secao.Linhas.size(); ++i) {
        TListFator termo;
        termo.ReadLines({secao.Linhas[i]});
        const std::int32_t expS = termo[0].ExpS;
        if (!PotenciaAvaliavel(expS))
            throw EFileError(fileName, secao.Numeros[i],
                             "potência de S " + IntToStr(expS) + " fora do intervalo de 0 a " +
                                 IntToStr(kMaxExpSAvaliar));
    }
}

// A symbol of the function that the file gives no value would count as 0 and could not be edited;
// it gets the value 1, as every symbol of a new function has.
void CompletarSimbolos(const TListFator& polinomio, TListSimboloVal& simbolos,
                       std::unordered_set<std::string>& conhecidos) {
    for (const TFator& term : polinomio)
        for (const TSimboloExp& item : term.Simbolos)
            if (conhecidos.insert(item.Nome()).second) simbolos.AddSimbolo(item.Nome(), 1.0);
}

} // namespace

std::vector<std::string> LinhasArquivoFT(const std::string& entrada, const std::string& saida,
                                         const TListSimboloVal& simbolos, TFuncao& funcao) {
    std::vector<std::string> lines{entrada, saida, std::string(kMarcadores[kSym])};
    simbolos.WriteLines(lines);
    lines.emplace_back(kFim);
    lines.emplace_back(kMarcadores[kNum]);
    funcao.Num.WriteLines(lines);
    lines.emplace_back(kFim);
    lines.emplace_back(kMarcadores[kDen]);
    funcao.Den.WriteLines(lines);
    lines.emplace_back(kFim);
    return lines;
}

TArquivoFT LerLinhasArquivoFT(const std::vector<std::string>& lines, const std::string& fileName) {
    TArquivoFT arquivo;
    if (!lines.empty()) arquivo.Entrada = lines[0];
    if (lines.size() > 1) arquivo.Saida = lines[1];
    const std::array<TLinhasSecao, 3> secoes = Secoes(lines, fileName);
    arquivo.Simbolos.ReadLines(secoes[kSym].Linhas);
    LerTermos(secoes[kNum], arquivo.Funcao.Num, fileName);
    LerTermos(secoes[kDen], arquivo.Funcao.Den, fileName);

    std::unordered_set<std::string> conhecidos;
    for (const TSimboloVal& item : arquivo.Simbolos)
        conhecidos.insert(item.Nome);
    CompletarSimbolos(arquivo.Funcao.Num, arquivo.Simbolos, conhecidos);
    CompletarSimbolos(arquivo.Funcao.Den, arquivo.Simbolos, conhecidos);
    return arquivo;
}

TArquivoFT LerArquivoFT(const std::string& fileName) {
    return LerLinhasArquivoFT(ReadTextLines(fileName), fileName);
}

void GravarArquivoFT(const std::string& fileName, const std::string& entrada, const std::string& saida,
                     const TListSimboloVal& simbolos, TFuncao& funcao, const TOpcoesGravacao& opcoes) {
    WriteTextLines(fileName, LinhasArquivoFT(entrada, saida, simbolos, funcao), opcoes);
}

} // namespace brelix
