#include "assist/fz_file.h"

#include <cjson/cJSON.h>

#include <cmath>
#include <memory>

namespace quorin::assist {

namespace {

struct JsonDelete {
  void operator()(cJSON* p) const { cJSON_Delete(p); }
};
using Json = std::unique_ptr<cJSON, JsonDelete>;

// A number member as a 32-bit int (saturated; fractions dropped), or
// nothing when it is missing or not a number.
std::optional<int32_t> int_member(const cJSON* obj, const char* name) {
  const cJSON* v = cJSON_GetObjectItemCaseSensitive(obj, name);
  if (!cJSON_IsNumber(v)) return std::nullopt;
  double d = v->valuedouble;
  if (std::isnan(d)) return std::nullopt;
  if (d >= 2147483647.0) return INT32_MAX;
  if (d <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(d);
}

}  // namespace

std::string serialize_fz(const ActionList& list) {
  std::vector<Action> items = list.nonempty();
  Json root(cJSON_CreateObject());
  cJSON_AddNumberToObject(root.get(), "recordCount", static_cast<double>(items.size()));
  cJSON* array = cJSON_AddArrayToObject(root.get(), "items");
  for (const Action& a : items) {
    cJSON* o = cJSON_CreateObject();
    cJSON_AddStringToObject(o, "desc", a.desc.c_str());
    cJSON_AddNumberToObject(o, "x", a.x);
    cJSON_AddNumberToObject(o, "y", a.y);
    cJSON_AddNumberToObject(o, "physicalX", a.physical_x);
    cJSON_AddNumberToObject(o, "physicalY", a.physical_y);
    cJSON_AddNumberToObject(o, "color", a.color);
    cJSON_AddItemToArray(array, o);
  }
  char* text = cJSON_Print(root.get());
  std::string out = text ? text : "";
  cJSON_free(text);
  return out;
}

std::optional<std::vector<Action>> parse_fz(std::string_view text) {
  Json root(cJSON_ParseWithLength(text.data(), text.size()));
  if (!root || !cJSON_IsObject(root.get())) return std::nullopt;
  if (!cJSON_GetObjectItemCaseSensitive(root.get(), "recordCount")) return std::nullopt;
  const cJSON* items = cJSON_GetObjectItemCaseSensitive(root.get(), "items");
  if (!cJSON_IsArray(items)) return std::nullopt;
  std::vector<Action> out;
  const cJSON* item = nullptr;
  cJSON_ArrayForEach(item, items) {
    if (!cJSON_IsObject(item)) return std::nullopt;
    const cJSON* desc = cJSON_GetObjectItemCaseSensitive(item, "desc");
    auto x = int_member(item, "x");
    auto y = int_member(item, "y");
    auto color = int_member(item, "color");
    if (!cJSON_IsString(desc) || !desc->valuestring || !x || !y || !color) return std::nullopt;
    Action a;
    a.desc = cut_description(desc->valuestring);
    a.x = *x;
    a.y = *y;
    a.color = *color;
    // Older files have no physical position.
    a.physical_x = int_member(item, "physicalX").value_or(0);
    a.physical_y = int_member(item, "physicalY").value_or(0);
    out.push_back(std::move(a));
  }
  return out;
}

}  // namespace quorin::assist
