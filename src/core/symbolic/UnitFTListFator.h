#pragma once

#include "symbolic/UnitSymListSimboloExp.h"

#include <complex>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

class TListSimboloVal;

// The highest power of S whose polynomial is evaluated numerically. A model's polynomial stays far
// below it; a transfer-function file edited by hand may name S^2000000000, for which one real per
// power could not even be allocated.
constexpr std::int32_t kMaxExpSAvaliar = 1 << 20;

// One term of a polynomial in S: K . S^ExpS . (product of its symbols).
struct TFator {
    double K = 0.0;
    std::int32_t ExpS = 0;
    TListSimboloExp Simbolos;

    TFator() = default;
    // A new term with a copy of the given product (none: the empty product).
    TFator(std::int32_t expS, const TListSimboloExp* symbols, double k);
    TFator(std::int32_t expS, TListSimboloExp&& symbols, double k);

    // The text of the symbol product; taking it sorts the product.
    std::string TextoSimbolos() { return Simbolos.Texto(); }
    // "- 2.L.R.S", "+ S^2", "+ 0,5", "+ 0".
    std::string Texto();
    // As Texto without the power of S, for tables whose rows stand for the powers.
    std::string TextoSemS();
    // The storage line "K;ExpS;symbols;".
    std::string Linha();
    // Texto (or TextoSemS, without S) and Linha appended to out, the product written in its current
    // order: for a product already sorted.
    void EscreverTexto(std::string& out, bool comS = true) const;
    void EscreverLinha(std::string& out) const;
    // At least the length of Texto and of Linha, close to it for whole coefficients.
    std::size_t TamanhoMaximo() const;

    void DeleteZeros() { Simbolos.DeleteZeros(); }
    double Valor(const TListSimboloVal& values) const;
    // A new term: this one multiplied by sign and by the other term.
    TFator Mul(std::int32_t sign, const TFator& other) const;
    void AddExpS(std::int32_t n);
    void AddSimbolo(std::string_view name, std::int32_t exp) { Simbolos.AddSimbolo(name, exp); }
    void AddSimbolo(TIdSimbolo id, std::int32_t exp) { Simbolos.AddSimbolo(id, exp); }
    // Partial derivative with respect to the symbol. A term without the symbol has derivative 0.
    void Derivar(TIdSimbolo id);
};

// Asks the memory ahead for the product of terms[i], when i is before fim (the end of the terms the
// pass may read: other threads may be moving those past it). The products lie apart from the terms,
// each allocated on its own; once the terms are sorted a pass meets them in no order the machine can
// foresee and would wait on each in turn. Passes over many terms call this for the term kAdiante
// places ahead of the one they work on.
constexpr std::size_t kAdiante = 8;
inline void AnteciparProduto(const std::vector<TFator>& terms, std::size_t i, std::size_t fim) {
    if (i >= fim) return;
    const char* items = reinterpret_cast<const char*>(terms[i].Simbolos.Dados());
    __builtin_prefetch(items);
    __builtin_prefetch(items + 64);
}

// Long texts of a polynomial (its symbolic text, its file lines) are written in pieces of this many
// terms, the pieces over the threads.
constexpr std::size_t kTermosPorPeca = 8192;

// A polynomial in S whose coefficients are sums of symbol products: an ordered list of terms, with at
// most one term per (symbol text, power of S) as long as it is built by AddFator. It also keeps the
// numeric coefficients of its last evaluation.
class TListFator {
public:
    TListFator() = default;
    // A copy holds copies of the terms only: it has not been evaluated.
    TListFator(const TListFator& other);
    TListFator& operator=(const TListFator& other);
    TListFator(TListFator&&) noexcept = default;
    TListFator& operator=(TListFator&&) noexcept = default;

    int Count() const { return static_cast<int>(terms_.size()); }
    bool Empty() const { return terms_.empty(); }
    const TFator& operator[](int i) const { return terms_[static_cast<std::size_t>(i)]; }
    // A term reached this way may be changed, so like terms are looked up afresh by the next AddFator.
    TFator& operator[](int i);
    std::vector<TFator>::const_iterator begin() const { return terms_.begin(); }
    const std::vector<TFator>& Termos() const { return terms_; }
    std::vector<TFator>::const_iterator end() const { return terms_.end(); }
    void Clear();

    // Adds k . S^expS . symbols: into the first like term (equal symbol text and power; the sum may
    // be 0 and the term stays), or as a new term at the end. Taking the symbol text sorts the given
    // product. The reference is valid until the list next changes.
    TFator& AddFator(std::int32_t expS, TListSimboloExp& symbols, double k);
    TFator& AddFator(std::int32_t expS, TListSimboloExp&& symbols, double k);
    TFator& AddFator(std::int32_t expS, double k);

    // For long runs of additions: the key of a term can be taken ahead (which sorts the product, as
    // AddFator does) and its place in the index fetched while the previous term is being added.
    struct TChave {
        std::int32_t ExpS = 0;
        std::uint32_t Hash = 0;
    };
    static TChave Chave(std::int32_t expS, TListSimboloExp& symbols);
    void Antecipar(const TChave& key) const;
    // AddFator of a product whose key was taken by Chave and which has not changed since.
    TFator& AddFator(const TChave& key, TListSimboloExp&& symbols, double k);
    void DeleteFator(int index);
    // Hands the terms over, leaving the polynomial empty.
    std::vector<TFator> Extrair();
    // Takes these terms as the polynomial: no two alike (symbol text and power), products sorted, as
    // AddFator leaves them.
    void Assumir(std::vector<TFator>&& terms);
    // Removes the terms with K = 0, but never the last remaining term.
    void DeleteFatoresNulos();
    void DeleteZeros();
    void ShiftS(std::int32_t n);
    void MulSimbolo(std::string_view name, std::int32_t exp);
    void MulSimbolo(TIdSimbolo id, std::int32_t exp);
    // MulSimbolo for every factor in order, the factors' symbols distinct: one pass over the terms.
    void MulSimbolos(const std::vector<TSimboloExp>& factors);
    // The largest power of S, never below 0; the smallest, never above 0.
    std::int32_t MaxExpS() const;
    std::int32_t MinExpS() const;
    // The largest number of terms that share one power of S.
    int MaxFatoresPorPotencia() const;

    // Evaluates the coefficient of every power of S for the symbol values and makes the polynomial
    // monic when its leading coefficient (that of the highest power written, even when it evaluates
    // to 0) is not 0. A polynomial with a negative power of S, or with a power above
    // kMaxExpSAvaliar, has no such coefficients: the result is false, with no coefficients and lead 0.
    bool Avaliar(const TListSimboloVal& values);
    double Lead() const { return lead_; }
    // The highest power of S whose coefficient in the last Avaliar passes the range of the real
    // numbers: infinite or NaN before or after the division by the lead, or holding a term that fell
    // to 0 below the smallest real; -1 when none.
    std::int32_t PotenciaNaoFinita() const { return naoFinita_; }
    // The coefficient of S^i from the last Avaliar; 0 outside the evaluated powers.
    double Coef(std::int32_t i) const;
    const std::vector<double>& Coefs() const { return coefs_; }
    // The evaluated polynomial: "S^2 + 2", "- S + 0,5"; "0" when nothing was evaluated.
    std::string TextoNumerico() const;
    // The symbolic polynomial, every term followed by a blank: "L.R.S + 1 ". Sorts the products.
    std::string TextoSimbolico();
    // Sorts the products not sorted yet (as taking their texts does), so that the terms' texts can be
    // written as they stand.
    void OrdenarProdutos() { OrdenarAte(terms_.size()); }
    // Whether every product is sorted.
    bool ProdutosOrdenados() const { return ordenados_ == terms_.size(); }
    // The value of the polynomial for the symbol values at a complex S (negative powers included).
    std::complex<double> ValorEm(const TListSimboloVal& values, std::complex<double> s) const;

    // Partial derivative with respect to a symbol: the terms without it vanish.
    void Derivar(std::string_view name);
    void Derivar(TIdSimbolo id);
    // Descending powers of S; within one power, ascending upper-cased symbol text.
    void Ordenar();

    // One term per line "K;ExpS;symbols;" as Linha writes it; whatever a line holds, it adds a term.
    void ReadLines(const std::vector<std::string>& lines);
    void WriteLines(std::vector<std::string>& lines);

private:
    struct TEntrada {
        std::uint32_t hash = 0;
        std::int32_t pos = -1; // -1: empty slot
    };

    // The position of the first term like (key, symbols), or -1 with the free slot at which such a
    // term is to be entered. The symbols must be sorted.
    int Procurar(const TChave& key, const TListSimboloExp& symbols, std::size_t& slot);
    int ProcurarSimbolos(std::int32_t expS, const TListSimboloExp& symbols, std::uint32_t hash,
                         std::size_t& slot) const;
    TFator& Anexar(TFator&& term, std::uint32_t hash, std::size_t slot);
    void ReconstruirIndice();
    void Reservar(std::size_t count);
    // The product of the term at pos sorted, without sorting it in place (into scratch when needed).
    const TListSimboloExp& ProdutoOrdenado(std::size_t pos, TListSimboloExp& scratch) const;
    void OrdenarAte(std::size_t count);
    // A change after which the index and the sorted prefix are not to be trusted.
    void Alterado();

    // Runs tarefa(first, last) over the terms in pieces of kTermosPorPeca, the pieces over the
    // threads: for changes that touch each term on its own.
    void ParaCadaPeca(const std::function<void(std::size_t, std::size_t)>& tarefa);

    std::vector<TFator> terms_;
    double lead_ = 0.0;
    std::vector<double> coefs_;
    std::int32_t naoFinita_ = -1;
    // Like terms are found through a hash of (symbol text, ExpS) -> position of the first such term,
    // rebuilt after changes that move terms or change their keys.
    std::vector<TEntrada> indice_;
    // The first ordenados_ terms have sorted products (their texts are written as they stand).
    std::size_t ordenados_ = 0;
    bool indexValido_ = true;
};

} // namespace brelix
