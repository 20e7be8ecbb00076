// The JSON builtins: parsing into a tree, walking it by member paths, typed
// values and printing.  Errors end the run with exit code -1.
#pragma once
#include <cstdint>

#include "runtime/runtime.h"
#include "runtime/str.h"

namespace quorin::json {

int32_t parse(Runtime& rt, const Str& text);
Str print(Runtime& rt, int32_t h);
Str print_as(Runtime& rt, int32_t h, int32_t formatted);
int32_t get_item(Runtime& rt, int32_t h, const Str& path);
int32_t has_item(Runtime& rt, int32_t h, const Str& path);
int32_t item_type(Runtime& rt, int32_t h);
int32_t item_type_at(Runtime& rt, int32_t h, const Str& path);

int32_t is_false(Runtime& rt, int32_t h);
int32_t is_false_at(Runtime& rt, int32_t h, const Str& path);
int32_t is_true(Runtime& rt, int32_t h);
int32_t is_true_at(Runtime& rt, int32_t h, const Str& path);
int32_t is_null(Runtime& rt, int32_t h);
int32_t is_null_at(Runtime& rt, int32_t h, const Str& path);
int32_t is_number(Runtime& rt, int32_t h);
int32_t is_number_at(Runtime& rt, int32_t h, const Str& path);
int32_t is_string(Runtime& rt, int32_t h);
int32_t is_string_at(Runtime& rt, int32_t h, const Str& path);
int32_t is_array(Runtime& rt, int32_t h);
int32_t is_array_at(Runtime& rt, int32_t h, const Str& path);
int32_t is_object(Runtime& rt, int32_t h);
int32_t is_object_at(Runtime& rt, int32_t h, const Str& path);

Str value_string(Runtime& rt, int32_t h);
Str value_string_at(Runtime& rt, int32_t h, const Str& path);
int32_t value_int(Runtime& rt, int32_t h);
int32_t value_int_at(Runtime& rt, int32_t h, const Str& path);
int64_t value_long(Runtime& rt, int32_t h);
int64_t value_long_at(Runtime& rt, int32_t h, const Str& path);
double value_double(Runtime& rt, int32_t h);
double value_double_at(Runtime& rt, int32_t h, const Str& path);

int32_t array_size(Runtime& rt, int32_t h);
int32_t array_size_at(Runtime& rt, int32_t h, const Str& path);
int32_t array_item(Runtime& rt, int32_t h, int32_t index);
int32_t array_item_at(Runtime& rt, int32_t h, const Str& path, int32_t index);

void free_tree(Runtime& rt, int32_t h);

}  // namespace quorin::json
