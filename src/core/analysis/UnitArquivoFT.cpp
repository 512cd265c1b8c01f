#include "analysis/UnitArquivoFT.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"
#include "common/UnitComParalelo.h"
#include "common/UnitComTexto.h"
#include "symbolic/UnitGrfGanho.h"

#include <array>
#include <cmath>
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

// A symbol name in the file must be one the program could have written, that is a name a gain
// text can hold: a digit, an "S" alone, a "=" or nothing at all is a damaged line, never a symbol.
void ConferirNome(std::string_view nome, const std::string& fileName, int numero) {
    if (!EhNomeSimbolo(nome))
        throw EFileError(fileName, numero,
                         "esperava-se um nome de símbolo (uma letra ou \"_\", depois letras, algarismos, "
                         "\"_\" ou \"-\"), mas há " +
                             Aspas(nome));
}

// The "name=value" lines: an unreadable value is 1; the first value of a name stays.
void LerSimbolos(const TLinhasSecao& secao, TListSimboloVal& simbolos, std::unordered_set<std::string>& nomes,
                 const std::string& fileName) {
    for (std::size_t i = 0; i < secao.Linhas.size(); ++i) {
        const std::string& line = secao.Linhas[i];
        const std::size_t igual = line.find('=');
        if (igual == std::string::npos)
            throw EFileError(fileName, secao.Numeros[i],
                             "esperava-se um símbolo \"nome=valor\", mas há " + Aspas(line));
        std::string nome = line.substr(0, igual);
        ConferirNome(nome, fileName, secao.Numeros[i]);
        if (!nomes.insert(nome).second) continue;
        simbolos.AddNovo(std::move(nome), StrToRealDef(std::string_view(line).substr(igual + 1), 1.0));
    }
}

// The product of a term: pieces "name" or "name^exponent" joined by "."; an exponent that is not an
// integer is 1.
TListSimboloExp SimbolosTermo(std::string_view texto, const std::string& fileName, int numero) {
    std::vector<TSimboloExp> fatores;
    while (!texto.empty()) {
        const std::size_t ponto = texto.find('.');
        const std::string_view peca = texto.substr(0, ponto);
        texto.remove_prefix(ponto == std::string_view::npos ? texto.size() : ponto + 1);
        if (peca.empty()) continue;
        const std::size_t chapeu = peca.find('^');
        const std::string_view nome = peca.substr(0, chapeu);
        ConferirNome(nome, fileName, numero);
        const std::int32_t exp =
            chapeu == std::string_view::npos ? 1 : StrToIntDef(peca.substr(chapeu + 1), 1);
        fatores.push_back({IdSimbolo(nome), exp});
    }
    TListSimboloExp simbolos;
    simbolos.AddSimbolos(fatores);
    return simbolos;
}

// The terms of a section, each line "K;ExpS;symbols;" as TFator::Linha writes it: an unreadable
// coefficient is 1, an unreadable power of S is 1, as in a term line. A line of another shape, a
// name that is no symbol's, a power of S that no evaluation can take, or like terms whose sum passes
// the range of the real numbers are refused with the line that holds them.
void LerTermos(const TLinhasSecao& secao, TListFator& polinomio, const std::string& fileName) {
    for (std::size_t i = 0; i < secao.Linhas.size(); ++i) {
        const std::string_view line = secao.Linhas[i];
        const int numero = secao.Numeros[i];
        std::array<std::string_view, 3> campos;
        std::size_t inicio = 0;
        bool forma = true;
        for (std::string_view& campo : campos) {
            const std::size_t fim = line.find(';', inicio);
            forma = forma && fim != std::string_view::npos;
            if (!forma) break;
            campo = line.substr(inicio, fim - inicio);
            inicio = fim + 1;
        }
        if (!forma || inicio != line.size())
            throw EFileError(fileName, numero,
                             "esperava-se um termo \"K;ExpS;símbolos;\", mas há " + Aspas(line));
        const std::int32_t expS = StrToIntDef(campos[1], 1);
        if (!PotenciaAvaliavel(expS))
            throw EFileError(fileName, numero,
                             "potência de S " + IntToStr(expS) + " fora do intervalo de 0 a " +
                                 IntToStr(kMaxExpSAvaliar));
        const TFator& term = polinomio.AddFator(expS, SimbolosTermo(campos[2], fileName, numero),
                                                StrToRealDef(campos[0], 1.0));
        if (!std::isfinite(term.K))
            throw EFileError(
                fileName, numero,
                "a soma deste termo com os termos iguais a ele passa do limite dos números reais");
    }
}

// A symbol of the function that the file gives no value would count as 0 and could not be edited;
// it gets the value 1, as every symbol of a new function has.
void CompletarSimbolos(const TListFator& polinomio, TListSimboloVal& simbolos,
                       std::unordered_set<std::string>& conhecidos) {
    for (const TFator& term : polinomio)
        for (const TSimboloExp& item : term.Simbolos)
            if (conhecidos.insert(item.Nome()).second) simbolos.AddNovo(item.Nome(), 1.0);
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
    std::unordered_set<std::string> conhecidos;
    LerSimbolos(secoes[kSym], arquivo.Simbolos, conhecidos, fileName);
    LerTermos(secoes[kNum], arquivo.Funcao.Num, fileName);
    LerTermos(secoes[kDen], arquivo.Funcao.Den, fileName);
    CompletarSimbolos(arquivo.Funcao.Num, arquivo.Simbolos, conhecidos);
    CompletarSimbolos(arquivo.Funcao.Den, arquivo.Simbolos, conhecidos);
    return arquivo;
}

TArquivoFT LerArquivoFT(const std::string& fileName) {
    return LerLinhasArquivoFT(ReadTextLines(fileName), fileName);
}

std::vector<std::string> LinhasParaGravar(const std::string& fileName, const std::string& entrada,
                                          const std::string& saida, const TListSimboloVal& simbolos,
                                          TFuncao& funcao, bool termos) {
    if (std::string motivo = funcao.MotivoNaoFinito(); !motivo.empty()) throw EFileError(fileName, motivo);
    for (const TSimboloVal& item : simbolos) {
        if (!EhNomeSimbolo(item.Nome))
            throw EFileError(fileName, Aspas(item.Nome) + " não é um nome de símbolo");
        if (!std::isfinite(item.Valor))
            throw EFileError(fileName, "o valor de " + item.Nome + " passa do limite dos números reais");
    }
    if (!termos) {
        std::vector<std::string> lines{entrada, saida, std::string(kMarcadores[kSym])};
        simbolos.WriteLines(lines);
        lines.emplace_back(kFim);
        return lines;
    }
    return LinhasArquivoFT(entrada, saida, simbolos, funcao);
}

void GravarArquivoFT(const std::string& fileName, const std::string& entrada, const std::string& saida,
                     const TListSimboloVal& simbolos, TFuncao& funcao, const TOpcoesGravacao& opcoes) {
    // The lines of LinhasParaGravar, written straight into the file: a large function has millions
    // of term lines, which are never held one string each nor all at once. They are made in pieces
    // over the threads, and written in order.
    const std::vector<std::string> cabecalho =
        LinhasParaGravar(fileName, entrada, saida, simbolos, funcao, false);
    funcao.Num.OrdenarProdutos();
    funcao.Den.OrdenarProdutos();
    WriteFileAtomically(
        fileName,
        [&](const TSaidaBytes& escrever) {
            std::string bytes; // lines not yet handed over
            int numero = 0;
            const auto despejar = [&] {
                if (!bytes.empty()) escrever(bytes);
                bytes.clear();
            };
            const auto linha = [&](std::string_view text) {
                AppendLinhaTexto(bytes, text, fileName, ++numero);
                if (bytes.size() >= std::size_t{1} << 20) despejar();
            };
            for (const std::string& text : cabecalho)
                linha(text);
            for (const auto& [polinomio, marcador] :
                 {std::pair{&funcao.Num, kNum}, std::pair{&funcao.Den, kDen}}) {
                linha(kMarcadores[marcador]);
                const std::vector<TFator>& terms = polinomio->Termos();
                const int primeira = numero + 1; // the line of the first term
                despejar();
                PecasEmOrdem((terms.size() + kTermosPorPeca - 1) / kTermosPorPeca,
                             [&](std::size_t peca, std::string& out) {
                                 const std::size_t last = std::min(terms.size(), (peca + 1) * kTermosPorPeca);
                                 std::string text;
                                 for (std::size_t i = peca * kTermosPorPeca; i < last; ++i) {
                                     AnteciparProduto(terms, i + kAdiante, terms.size());
                                     text.clear();
                                     terms[i].EscreverLinha(text);
                                     AppendLinhaTexto(out, text, fileName, primeira + static_cast<int>(i));
                                 }
                             },
                             escrever);
                numero += static_cast<int>(terms.size());
                linha(kFim);
            }
            despejar();
        },
        opcoes);
}

} // namespace brelix
