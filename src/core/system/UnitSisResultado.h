#pragma once

#include <array>
#include <string>
#include <vector>

namespace brelix {

class TGrafo;

// What the result window of "Sistema -> Grafo" shows: four grids, each given here by its data rows
// (row 0, the titles, is the window's own). A grid with nothing to show still has one empty row.
struct TResultadoSis {
    std::vector<std::array<std::string, 2>> Vertices; // number, name; sorted by number
    std::vector<std::array<std::string, 5>> Ramos;    // number, name, origin, destination, gain
    std::vector<std::string> Adicionados;             // vertices the conversion added to the system
    std::vector<std::string> Removidos;               // vertices it merged away
};

// Page captions and column titles of the result window, in page order.
inline constexpr const char* kCaptionResultadoSis = "Resultados";
inline constexpr std::array<const char*, 4> kPaginasResultadoSis = {"Vértices do Grafo", "Ramos do Grafo",
                                                                    "Vértices Adicionados no Sistema",
                                                                    "Vértices Removidos do Sistema"};
inline constexpr std::array<const char*, 2> kColunasVerticesSis = {"Número", "Descrição"};
inline constexpr std::array<const char*, 5> kColunasRamosSis = {"Número", "Descrição", "Vértice Origem",
                                                                "Vértice Destino", "Ganho"};
inline constexpr const char* kColunaNomesSis = "Descrição";

// Fills the four grids from the graph and the two name lists. The vertex rows are put in order of
// vertex number by exchanging rows: each row in turn is swapped with every later row whose number
// is smaller. Branches keep the graph's order.
TResultadoSis FillResultadoSis(const TGrafo& grafo, const std::vector<std::string>& removidos,
                               const std::vector<std::string>& adicionados);

} // namespace brelix
