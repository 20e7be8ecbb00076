#include <algorithm>
#include <cstring>
#include <limits>
#include <random>

#include "coll_fixture.h"

namespace quorin::testing {
namespace {

using HashMapTest = CollFixture;

HashMapObj& obj(MapArg m) { return *static_cast<HashMapObj*>(m.obj()); }

template <class T>
Payload bits_of(T v) {
  Payload p;
  p.bits = 0;
  std::memcpy(&p, &v, sizeof v);
  return p;
}

TEST(CollectionKeyHash, FollowsTheKeyType) {
  EXPECT_EQ(elem_ops(tc::Int).hash(make_int(-1)), 0xF1F0EF1Fu);  // unsigned shifts
  EXPECT_EQ(elem_ops(tc::Int).hash(make_int(0x12345678)), 0x133249B7u);
  EXPECT_EQ(elem_ops(tc::Short).hash(make_int(-1)), 0xFFFFFFFFu);
  EXPECT_EQ(elem_ops(tc::Char).hash(make_int(0xFFFF)), 0xFFFFu);
  EXPECT_EQ(elem_ops(tc::Long).hash(make_long(0x0000000100000002LL)), 3u);
  EXPECT_EQ(elem_ops(tc::Float).hash(make_float(1.0f)), 0x3F800000u);
  EXPECT_EQ(elem_ops(tc::Double).hash(make_double(1.0)), 0x3FF00000u);
  EXPECT_EQ(elem_ops(tc::Double).hash(bits_of<uint64_t>(0xFFF8000000000123ull)), 0x7FF80000u);
  EXPECT_EQ(elem_ops(tc::Float).hash(bits_of<uint32_t>(0xFFC00001u)), 0x7FC00000u);
  Str ab(u"ab");
  EXPECT_EQ(elem_ops(tc::String).hash(make_str(ab.rep())), 97u * 31u + 98u);
}

TEST_F(HashMapTest, PutGetRemoveAndNullResults) {
  MapArg m = map(tc::String, tc::Int);
  EXPECT_EQ(hashmap_put(rt, m, str_arg<tc::GenericK>(u"one"), int_arg<tc::GenericV>(1)).type, tc::None);
  EXPECT_EQ(hashmap_put(rt, m, str_arg<tc::GenericK>(u"two"), int_arg<tc::GenericV>(2)).type, tc::None);
  Str one(u"one");
  StrRep* first_key = obj(m).table.find_entry(MapProbe{&obj(m).key_ops, make_str(one.rep())})->key.p.str;
  // Replacing returns the old value and keeps the size and the stored key.
  EXPECT_EQ(as_int(hashmap_put(rt, m, str_arg<tc::GenericK>(u"one"), int_arg<tc::GenericV>(10))), 1);
  EXPECT_EQ(hashmap_get_size(m), 2);
  EXPECT_EQ(as_int(hashmap_get(rt, m, str_arg<tc::GenericK>(u"one"))), 10);
  EXPECT_EQ(obj(m).table.find_entry(MapProbe{&obj(m).key_ops, make_str(first_key)})->key.p.str, first_key);
  EXPECT_EQ(hashmap_get(rt, m, str_arg<tc::GenericK>(u"three")).type, tc::None);
  EXPECT_EQ(hashmap_contains_key(rt, m, str_arg<tc::GenericK>(u"two")), 1);
  EXPECT_EQ(hashmap_contains_value(rt, m, int_arg<tc::GenericV>(10)), 1);
  EXPECT_EQ(hashmap_contains_value(rt, m, int_arg<tc::GenericV>(1)), 0);
  EXPECT_EQ(as_int(hashmap_remove(rt, m, str_arg<tc::GenericK>(u"two"))), 2);
  EXPECT_EQ(hashmap_remove(rt, m, str_arg<tc::GenericK>(u"two")).type, tc::None);
  EXPECT_EQ(hashmap_get_size(m), 1);
  hashmap_clear(m);
  EXPECT_EQ(hashmap_get_size(m), 0);
  EXPECT_EQ(hashmap_contains_key(rt, m, str_arg<tc::GenericK>(u"one")), 0);
}

TEST_F(HashMapTest, TwelfthKeyDoublesTheBuckets) {
  MapArg m = map(tc::Int, tc::Int);
  for (int k = 0; k < 11; ++k) hashmap_put(rt, m, int_arg<tc::GenericK>(k), int_arg<tc::GenericV>(k));
  EXPECT_EQ(obj(m).table.bucket_count(), 16u);
  hashmap_put(rt, m, int_arg<tc::GenericK>(5), int_arg<tc::GenericV>(0));  // existing key: no growth
  EXPECT_EQ(obj(m).table.bucket_count(), 16u);
  hashmap_put(rt, m, int_arg<tc::GenericK>(11), int_arg<tc::GenericV>(11));
  EXPECT_EQ(obj(m).table.bucket_count(), 32u);
  EXPECT_EQ(obj(m).table.threshold(), 24u);
  for (int k = 0; k < 12; ++k) EXPECT_EQ(hashmap_contains_key(rt, m, int_arg<tc::GenericK>(k)), 1);
}

TEST_F(HashMapTest, HugeCapacityRequestIsCapped) {
  MapArg m = map(tc::Int, tc::Int);
  hashmap_put(rt, m, int_arg<tc::GenericK>(1), int_arg<tc::GenericV>(2));
  hashmap_reset_capacity_factor(m, 2147483647, 0.75f);
  EXPECT_EQ(obj(m).table.bucket_count(), size_t{1} << 20);
  EXPECT_EQ(as_int(hashmap_get(rt, m, int_arg<tc::GenericK>(1))), 2);
}

TEST_F(HashMapTest, TinyLoadFactorIsClampedSoInsertsDoNotDoubleEveryTime) {
  MapArg m = map(tc::Int, tc::Int);
  hashmap_reset_capacity_factor(m, 16, 0.0001f);
  EXPECT_EQ(obj(m).table.threshold(), 4u);  // 16 buckets × the smallest factor, 0.25
  for (int k = 0; k < 5000; ++k) hashmap_put(rt, m, int_arg<tc::GenericK>(k), int_arg<tc::GenericV>(k));
  EXPECT_EQ(hashmap_get_size(m), 5000);
  EXPECT_LE(obj(m).table.bucket_count(), 5000u * 8);
  EXPECT_EQ(as_int(hashmap_get(rt, m, int_arg<tc::GenericK>(4321))), 4321);
}

TEST_F(HashMapTest, FloatKeysUseCanonicalBitPatterns) {
  MapArg m = map(tc::Float, tc::Int);
  hashmap_put(rt, m, flt_arg<tc::GenericK>(0.0f), int_arg<tc::GenericV>(1));
  hashmap_put(rt, m, flt_arg<tc::GenericK>(-0.0f), int_arg<tc::GenericV>(2));
  EXPECT_EQ(hashmap_get_size(m), 2);
  EXPECT_EQ(as_int(hashmap_get(rt, m, flt_arg<tc::GenericK>(-0.0f))), 2);
  hashmap_put(rt, m, flt_arg<tc::GenericK>(std::numeric_limits<float>::quiet_NaN()), int_arg<tc::GenericV>(3));
  EXPECT_EQ(as_int(hashmap_get(rt, m, arg<tc::GenericK>(tc::Float, bits_of<uint32_t>(0xFFC01234u)))), 3);
  EXPECT_EQ(hashmap_get_size(m), 3);

  MapArg dm = map(tc::Double, tc::Double, u"dm");
  double nan = std::numeric_limits<double>::quiet_NaN();
  hashmap_put(rt, dm, dbl_arg<tc::GenericK>(nan), dbl_arg<tc::GenericV>(nan));
  hashmap_put(rt, dm, arg<tc::GenericK>(tc::Double, bits_of<uint64_t>(0x7FF0000000000001ull)),  // signalling NaN
              dbl_arg<tc::GenericV>(1.0));
  EXPECT_EQ(hashmap_get_size(dm), 1);
  EXPECT_EQ(as_double(hashmap_get(rt, dm, dbl_arg<tc::GenericK>(-nan))), 1.0);
  hashmap_put(rt, dm, dbl_arg<tc::GenericK>(0.0), dbl_arg<tc::GenericV>(nan));
  EXPECT_EQ(hashmap_contains_value(rt, dm, dbl_arg<tc::GenericV>(nan)), 1);  // map equality: NaN equals NaN
  EXPECT_EQ(hashmap_contains_key(rt, dm, dbl_arg<tc::GenericK>(-0.0)), 0);
}

TEST_F(HashMapTest, StringKeysAreCaseSensitiveAndCollisionsChain) {
  MapArg m = map(tc::String, tc::String);
  hashmap_put(rt, m, str_arg<tc::GenericK>(u"Key"), str_arg<tc::GenericV>(u"upper"));
  hashmap_put(rt, m, str_arg<tc::GenericK>(u"key"), str_arg<tc::GenericV>(u"lower"));
  hashmap_put(rt, m, str_arg<tc::GenericK>(u"Aa"), str_arg<tc::GenericV>(u"first"));
  hashmap_put(rt, m, str_arg<tc::GenericK>(u"BB"), str_arg<tc::GenericV>(u"second"));  // same hash as "Aa"
  EXPECT_EQ(hashmap_get_size(m), 4);
  EXPECT_EQ(as_str(hashmap_get(rt, m, str_arg<tc::GenericK>(u"Key"))), u"upper");
  EXPECT_EQ(as_str(hashmap_get(rt, m, str_arg<tc::GenericK>(u"BB"))), u"second");
  EXPECT_EQ(as_str(hashmap_remove(rt, m, str_arg<tc::GenericK>(u"Aa"))), u"first");
  EXPECT_EQ(as_str(hashmap_get(rt, m, str_arg<tc::GenericK>(u"BB"))), u"second");
}

// The iteration order is bucket index, then chain order.  The model keeps the
// keys in that order: a new key goes after every key of its bucket or a lower
// one, and a rebuild is a stable sort by the new bucket index.
class OrderModel {
 public:
  explicit OrderModel(size_t buckets) : buckets_(buckets) {}
  void insert(int32_t k) {
    auto pos = std::find_if(keys_.begin(), keys_.end(), [&](int32_t o) { return bucket(o) > bucket(k); });
    keys_.insert(pos, k);
  }
  void erase(int32_t k) { keys_.erase(std::find(keys_.begin(), keys_.end(), k)); }
  void rebuild(size_t buckets) {
    buckets_ = buckets;
    std::stable_sort(keys_.begin(), keys_.end(), [&](int32_t a, int32_t b) { return bucket(a) < bucket(b); });
  }
  const std::vector<int32_t>& keys() const { return keys_; }

 private:
  size_t bucket(int32_t k) const { return elem_ops(tc::Int).hash(make_int(k)) & (buckets_ - 1); }
  size_t buckets_;
  std::vector<int32_t> keys_;
};

TEST_F(HashMapTest, IterationOrderFollowsBucketsAcrossResizes) {
  MapArg m = map(tc::Int, tc::Int);
  OrderModel model(16);
  std::mt19937 rng(11);
  auto keys_now = [&] {
    IterArg it = hold(hashmap_keys(rt, m));
    std::vector<int32_t> out;
    while (iterator_has_next(it)) out.push_back(as_int(iterator_next(rt, it)));
    return out;
  };
  for (int n = 0; n < 200; ++n) {
    int32_t k = static_cast<int32_t>(rng() % 5000) * 16;  // many keys share low bits
    if (hashmap_contains_key(rt, m, int_arg<tc::GenericK>(k))) continue;
    size_t before = obj(m).table.bucket_count();
    hashmap_put(rt, m, int_arg<tc::GenericK>(k), int_arg<tc::GenericV>(n));
    model.insert(k);
    if (obj(m).table.bucket_count() != before) model.rebuild(obj(m).table.bucket_count());
    if (n % 37 == 0) {
      ASSERT_EQ(keys_now(), model.keys());
    }
  }
  EXPECT_GE(obj(m).table.bucket_count(), 256u);
  EXPECT_EQ(keys_now(), model.keys());

  // Removing keeps the others' order; a reset may shrink the table and merge chains.
  for (size_t j = 0; j < model.keys().size(); j += 3) {
    int32_t k = model.keys()[j];
    hashmap_remove(rt, m, int_arg<tc::GenericK>(k));
    model.erase(k);
  }
  size_t count = model.keys().size();
  hashmap_reset_capacity_factor(m, 4, 0.5f);
  size_t expect = 1;
  while (expect < count) expect <<= 1;
  EXPECT_EQ(obj(m).table.bucket_count(), expect);
  EXPECT_EQ(obj(m).table.threshold(), expect / 2);
  model.rebuild(expect);
  EXPECT_EQ(keys_now(), model.keys());

  // A factor outside (0, 1) leaves the load factor as it was.
  hashmap_reset_capacity_factor(m, 1000, 1.5f);
  EXPECT_EQ(obj(m).table.bucket_count(), 1024u);
  EXPECT_EQ(obj(m).table.threshold(), 512u);
  model.rebuild(1024);
  EXPECT_EQ(keys_now(), model.keys());
  std::vector<int32_t> values;
  IterArg vit = hold(hashmap_values(rt, m));
  while (iterator_has_next(vit)) values.push_back(as_int(iterator_next(rt, vit)));
  EXPECT_EQ(values.size(), count);
}

TEST_F(HashMapTest, KeyAndValueIteratorsKeepTheirOwnCopy) {
  MapArg m = map(tc::String, tc::Bmp);
  auto* b1 = obj_new<FakeBmp>(rt.objects);
  auto* b2 = obj_new<FakeBmp>(rt.objects);
  hashmap_put(rt, m, str_arg<tc::GenericK>(u"x"), bmp_arg<tc::GenericV>(b1));
  hashmap_put(rt, m, str_arg<tc::GenericK>(u"y"), bmp_arg<tc::GenericV>(b2));
  IterArg keys = hold(hashmap_keys(rt, m));
  IterArg vals = hold(hashmap_values(rt, m));
  EXPECT_EQ(as_str(iterator_next(rt, keys)), u"x");
  // Replacing a value hands back the old image with its hold.
  Value old = hashmap_put(rt, m, str_arg<tc::GenericK>(u"x"), bmp_arg<tc::GenericV>(b2));
  EXPECT_EQ(old.v.obj, b1);
  obj_release(old.v.obj);
  hashmap_clear(m);
  obj_release(b1);
  obj_release(b2);
  // The images are still held by the value iterator's copy.
  EXPECT_EQ(as_str(iterator_next(rt, keys)), u"y");
  Value v = iterator_next(rt, vals);
  EXPECT_EQ(v.v.obj, b1);
  obj_release(v.v.obj);
  EXPECT_EQ(iterator_has_next(vals), 1);
}

TEST_F(HashMapTest, BmpKeysAreIdentities) {
  MapArg m = map(tc::Bmp, tc::Int);
  auto* b1 = obj_new<FakeBmp>(rt.objects);
  auto* b2 = obj_new<FakeBmp>(rt.objects);
  hashmap_put(rt, m, bmp_arg<tc::GenericK>(b1), int_arg<tc::GenericV>(1));
  hashmap_put(rt, m, bmp_arg<tc::GenericK>(b2), int_arg<tc::GenericV>(2));
  EXPECT_EQ(as_int(hashmap_get(rt, m, bmp_arg<tc::GenericK>(b2))), 2);
  EXPECT_EQ(as_int(hashmap_remove(rt, m, bmp_arg<tc::GenericK>(b1))), 1);
  EXPECT_EQ(b1->rc, 1u + 2u);  // the test and two operands; the map let go
  obj_release(b1);
  obj_release(b2);
}

}  // namespace
}  // namespace quorin::testing
