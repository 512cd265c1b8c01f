#pragma once

#include "visual/UnitVisualObject.h"

#include <array>
#include <cstdint>
#include <vector>

namespace brelix {

// Geometry of one port for each of the four rotations, in the object's own pixels: where it is, the
// outward direction wires leave it by (-1, 0 or 1), its domain code (handed to the document when the
// port is picked) and the colour a free port is painted in.
struct TPortGeom {
    std::array<std::int32_t, 4> X{};
    std::array<std::int32_t, 4> Y{};
    std::array<std::int32_t, 4> DX{};
    std::array<std::int32_t, 4> DY{};
    std::int32_t Type = 1;
    std::int32_t Color = 0;
};
using TPortTable = std::vector<TPortGeom>; // port p is entry p - 1

// A port in document coordinates.
struct TPortInfo {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t DX = 0;
    std::int32_t DY = 0;
    std::int32_t Type = 0;
    std::int32_t Color = 0;
};

// An object with ports and the connections attached to them.
class TVOElemento : public TVisualObject {
public:
    using TVisualObject::TVisualObject;

    std::int32_t NumPorts() const { return numPorts_; }
    // True after SetPortCount: Connections then has one slot per port, 0 for a free port.
    bool FixedPorts() const { return fixedPorts_; }
    void SetPortCount(std::int32_t n);

    // The port picked for connecting (painted red).
    bool PortFlag(std::int32_t port) const;
    // Clears every flag but that of port `except` (0: all of them).
    void ClearPortFlags(std::int32_t except = 0);
    // Clears the other flags and toggles this one; returns the new flag.
    bool TogglePortFlag(std::int32_t port);

    // IDs of the attached connections: one slot per port when FixedPorts, else in attachment order.
    const std::vector<std::int32_t>& Connections() const { return connections_; }
    // The connection at the port; 0 when free, and always 0 without FixedPorts.
    std::int32_t ConnectionAt(std::int32_t port) const;
    // The element at the other end of the connection at the port; none when the port is free.
    TVisualObject* NeighbourAt(std::int32_t port) const;
    // Stores the connection in the port's slot, or appends it without FixedPorts.
    void AttachConnection(std::int32_t cnxId, std::int32_t port);
    // A port a new connection may take: within range and, with FixedPorts, free.
    bool CanTakeConnection(std::int32_t port) const;
    // Puts back the attached connections exactly as an undo step kept them (one slot per port when
    // FixedPorts); no port stays picked.
    void RestoreConnections(std::vector<std::int32_t> ids);

    virtual TPortInfo GetPortInfo(std::int32_t port) const = 0;
    // Rotation 1 to 4 that selects the port positions; only system components rotate.
    virtual std::int32_t GetRot() const { return 1; }
    // Completeness test of the documents' validation.
    virtual bool IsConnected() const;

    // The element being deleted removes its connections; the others forget a deleted connection.
    void ObjectRemoved(TVisualObject& removed) override;

private:
    bool ValidPort(std::int32_t port) const { return port >= 1 && port <= numPorts_; }

    std::int32_t numPorts_ = 1;
    bool fixedPorts_ = false;
    std::vector<std::uint8_t> portFlags_ = std::vector<std::uint8_t>(2, 0); // index 1..NumPorts
    std::vector<std::int32_t> connections_;
};

// A vertex: one port, its centre, that takes any number of connections.
class TVOVertice : public TVOElemento {
public:
    TVOVertice(const TVOClass& cls, std::int32_t portType, std::int32_t portColor)
        : TVOElemento(cls), portType_(portType), portColor_(portColor) {}

    TPortInfo GetPortInfo(std::int32_t port) const override;

private:
    std::int32_t portType_;
    std::int32_t portColor_;
};

} // namespace brelix
