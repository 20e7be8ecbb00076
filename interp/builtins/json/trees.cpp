#include "builtins/json/trees.h"

#include <limits>

namespace quorin::json {

Trees::~Trees() {
  for (auto& [root, handles] : members_) cJSON_Delete(by_handle_.at(root).node);
}

int32_t Trees::next_handle() {
  if (next_ > std::numeric_limits<int32_t>::max()) return 0;
  return static_cast<int32_t>(next_++);
}

int32_t Trees::adopt(cJSON* root) {
  int32_t h = next_handle();
  if (h == 0) {
    cJSON_Delete(root);
    return 0;
  }
  by_handle_.emplace(h, Entry{root, h});
  by_node_.emplace(root, h);
  members_[h].push_back(h);
  return h;
}

int32_t Trees::handle_of(cJSON* node, int32_t root) {
  if (!node) return 0;
  auto it = by_node_.find(node);
  if (it != by_node_.end()) return it->second;
  int32_t h = next_handle();
  if (h == 0) return 0;
  by_handle_.emplace(h, Entry{node, root});
  by_node_.emplace(node, h);
  members_[root].push_back(h);
  return h;
}

const Trees::Entry* Trees::find(int32_t handle) const {
  auto it = by_handle_.find(handle);
  return it == by_handle_.end() ? nullptr : &it->second;
}

bool Trees::is_root(int32_t handle) const { return members_.count(handle) != 0; }

void Trees::free_tree(int32_t root) {
  auto m = members_.find(root);
  if (m == members_.end()) return;
  cJSON* tree = by_handle_.at(root).node;
  for (int32_t h : m->second) {
    auto e = by_handle_.find(h);
    by_node_.erase(e->second.node);
    by_handle_.erase(e);
  }
  members_.erase(m);
  cJSON_Delete(tree);
}

Trees& trees_of(Runtime& rt) {
  if (!rt.json_state) rt.json_state = std::make_shared<Trees>();
  return *static_cast<Trees*>(rt.json_state.get());
}

}  // namespace quorin::json
