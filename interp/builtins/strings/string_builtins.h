// The string and conversion builtins as C++ functions (registered by
// table.cpp).  Overloads of one script name have distinct C++ names here.
#pragma once
#include <cstdint>

#include "runtime/native.h"

namespace quorin::strings {

// ---- length, search ----
int32_t len(const Str& s);
int32_t index_of(const Str& s, const Str& t);
int32_t index_of_from(const Str& s, const Str& t, int32_t start);
int32_t last_index_of(const Str& s, const Str& t);
int32_t last_index_of_from(const Str& s, const Str& t, int32_t start);
int32_t starts_with(const Str& s, const Str& t);
int32_t starts_with_at(const Str& s, const Str& t, int32_t offset);
int32_t ends_with(const Str& s, const Str& t);

// ---- slicing (runtime errors on bad indexes) ----
char16_t char_at(Runtime& rt, const Str& s, int32_t i);
Str mid_rest(Runtime& rt, const Str& s, int32_t start);
Str mid(Runtime& rt, const Str& s, int32_t start, int32_t n);
Str left(Runtime& rt, const Str& s, int32_t n);
Str right(Runtime& rt, const Str& s, int32_t n);
Str space(int32_t n);

// ---- editing ----
Str replace(const Str& s, const Str& from, const Str& to);
Str replace_first(const Str& s, const Str& from, const Str& to);
Str lcase(const Str& s);
Str ucase(const Str& s);
Str ltrim(const Str& s);
Str rtrim(const Str& s);
Str trim(const Str& s);
ObjResult<tc::ArrayList> split(Runtime& rt, const Str& s, const Str& sep);

// ---- numeric text and conversions ----
int32_t is_int(const Str& s);
int32_t is_numeric(const Str& s);
int32_t stoi(Runtime& rt, const Str& s);
int64_t stol(Runtime& rt, const Str& s);
float stof(Runtime& rt, const Str& s);
double stod(Runtime& rt, const Str& s);
Str itos(int32_t v);
Str ltos(int64_t v);
Str ftos(float v, int32_t digits);
Str dtos(double v, int32_t digits);
Str hex_int(int32_t v);
Str hex_long(int64_t v);

// ---- numeric casts ----
float itof(int32_t v);
int64_t itol(int32_t v);
double itod(int32_t v);
int32_t ltoi(int64_t v);
float ltof(int64_t v);
double ltod(int64_t v);
int32_t ftoi(float v);
int64_t ftol(float v);
double ftod(float v);
int32_t dtoi(double v);
float dtof(double v);
int64_t dtol(double v);

// ---- charsets and byte arrays ----
int32_t len_byte_default(Runtime& rt, const Str& s);
int32_t len_byte(Runtime& rt, const Str& s, const Str& charset);
Str byte_array_to_string_default(Runtime& rt, ArrayArg<tc::ArrayBase + tc::Byte> bytes, int32_t n);
Str byte_array_to_string(Runtime& rt, ArrayArg<tc::ArrayBase + tc::Byte> bytes, int32_t n, const Str& charset);
int32_t string_to_byte_array_default(Runtime& rt, const Str& s, ArrayArg<tc::ArrayBase + tc::Byte> bytes,
                                     int32_t n);
int32_t string_to_byte_array(Runtime& rt, const Str& s, ArrayArg<tc::ArrayBase + tc::Byte> bytes, int32_t n,
                             const Str& charset);

}  // namespace quorin::strings
