#include "graph/UnitLstListInt.h"

namespace brelix {

int TListInt::IndexOf(std::int32_t value) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == value) return static_cast<int>(i);
    return -1;
}

TListInt& TListListInt::AddList() {
    items_.push_back(std::make_unique<TListInt>());
    return *items_.back();
}

} // namespace brelix
