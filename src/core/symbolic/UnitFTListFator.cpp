#include "symbolic/UnitFTListFator.h"

#include "common/UnitComParalelo.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitFTChaveTexto.h"
#include "symbolic/UnitSymListSimboloVal.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace brelix {

namespace {

// Powers add with saturation: a hand-edited file may hold powers near the 32-bit limits.
std::int32_t SomaSaturada(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

void EscreverPotenciaS(std::string& out, std::int32_t expS) {
    out += 'S';
    if (expS == 1) return;
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, expS);
    out += '^';
    out.append(digits, written.ptr);
}

std::string TextoPotenciaS(std::int32_t expS) {
    if (expS == 0) return {};
    if (expS == 1) return "S";
    return "S^" + std::to_string(expS);
}

std::uint32_t HashChave(const TListSimboloExp& symbols, std::int32_t expS) {
    std::uint64_t h = HashTexto(symbols);
    h ^= (static_cast<std::uint64_t>(static_cast<std::uint32_t>(expS)) + 0x9E3779B97F4A7C15ULL) *
         0xBF58476D1CE4E5B9ULL;
    h ^= h >> 31;
    h *= 0x94D049BB133111EBULL;
    h ^= h >> 29;
    return static_cast<std::uint32_t>(h);
}

// The values of the symbols by interned name: value(name) of a value list, 0 for a name it lacks.
class TTabelaValores {
public:
    explicit TTabelaValores(const TListSimboloVal& values) {
        // From the last to the first, so that the first item of a repeated name wins, as in a lookup.
        for (int i = values.Count() - 1; i >= 0; --i) {
            const auto id = static_cast<std::size_t>(IdSimbolo(values[i].Nome));
            if (id >= valores_.size()) valores_.resize(id + 1, 0.0);
            valores_[id] = values[i].Valor;
        }
    }
    double Valor(TIdSimbolo id) const {
        const auto i = static_cast<std::size_t>(id);
        return i < valores_.size() ? valores_[i] : 0.0;
    }
    // The value of a product, multiplied in the same order as TListSimboloExp::Valor. The powers of
    // small exponents are taken once per symbol and kept: a large polynomial raises the same few
    // values to the same few exponents millions of times.
    double Produto(const TListSimboloExp& symbols) const {
        double result = 1.0;
        for (const TSimboloExp& item : symbols)
            result *= Potencia(item.Id, item.Exp);
        return result;
    }
    // True when a term of coefficient k whose value came out 0 is really 0: its coefficient or a factor
    // is, rather than the product having fallen below the smallest real (1E-300 times 1E-300).
    bool ZeroExato(double k, const TListSimboloExp& symbols) const {
        if (k == 0.0) return true;
        for (const TSimboloExp& item : symbols)
            if (item.Exp > 0 && Valor(item.Id) == 0.0) return true;
        return false;
    }

private:
    static constexpr std::int32_t kMaxExpGuardado = 8;
    static constexpr std::size_t kPotencias = 2 * kMaxExpGuardado + 1;

    double Potencia(TIdSimbolo id, std::int32_t exp) const {
        if (exp < -kMaxExpGuardado || exp > kMaxExpGuardado) return std::pow(Valor(id), exp);
        const std::size_t slot =
            static_cast<std::size_t>(id) * kPotencias + static_cast<std::size_t>(exp + kMaxExpGuardado);
        if (slot >= potencias_.size()) {
            potencias_.resize((static_cast<std::size_t>(id) + 1) * kPotencias, 0.0);
            calculadas_.resize(potencias_.size(), false);
        }
        if (!calculadas_[slot]) {
            potencias_[slot] = std::pow(Valor(id), exp);
            calculadas_[slot] = true;
        }
        return potencias_[slot];
    }

    std::vector<double> valores_;
    // By symbol and exponent, the powers taken so far.
    mutable std::vector<double> potencias_;
    mutable std::vector<bool> calculadas_;
};

std::complex<double> PotenciaInteira(std::complex<double> base, std::int32_t exp) {
    std::uint64_t n = exp < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(exp))
                              : static_cast<std::uint64_t>(exp);
    std::complex<double> result = 1.0;
    while (n > 0) {
        if (n & 1U) result *= base;
        base *= base;
        n >>= 1U;
    }
    return exp < 0 ? 1.0 / result : result;
}

// The text before the next ";" of a term line, which it removes with the ";". Without a ";" the
// field is empty and nothing is removed.
std::string_view CampoLinha(std::string_view& rest) {
    const std::size_t semi = rest.find(';');
    if (semi == std::string_view::npos) return {};
    const std::string_view field = rest.substr(0, semi);
    rest.remove_prefix(semi + 1);
    return field;
}

TListSimboloExp SimbolosLinha(std::string_view text) {
    std::vector<TSimboloExp> factors;
    while (!text.empty()) {
        const std::size_t dot = text.find('.');
        const std::string_view piece = text.substr(0, dot);
        text.remove_prefix(dot == std::string_view::npos ? text.size() : dot + 1);
        if (piece.empty()) continue;
        const std::size_t caret = piece.find('^');
        if (caret == std::string_view::npos)
            factors.push_back({IdSimbolo(piece), 1});
        else
            factors.push_back({IdSimbolo(piece.substr(0, caret)), StrToIntDef(piece.substr(caret + 1), 1)});
    }
    TListSimboloExp symbols;
    symbols.AddSimbolos(factors);
    return symbols;
}

} // namespace

// ---- TFator -------------------------------------------------------------------------------------

TFator::TFator(std::int32_t expS, const TListSimboloExp* symbols, double k) : K(k), ExpS(expS) {
    if (symbols != nullptr) Simbolos.MulSimbolos(*symbols);
}

TFator::TFator(std::int32_t expS, TListSimboloExp&& symbols, double k)
    : K(k), ExpS(expS), Simbolos(std::move(symbols)) {}

std::string TFator::Texto() {
    Simbolos.Sort();
    std::string text;
    EscreverTexto(text, true);
    return text;
}

std::string TFator::TextoSemS() {
    Simbolos.Sort();
    std::string text;
    EscreverTexto(text, false);
    return text;
}

std::string TFator::Linha() {
    Simbolos.Sort();
    std::string text;
    EscreverLinha(text);
    return text;
}

void TFator::EscreverTexto(std::string& out, bool comS) const {
    if (K == 0.0) {
        out += "+ 0";
        return;
    }
    out += K >= 0 ? "+ " : "- ";
    const double magnitude = std::fabs(K);
    if (magnitude != 1.0) {
        out += RealToStr(magnitude);
        out += '.';
    }
    // Everything after the coefficient: the product, then the power of S.
    const std::size_t rest = out.size();
    Simbolos.EscreverTexto(out);
    if (comS && ExpS != 0) {
        if (out.size() > rest) out += '.';
        EscreverPotenciaS(out, ExpS);
    }
    if (out.size() > rest) return;
    // Nothing after the coefficient: 1 alone, or the coefficient without its dot.
    if (magnitude == 1.0)
        out += '1';
    else
        out.pop_back();
}

std::size_t TFator::TamanhoMaximo() const {
    // The coefficient: its digits when whole (the usual case), else the longest real text.
    std::size_t coef = 26;
    if (std::fabs(K) < 1e15 && K == std::trunc(K)) {
        char digits[24];
        coef =
            2 + static_cast<std::size_t>(
                    std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(K)).ptr - digits);
    }
    // The power of S and the separators: "S^-2147483648", ";;;", dots.
    return coef + Simbolos.TamanhoTexto() + 16;
}

void TFator::EscreverLinha(std::string& out) const {
    out += RealToStrExato(K);
    out += ';';
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, ExpS);
    out.append(digits, written.ptr);
    out += ';';
    Simbolos.EscreverTexto(out);
    out += ';';
}

double TFator::Valor(const TListSimboloVal& values) const {
    return K * Simbolos.Valor(values);
}

TFator TFator::Mul(std::int32_t sign, const TFator& other) const {
    TFator result(*this);
    result.K = sign * K * other.K;
    result.ExpS = SomaSaturada(ExpS, other.ExpS);
    result.Simbolos.MulSimbolos(other.Simbolos);
    return result;
}

void TFator::AddExpS(std::int32_t n) {
    ExpS = SomaSaturada(ExpS, n);
}

void TFator::Derivar(TIdSimbolo id) {
    const int i = Simbolos.IndexOfSimbolo(id);
    if (i < 0) {
        K = 0.0;
        return;
    }
    const std::int32_t e = Simbolos[i].Exp;
    if (e == 1) {
        Simbolos.DeleteSimbolo(i);
        return;
    }
    Simbolos.AddSimbolo(id, -1);
    K *= e;
}

// ---- TListFator: terms and like terms -----------------------------------------------------------

TListFator::TListFator(const TListFator& other)
    : terms_(other.terms_), ordenados_(other.ordenados_), indexValido_(false) {}

TListFator& TListFator::operator=(const TListFator& other) {
    if (this == &other) return *this;
    terms_ = other.terms_;
    lead_ = 0.0;
    coefs_.clear();
    indice_.clear();
    ordenados_ = other.ordenados_;
    indexValido_ = false;
    return *this;
}

TFator& TListFator::operator[](int i) {
    Alterado();
    return terms_[static_cast<std::size_t>(i)];
}

void TListFator::Alterado() {
    indexValido_ = false;
    ordenados_ = 0;
}

void TListFator::Clear() {
    terms_.clear();
    lead_ = 0.0;
    coefs_.clear();
    indice_.clear();
    ordenados_ = 0;
    indexValido_ = true;
}

const TListSimboloExp& TListFator::ProdutoOrdenado(std::size_t pos, TListSimboloExp& scratch) const {
    const TListSimboloExp& symbols = terms_[pos].Simbolos;
    if (pos < ordenados_) return symbols;
    scratch = symbols;
    scratch.Sort();
    return scratch;
}

void TListFator::OrdenarAte(std::size_t count) {
    for (; ordenados_ < count; ++ordenados_) {
        AnteciparProduto(terms_, ordenados_ + kAdiante, count);
        terms_[ordenados_].Simbolos.Sort();
    }
}

void TListFator::Reservar(std::size_t count) {
    // At most half the slots in use keeps the probe sequences short.
    std::size_t size = std::max<std::size_t>(indice_.size(), 16);
    while (size < 2 * count)
        size *= 2;
    if (size == indice_.size()) return;
    std::vector<TEntrada> old(size);
    old.swap(indice_);
    const std::size_t mask = indice_.size() - 1;
    for (const TEntrada& entry : old) {
        if (entry.pos < 0) continue;
        std::size_t slot = entry.hash & mask;
        while (indice_[slot].pos >= 0)
            slot = (slot + 1) & mask;
        indice_[slot] = entry;
    }
}

int TListFator::ProcurarSimbolos(std::int32_t expS, const TListSimboloExp& symbols, std::uint32_t hash,
                                 std::size_t& slot) const {
    const std::size_t mask = indice_.size() - 1;
    for (slot = hash & mask; indice_[slot].pos >= 0; slot = (slot + 1) & mask) {
        const TEntrada& entry = indice_[slot];
        const auto pos = static_cast<std::size_t>(entry.pos);
        if (entry.hash != hash || terms_[pos].ExpS != expS) continue;
        TListSimboloExp scratch;
        if (MesmoTexto(ProdutoOrdenado(pos, scratch), symbols)) return entry.pos;
    }
    return -1;
}

void TListFator::ReconstruirIndice() {
    indice_.clear();
    Reservar(terms_.size());
    // A term like an earlier one (later changes made them alike) is not indexed: the lookup finds the
    // first, as a scan in list order would.
    for (std::size_t pos = 0; pos < terms_.size(); ++pos) {
        TListSimboloExp scratch;
        const TListSimboloExp& symbols = ProdutoOrdenado(pos, scratch);
        const std::uint32_t hash = HashChave(symbols, terms_[pos].ExpS);
        std::size_t slot = 0;
        if (ProcurarSimbolos(terms_[pos].ExpS, symbols, hash, slot) < 0)
            indice_[slot] = {hash, static_cast<std::int32_t>(pos)};
    }
    indexValido_ = true;
}

int TListFator::Procurar(const TChave& key, const TListSimboloExp& symbols, std::size_t& slot) {
    if (!indexValido_) ReconstruirIndice();
    Reservar(terms_.size() + 1);
    const int pos = ProcurarSimbolos(key.ExpS, symbols, key.Hash, slot);
    // Comparing symbol texts in list order takes (and so sorts) the text of every term up to the
    // like one, or of all of them; the index does the same, so that the products stand as they would.
    OrdenarAte(pos >= 0 ? static_cast<std::size_t>(pos) + 1 : terms_.size());
    return pos;
}

TListFator::TChave TListFator::Chave(std::int32_t expS, TListSimboloExp& symbols) {
    symbols.Sort();
    return {expS, HashChave(symbols, expS)};
}

void TListFator::Antecipar(const TChave& key) const {
    if (indexValido_ && !indice_.empty()) __builtin_prefetch(&indice_[key.Hash & (indice_.size() - 1)]);
}

TFator& TListFator::Anexar(TFator&& term, std::uint32_t hash, std::size_t slot) {
    indice_[slot] = {hash, static_cast<std::int32_t>(terms_.size())};
    terms_.push_back(std::move(term));
    if (ordenados_ + 1 == terms_.size()) ordenados_ = terms_.size(); // its product was just sorted
    return terms_.back();
}

TFator& TListFator::AddFator(std::int32_t expS, TListSimboloExp& symbols, double k) {
    const TChave key = Chave(expS, symbols);
    std::size_t slot = 0;
    const int pos = Procurar(key, symbols, slot);
    if (pos >= 0) {
        TFator& term = terms_[static_cast<std::size_t>(pos)];
        term.K += k;
        return term;
    }
    return Anexar(TFator(expS, &symbols, k), key.Hash, slot);
}

TFator& TListFator::AddFator(std::int32_t expS, TListSimboloExp&& symbols, double k) {
    return AddFator(Chave(expS, symbols), std::move(symbols), k);
}

TFator& TListFator::AddFator(const TChave& key, TListSimboloExp&& symbols, double k) {
    std::size_t slot = 0;
    const int pos = Procurar(key, symbols, slot);
    if (pos >= 0) {
        TFator& term = terms_[static_cast<std::size_t>(pos)];
        term.K += k;
        return term;
    }
    return Anexar(TFator(key.ExpS, std::move(symbols), k), key.Hash, slot);
}

TFator& TListFator::AddFator(std::int32_t expS, double k) {
    return AddFator(expS, TListSimboloExp(), k);
}

std::vector<TFator> TListFator::Extrair() {
    std::vector<TFator> terms = std::move(terms_);
    Clear();
    return terms;
}

void TListFator::Assumir(std::vector<TFator>&& terms) {
    Clear();
    terms_ = std::move(terms);
    ordenados_ = terms_.size();
    indexValido_ = false;
}

void TListFator::DeleteFator(int index) {
    if (index < 0 || index >= Count()) return;
    terms_.erase(terms_.begin() + index);
    indexValido_ = false;
    ordenados_ = std::min(ordenados_, static_cast<std::size_t>(index));
}

void TListFator::DeleteFatoresNulos() {
    // Deleting a null term while at least two remain removes every null term when some term is not
    // null; when all are null, all go but the last one looked at.
    const bool anyNotNull =
        std::any_of(terms_.begin(), terms_.end(), [](const TFator& t) { return t.K != 0.0; });
    const std::size_t before = terms_.size();
    if (anyNotNull)
        std::erase_if(terms_, [](const TFator& t) { return t.K == 0.0; });
    else if (terms_.size() > 1)
        terms_.erase(terms_.begin(), terms_.end() - 1);
    if (terms_.size() != before) Alterado();
}

void TListFator::DeleteZeros() {
    // Symbols with exponent 0 are not written, so the texts and the index stay as they are.
    ParaCadaPeca([this](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            AnteciparProduto(terms_, i + kAdiante, last);
            terms_[i].DeleteZeros();
        }
    });
}

void TListFator::ParaCadaPeca(const std::function<void(std::size_t, std::size_t)>& tarefa) {
    ParaCadaTarefa((terms_.size() + kTermosPorPeca - 1) / kTermosPorPeca, [&](std::size_t peca) {
        tarefa(peca * kTermosPorPeca, std::min(terms_.size(), (peca + 1) * kTermosPorPeca));
    });
}

void TListFator::ShiftS(std::int32_t n) {
    if (n == 0) return;
    for (TFator& term : terms_)
        term.AddExpS(n);
    indexValido_ = false;
}

void TListFator::MulSimbolo(std::string_view name, std::int32_t exp) {
    MulSimbolo(IdSimbolo(name), exp);
}

void TListFator::MulSimbolo(TIdSimbolo id, std::int32_t exp) {
    for (TFator& term : terms_)
        term.AddSimbolo(id, exp);
    Alterado();
}

void TListFator::MulSimbolos(const std::vector<TSimboloExp>& factors) {
    if (factors.empty()) return;
    std::vector<int> slotPorId;
    for (std::size_t k = 0; k < factors.size(); ++k) {
        const auto id = static_cast<std::size_t>(factors[k].Id);
        if (id >= slotPorId.size()) slotPorId.resize(id + 1, 0);
        assert(slotPorId[id] == 0 && "the factors' symbols are distinct");
        slotPorId[id] = static_cast<int>(k) + 1;
    }
    ParaCadaPeca([&](std::size_t first, std::size_t last) {
        std::vector<char> vistos(factors.size(), 0);
        for (std::size_t i = first; i < last; ++i) {
            AnteciparProduto(terms_, i + kAdiante, last);
            terms_[i].Simbolos.MulDistintos(factors, slotPorId, vistos);
        }
    });
    Alterado();
}

std::int32_t TListFator::MaxExpS() const {
    std::int32_t result = 0;
    for (const TFator& term : terms_)
        result = std::max(result, term.ExpS);
    return result;
}

std::int32_t TListFator::MinExpS() const {
    std::int32_t result = 0;
    for (const TFator& term : terms_)
        result = std::min(result, term.ExpS);
    return result;
}

int TListFator::MaxFatoresPorPotencia() const {
    // Counted over every power present, negative ones included, without an array indexed by power.
    std::vector<std::int32_t> powers;
    powers.reserve(terms_.size());
    for (const TFator& term : terms_)
        powers.push_back(term.ExpS);
    std::sort(powers.begin(), powers.end());
    int best = 0;
    for (std::size_t i = 0; i < powers.size();) {
        std::size_t j = i;
        while (j < powers.size() && powers[j] == powers[i])
            ++j;
        best = std::max(best, static_cast<int>(j - i));
        i = j;
    }
    return best;
}

// ---- TListFator: numeric values -----------------------------------------------------------------

bool TListFator::Avaliar(const TListSimboloVal& values) {
    coefs_.clear();
    lead_ = 0.0;
    naoFinita_ = -1;
    for (const TFator& term : terms_)
        if (term.ExpS < 0 || term.ExpS > kMaxExpSAvaliar) return false;

    const std::int32_t n = MaxExpS();
    coefs_.assign(static_cast<std::size_t>(n) + 1, 0.0);
    const TTabelaValores table(values);
    for (std::size_t i = 0; i < terms_.size(); ++i) {
        AnteciparProduto(terms_, i + kAdiante, terms_.size());
        const TFator& term = terms_[i];
        const double valor = term.K * table.Produto(term.Simbolos);
        coefs_[static_cast<std::size_t>(term.ExpS)] += valor;
        // A term lost below the smallest real would silently change the polynomial (its order even).
        if (valor == 0.0 && !table.ZeroExato(term.K, term.Simbolos))
            naoFinita_ = std::max(naoFinita_, term.ExpS);
    }
    lead_ = coefs_[static_cast<std::size_t>(n)];
    if (lead_ != 0.0)
        for (double& c : coefs_)
            c /= lead_;
    // An overflowing coefficient is infinite before the division or after it; a lead that overflows
    // makes the others 0 or NaN, so it is looked at on its own.
    for (std::int32_t i = n; i > naoFinita_; --i)
        if (!std::isfinite(coefs_[static_cast<std::size_t>(i)])) naoFinita_ = i;
    if (!std::isfinite(lead_)) naoFinita_ = n;
    return true;
}

double TListFator::Coef(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= coefs_.size()) return 0.0;
    return coefs_[static_cast<std::size_t>(i)];
}

std::string TListFator::TextoNumerico() const {
    std::string text;
    for (std::size_t i = coefs_.size(); i-- > 0;) {
        const double q = coefs_[i];
        if (q == 0.0) continue;
        const std::string power = TextoPotenciaS(static_cast<std::int32_t>(i));
        text += q >= 0 ? " + " : " - ";
        const double magnitude = std::fabs(q);
        if (magnitude == 1.0) {
            text += power.empty() ? "1" : power;
            continue;
        }
        text += RealToStr(magnitude);
        if (!power.empty()) {
            text += '.';
            text += power;
        }
    }
    if (text.empty()) return "0";
    text.erase(0, 1);
    if (text.starts_with("+ ")) text.erase(0, 2);
    return text;
}

std::string TListFator::TextoSimbolico() {
    OrdenarProdutos();
    // The room for the text is taken from a sample of the terms, a little more than it says: the
    // length of every term would cost a pass of its own over millions of products. Past it the text
    // grows by an eighth at a time, never to twice its size.
    constexpr std::size_t kAmostra = 4096;
    const std::size_t passo = std::max<std::size_t>(1, terms_.size() / kAmostra);
    std::size_t amostra = 0, medidos = 0;
    for (std::size_t i = 0; i < terms_.size(); i += passo, ++medidos)
        amostra += terms_[i].TamanhoMaximo();
    std::string text;
    if (medidos > 0)
        text.reserve(amostra / medidos * terms_.size() + amostra / medidos * terms_.size() / 16 + 64);
    // The terms' texts are written in pieces of kTermosPorPeca terms, over the threads.
    PecasEmOrdem((terms_.size() + kTermosPorPeca - 1) / kTermosPorPeca,
                 [this](std::size_t peca, std::string& out) {
                     const std::size_t last = std::min(terms_.size(), (peca + 1) * kTermosPorPeca);
                     for (std::size_t i = peca * kTermosPorPeca; i < last; ++i) {
                         AnteciparProduto(terms_, i + kAdiante, terms_.size());
                         terms_[i].EscreverTexto(out);
                         out += ' ';
                     }
                 },
                 [&text](std::string_view piece) {
                     if (text.capacity() - text.size() < piece.size())
                         text.reserve(text.capacity() + std::max(text.capacity() / 8, piece.size()));
                     text += piece;
                 });
    if (text.starts_with("+ ")) text.erase(0, 2);
    return text;
}

std::complex<double> TListFator::ValorEm(const TListSimboloVal& values, std::complex<double> s) const {
    const TTabelaValores table(values);
    std::complex<double> sum = 0.0;
    for (const TFator& term : terms_)
        sum += term.K * table.Produto(term.Simbolos) * PotenciaInteira(s, term.ExpS);
    return sum;
}

// ---- TListFator: derivative ----------------------------------------------------------------------

void TListFator::Derivar(std::string_view name) {
    Derivar(IdSimbolo(name));
}

void TListFator::Derivar(TIdSimbolo id) {
    std::erase_if(terms_, [id](const TFator& t) { return t.Simbolos.IndexOfSimbolo(id) < 0; });
    for (TFator& term : terms_)
        term.Derivar(id);
    Alterado();
}

// ---- TListFator: term lines ---------------------------------------------------------------------

void TListFator::ReadLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        std::string_view rest = line;
        const std::string_view coefText = CampoLinha(rest);
        const std::string_view powerText = CampoLinha(rest);
        const std::string_view symbolText = CampoLinha(rest);
        AddFator(StrToIntDef(powerText, 1), SimbolosLinha(symbolText), StrToRealDef(coefText, 1.0));
    }
}

void TListFator::WriteLines(std::vector<std::string>& lines) {
    OrdenarProdutos();
    for (const TFator& term : terms_) {
        std::string line;
        term.EscreverLinha(line);
        lines.push_back(std::move(line));
    }
}

} // namespace brelix
