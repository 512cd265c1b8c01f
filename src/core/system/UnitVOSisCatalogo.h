#pragma once

#include "visual/UnitVOClass.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelix {

// The catalogue of everything a user places in a system document: one row per kind, in kind order
// (the kind code is the row's place in a system document's class registry and the tag of its tool
// button). The classes themselves (UnitVOSisClasses) are built from these rows.

// What a kind is in the class tree.
enum class TSisFamilia {
    Vertice,    // a domain vertex: one terminal, any number of wires
    Comp,       // a component of one domain
    CompCtrl,   // a controlled source
    Referencia, // the ground of a mechanical or hydraulic domain
    Acoplador,  // a two-port between two domains
    Conexao,    // a wire of one domain
};

// Where the terminals of a component sit (see SisPortTable in UnitVOSisTerminais).
enum class TSisLayout {
    Nenhum,            // vertices and wires
    DoisTerminais,     // one- and two-terminal kinds, references, couplers 46 to 48
    TrfEle,            // electrical transformer: four terminals
    TrfMct,            // translational transformer
    TrfMcr,            // rotational transformer
    TrfHid,            // hydraulic transformer
    Reservatorio,      // the two reservoirs
    AcopladorEletrico, // couplers 43 to 45: two electrical terminals and one of the other domain
};

struct TSisKindRow {
    std::int32_t Kind = 0;
    std::string ClassName;
    std::int32_t Domain = 0; // 2 to 5, or 6 to 11 for the couplers
    TSisFamilia Familia = TSisFamilia::Comp;
    std::string Button; // the tool button that creates it
    std::string Hint;   // the button's tooltip
    std::vector<std::string> Symbols;
    std::vector<std::string> Labels; // shown beside each gain in the property window
    std::int32_t Terminals = 0;      // 0 for vertices and wires
    TSisLayout Layout = TSisLayout::Nenhum;
    std::int32_t Sides = 1;        // 2 names port variables "X(Desc_P%d)"
    std::int32_t Orientations = 0; // Rot runs from 1 to this
    std::int32_t InitRot = 0;      // Rot of a new component
    TPropWindow Dialog = TPropWindow::Vrt;
    // What the kind offers to controlled sources: 0 nothing, 1 effort and flow of its branch, 2 the
    // efforts of its two branches, then their flows.
    std::int32_t ControlNames = 0;
    bool LabelFixed = false; // the reservoirs never move their label on rotation
};

// The 52 rows in kind order.
const std::vector<TSisKindRow>& SisKinds();
// The row of a kind code; none outside 1 to 52.
const TSisKindRow* SisKind(std::int32_t kind);

// The domain a terminal belongs to: the component's own domain, or for a coupler the first domain on
// its first-side terminals and the second on the other.
std::int32_t SisTerminalDomain(const TSisKindRow& row, std::int32_t terminal);

// Colours in the document encoding (blue in the high byte, red in the low one).
inline constexpr std::int32_t kCorVermelha = 0x0000FF; // picked terminals, selected wires
std::int32_t DomainColour(std::int32_t domain);
// The page of the main window's tool bar that holds the domain's buttons.
std::string ToolbarPage(std::int32_t domain);

// The picture drawn for an orientation from a list of `count` pictures, counted from 1: number Rot,
// or Rot div 2 when the list is shorter.
std::int32_t PictureNumber(std::int32_t rot, std::int32_t count);
// The name of a kind's picture list: "Image" followed by the class name without "TVO".
std::string PictureListName(const TSisKindRow& row);

} // namespace brelix
