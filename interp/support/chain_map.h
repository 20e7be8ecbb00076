// The one hash-table kind of the system: separate chaining over a power-of-two
// bucket array, a threshold of trunc(buckets × load factor), and doubling when
// the entry count reaches the threshold.  New entries go to the end of their
// chain and a resize re-appends entries bucket by bucket in chain order, so the
// iteration order (bucket index, then chain order) is fully determined by the
// hashes and the insertion order.  Name tables and the script's HashMap both
// rely on that order.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorin {

// h = h·31 + unit over all UTF-16 units, starting at 0 (32-bit wrap-around).
inline uint32_t name_hash(std::u16string_view s) {
  uint32_t h = 0;
  for (char16_t c : s) h = h * 31u + static_cast<uint32_t>(c);
  return h;
}

struct NameHash {
  uint32_t operator()(std::u16string_view s) const { return name_hash(s); }
};
struct NameEq {
  bool operator()(std::u16string_view a, std::u16string_view b) const { return a == b; }
};

template <class K, class V, class Hash, class Eq>
class ChainMap {
 public:
  struct Entry {
    uint32_t hash;
    K key;
    V value;
    Entry* next = nullptr;
  };

  explicit ChainMap(size_t initial_buckets = 16, float load_factor = 0.75f)
      : buckets_(round_up_pow2(initial_buckets), nullptr), load_factor_(load_factor) {
    threshold_ = compute_threshold(buckets_.size());
  }
  ChainMap(const ChainMap&) = delete;
  ChainMap& operator=(const ChainMap&) = delete;
  ChainMap(ChainMap&& o) noexcept { swap(o); }
  ChainMap& operator=(ChainMap&& o) noexcept {
    if (this != &o) {
      clear();
      swap(o);
    }
    return *this;
  }
  ~ChainMap() { clear(); }

  template <class Q>
  V* find(const Q& key) {
    Entry* e = find_entry(key);
    return e ? &e->value : nullptr;
  }
  template <class Q>
  const V* find(const Q& key) const {
    return const_cast<ChainMap*>(this)->find(key);
  }
  template <class Q>
  Entry* find_entry(const Q& key) {
    uint32_t h = Hash{}(key);
    for (Entry* e = buckets_[h & (buckets_.size() - 1)]; e; e = e->next)
      if (e->hash == h && Eq{}(e->key, key)) return e;
    return nullptr;
  }

  // Inserts key → value unless the key is present.  Returns the entry and
  // whether it is new.  A new entry is appended to its chain; reaching the
  // threshold doubles the bucket count afterwards.
  std::pair<Entry*, bool> insert(K key, V value) {
    uint32_t h = Hash{}(key);
    Entry** link = &buckets_[h & (buckets_.size() - 1)];
    for (; *link; link = &(*link)->next)
      if ((*link)->hash == h && Eq{}((*link)->key, key)) return {*link, false};
    Entry* e = new Entry{h, std::move(key), std::move(value), nullptr};
    *link = e;
    if (++count_ >= threshold_) rebuild(buckets_.size() * 2);
    return {e, true};
  }

  // Removes the key; returns the unlinked entry (caller deletes) or null.
  template <class Q>
  Entry* unlink(const Q& key) {
    uint32_t h = Hash{}(key);
    for (Entry** link = &buckets_[h & (buckets_.size() - 1)]; *link; link = &(*link)->next) {
      Entry* e = *link;
      if (e->hash == h && Eq{}(e->key, key)) {
        *link = e->next;
        e->next = nullptr;
        --count_;
        return e;
      }
    }
    return nullptr;
  }
  template <class Q>
  bool erase(const Q& key) {
    Entry* e = unlink(key);
    delete e;
    return e != nullptr;
  }

  // Rebuilds the table with `bucket_count` buckets (rounded up to a power of
  // two), walking the old buckets in index order and each chain in order.
  void rebuild(size_t bucket_count) {
    std::vector<Entry*> fresh(round_up_pow2(bucket_count), nullptr);
    std::vector<Entry**> tails(fresh.size());
    for (size_t i = 0; i < fresh.size(); ++i) tails[i] = &fresh[i];
    for (Entry* head : buckets_) {
      for (Entry* e = head; e;) {
        Entry* next = e->next;
        size_t b = e->hash & (fresh.size() - 1);
        e->next = nullptr;
        *tails[b] = e;
        tails[b] = &e->next;
        e = next;
      }
    }
    buckets_.swap(fresh);
    threshold_ = compute_threshold(buckets_.size());
  }

  void set_load_factor(float f) {
    load_factor_ = f;
    threshold_ = compute_threshold(buckets_.size());
  }
  float load_factor() const { return load_factor_; }

  void clear() {
    for (Entry*& head : buckets_) {
      for (Entry* e = head; e;) {
        Entry* next = e->next;
        delete e;
        e = next;
      }
      head = nullptr;
    }
    count_ = 0;
  }

  // Visits every entry in iteration order: bucket index, then chain order.
  template <class F>
  void for_each(F&& f) {
    for (Entry* head : buckets_)
      for (Entry* e = head; e; e = e->next) f(*e);
  }
  template <class F>
  void for_each(F&& f) const {
    for (const Entry* head : buckets_)
      for (const Entry* e = head; e; e = e->next) f(*e);
  }

  size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  size_t bucket_count() const { return buckets_.size(); }
  size_t threshold() const { return threshold_; }
  // Bucket index of an entry (exposed so tests can check the layout).
  size_t bucket_of(const Entry& e) const { return e.hash & (buckets_.size() - 1); }

  static size_t round_up_pow2(size_t n) {
    size_t p = 1;
    while (p < n) p <<= 1;
    return p;
  }

 private:
  size_t compute_threshold(size_t buckets) const {
    return static_cast<size_t>(static_cast<float>(buckets) * load_factor_);
  }
  void swap(ChainMap& o) noexcept {
    buckets_.swap(o.buckets_);
    std::swap(count_, o.count_);
    std::swap(threshold_, o.threshold_);
    std::swap(load_factor_, o.load_factor_);
  }

  std::vector<Entry*> buckets_;
  size_t count_ = 0;
  size_t threshold_ = 0;
  float load_factor_ = 0.75f;
};

// Map keyed by an exact, case-sensitive UTF-16 name.
template <class V>
using NameMap = ChainMap<std::u16string, V, NameHash, NameEq>;

}  // namespace quorin
