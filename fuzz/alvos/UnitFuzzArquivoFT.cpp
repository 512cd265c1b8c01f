// A transfer-function file of any bytes: read as the program reads it, shown, its sensitivity to each
// of its first symbols, the Varnel bytes; then written and read back, the second writing equal to the
// first. What the reader takes, the writer must write, and nothing shown may be NaN or infinite.

#include "UnitFuzzComum.h"

#include "analysis/UnitArquivoFT.h"
#include "analysis/UnitResultadoFT.h"
#include "analysis/UnitVarnel.h"
#include "common/UnitComErro.h"

#include <cmath>

namespace brelix::fuzz {

namespace {

constexpr std::string_view kAlvo = "arquivo_ft";
constexpr const char* kNome = "fuzz.fts";

// Every number the result holds, and the texts of its numeric form.
void ExigirFinito(const TResultadoFT& r) {
    const TConteudoFT& c = r.Conteudo();
    std::vector<std::string> t = {c.FTNG, c.FTNNum, c.FTNDen};
    for (const TLinhaSimbolo& s : c.Simbolos)
        t.push_back(s.Valor);
    ExigirSemNaoFinitos(kAlvo, t);
    Exigir(r.Funcao().MotivoNaoFinito().empty(), kAlvo, "a coefficient of the function is no real number");
    if (r.Sensibilidade())
        Exigir(r.Sensibilidade()->MotivoNaoFinito().empty(), kAlvo,
               "a coefficient of the sensitivity is no real number");
    for (const TSimboloVal& s : r.Simbolos())
        Exigir(std::isfinite(s.Valor), kAlvo, "the value of " + s.Nome + " is no real number");
}

// The lines written for what was read; EFalhaAlvo when what was read cannot be written.
std::vector<std::string> Escrever(TResultadoFT& r) {
    try {
        return r.LinhasArquivo(kNome);
    } catch (const EFileError& e) {
        Falha(kAlvo, std::string("a file that was read cannot be written: ") + e.what());
    }
}

} // namespace

void AlvoArquivoFT(std::string_view bytes) {
    TResultadoFT r;
    try {
        r.MostrarArquivo(kNome, LerLinhasArquivoFT(Linhas(bytes), kNome));
    } catch (const EFileError&) {
        return; // a damaged file
    }
    const TConteudoFT& c = r.Conteudo();
    ExigirFinito(r);
    Exigir(c.Avaliada || !c.FTNG.empty(), kAlvo, "a function not evaluated gives no reason");

    std::string erro;
    if (r.PodeExportarVarnel(erro)) {
        const TValoresVarnel v = r.Funcao().ValoresVarnel();
        bool finitos = std::isfinite(v.Ganho);
        for (std::size_t i = 0; i < 9; ++i)
            finitos = finitos && std::isfinite(v.N[i]) && std::isfinite(v.D[i]);
        Exigir(finitos, kAlvo, "the Varnel values are not all real numbers");
        Exigir(BytesVarnel(v).size() == kTamanhoVarnel, kAlvo, "the Varnel file has the wrong size");
    }
    // The sensitivity is the product of the polynomials: on the first few symbols only.
    for (int i = 0; i < r.Simbolos().Count() && i < 3; ++i) {
        if (r.Funcao().Num.Count() * r.Funcao().Den.Count() > 4000) break;
        if (r.CalcularSensibilidade(r.Simbolos()[i].Nome, erro)) ExigirFinito(r);
    }

    const std::vector<std::string> primeira = Escrever(r);
    TResultadoFT lido;
    try {
        lido.MostrarArquivo(kNome, LerLinhasArquivoFT(primeira, kNome));
    } catch (const EFileError& e) {
        Falha(kAlvo, std::string("a file written by Brelix does not read back: ") + e.what());
    }
    Exigir(Escrever(lido) == primeira, kAlvo, "a file read back does not write the same lines");
}

} // namespace brelix::fuzz
