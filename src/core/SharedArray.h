#pragma once

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

// An array that never changes once made, so that copies share it instead of duplicating it
// (the meshes of identical figures). It is read like a const std::vector; to change it, assign
// a new array: there is no access that writes into the shared items.
template <class T> class SharedArray {
public:
    using value_type = T;
    using const_iterator = typename std::vector<T>::const_iterator;
    using iterator = const_iterator;

    SharedArray() = default;
    SharedArray(std::vector<T> items)
        : items(std::make_shared<const std::vector<T>>(std::move(items))) {}
    SharedArray(std::initializer_list<T> items) : SharedArray(std::vector<T>(items)) {}
    explicit SharedArray(std::shared_ptr<const std::vector<T>> shared) : items(std::move(shared)) {}

    const std::vector<T>& Items() const { return items ? *items : Empty(); }
    operator const std::vector<T>&() const { return Items(); }
    const std::shared_ptr<const std::vector<T>>& Shared() const { return items; }
    // Whether both read the very same items (not merely equal ones).
    bool SharesWith(const SharedArray& other) const { return items && items == other.items; }

    std::size_t size() const { return Items().size(); }
    bool empty() const { return Items().empty(); }
    const T& operator[](std::size_t i) const { return Items()[i]; }
    const T& front() const { return Items().front(); }
    const T& back() const { return Items().back(); }
    const T* data() const { return Items().data(); }
    const_iterator begin() const { return Items().begin(); }
    const_iterator end() const { return Items().end(); }

    friend bool operator==(const SharedArray& a, const SharedArray& b) {
        return a.Items() == b.Items();
    }
    friend bool operator==(const SharedArray& a, const std::vector<T>& b) { return a.Items() == b; }

private:
    static const std::vector<T>& Empty() {
        static const std::vector<T> none;
        return none;
    }
    std::shared_ptr<const std::vector<T>> items;
};
