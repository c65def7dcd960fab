// A bounded single-producer single-consumer ring that never blocks and never
// allocates after construction. Hands voices to the audio thread and their
// finished slots back.
#pragma once
#include <atomic>
#include <cstddef>
#include <vector>

namespace fw {

template <typename T>
class SpscQueue {
 public:
  explicit SpscQueue(size_t capacity) : ring_(capacity + 1) {}

  // Producer side; false when full.
  bool Push(const T& item) {
    const size_t tail = tail_.load(std::memory_order_relaxed);
    const size_t next = Next(tail);
    if (next == head_.load(std::memory_order_acquire)) return false;
    ring_[tail] = item;
    tail_.store(next, std::memory_order_release);
    return true;
  }

  // Consumer side; false when empty.
  bool Pop(T* item) {
    const size_t head = head_.load(std::memory_order_relaxed);
    if (head == tail_.load(std::memory_order_acquire)) return false;
    *item = ring_[head];
    head_.store(Next(head), std::memory_order_release);
    return true;
  }

 private:
  size_t Next(size_t i) const { return i + 1 == ring_.size() ? 0 : i + 1; }

  std::vector<T> ring_;
  alignas(64) std::atomic<size_t> head_{0};
  alignas(64) std::atomic<size_t> tail_{0};
};

}  // namespace fw
