#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brelix {

// The program's start: the splash window's steps and the main window's place.

// The windows made at start-up, in creation order: the main window, then every window that lives for
// the whole run. The splash progress bar advances once after each window from "FormProgress" on.
struct TPassoInicio {
    std::string Janela;
    bool AvancaSplash = false;
};
const std::vector<TPassoInicio>& PassosInicio();
// The splash bar's maximum: the number of steps that advance it.
std::int32_t MaximoSplash();

// The main window is a strip across the top of the screen, 100 pixels high.
struct TGeometriaPrincipal {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 100;
};
TGeometriaPrincipal GeometriaPrincipal(std::int32_t larguraDesktop);

} // namespace brelix
