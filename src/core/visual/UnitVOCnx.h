#pragma once

#include "visual/UnitVisualObject.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace brelix {

class TVOElemento;

// A connection: a visual object of its own that joins two elements at given ports (keys ObjID1,
// ObjID2 and CntID1, CntID2). The elements only record the connection's ID.
class TVOConexao : public TVisualObject {
public:
    explicit TVOConexao(const TVOClass& cls, std::int32_t colour = 0) : TVisualObject(cls), colour_(colour) {}

    std::int32_t ObjID1() const;
    std::int32_t ObjID2() const;
    std::int32_t CntID1() const;
    std::int32_t CntID2() const;
    void SetObjID1(std::int32_t id);
    void SetObjID2(std::int32_t id);
    void SetCntID1(std::int32_t port);
    void SetCntID2(std::int32_t port);
    std::int32_t Colour() const { return colour_; }

    // Gives both ends the connection (and clears their picked ports). False, with nothing changed,
    // when an end is 0 or the ends cannot take it: an end that is not an element of the document, a
    // port out of range or already taken, or a pair the document does not join.
    bool Attach();
    // Joins a vertex and a component: at the component's odd ports the connection runs from the vertex
    // into it, at its even ports out of it. False, with nothing changed, when the ends cannot take it or
    // the connection is already attached.
    bool Connect(std::int32_t vertexId, std::int32_t vertexPort, std::int32_t compPort, std::int32_t compId);
    // Both ends exist and list this connection.
    bool IsAttached() const;

    // The polyline in document coordinates: here the straight line between the centres of the two
    // ends (empty while an end is missing); routed wires override it.
    virtual std::vector<TPonto> Points() const;
    // A point within 3 pixels of the polyline (see HitTestPolyline).
    bool HitTest(TPonto p) const;

    // A brand-new connection gets ObjID1, ObjID2, CntID1, CntID2 = 0.
    void LoadFromStrings(std::vector<std::string> lines) override;
    // The four keys must be integers; ends that are set must take the connection.
    void CheckKeys() const override;
    void ApplyProperties() override;

private:
    // Why the ends named by the keys cannot take this connection; nothing when they can.
    std::optional<EObjectError> AttachProblem() const;
    TVOElemento* End(std::int32_t id) const;

    std::int32_t colour_;
};

} // namespace brelix
