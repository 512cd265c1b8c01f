#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace brelix {

// An ordered list of 32-bit integers: vertex and branch paths, loop members, rows of tables.
class TListInt {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    std::int32_t Get(int i) const { return items_[static_cast<std::size_t>(i)]; }
    std::int32_t operator[](int i) const { return Get(i); }
    void Put(int i, std::int32_t value) { items_[static_cast<std::size_t>(i)] = value; }
    void Add(std::int32_t value) { items_.push_back(value); }
    void Insert(int i, std::int32_t value) { items_.insert(items_.begin() + i, value); }
    void Delete(int i) { items_.erase(items_.begin() + i); }
    void DeleteLast() { items_.pop_back(); }
    std::int32_t Last() const { return items_.back(); }
    void Clear() { items_.clear(); }
    // First position holding the value; -1 when absent.
    int IndexOf(std::int32_t value) const;
    bool Contains(std::int32_t value) const { return IndexOf(value) >= 0; }
    void Reserve(int n) { items_.reserve(static_cast<std::size_t>(n)); }

    std::vector<std::int32_t>::const_iterator begin() const { return items_.begin(); }
    std::vector<std::int32_t>::const_iterator end() const { return items_.end(); }
    const std::vector<std::int32_t>& Items() const { return items_; }

    bool operator==(const TListInt&) const = default;

private:
    std::vector<std::int32_t> items_;
};

// A list of integer lists, owning them.
class TListListInt {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const TListInt& operator[](int i) const { return *items_[static_cast<std::size_t>(i)]; }
    TListInt& operator[](int i) { return *items_[static_cast<std::size_t>(i)]; }
    // Creates, appends and returns a new empty list.
    TListInt& AddList();
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TListInt>> items_;
};

} // namespace brelix
