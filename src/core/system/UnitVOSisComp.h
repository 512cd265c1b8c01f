#pragma once

#include "system/UnitSisRota.h"
#include "system/UnitVOSisCatalogo.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"
#include "visual/UnitVOElemento.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelix {

// The values a system component kind sets at creation: those of every component, its catalogue row
// and its terminal geometry (Comp.Ports points at Ports).
struct TSisCompData {
    TVOCompData Comp;
    const TSisKindRow* Row = nullptr;
    TPortTable Ports;
};

// A component of a system document. Every kind shares this class; the kinds differ in their rows.
class TVOSisComp : public TVOComp {
public:
    TVOSisComp(const TVOClass& cls, const TSisCompData& data) : TVOComp(cls, data.Comp), row_(data.Row) {}

    const TSisKindRow& Row() const { return *row_; }
    std::int32_t Orientations() const { return row_->Orientations; }

    // The rotate tool: Rot advances by one, back to 1 past the last orientation, and the label follows
    // (AdjustLabel). Wires keep no bend points, so they follow at their next drawing. False when the
    // object has no Rot key.
    bool Rotate();
    // A label at its default place for the other axis moves to the default place for this one: (0,
    // -20) above the picture when Rot is 1 or 3, (-20, 0) beside it when Rot is 2 or 4. A label the
    // user placed elsewhere stays, and the reservoirs never move theirs.
    void AdjustLabel();
    // Which picture of a list of `count` pictures shows the current orientation.
    std::int32_t Picture(std::int32_t count) const { return PictureNumber(GetRot(), count); }

    // The friction kinds give two branches and name their variables after them: "v(Massa1_M)" for the
    // first, "v(Massa1_B)" for every other port.
    std::string EffortVariable(std::int32_t port) const override;
    std::string FlowVariable(std::int32_t port) const override;
    // The names of the graph branches the conversion makes of this component (none for references).
    std::vector<std::string> BranchNames() const;

    // A brand-new component also gets Rot with its kind's first orientation, its whole gain as label
    // above the picture (or beside it when upright) and, for controlled sources, the control keys.
    void LoadFromStrings(std::vector<std::string> lines) override;

private:
    std::string BranchVariable(char letter, std::int32_t port) const;

    const TSisKindRow* row_;
};

// A vertex of one domain: its terminal is its centre and takes any number of wires of the domain.
class TVOSisVertice : public TVOVertice {
public:
    TVOSisVertice(const TVOClass& cls, std::int32_t domain) : TVOVertice(cls, domain, DomainColour(domain)) {}
};

// A wire of one domain, drawn as an orthogonal route between its two terminals.
class TVOSisConexao : public TVOConexao {
public:
    TVOSisConexao(const TVOClass& cls, std::int32_t domain) : TVOConexao(cls, DomainColour(domain)) {}

    // The wire's rectangle and route from the terminals as they are now; none while an end is missing.
    std::optional<TGeometriaConexaoSis> Geometria() const;
    // The route in document coordinates.
    std::vector<TPonto> Points() const override;
    // Besides the checks of every connection, both terminals must be of the wire's domain.
    void CheckKeys() const override;

private:
    const TVOElemento* EndElement(std::int32_t id) const;
};

} // namespace brelix
