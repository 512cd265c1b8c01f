#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <type_traits>
#include <vector>

namespace brelix {

// Walks a list of owned items as the items themselves: through a const list they are read-only, so
// a caller holding the system read-only cannot rewire what the system keeps consistent.
template <class Ref, class Base> class TIteradorItens {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::remove_cvref_t<Ref>;
    using difference_type = std::ptrdiff_t;
    using reference = Ref;
    using pointer = std::remove_reference_t<Ref>*;

    TIteradorItens() = default;
    explicit TIteradorItens(Base it) : it_(it) {}

    Ref operator*() const { return **it_; }
    pointer operator->() const { return it_->get(); }
    TIteradorItens& operator++() {
        ++it_;
        return *this;
    }
    TIteradorItens operator++(int) {
        TIteradorItens antes = *this;
        ++it_;
        return antes;
    }
    friend bool operator==(const TIteradorItens&, const TIteradorItens&) = default;

private:
    Base it_{};
};

template <class T> using TItensDonos = std::vector<std::unique_ptr<T>>;
template <class T> using TIteradorDono = TIteradorItens<T&, typename TItensDonos<T>::iterator>;
template <class T>
using TIteradorDonoConst = TIteradorItens<const T&, typename TItensDonos<T>::const_iterator>;

} // namespace brelix
