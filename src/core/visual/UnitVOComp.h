#pragma once

#include "visual/UnitVOElemento.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brelix {

// Effort and flow letters of the domains 1 to 5 (graph, electrical, translational, rotational,
// hydraulic); '\0' for any other domain, where variable names are not defined.
char EffortLetter(std::int32_t domain);
char FlowLetter(std::int32_t domain);

// The values a component kind sets at creation.
struct TVOCompData {
    std::int32_t NumPorts = 2;
    const TPortTable* Ports = nullptr;
    std::int32_t NumSides = 1; // 1: one-port names "E(Desc)"; 2: two-port names "E(Desc_P1)"
    std::vector<std::string> GainSymbols;
    std::vector<std::string> GainDescriptions;
    // The names this kind offers to controlled sources: 0 none, 1 effort and flow of port 1, 2 the
    // efforts of ports 1 and 2, then their flows.
    std::int32_t ControlNames = 0;
    bool Controlled = false; // a controlled source: keys VarCtrl, VarID, VarPort
    std::string Symbol;      // text drawn in the body of graph and signal-flow kinds
};

// A component: fixed numbered ports, gains, and for controlled sources a control variable.
class TVOComp : public TVOElemento {
public:
    TVOComp(const TVOClass& cls, const TVOCompData& data);

    const TVOCompData& Data() const { return *data_; }
    std::int32_t NumGains() const { return static_cast<std::int32_t>(data_->GainSymbols.size()); }
    std::int32_t NumSides() const { return data_->NumSides; }

    // i = 0: the whole Gain value; i >= 1: the i-th text between ";" (empty when there is none).
    std::string GetGain(std::int32_t i) const;
    // Replaces the whole value (i = 0) or the i-th text and joins again with ";". Refuses (false) an
    // index beyond the gains, a text that the file cannot hold and, for one gain, a text with ";".
    bool SetGain(std::int32_t i, std::string_view text);

    // Rot, 1 when absent or unreadable; SetRot writes only where the key exists.
    std::int32_t GetRot() const override;
    void SetRot(std::int32_t rot);

    virtual std::string EffortVariable(std::int32_t port) const;
    virtual std::string FlowVariable(std::int32_t port) const;
    // The names this component offers to controlled sources of its document.
    std::vector<std::string> ControlCandidates() const;

    // Controlled sources. ControlVariable rebuilds the name from VarCtrl, VarID and VarPort, so it
    // follows the renaming of the controlling component; empty when they designate nothing.
    bool HasControl() const { return props_.HasKey("VarCtrl"); }
    std::string ControlVariable() const;
    // Stores the letter, identity and port a name designates, or "0" in all three.
    void SetControlVariable(std::string_view name);

    TPortInfo GetPortInfo(std::int32_t port) const override;
    bool IsConnected() const override;
    void ObjectRemoved(TVisualObject& removed) override;
    // A brand-new component gets Gain: each gain symbol followed by Num, joined by ";".
    void LoadFromStrings(std::vector<std::string> lines) override;

private:
    const TVOComp* FindComp(std::int32_t id) const;
    // The port of `comp` whose name with that letter is `name`; 1 when none is.
    static std::int32_t PortOfName(const TVOComp& comp, char letter, std::string_view name);

    const TVOCompData* data_;
};

// Splits and joins the ";"-separated gain texts of a component.
std::vector<std::string> SplitGains(std::string_view gain);
std::string JoinGains(const std::vector<std::string>& gains);

} // namespace brelix
