#pragma once

#include "symbolic/UnitPropGanho.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace brelix {

// The gain entry dialog without its window: one gain edited field by field (the coefficient K, the
// symbol Sym with its exponent ExpSym, the power ExpS of S), composed into a gain text, validated
// strictly and handed back in canonical form. The window only shows these fields, passes on the keys
// the filters accept, and shows the message OK answers with.

inline constexpr const char* kCaptionGanho = "Ganho";
// The callers' captions: their gain's label followed by the fields they offer.
inline constexpr const char* kSufixoKSym = " (K . Sym)";
inline constexpr const char* kSufixoKSymExpSym = " (K . Sym^ExpSym)";
inline constexpr const char* kSufixoKSymExpSymExpS = " (K . Sym^ExpSym . S^ExpS)";
inline constexpr const char* kMsgKInvalido = "K inválido";
// Follows the window's caption when the composed gain is refused.
inline constexpr const char* kSufixoInvalido = " inválido(a)";

// The window is 180 pixels wide with K and Sym, 270 with ExpSym too, 360 whenever ExpS shows.
inline constexpr std::int32_t kLarguraGanhoKSym = 180;
inline constexpr std::int32_t kLarguraGanhoExpSym = 270;
inline constexpr std::int32_t kLarguraGanhoExpS = 360;

// The spin edits' ranges.
inline constexpr std::int32_t kMinExpSym = -1;
inline constexpr std::int32_t kMaxExpSym = 1;
inline constexpr std::int32_t kMinExpS = -100;
inline constexpr std::int32_t kMaxExpS = 100;

inline constexpr char32_t kTeclaBackspace = 8;

// A key typed in K: backspace, the digits, "," and "-" pass as typed, "." passes as ","; any other key
// is discarded (0).
char32_t FiltrarTeclaK(char32_t key);
// A key typed in Sym: backspace, the digits, the ASCII letters and "_".
bool AceitaTeclaSym(char32_t key);

// What pressing OK did.
struct TRespostaGanho {
    bool Fechar = false; // the window closes with OK and Texto is the canonical gain
    std::string Texto;
    std::string Mensagem; // otherwise shown in the message window while the window stays open
    bool FocoEmK = false; // the focus goes back to K
};

class TPropVOGanho {
public:
    // Prepares the fields from a gain text (its values as the strict parse leaves them, even when the
    // text is not valid), which groups show and the window's width.
    void AbrirGanho(std::string_view caption, std::string_view gain, bool allowZero, bool showExpSym,
                    bool showExpS);

    const std::string& Caption() const { return caption_; }
    bool ExpSymVisivel() const { return showExpSym_; }
    bool ExpSVisivel() const { return showExpS_; }
    std::int32_t Largura() const;

    // The edits hold whatever the window puts there (typed keys pass the filters, pasted text does not).
    std::string K;
    std::string Sym;
    // The spin edits keep their values within their ranges. A gain read from a file may carry a power
    // of S beyond them: the range then widens to keep it, so that OK never changes what the user did
    // not touch.
    std::int32_t ExpSym() const { return expSym_; }
    std::int32_t ExpS() const { return expS_; }
    void SetExpSym(std::int32_t value);
    void SetExpS(std::int32_t value);
    std::int32_t MinExpS() const;
    std::int32_t MaxExpS() const;

    // Composes K, then ".Sym^ExpSym" when Sym is not empty and ExpSym is not 0, then ".S^ExpS" when
    // ExpS is not 0 (a hidden group still counts), and validates it. An empty K is refused with
    // "K inválido", a gain that does not validate with the caption followed by " inválido(a)".
    TRespostaGanho Ok();
    // The canonical gain of the last accepted OK.
    const std::string& Resultado() const { return resultado_; }

private:
    std::string caption_ = kCaptionGanho;
    bool allowZero_ = false;
    bool showExpSym_ = true;
    bool showExpS_ = true;
    std::int32_t expSym_ = 1;
    std::int32_t expS_ = 0;
    std::int32_t loadedExpS_ = 0;
    TPropGanho ganho_;
    std::string resultado_;
};

} // namespace brelix
