#include "graph/UnitGrfTransmitancia.h"

#include "common/UnitComTexto.h"
#include "symbolic/UnitGrfGanho.h"

#include <cmath>
#include <cstdlib>
#include <map>

namespace brelix {

namespace {

bool Inteiro(const std::string& texto, double& valor) {
    return TryStrToReal(texto, valor) && valor != 0.0 && std::isfinite(valor) && valor == std::trunc(valor);
}

} // namespace

TGanhoSolucao GanhoSolucao(const std::string& resolvida, const std::string& outra) {
    TGanhoSolucao g;
    double kd = 0.0, kq = 0.0;
    if (Inteiro(resolvida, kd) && Inteiro(outra, kq)) {
        g.Texto = RealToStr(-kq / kd);
        return g;
    }

    const TValorGanho d = ParseGanhoLeniente(resolvida);
    const TValorGanho q = ParseGanhoLeniente(outra);
    const double k = d.K != 0.0 ? -q.K / d.K : 0.0;
    const double divisor = d.K != 0.0 ? -1.0 / d.K : 0.0;
    if (!std::isfinite(k) || !std::isfinite(divisor)) {
        g.Valido = false;
        return g;
    }
    const std::int32_t expS = q.ExpS - d.ExpS;
    std::map<std::string, std::int32_t> simbolos;
    if (d.HasSym) simbolos[d.Sym] -= d.ExpSym;
    if (q.HasSym) simbolos[q.Sym] += q.ExpSym;
    std::erase_if(simbolos, [](const auto& s) { return s.second == 0; });

    const bool cabe = simbolos.size() <= 1 && (simbolos.empty() || std::abs(simbolos.begin()->second) == 1) &&
                      std::abs(expS) <= kMaxExpSGanho;
    if (cabe) {
        g.Texto = simbolos.empty()
                      ? EscreverGanho(k, {}, 1, expS)
                      : EscreverGanho(k, simbolos.begin()->first, simbolos.begin()->second, expS);
        return g;
    }
    g.Serie = true;
    g.Termo = EscreverGanho(q.K, q.HasSym ? q.Sym : std::string(), q.ExpSym, q.ExpS);
    g.Divisor = EscreverGanho(divisor, d.HasSym ? d.Sym : std::string(), -d.ExpSym, -d.ExpS);
    return g;
}

} // namespace brelix
