#pragma once

#include "visual/UnitVOComp.h"
#include "visual/UnitVOElemento.h"

namespace brelix {

// The elements of linear-graph and signal-flow documents. Every kind of each family shares one class;
// the kinds differ in the values of their descriptors (UnitVOGrfClasses).

// A graph vertex or signal-flow variable: drawn as a circle with its Num; complete with one connection.
class TVOGrfVertice : public TVOVertice {
public:
    explicit TVOGrfVertice(const TVOClass& cls) : TVOVertice(cls, 1, 0) {}
    bool IsConnected() const override { return !Connections().empty(); }
};

// A graph one-port or two-port, or a signal-flow transmittance. A one-port stands for the branch from
// the vertex at its port 1 to the vertex at its port 2; a two-port for the branches port 1 -> port 2
// (first side) and port 3 -> port 4 (second side).
class TVOGrfComp : public TVOComp {
public:
    using TVOComp::TVOComp;

    const std::string& Symbol() const { return Data().Symbol; }
    // The vertex (or variable) at the far end of the connection at the port; none when the port is
    // free.
    TVOGrfVertice* VertexAt(std::int32_t port) const;
    // Unless the user has moved it, a component whose ports 1 and 2 are connected sits midway between
    // the vertices there; Left and Top follow without marking the object modified.
    bool UpdateLayout() override;
    // A brand-new component also gets Move=0 (and the control keys when it is a controlled source),
    // and its label shows the whole gain 20 pixels above its centre.
    void LoadFromStrings(std::vector<std::string> lines) override;
};

} // namespace brelix
