#include "symbolic/UnitGrfGanho.h"

#include "common/UnitComTexto.h"

#include <cassert>
#include <cmath>

namespace brelix {

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSymbolPiece(std::string_view piece) {
    if (piece.empty() || !(IsLetter(piece[0]) || piece[0] == '_')) return false;
    for (char c : piece.substr(1))
        if (!(IsLetter(c) || IsDigit(c) || c == '_' || c == '-' || c == '^')) return false;
    return true;
}

TValorGanho Parse(std::string_view text, bool strict) {
    TValorGanho g;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('.', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        start = end + 1;
        if (piece.empty()) continue;

        // A coefficient: several of them multiply. A product that would leave the range of a double,
        // or vanish into 0 from factors that are not, is refused like an unreadable number.
        if (piece[0] == '-' || IsDigit(piece[0])) {
            double number = 0.0;
            if (TryStrToReal(piece, number)) {
                const double product = g.K * number;
                if (std::isfinite(product) && (product != 0.0 || g.K == 0.0 || number == 0.0)) {
                    g.K = product;
                    continue;
                }
            }
        }
        // A power of S: "S" or "S^n"; several of them add. "S^x" counts as S; a power beyond the
        // bound is refused by the strict parse and counts as S for the lenient one.
        if (piece == "S" || piece.substr(0, 2) == "S^") {
            std::int32_t n = 1;
            std::int32_t read = 0;
            if (piece != "S" && TryStrToInt(piece.substr(2), read)) {
                if (read >= -kMaxExpSGanho && read <= kMaxExpSGanho)
                    n = read;
                else if (strict)
                    g.Valido = false;
            }
            const std::int32_t sum = g.ExpS + n;
            if (sum >= -kMaxExpSGanho && sum <= kMaxExpSGanho)
                g.ExpS = sum;
            else if (strict)
                g.Valido = false;
            continue;
        }
        // A symbol, possibly with an exponent: the last symbol named wins.
        if (IsSymbolPiece(piece)) {
            g.HasSym = true;
            const std::size_t caret = piece.find('^');
            if (caret == std::string_view::npos) {
                g.Sym = std::string(piece);
                continue;
            }
            g.Sym = std::string(piece.substr(0, caret));
            const std::int32_t e = StrToIntDef(piece.substr(caret + 1), 1);
            if (e == 1 || e == -1) {
                g.ExpSym = e;
            } else {
                if (strict) g.Valido = false;
                g.ExpSym = 1;
            }
            continue;
        }
        // Anything else: ignored by the lenient parse, the end of a strict one.
        if (strict) {
            g.Valido = false;
            return g;
        }
    }
    return g;
}

// Whole coefficients that fit 64 bits are written "%d", any other by its real text. A real text keeps
// 15 significant digits, and may so name a whole number: 1321320742798199,6 and 999999999999999,9
// are written 1,3213207427982E15 and 1E15, which read back as whole numbers, whose text "%d" would
// be a second text of the same gain. Such a coefficient is written whole at once, as the number its
// real text names; then the first text is the last. Below 10^15 the two texts are the same anyway.
constexpr double kMaxInteiro64 = 9.2e18;

bool InteiroEscrito(double k) {
    return k == std::trunc(k) && std::fabs(k) < kMaxInteiro64;
}

std::string CoefText(double k) {
    if (InteiroEscrito(k)) return IntToStr(static_cast<std::int64_t>(k));
    const std::string real = RealToStr(k);
    double lido = 0.0;
    if (TryStrToReal(real, lido) && InteiroEscrito(lido)) return IntToStr(static_cast<std::int64_t>(lido));
    return real;
}

} // namespace

TValorGanho ParseGanhoLeniente(std::string_view text) {
    return Parse(text, false);
}

TValorGanho ParseGanhoEstrito(std::string_view text) {
    return Parse(text, true);
}

bool EhNomeSimbolo(std::string_view name) {
    return IsSymbolPiece(name) && name.find('^') == std::string_view::npos && name != "S";
}

std::string EscreverGanho(double k, std::string_view sym, std::int32_t expSym, std::int32_t expS) {
    assert(std::isfinite(k) && "no gain text holds an infinity");
    if (k == 0.0) return "0";
    std::string part;
    if (!sym.empty()) {
        part = std::string(sym);
        if (expSym != 1) part += "^" + std::to_string(expSym);
    }
    if (expS != 0) {
        if (!part.empty()) part += ".";
        part += expS == 1 ? std::string("S") : "S^" + std::to_string(expS);
    }
    const std::string coef = CoefText(k);
    if (part.empty()) return coef;
    // A coefficient written 1 is left out, whether it is 1 or rounds to it at 15 digits
    // (0,99999999999999989): "1.R" would read back as R, whose text has no 1.
    if (coef == "1") return part;
    return coef + "." + part;
}

TGanho::TGanho(std::string text) : text_(std::move(text)), value_(ParseGanhoLeniente(text_)) {
    if (value_.HasSym) symId_ = IdSimbolo(value_.Sym);
}

std::string TGanho::Texto() const {
    return EscreverGanho(value_.K, value_.Sym, value_.ExpSym, value_.ExpS);
}

} // namespace brelix
