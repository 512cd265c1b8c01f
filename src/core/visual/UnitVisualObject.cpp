#include "visual/UnitVisualObject.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVOGeometria.h"

#include <cassert>

namespace brelix {

namespace {

// A coordinate key read leniently: not an integer, or beyond kMaxCoord, counts as 0.
std::int32_t CoordOrZero(const std::string& text) {
    const std::int32_t v = StrToIntDef(text, 0);
    return (v < -kMaxCoord || v > kMaxCoord) ? 0 : v;
}

} // namespace

std::int32_t TVisualObject::Num() const {
    return StrToIntDef(props_.Value("Num"), 0);
}

void TVisualObject::SetNum(std::int32_t num) {
    SetKey("Num", IntToStr(num));
}

void TVisualObject::SetDesc(std::string_view desc) {
    SetKey("Desc", desc);
}

std::string TVisualObject::Lbl() const {
    std::string text = props_.Value("Lbl");
    if (text == "*") text.clear();
    return text;
}

bool TVisualObject::SetLbl(std::string_view text) {
    if (!IsStorableText(text)) return false;
    SetKey("Lbl", text.empty() ? std::string_view("*") : text);
    return true;
}

std::int32_t TVisualObject::LblX() const {
    return StrToIntDef(props_.Value("LblX"), 0);
}
std::int32_t TVisualObject::LblY() const {
    return StrToIntDef(props_.Value("LblY"), 0);
}
void TVisualObject::SetLblX(std::int32_t x) {
    SetKey("LblX", IntToStr(x));
}
void TVisualObject::SetLblY(std::int32_t y) {
    SetKey("LblY", IntToStr(y));
}

void TVisualObject::SetMove(bool moved) {
    if (props_.HasKey("Move")) SetKey("Move", moved ? "1" : "0");
}

std::int32_t TVisualObject::Left() const {
    return CoordOrZero(props_.Value("Left"));
}
std::int32_t TVisualObject::Top() const {
    return CoordOrZero(props_.Value("Top"));
}

void TVisualObject::SetPosition(TPonto p) {
    SetKey("Left", IntToStr(p.X));
    SetKey("Top", IntToStr(p.Y));
}

std::string TVisualObject::HintText() const {
    return Desc() + ": (" + IntToStr(Left()) + ", " + IntToStr(Top()) + ")";
}

void TVisualObject::BeginDrag(TPonto cursor) {
    dragOffset_ = cursor;
    state_ = kStateDragging;
}

void TVisualObject::DragTo(TPonto cursor, std::int32_t docWidth, std::int32_t docClientHeight) {
    const TDragStep step =
        DragStep(Position(), {Width(), Height()}, dragOffset_, cursor, docWidth, docClientHeight);
    dragOffset_ = step.Offset;
    SetPosition(step.Position);
    modified_ = true;
    SetMove(true);
}

void TVisualObject::ObjectRemoved(TVisualObject&) {}

void TVisualObject::LoadFromStrings(std::vector<std::string> lines) {
    id_ = lines.empty() ? -1 : ParseObjectLine(lines.front()).ID;
    props_.Assign(std::move(lines));
}

void TVisualObject::RestoreProps(std::vector<std::string> lines) {
    const std::int32_t id = lines.empty() ? -1 : ParseObjectLine(lines.front()).ID;
    assert((id_ == -1 || id == id_) && "an undo step gives an object back its own lines");
    id_ = id;
    props_.Assign(std::move(lines));
}

void TVisualObject::ApplyProperties() {
    CheckKeys();
}

void TVisualObject::CheckKeys() const {
    StrictInt("Num", 1, kMaxNumero);
    StrictInt("LblX", -kMaxCoord, kMaxCoord);
    StrictInt("LblY", -kMaxCoord, kMaxCoord);
}

bool TVisualObject::SetKey(std::string_view key, std::string_view value) {
    if (!props_.SetValue(key, value)) return false;
    modified_ = true;
    return true;
}

std::int32_t TVisualObject::StrictInt(std::string_view key, std::int32_t min, std::int32_t max) const {
    const std::string k(key);
    if (!props_.HasKey(key)) throw EObjectError(k, "falta a chave " + k);
    const std::string text = props_.Value(key);
    std::int32_t value = 0;
    if (!TryStrToInt(text, value) || value < min || value > max)
        throw EObjectError(k, "esperava-se em " + k + " um número inteiro de " + IntToStr(min) + " a " +
                                  IntToStr(max) + ", mas há " + Excerpt(text));
    return value;
}

} // namespace brelix
