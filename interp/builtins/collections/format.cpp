#include "builtins/collections/format.h"

#include <vector>

#include "builtins/collections/objects.h"
#include "builtins/console/format_value.h"
#include "support/format.h"

namespace quorin {

std::u16string bmp_print_text(const BmpFacts& f) {
  return format16(u"Bmp@bitCount:%d, width:%d, height:%d, len:%d", f.bit_count, f.width, f.height, f.len);
}

namespace {

std::u16string bmp_text(const Object* bmp, BmpFactsFn facts) {
  return bmp_print_text(bmp && facts ? facts(bmp) : BmpFacts{});
}

std::u16string element_text(TypeCode t, Payload p, BmpFactsFn facts) {
  switch (t) {
    case tc::Byte:
    case tc::Short:
    case tc::Int:
      return format16(u"%d", p.i);
    case tc::Char:
      return p.i ? format16(u"'%c'", static_cast<char16_t>(p.i)) : std::u16string(u"''");
    case tc::Long:
      return format16(u"%I64d", static_cast<long long>(p.l));
    case tc::Float:
      return trimmed_float_text(p.f);
    case tc::Double:
      return trimmed_float_text(p.d);
    case tc::String:
      return u"\"" + std::u16string(str_view(p.str)) + u"\"";
    case tc::Bmp:
      return bmp_text(p.obj, facts);
    default:
      return {};
  }
}

std::u16string list_text(std::u16string_view name, TypeCode t, const std::vector<Payload>& items,
                         BmpFactsFn facts) {
  std::u16string out(name);
  if (items.empty()) return out + u"{}";
  bool lines = t == tc::Bmp;
  out += lines ? u"{\r\n" : u"{";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i) out += lines ? u",\r\n" : u", ";
    out += element_text(t, items[i], facts);
  }
  out += lines ? u"\r\n}" : u"}";
  return out;
}

}  // namespace

std::u16string format_collection(const Object* obj, BmpFactsFn facts) {
  if (!obj) return {};
  std::vector<Payload> items;
  switch (obj->type) {
    case tc::ArrayList: {
      auto* l = static_cast<const ArrayListObj*>(obj);
      for (size_t i = 0; i < l->size(); ++i) items.push_back(l->at(i));
      return list_text(u"ArrayList", l->ops.type, items, facts);
    }
    case tc::LinkedList: {
      auto* l = static_cast<const LinkedListObj*>(obj);
      for (LinkedNode* n = l->head(); n; n = n->next) items.push_back(n->v);
      return list_text(u"LinkedList", l->ops.type, items, facts);
    }
    case tc::Iterator: {
      auto* it = static_cast<const IteratorObj*>(obj);
      return list_text(u"Iterator", it->ops.type, it->remaining(), facts);
    }
    case tc::HashMap: {
      auto* m = static_cast<const HashMapObj*>(obj);
      std::u16string out = u"HashMap{\r\n";
      TypeCode kt = m->key_ops.type, vt = m->val_ops.type;
      m->table.for_each([&](const HashMapObj::Table::Entry& e) {
        std::u16string key = element_text(kt, e.key.p, facts);
        out += kt == tc::Bmp ? u"[" + key + u"]" : key;
        out += u":";
        out += element_text(vt, e.value.p, facts);
        out += u"\r\n";
      });
      return out + u"}";
    }
    default:
      return {};
  }
}

}  // namespace quorin
