#pragma once

#include <cstddef>
#include <iterator>
#include <vector>

namespace kit::events {

// A list kept in blocks of at most kBlock elements: it grows block by block, so a list of
// millions never holds them twice over (a vector that doubles holds its old and its new storage
// at once), and a short one costs what a vector costs.
template <typename T> class BlockList {
public:
  static constexpr std::size_t kBlock = 4096;

  template <typename List, typename Element> class Iterator {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = Element *;
    using reference = Element &;

    Iterator() = default;
    Iterator(List *list, std::size_t at) : list_(list), at_(at) {}
    reference operator*() const { return (*list_)[at_]; }
    pointer operator->() const { return &(*list_)[at_]; }
    Iterator &operator++() {
      ++at_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const Iterator &other) const { return at_ == other.at_; }

  private:
    List *list_ = nullptr;
    std::size_t at_ = 0;
  };
  using iterator = Iterator<BlockList, T>;
  using const_iterator = Iterator<const BlockList, const T>;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  T &operator[](std::size_t at) { return blocks_[at / kBlock][at % kBlock]; }
  const T &operator[](std::size_t at) const { return blocks_[at / kBlock][at % kBlock]; }
  T &back() { return (*this)[size_ - 1]; }
  const T &back() const { return (*this)[size_ - 1]; }

  void push_back(T value) {
    if (blocks_.empty() || blocks_.back().size() == kBlock) {
      blocks_.emplace_back();
      // Every block but the first is filled: it takes its whole room at once.
      if (blocks_.size() > 1)
        blocks_.back().reserve(kBlock);
    }
    blocks_.back().push_back(std::move(value));
    ++size_;
  }

  iterator begin() { return {this, 0}; }
  iterator end() { return {this, size_}; }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size_}; }

private:
  std::vector<std::vector<T>> blocks_;
  std::size_t size_ = 0;
};

} // namespace kit::events
