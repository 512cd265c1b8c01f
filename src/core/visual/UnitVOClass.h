#pragma once

#include "visual/UnitVODominio.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace brelix {

class TVisualObject;

// The property window family that shows an object; the display keeps one window of each family and
// swaps them at the same place when the selection changes kind.
enum class TPropWindow {
    VisualForm, // the document itself, when nothing is selected
    Vrt,        // vertices and signal-flow variables
    Cnx,        // connections
    GrfComp,    // graph one-ports, two-ports with one gain, transmittances
    GrfCompCtrl,
    GrfComp4, // the generic two-port
    SisComp,
    SisComp2,
    SisComp4,
    SisCompCtrl,
};

// A class of drawable objects as the documents see it: its name (written in the file), its place in
// the class tree, its kind and domain codes and how to make an instance. The concrete kinds of a family
// share one C++ class and differ only in the values their descriptor carries; the intermediate classes
// of the tree (TVOGrf1P, TVOSisComp, ...) are descriptors without a factory, so that "is a" questions
// can be asked of them.
struct TVOClass {
    std::string Name;
    const TVOClass* Parent = nullptr;
    std::int32_t Kind = 0;   // position in its document's registry, counted from 1; 0 when abstract
    std::int32_t Domain = 0; // 0 signal flow, 1 linear graph, 2 to 5 the system domains, 6 to 11 couplers
    TPropWindow PropWindow = TPropWindow::Vrt;
    std::int32_t Margin = 0; // inset of the sensitive rectangle
    std::function<std::unique_ptr<TVisualObject>(const TVOClass&)> Create;

    bool IsAbstract() const { return !Create; }
    bool InheritsFrom(const TVOClass& ancestor) const;
    // The start of every default description: the class name without its first six characters
    // ("TVOGrfImpedancia" gives Impedancia).
    std::string DescPrefix() const;
};

// The abstract roots of the class tree.
const TVOClass& ClassVisualObject();
const TVOClass& ClassVOElemento();
const TVOClass& ClassVOVertice();
const TVOClass& ClassVOComp();
const TVOClass& ClassVOConexao();

} // namespace brelix
