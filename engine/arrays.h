// Fixed arrays with inclusive upper bounds in every dimension (index 0..bound),
// as the document declares them. Every element starts at its zero value.
// An index outside the bounds throws std::out_of_range: values that come from
// files are checked where they enter, so reaching this is a program fault.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

template <class T, int... Upper>
class BoundedArray {
 public:
  static constexpr int kDims = sizeof...(Upper);
  static constexpr std::array<int, kDims> kUpper{Upper...};

  BoundedArray() : data_(Size(), T{}) {}

  template <class... I>
  T& operator()(I... idx) {
    static_assert(sizeof...(I) == kDims);
    return data_[Offset({static_cast<int>(idx)...})];
  }
  template <class... I>
  const T& operator()(I... idx) const {
    static_assert(sizeof...(I) == kDims);
    return data_[Offset({static_cast<int>(idx)...})];
  }
  void Fill(const T& v) { std::fill(data_.begin(), data_.end(), v); }
  bool operator==(const BoundedArray&) const = default;

 private:
  static constexpr size_t Size() {
    size_t n = 1;
    for (int u : kUpper) n *= static_cast<size_t>(u + 1);
    return n;
  }
  static size_t Offset(const std::array<int, kDims>& idx) {
    size_t off = 0;
    for (int d = 0; d < kDims; ++d) {
      if (idx[d] < 0 || idx[d] > kUpper[d])
        throw std::out_of_range("array index " + std::to_string(idx[d]) + " outside 0.." +
                                std::to_string(kUpper[d]));
      off = off * static_cast<size_t>(kUpper[d] + 1) + static_cast<size_t>(idx[d]);
    }
    return off;
  }
  std::vector<T> data_;
};
