#pragma once
// A row of like controls indexed as the screen's design numbers them (the five answers 1 to
// 5, the miss list's heading 0 and its lines 1 to 20), so that code and design use the same
// numbers.
#include <array>
#include <cstddef>

template <class T, int First, int Last>
class ControlArray {
public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T *&operator[](int i) { return items_[std::size_t(i - First)]; }
    T *operator[](int i) const { return items_[std::size_t(i - First)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::array<T *, std::size_t(Last - First + 1)> items_{};
};
