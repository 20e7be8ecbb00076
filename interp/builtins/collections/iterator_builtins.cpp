#include "builtins/collections/builtins.h"
#include "builtins/collections/objects.h"
#include "support/format.h"

namespace quorin {

namespace {
IteratorObj& iter_of(IterArg a) { return *static_cast<IteratorObj*>(a.obj()); }
}  // namespace

int32_t iterator_has_next(IterArg it) { return iter_of(it).has_next() ? 1 : 0; }

Value iterator_next(Runtime& rt, IterArg it) {
  IteratorObj& i = iter_of(it);
  if (!i.has_next())
    rt.fail(format16(u"iterator_next(%.64s) 没有元素可以迭代.\n\n提示：代码中需要先判断 iterator_has_next(%.64s) == qrTrue",
                     it.name, it.name));
  return copy_out(i.ops, i.next());
}

}  // namespace quorin
