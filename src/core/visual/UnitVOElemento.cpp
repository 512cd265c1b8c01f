#include "visual/UnitVOElemento.h"

#include "visual/UnitVOCnx.h"
#include "visual/UnitVisualObjectList.h"

#include <algorithm>
#include <cassert>

namespace brelix {

void TVOElemento::SetPortCount(std::int32_t n) {
    numPorts_ = n;
    fixedPorts_ = true;
    portFlags_.assign(static_cast<std::size_t>(n) + 1, 0);
    connections_.assign(static_cast<std::size_t>(n), 0);
}

bool TVOElemento::PortFlag(std::int32_t port) const {
    return ValidPort(port) && portFlags_[static_cast<std::size_t>(port)] != 0;
}

void TVOElemento::ClearPortFlags(std::int32_t except) {
    for (std::int32_t p = 1; p <= numPorts_; ++p)
        if (p != except) portFlags_[static_cast<std::size_t>(p)] = 0;
}

bool TVOElemento::TogglePortFlag(std::int32_t port) {
    if (!ValidPort(port)) return false;
    ClearPortFlags(port);
    auto& flag = portFlags_[static_cast<std::size_t>(port)];
    flag = flag != 0 ? 0 : 1;
    return flag != 0;
}

std::int32_t TVOElemento::ConnectionAt(std::int32_t port) const {
    if (!fixedPorts_ || !ValidPort(port)) return 0;
    return connections_[static_cast<std::size_t>(port - 1)];
}

TVisualObject* TVOElemento::NeighbourAt(std::int32_t port) const {
    const std::int32_t cnxId = ConnectionAt(port);
    if (cnxId == 0 || Owner() == nullptr) return nullptr;
    const auto* cnx = dynamic_cast<const TVOConexao*>(Owner()->FindByID(cnxId));
    if (cnx == nullptr) return nullptr;
    return Owner()->FindByID(cnx->ObjID1() != ID() ? cnx->ObjID1() : cnx->ObjID2());
}

void TVOElemento::AttachConnection(std::int32_t cnxId, std::int32_t port) {
    if (!fixedPorts_) {
        if (std::find(connections_.begin(), connections_.end(), cnxId) == connections_.end())
            connections_.push_back(cnxId);
        return;
    }
    if (ValidPort(port)) connections_[static_cast<std::size_t>(port - 1)] = cnxId;
}

bool TVOElemento::CanTakeConnection(std::int32_t port) const {
    if (!ValidPort(port)) return false;
    return !fixedPorts_ || connections_[static_cast<std::size_t>(port - 1)] == 0;
}

void TVOElemento::RestoreConnections(std::vector<std::int32_t> ids) {
    assert((!fixedPorts_ || ids.size() == connections_.size()) && "one slot per port");
    connections_ = std::move(ids);
    ClearPortFlags();
}

bool TVOElemento::IsConnected() const {
    if (!fixedPorts_) return connections_.size() > 1;
    return std::none_of(connections_.begin(), connections_.end(), [](std::int32_t c) { return c == 0; });
}

void TVOElemento::ObjectRemoved(TVisualObject& removed) {
    if (&removed == this) {
        // Removing a connection makes this element forget it, so work on a copy.
        const std::vector<std::int32_t> attached = connections_;
        for (std::int32_t cnxId : attached) {
            if (cnxId == 0 || Owner() == nullptr) continue;
            if (TVisualObject* cnx = Owner()->FindByID(cnxId)) Owner()->Remove(*cnx);
        }
        return;
    }
    const std::int32_t id = removed.ID();
    if (fixedPorts_) {
        std::replace(connections_.begin(), connections_.end(), id, 0);
        return;
    }
    connections_.erase(std::remove(connections_.begin(), connections_.end(), id), connections_.end());
}

TPortInfo TVOVertice::GetPortInfo(std::int32_t) const {
    const TPonto c = Centre();
    return {c.X, c.Y, 0, 0, portType_, portColor_};
}

} // namespace brelix
