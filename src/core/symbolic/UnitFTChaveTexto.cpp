#include "symbolic/UnitFTChaveTexto.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

namespace {

// The hash is the polynomial sum(byte_i . B^(n-1-i)) over the text's bytes, modulo 2^64, composed
// from the parts of the text: h(XY) = h(X) . B^|Y| + h(Y). So a name contributes its own precomputed
// hash and power, and equal texts give equal hashes however their items are split.
constexpr std::uint64_t kBase = 0x100000001B3ULL;

struct TInfoNome {
    std::uint64_t hash = 0;
    std::uint64_t potencia = 1; // kBase^length
    std::string_view maiusculo;
    // Neither empty nor holding "." or "^": the text then shows where the name begins and ends,
    // so two products with the same text have the same items.
    bool simples = false;
};

// The names' parts by id, made once per name (a name never changes once interned). A reference into
// it is valid until a name of greater id is asked for.
std::vector<TInfoNome> gInfos;

void CompletarInfos(TIdSimbolo upTo) {
    while (gInfos.size() <= static_cast<std::size_t>(upTo)) {
        const auto next = static_cast<TIdSimbolo>(gInfos.size());
        const std::string& name = NomeSimbolo(next);
        TInfoNome info;
        for (const char c : name) {
            info.hash = info.hash * kBase + static_cast<unsigned char>(c);
            info.potencia *= kBase;
        }
        info.maiusculo = NomeMaiusculo(next);
        info.simples = !name.empty() && name.find_first_of(".^") == std::string::npos;
        gInfos.push_back(info);
    }
}

const std::vector<TInfoNome>& Infos(TIdSimbolo upTo) {
    if (static_cast<std::size_t>(upTo) >= gInfos.size()) CompletarInfos(upTo);
    return gInfos;
}

const TInfoNome& Info(TIdSimbolo id) {
    return Infos(id)[static_cast<std::size_t>(id)];
}

struct TTextoExp {
    char digits[16];
    std::size_t size;
};

TTextoExp TextoExp(std::int32_t exp) {
    TTextoExp text{};
    text.size = static_cast<std::size_t>(
        std::to_chars(text.digits, text.digits + sizeof text.digits, exp).ptr - text.digits);
    return text;
}

// The next written item at or after i.
int Escrito(const TListSimboloExp& p, int i) {
    while (i < p.Count() && p[i].Exp == 0)
        ++i;
    return i;
}

constexpr int kFim = -1; // the end of a text: less than any byte

// The byte that follows the name of the written item i.
int ByteAposNome(const TListSimboloExp& p, int i) {
    if (p[i].Exp != 1) return '^';
    return Escrito(p, i + 1) < p.Count() ? '.' : kFim;
}

bool TodosSimples(const TListSimboloExp& p) {
    return std::all_of(p.begin(), p.end(),
                       [](const TSimboloExp& item) { return item.Exp == 0 || Info(item.Id).simples; });
}

int Sinal(int c) {
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CompararEscritos(const TListSimboloExp& a, const TListSimboloExp& b) {
    std::string ta;
    std::string tb;
    a.EscreverTexto(ta, true);
    b.EscreverTexto(tb, true);
    return Sinal(ta.compare(tb));
}

// Items i of a and j of b share their name and differ in exponent: the texts part at the exponent.
int CompararExpoentes(const TListSimboloExp& a, int i, const TListSimboloExp& b, int j) {
    const std::int32_t ea = a[i].Exp;
    const std::int32_t eb = b[j].Exp;
    // Exponent 1 is not written, so "." or the end meets "^", which is greater than either.
    if (ea == 1) return -1;
    if (eb == 1) return 1;
    const TTextoExp da = TextoExp(ea);
    const TTextoExp db = TextoExp(eb);
    const int c = std::memcmp(da.digits, db.digits, std::min(da.size, db.size));
    if (c != 0) return Sinal(c);
    // One exponent's digits begin the other's: after the shorter come "." or the end, both less
    // than a digit.
    return da.size < db.size ? -1 : 1;
}

} // namespace

std::uint64_t HashTexto(const TListSimboloExp& symbols) {
    std::uint64_t h = 0;
    bool first = true;
    for (const TSimboloExp& item : symbols) {
        if (item.Exp == 0) continue;
        if (!first) h = h * kBase + '.';
        first = false;
        const TInfoNome& info = Info(item.Id);
        h = h * info.potencia + info.hash;
        if (item.Exp != 1) {
            h = h * kBase + '^';
            const TTextoExp digits = TextoExp(item.Exp);
            for (std::size_t k = 0; k < digits.size; ++k)
                h = h * kBase + static_cast<unsigned char>(digits.digits[k]);
        }
    }
    return h;
}

bool MesmoTexto(const TListSimboloExp& a, const TListSimboloExp& b) {
    int i = Escrito(a, 0);
    int j = Escrito(b, 0);
    while (i < a.Count() && j < b.Count() && a[i].Id == b[j].Id && a[i].Exp == b[j].Exp) {
        i = Escrito(a, i + 1);
        j = Escrito(b, j + 1);
    }
    if (i == a.Count() && j == b.Count()) return true;
    // Different items write different texts, unless a name could be read as part of another item.
    if (TodosSimples(a) && TodosSimples(b)) return false;
    std::string ta;
    std::string tb;
    a.EscreverTexto(ta);
    b.EscreverTexto(tb);
    return ta == tb;
}

int CompararTextoMaiusculo(const TListSimboloExp& a, const TListSimboloExp& b) {
    int i = Escrito(a, 0);
    int j = Escrito(b, 0);
    for (;;) {
        if (i == a.Count() || j == b.Count()) {
            if (i == a.Count() && j == b.Count()) return 0;
            // The texts so far are equal; what is left of the other writes at least one more byte,
            // unless its name is empty or hides separators.
            const TSimboloExp& rest = i == a.Count() ? b[j] : a[i];
            if (!Info(rest.Id).simples) return CompararEscritos(a, b);
            return i == a.Count() ? -1 : 1;
        }
        const TSimboloExp& x = a[i];
        const TSimboloExp& y = b[j];
        if (x.Id == y.Id && x.Exp == y.Exp) {
            i = Escrito(a, i + 1);
            j = Escrito(b, j + 1);
            continue;
        }
        const std::vector<TInfoNome>& infos = Infos(std::max(x.Id, y.Id));
        const TInfoNome& ix = infos[static_cast<std::size_t>(x.Id)];
        const TInfoNome& iy = infos[static_cast<std::size_t>(y.Id)];
        if (!ix.simples || !iy.simples) return CompararEscritos(a, b);
        if (x.Id == y.Id) return CompararExpoentes(a, i, b, j);
        // Names equal once upper-cased: the difference lies further on.
        if (ix.maiusculo == iy.maiusculo) return CompararEscritos(a, b);
        const std::size_t common = std::min(ix.maiusculo.size(), iy.maiusculo.size());
        const int c = std::memcmp(ix.maiusculo.data(), iy.maiusculo.data(), common);
        if (c != 0) return Sinal(c);
        // One name begins the other: the next byte of the shorter is "^", "." or the end, never a
        // byte of a simple name.
        if (ix.maiusculo.size() < iy.maiusculo.size())
            return ByteAposNome(a, i) < static_cast<unsigned char>(iy.maiusculo[common]) ? -1 : 1;
        return static_cast<unsigned char>(ix.maiusculo[common]) < ByteAposNome(b, j) ? -1 : 1;
    }
}

TPrefixoTexto PrefixoMaiusculo(const TListSimboloExp& symbols) {
    constexpr std::size_t size = 8 * kPalavrasPrefixo;
    unsigned char bytes[size] = {};
    std::size_t n = 0;
    const auto put = [&](std::string_view part) {
        const std::size_t take = std::min(part.size(), size - n);
        std::memcpy(bytes + n, part.data(), take);
        n += take;
    };
    bool first = true;
    for (const TSimboloExp& item : symbols) {
        if (n == size) break;
        if (item.Exp == 0) continue;
        if (!first) put(".");
        first = false;
        put(Info(item.Id).maiusculo);
        if (item.Exp != 1) {
            put("^");
            const TTextoExp digits = TextoExp(item.Exp);
            put(std::string_view(digits.digits, digits.size));
        }
    }
    TPrefixoTexto words{};
    for (std::size_t w = 0; w < kPalavrasPrefixo; ++w)
        for (std::size_t k = 0; k < 8; ++k)
            words[w] = words[w] << 8 | bytes[8 * w + k];
    return words;
}

void PrepararComparacoesTexto() {
    const std::size_t n = ContagemSimbolos();
    if (n > 0) CompletarInfos(static_cast<TIdSimbolo>(n - 1));
    PrepararRanksMaiusculos();
}

} // namespace brelix
