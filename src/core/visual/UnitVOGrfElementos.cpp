#include "visual/UnitVOGrfElementos.h"

#include "common/UnitComTexto.h"

namespace brelix {

TVOGrfVertice* TVOGrfComp::VertexAt(std::int32_t port) const {
    return dynamic_cast<TVOGrfVertice*>(NeighbourAt(port));
}

bool TVOGrfComp::UpdateLayout() {
    if (Move()) return false;
    const TVisualObject* a = NeighbourAt(1);
    const TVisualObject* b = NeighbourAt(2);
    if (a == nullptr || b == nullptr) return false;
    const TPonto midway{static_cast<std::int32_t>((std::int64_t{a->Left()} + b->Left()) / 2),
                        static_cast<std::int32_t>((std::int64_t{a->Top()} + b->Top()) / 2)};
    if (midway == Position()) return false;
    SetKeyQuietly("Left", IntToStr(midway.X));
    SetKeyQuietly("Top", IntToStr(midway.Y));
    return true;
}

void TVOGrfComp::LoadFromStrings(std::vector<std::string> lines) {
    const bool brandNew = IsNewObject(lines);
    TVOComp::LoadFromStrings(std::move(lines));
    if (!brandNew) return;
    props_.Add("Move=0");
    SetKeyQuietly("Lbl", GetGain(0));
    SetKeyQuietly("LblX", "0");
    SetKeyQuietly("LblY", "-20");
    if (!Data().Controlled) return;
    for (const char* key : {"VarCtrl=0", "VarID=0", "VarPort=0"})
        props_.Add(key);
}

} // namespace brelix
