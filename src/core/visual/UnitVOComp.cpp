#include "visual/UnitVOComp.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVisualObjectList.h"

namespace brelix {

namespace {

constexpr char kEffortLetters[] = {'E', 'v', 'V', 'W', 'P'};
constexpr char kFlowLetters[] = {'F', 'i', 'F', 'T', 'Q'};

std::string VariableName(char letter, const std::string& desc, std::int32_t sides, std::int32_t port) {
    if (letter == '\0') return {};
    std::string name(1, letter);
    name += "(" + desc;
    if (sides != 1) name += "_P" + IntToStr(port);
    return name + ")";
}

// The text between the first "(" and the first ")" after it; empty when there is none.
std::string_view BetweenParentheses(std::string_view name) {
    const std::size_t open = name.find('(');
    if (open == std::string_view::npos) return {};
    const std::size_t close = name.find(')', open + 1);
    if (close == std::string_view::npos) return {};
    return name.substr(open + 1, close - open - 1);
}

// The text between the first "(" and the last "_": a two-port's description in one of its names.
std::string_view BeforeLastUnderscore(std::string_view name) {
    const std::size_t open = name.find('(');
    const std::size_t under = name.rfind('_');
    if (open == std::string_view::npos || under == std::string_view::npos || under <= open) return {};
    return name.substr(open + 1, under - open - 1);
}

} // namespace

char EffortLetter(std::int32_t domain) {
    return domain >= kDominioGrafo && domain <= kDominioHidraulico ? kEffortLetters[domain - 1] : '\0';
}
char FlowLetter(std::int32_t domain) {
    return domain >= kDominioGrafo && domain <= kDominioHidraulico ? kFlowLetters[domain - 1] : '\0';
}

std::vector<std::string> SplitGains(std::string_view gain) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t sep = gain.find(';', start);
        pieces.emplace_back(
            gain.substr(start, sep == std::string_view::npos ? std::string_view::npos : sep - start));
        if (sep == std::string_view::npos) return pieces;
        start = sep + 1;
    }
}

std::string JoinGains(const std::vector<std::string>& gains) {
    std::string text;
    for (std::size_t i = 0; i < gains.size(); ++i) {
        if (i > 0) text += ';';
        text += gains[i];
    }
    return text;
}

TVOComp::TVOComp(const TVOClass& cls, const TVOCompData& data) : TVOElemento(cls), data_(&data) {
    SetPortCount(data.NumPorts);
}

std::string TVOComp::GetGain(std::int32_t i) const {
    const std::string gain = props_.Value("Gain");
    if (i == 0) return gain;
    const std::vector<std::string> pieces = SplitGains(gain);
    if (i < 0 || i > static_cast<std::int32_t>(pieces.size())) return {};
    return pieces[static_cast<std::size_t>(i - 1)];
}

bool TVOComp::SetGain(std::int32_t i, std::string_view text) {
    if (!IsStorableText(text)) return false;
    if (i == 0) {
        SetKey("Gain", text);
        return true;
    }
    if (i < 0 || i > NumGains() || text.find(';') != std::string_view::npos) return false;
    std::vector<std::string> pieces = SplitGains(props_.Value("Gain"));
    if (static_cast<std::int32_t>(pieces.size()) < NumGains())
        pieces.resize(static_cast<std::size_t>(NumGains()));
    pieces[static_cast<std::size_t>(i - 1)] = std::string(text);
    SetKey("Gain", JoinGains(pieces));
    return true;
}

std::int32_t TVOComp::GetRot() const {
    const std::int32_t rot = StrToIntDef(props_.Value("Rot"), 1);
    return rot >= 1 && rot <= 4 ? rot : 1;
}

void TVOComp::SetRot(std::int32_t rot) {
    if (props_.HasKey("Rot")) SetKey("Rot", IntToStr(rot));
}

std::string TVOComp::EffortVariable(std::int32_t port) const {
    return VariableName(EffortLetter(GetDomain()), Desc(), NumSides(), port);
}

std::string TVOComp::FlowVariable(std::int32_t port) const {
    return VariableName(FlowLetter(GetDomain()), Desc(), NumSides(), port);
}

std::vector<std::string> TVOComp::ControlCandidates() const {
    if (data_->ControlNames == 1) return {EffortVariable(1), FlowVariable(1)};
    if (data_->ControlNames == 2)
        return {EffortVariable(1), EffortVariable(2), FlowVariable(1), FlowVariable(2)};
    return {};
}

const TVOComp* TVOComp::FindComp(std::int32_t id) const {
    if (Owner() == nullptr || id == 0) return nullptr;
    return dynamic_cast<const TVOComp*>(Owner()->FindByID(id));
}

std::string TVOComp::ControlVariable() const {
    const std::string letter = props_.Value("VarCtrl");
    if (letter.size() != 1 || letter == "0") return {};
    const std::int32_t port = StrToIntDef(props_.Value("VarPort"), 0);
    if (port == 0) return {};
    const TVOComp* comp = FindComp(StrToIntDef(props_.Value("VarID"), 0));
    if (comp == nullptr) return {};
    const char effort = EffortLetter(comp->GetDomain());
    const char flow = FlowLetter(comp->GetDomain());
    if (effort != '\0' && letter[0] == effort) return comp->EffortVariable(port);
    if (flow != '\0' && letter[0] == flow) return comp->FlowVariable(port);
    return {};
}

std::int32_t TVOComp::PortOfName(const TVOComp& comp, char letter, std::string_view name) {
    std::int32_t port = 1;
    const bool effort = letter == EffortLetter(comp.GetDomain());
    const bool flow = letter == FlowLetter(comp.GetDomain());
    if (effort && comp.EffortVariable(1) == name) port = 1;
    if (effort && comp.EffortVariable(2) == name) port = 2;
    if (flow && comp.FlowVariable(1) == name) port = 1;
    if (flow && comp.FlowVariable(2) == name) port = 2;
    return port;
}

void TVOComp::SetControlVariable(std::string_view name) {
    std::string letter = "0";
    std::int32_t id = 0;
    std::int32_t port = 0;
    // Letters are ASCII; a name starting with anything else designates nothing.
    if (!name.empty() && static_cast<unsigned char>(name.front()) < 0x80 && Owner() != nullptr) {
        const std::string_view desc = BetweenParentheses(name);
        id = desc.empty() ? 0 : Owner()->IDByDesc(desc);
        port = 1;
        if (id == 0) {
            const std::string_view twoPort = BeforeLastUnderscore(name);
            id = twoPort.empty() ? 0 : Owner()->IDByDesc(twoPort);
            if (const TVOComp* comp = FindComp(id)) port = PortOfName(*comp, name.front(), name);
        }
        letter.assign(1, name.front());
    }
    const bool store = letter != "0" && id != 0 && port != 0;
    SetKey("VarCtrl", store ? letter : "0");
    SetKey("VarID", store ? IntToStr(id) : "0");
    SetKey("VarPort", store ? IntToStr(port) : "0");
}

TPortInfo TVOComp::GetPortInfo(std::int32_t port) const {
    if (data_->Ports == nullptr || port < 1 || port > static_cast<std::int32_t>(data_->Ports->size()))
        return {};
    const TPortGeom& g = (*data_->Ports)[static_cast<std::size_t>(port - 1)];
    const std::size_t r = static_cast<std::size_t>(GetRot() - 1);
    return {g.X[r] + Left(), g.Y[r] + Top(), g.DX[r], g.DY[r], g.Type, g.Color};
}

bool TVOComp::IsConnected() const {
    if (!TVOElemento::IsConnected()) return false;
    if (HasControl() && ControlVariable().empty()) return false;
    if (NumGains() == 4) {
        const auto zero = [this](std::int32_t i) { return GetGain(i) == "0"; };
        if ((zero(1) && zero(2)) || (zero(3) && zero(4))) return false;
    }
    return true;
}

void TVOComp::ObjectRemoved(TVisualObject& removed) {
    TVOElemento::ObjectRemoved(removed);
    // Only a component controls a source.
    if (dynamic_cast<const TVOComp*>(&removed) == nullptr || !HasControl() ||
        StrToIntDef(props_.Value("VarID"), 0) != removed.ID())
        return;
    for (const char* key : {"VarCtrl", "VarID", "VarPort"})
        if (props_.HasKey(key)) SetKey(key, "0");
}

void TVOComp::LoadFromStrings(std::vector<std::string> lines) {
    const bool brandNew = IsNewObject(lines);
    TVisualObject::LoadFromStrings(std::move(lines));
    if (!brandNew) return;
    const std::string num = props_.Value("Num");
    std::vector<std::string> gains;
    for (const std::string& symbol : data_->GainSymbols)
        gains.push_back(symbol + num);
    props_.Add("Gain=" + JoinGains(gains));
}

} // namespace brelix
