// One cached asset: fetched on first use, kept until released. A fetch that
// finds nothing is not remembered, so the next use asks again.
#pragma once
#include <memory>

template <class T>
class CachedAsset {
 public:
  // fetch(number) returns a std::shared_ptr<T>, empty when nothing is found.
  template <class Fetch>
  std::shared_ptr<T> Get(int number, const Fetch& fetch) {
    if (!value_) value_ = fetch(number);
    return value_;
  }
  bool Loaded() const { return value_ != nullptr; }
  void Release() { value_.reset(); }

 private:
  std::shared_ptr<T> value_;
};
