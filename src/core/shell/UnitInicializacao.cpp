#include "shell/UnitInicializacao.h"

#include <algorithm>

namespace brelix {

const std::vector<TPassoInicio>& PassosInicio() {
    static const std::vector<TPassoInicio> passos = [] {
        const std::vector<std::string> janelas = {
            "FormMain",       "FormMsg",        "FormProgress",      "FormCheckGrf",      "FormFTDFS",
            "FormFTGrafo",    "FormImage",      "FormOpcoes",        "FormResultDFS",     "FormResultFT",
            "FormResultGrf",  "FormResultSis",  "FormSaveFile",      "PropVisualForm",    "PropVOCnx",
            "PropVOGanho",    "PropVOGrfComp",  "PropVOGrfComp4",    "PropVOGrfCompCtrl", "PropVOSisComp",
            "PropVOSisComp2", "PropVOSisComp4", "PropVOSisCompCtrl", "PropVOVrt"};
        std::vector<TPassoInicio> r;
        bool avanca = false;
        for (const std::string& j : janelas) {
            avanca = avanca || j == "FormProgress";
            r.push_back({j, avanca});
        }
        return r;
    }();
    return passos;
}

std::int32_t MaximoSplash() {
    const auto& passos = PassosInicio();
    return static_cast<std::int32_t>(
        std::count_if(passos.begin(), passos.end(), [](const TPassoInicio& p) { return p.AvancaSplash; }));
}

TGeometriaPrincipal GeometriaPrincipal(std::int32_t larguraDesktop) {
    TGeometriaPrincipal g;
    g.Width = larguraDesktop - 10;
    return g;
}

} // namespace brelix
