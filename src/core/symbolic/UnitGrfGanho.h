#pragma once

#include "symbolic/UnitSymNome.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brelix {

// A gain text is a product of pieces joined by ".": an optional real coefficient K (decimal comma),
// at most one symbol with exponent 1 or -1 (R or C^-1), and a power of S (S or S^n), as in 2,5.R.S
// or C^-1.S^-1.

// Powers of S beyond this bound are refused in a gain: no physical model comes near it, and the bound
// keeps every sum of powers over the branches of a loop or a loop set within 32 bits.
constexpr std::int32_t kMaxExpSGanho = 10000;

// The values a gain text stands for, as a parse leaves them.
struct TValorGanho {
    double K = 1.0;
    std::int32_t ExpS = 0;
    std::string Sym;
    std::int32_t ExpSym = 1;
    bool HasSym = false;
    bool Valido = true; // meaningful for the strict parse only
};

// Lenient parse: unreadable pieces are ignored, a symbol exponent other than 1 and -1 becomes 1.
TValorGanho ParseGanhoLeniente(std::string_view text);
// Strict parse: a piece that is neither a number, a power of S nor a symbol ends the parse with
// Valido false; so does a symbol exponent other than 1 and -1.
TValorGanho ParseGanhoEstrito(std::string_view text);

// The canonical text of a gain: "0" for K = 0; K = 1 is written only when nothing else is. Read back
// (by either parse), it gives values whose canonical text is this same text. K must be finite: no
// gain text holds an infinity.
std::string EscreverGanho(double k, std::string_view sym, std::int32_t expSym, std::int32_t expS);

// True when the text is a symbol name as a gain text holds one: an ASCII letter or "_", then ASCII
// letters, digits, "_" or "-"; "S" alone is the Laplace variable, never a symbol.
bool EhNomeSimbolo(std::string_view name);

// The parsed, immutable gain of a signal-flow transmittance.
class TGanho {
public:
    explicit TGanho(std::string text);

    const std::string& Text() const { return text_; }
    bool HasSym() const { return value_.HasSym; }
    double K() const { return value_.K; }
    std::int32_t ExpS() const { return value_.ExpS; }
    const std::string& Sym() const { return value_.Sym; }
    std::int32_t ExpSym() const { return value_.ExpSym; }
    // The interned symbol; meaningful only when HasSym.
    TIdSimbolo SymId() const { return symId_; }

    std::string Texto() const;

private:
    std::string text_;
    TValorGanho value_;
    TIdSimbolo symId_ = 0;
};

} // namespace brelix
