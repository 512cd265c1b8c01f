#include "graph/UnitGrfMasonFT.h"

#include "symbolic/UnitFTProgresso.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace brelix {

namespace {

std::string LinhaOrdem(int order, int count) {
    char line[32];
    std::snprintf(line, sizeof line, "%.2d - %d", order, count);
    return line;
}

} // namespace

void FromMason(TFuncao& funcao, const TListListLacoOS& sets, TProgresso* progress) {
    IniciarEtapa(progress, TEtapaAnalise::FuncaoTransferencia);
    TVigia vigia(progress, 256);
    TProgresso silent;
    TProgresso& report = progress != nullptr ? *progress : silent;
    TListFator& Num = funcao.Num;
    TListFator& Den = funcao.Den;
    Num.Clear();
    Den.Clear();
    // The numerator starts with a null constant, so that a diagram whose input does not reach its
    // output gives 0; the denominator with the 1 of the graph determinant.
    Num.AddFator(0, 0.0);
    Den.AddFator(0, 1.0);

    std::vector<std::string> lines;
    lines.reserve(sets.size());
    for (std::size_t k = 0; k < sets.size(); ++k)
        lines.push_back(LinhaOrdem(static_cast<int>(k) + 1, static_cast<int>(sets[k].size())));
    report.IniciarProgresso(lines);

    // A set of k loops enters with the sign (-1)^k; those through the closing branch carry DFS and,
    // once it is taken out, make up the sum of the forward paths times their cofactors. Each set's key
    // is taken one set ahead, so that its place in the index is fetched while the previous set is
    // added.
    const TIdSimbolo dfs = IdSimbolo(kSimboloDFS);
    struct TPendente {
        TListFator* into = nullptr;
        TListFator::TChave key;
        TListSimboloExp symbols;
        double k = 0.0;
        int set = 0;
    };
    TPendente pending;
    const auto commit = [&] {
        if (pending.into == nullptr) return;
        pending.into->AddFator(pending.key, std::move(pending.symbols), pending.k);
        pending.into = nullptr;
        report.PassoProgresso(pending.set);
        vigia.Passo();
    };
    double sign = 1.0;
    for (std::size_t order = 0; order < sets.size(); ++order) {
        sign = -sign;
        report.IniciarOrdem(static_cast<int>(order) + 1, static_cast<int>(sets[order].size()));
        int count = 0;
        for (const TLacoOS& set : sets[order]) {
            TPendente next;
            next.symbols = set.Simbolos;
            const int at = next.symbols.IndexOfSimbolo(dfs);
            if (at >= 0) next.symbols.DeleteSimbolo(at);
            next.into = at >= 0 ? &Num : &Den;
            next.key = TListFator::Chave(set.ExpS, next.symbols);
            next.k = sign * set.K;
            next.set = ++count;
            next.into->Antecipar(next.key);
            commit();
            pending = std::move(next);
        }
        commit();
    }
    funcao.Simplificar();
}

} // namespace brelix
