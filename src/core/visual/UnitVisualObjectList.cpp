#include "visual/UnitVisualObjectList.h"

#include "common/UnitComTexto.h"
#include "visual/UnitVOCnx.h"
#include "visual/UnitVOComp.h"

#include <algorithm>
#include <cassert>

namespace brelix {

namespace {

void SortIgnoringCase(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareUpper(a, b) < 0; });
}

} // namespace

int TListVisualObject::IndexOf(const TVisualObject& o) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == &o) return static_cast<int>(i);
    return -1;
}

TVisualObject& TListVisualObject::Add(std::unique_ptr<TVisualObject> object) {
    return Insert(Count(), std::move(object));
}

TVisualObject& TListVisualObject::Insert(int index, std::unique_ptr<TVisualObject> object) {
    assert(object != nullptr && object->ID() > 0 && "an object joins its list with a positive identity");
    assert(index >= 0 && index <= Count() && "an object goes back within the list");
    const bool fresh = byId_.emplace(object->ID(), object.get()).second;
    assert(fresh && "identities are unique within a document");
    (void)fresh;
    object->SetOwner(this);
    lastId_ = std::max(lastId_, object->ID());
    const auto at = items_.insert(items_.begin() + index, std::move(object));
    return **at;
}

std::unique_ptr<TVisualObject> TListVisualObject::Detach(TVisualObject& object) {
    const int index = IndexOf(object);
    if (index < 0) return nullptr;
    if (selected_ == &object) selected_ = nullptr;
    byId_.erase(object.ID());
    std::unique_ptr<TVisualObject> taken = std::move(items_[static_cast<std::size_t>(index)]);
    items_.erase(items_.begin() + index);
    return taken;
}

void TListVisualObject::Remove(TVisualObject& object) {
    if (IndexOf(object) < 0) return;
    // An element removes its connections on this notice, so the list may shrink meanwhile: go on after
    // the current object's new position.
    std::size_t i = 0;
    while (i < items_.size()) {
        TVisualObject* current = items_[i].get();
        current->ObjectRemoved(object);
        if (i < items_.size() && items_[i].get() == current) {
            ++i;
            continue;
        }
        const int now = IndexOf(*current);
        if (now >= 0) i = static_cast<std::size_t>(now) + 1;
    }
    const int index = IndexOf(object);
    if (index < 0) return;
    if (selected_ == &object) selected_ = nullptr;
    const auto found = byId_.find(object.ID());
    if (found != byId_.end() && found->second == &object) byId_.erase(found);
    items_.erase(items_.begin() + index);
}

void TListVisualObject::Clear() {
    selected_ = nullptr;
    byId_.clear();
    items_.clear();
    lastId_ = 0;
}

void TListVisualObject::RecomputeLastID() {
    lastId_ = 0;
    for (const auto& o : items_)
        lastId_ = std::max(lastId_, o->ID());
}

std::int32_t TListVisualObject::NextNum(std::string_view className) const {
    std::int32_t highest = 0;
    bool any = false;
    for (const auto& o : items_) {
        if (o->ClassName() != className) continue;
        highest = any ? std::max(highest, o->Num()) : o->Num();
        any = true;
    }
    return any ? highest + 1 : 1;
}

TListVisualObject::TNewName TListVisualObject::NewName(const TVOClass& cls) const {
    TNewName name;
    name.Num = NextNum(cls.Name);
    name.Desc = cls.DescPrefix() + IntToStr(name.Num);
    while (FindByDesc(name.Desc) != nullptr) {
        ++name.Num;
        name.Desc = cls.DescPrefix() + IntToStr(name.Num);
    }
    return name;
}

TVisualObject* TListVisualObject::FindByID(std::int32_t id) const {
    const auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

TVisualObject* TListVisualObject::FindByDesc(std::string_view desc) const {
    for (const auto& o : items_)
        if (o->Desc() == desc) return o.get();
    return nullptr;
}

std::int32_t TListVisualObject::IDByDesc(std::string_view desc) const {
    const TVisualObject* o = FindByDesc(desc);
    return o == nullptr ? 0 : o->ID();
}

int TListVisualObject::CountOfClass(const TVOClass& cls) const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [&cls](const auto& o) { return o->Is(cls); }));
}

TPropSwitch TListVisualObject::SetSelected(TVisualObject* object) {
    TPropSwitch change;
    change.Hide = selected_ != nullptr ? selected_->PropWindow() : TPropWindow::VisualForm;
    selected_ = object;
    if (object != nullptr) object->Select();
    change.Show = object != nullptr ? object->PropWindow() : TPropWindow::VisualForm;
    return change;
}

void TListVisualObject::DeselectAll() {
    for (const auto& o : items_)
        o->Deselect();
}

bool TListVisualObject::Rename(std::string_view oldDesc, std::string_view newDesc) {
    TVisualObject* o = FindByDesc(oldDesc);
    return o != nullptr && Rename(*o, newDesc);
}

bool TListVisualObject::Rename(TVisualObject& object, std::string_view newDesc) {
    if (newDesc.empty() || !IsStorableText(newDesc) || FindByDesc(newDesc) != nullptr) return false;
    if (IndexOf(object) < 0) return false;
    object.SetDesc(newDesc);
    return true;
}

bool TListVisualObject::Renumber(std::string_view className, std::int32_t oldNum, std::int32_t newNum) {
    if (newNum < 1 || newNum > kMaxNumero) return false;
    TVisualObject* target = nullptr;
    for (const auto& o : items_) {
        if (o->ClassName() != className) continue;
        if (o->Num() == newNum) return false;
        if (o->Num() == oldNum && target == nullptr) target = o.get();
    }
    if (target == nullptr) return false;
    const std::string prefix = target->Class().DescPrefix();
    std::string desc = target->Desc();
    if (desc == prefix + IntToStr(oldNum)) {
        desc = prefix + IntToStr(newNum);
        const TVisualObject* holder = FindByDesc(desc);
        if (holder != nullptr && holder != target) return false;
    }
    target->SetNum(newNum);
    target->SetDesc(desc);
    return true;
}

bool TListVisualObject::AnyModified() const {
    return std::any_of(items_.begin(), items_.end(), [](const auto& o) { return o->Modified(); });
}

void TListVisualObject::SetAllModified(bool value) {
    for (const auto& o : items_)
        o->SetModified(value);
}

void TListVisualObject::GetText(std::vector<std::string>& lines) const {
    for (const auto& o : items_) {
        const auto& props = o->Props().Lines();
        lines.insert(lines.end(), props.begin(), props.end());
        lines.emplace_back("end");
    }
}

std::vector<std::string> TListVisualObject::GetText() const {
    std::vector<std::string> lines;
    GetText(lines);
    return lines;
}

std::vector<std::string> TListVisualObject::ControlVariables(const TVOComp& asking) const {
    std::vector<std::string> names;
    for (const auto& o : items_) {
        if (o.get() == &asking) continue;
        const auto* comp = dynamic_cast<const TVOComp*>(o.get());
        if (comp == nullptr) continue;
        for (std::string& name : comp->ControlCandidates())
            names.push_back(std::move(name));
    }
    SortIgnoringCase(names);
    return names;
}

std::vector<std::string> TListVisualObject::Descriptions() const {
    std::vector<std::string> names;
    names.reserve(items_.size());
    for (const auto& o : items_)
        names.push_back(o->Desc());
    SortIgnoringCase(names);
    return names;
}

TVOConexao* TListVisualObject::ConnectionAt(TPonto p) const {
    for (const auto& o : items_)
        if (auto* cnx = dynamic_cast<TVOConexao*>(o.get()); cnx != nullptr && cnx->HitTest(p)) return cnx;
    return nullptr;
}

TVisualObject* TListVisualObject::ElementAt(TPonto p) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        TVisualObject* o = it->get();
        if (dynamic_cast<const TVOConexao*>(o) != nullptr) continue;
        if (p.X >= o->Left() && p.X < o->Left() + o->Width() && p.Y >= o->Top() &&
            p.Y < o->Top() + o->Height())
            return o;
    }
    return nullptr;
}

std::vector<TVisualObject*> TListVisualObject::PaintOrder() const {
    std::vector<TVisualObject*> order;
    order.reserve(items_.size());
    for (const auto& o : items_)
        if (dynamic_cast<const TVOConexao*>(o.get()) != nullptr) order.push_back(o.get());
    for (const auto& o : items_)
        if (dynamic_cast<const TVOConexao*>(o.get()) == nullptr) order.push_back(o.get());
    return order;
}

} // namespace brelix
