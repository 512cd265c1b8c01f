#include "analysis/UnitVarnel.h"

#include "common/UnitComArquivo.h"
#include "common/UnitComErro.h"

#include <bit>
#include <cassert>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace brelix {

namespace {

static_assert(std::numeric_limits<double>::is_iec559, "the file holds IEEE-754 doubles");

// Appends the fields of the file one after the other. Each group of fields starts with the offset
// at which it must stand, so that a field left out or added shows at once in a debug build.
class TEscritorVarnel {
public:
    TEscritorVarnel() { bytes_.reserve(kTamanhoVarnel); }

    TEscritorVarnel& Em(std::size_t offset) {
        assert(bytes_.size() == offset && "a Varnel field is out of place");
        (void)offset;
        return *this;
    }
    TEscritorVarnel& Inteiros(std::initializer_list<std::int16_t> values) {
        for (const std::int16_t v : values) {
            const auto u = static_cast<std::uint16_t>(v);
            Byte(u & 0xFFu);
            Byte(u >> 8);
        }
        return *this;
    }
    TEscritorVarnel& Reais(std::initializer_list<double> values) {
        for (const double v : values)
            Real(v);
        return *this;
    }
    TEscritorVarnel& Reais(const std::array<double, 9>& values) {
        for (const double v : values)
            Real(v);
        return *this;
    }
    TEscritorVarnel& Zeros(std::size_t count) {
        bytes_.append(count, '\0');
        return *this;
    }
    TEscritorVarnel& Texto(std::string_view text) {
        bytes_.append(text);
        return *this;
    }
    std::size_t Posicao() const { return bytes_.size(); }
    std::string Bytes() && { return std::move(bytes_); }

private:
    void Byte(unsigned value) { bytes_.push_back(static_cast<char>(static_cast<unsigned char>(value))); }
    void Real(double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i)
            Byte(static_cast<unsigned>((bits >> (8 * i)) & 0xFFu));
    }

    std::string bytes_;
};

constexpr std::size_t kTamanhoBloco = 1632;
constexpr std::size_t kTamanhoRegistro = 104;

// One of the two transfer-function blocks; they differ only in the value at block offset 30.
void EscreverBloco(TEscritorVarnel& w, const TValoresVarnel& valores, std::int16_t tipo) {
    const std::size_t base = w.Posicao();
    w.Reais({valores.Ganho});
    w.Zeros(26 - 8);
    w.Em(base + 26).Inteiros({1, 3, tipo});
    w.Zeros(1424 - 32);
    w.Em(base + 1424).Reais(valores.N);
    w.Zeros(1528 - 1496);
    w.Em(base + 1528).Reais(valores.D);
    w.Zeros(kTamanhoBloco - 1600);
    w.Em(base + kTamanhoBloco);
}

} // namespace

std::string BytesVarnel(const TValoresVarnel& valores) {
    TEscritorVarnel w;
    constexpr std::string_view kAssinatura = "Arquivo do Varnel for Windows";
    w.Texto(kAssinatura).Zeros(40 - kAssinatura.size());
    w.Em(40).Inteiros({7, 0, 1});
    w.Em(46);
    EscreverBloco(w, valores, 8);
    w.Em(1678);
    EscreverBloco(w, valores, 12);
    w.Em(3310);
    for (std::int16_t i = 0; i < 7; ++i) {
        w.Zeros(4).Inteiros({i}).Zeros(kTamanhoRegistro - 6);
    }
    w.Em(4038).Inteiros({0});
    w.Em(4040).Reais({0.0, 0.0, 1.0, 0.0, 1.0});
    w.Em(4080).Inteiros({100});
    w.Em(4082).Reais({0.01, 1000.0});
    w.Em(4098).Inteiros({100});
    w.Em(4100).Reais({0.01, 1.0});
    w.Em(4116).Inteiros({0, 0, 0, 0});
    w.Em(4124).Reais({5.0});
    w.Em(4132).Inteiros({0});
    w.Em(4134).Reais({0.0, 0.0});
    w.Em(4150).Inteiros({0, 0, 0, 0});
    w.Em(4158).Inteiros({1, 0, 0});
    w.Em(4164).Reais({0.0, 0.0});
    w.Em(4180).Inteiros({0});
    w.Em(4182).Reais({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    w.Em(4262).Inteiros({6});
    w.Em(4264).Reais({0.0, 0.0});
    w.Em(4280).Inteiros({0, 0, 0, 0, 0, 0});
    w.Em(4292).Reais({0.0, 0.0, 0.0, 0.0});
    w.Em(4324).Inteiros({6, 250, 150});
    w.Em(4330).Inteiros({0, 0, 0, 0});
    w.Em(4338).Zeros(80);
    w.Em(4418).Reais({0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    w.Em(4466).Reais({20.0, 45.0});
    w.Em(4482).Inteiros({0, 0, 1, 0});
    w.Em(4490).Reais({1.0, 1.0, 1.0});
    w.Em(4514).Inteiros({40});
    w.Em(4516).Reais({0.3, 0.8, 0.01, 0.01});
    w.Em(4548).Inteiros({40});
    w.Em(4550).Reais({1.0, 0.5, 2.0, 0.3, 5.0, 0.01, 0.000001});
    w.Em(4606).Inteiros({40});
    w.Em(4608).Reais({0.2, 3.0, 0.5, 0.01, 0.01});
    w.Em(4648).Inteiros({40});
    w.Em(4650).Reais({0.2, 1.5, 0.5, 0.01, 0.01});
    w.Em(4690).Inteiros({1}).Zeros(28);
    w.Em(4720).Inteiros({3});
    w.Em(kTamanhoVarnel);
    return std::move(w).Bytes();
}

bool ExportarVarnel(const std::string& fileName, const TValoresVarnel& valores, std::string& erro,
                    const TOpcoesGravacao& opcoes) {
    try {
        WriteFileAtomically(fileName, BytesVarnel(valores), opcoes);
    } catch (const EFileError& e) {
        erro = e.what();
        return false;
    }
    erro.clear();
    return true;
}

bool VarnelSuportaOrdem(const TFuncao& funcao) {
    return funcao.Num.MaxExpS() <= kMaxExpSVarnel && funcao.Den.MaxExpS() <= kMaxExpSVarnel;
}

bool ExportVarnel(const TFuncao& funcao, const std::string& fileName, std::string& erro,
                  const TOpcoesGravacao& opcoes) {
    if (!VarnelSuportaOrdem(funcao)) {
        erro = kMsgOrdemVarnel;
        return false;
    }
    return ExportarVarnel(fileName, funcao.ValoresVarnel(), erro, opcoes);
}

} // namespace brelix
