// The JSON trees of one run and the handles a script holds for their nodes.
// A handle is a script int; only handles this run handed out and whose tree
// is still alive lead to a node, so a made-up, freed or foreign number is
// recognised instead of being dereferenced.  Handles are never reused within
// a run, and a node keeps the handle it was first given.
#pragma once
#include <cjson/cJSON.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "runtime/runtime.h"

namespace quorin::json {

class Trees {
 public:
  Trees() = default;
  Trees(const Trees&) = delete;
  Trees& operator=(const Trees&) = delete;
  ~Trees();

  // Takes ownership of a parsed tree; returns its root handle.
  int32_t adopt(cJSON* root);
  // The handle of `node`, a node of the tree whose root handle is `root`.
  int32_t handle_of(cJSON* node, int32_t root);
  struct Entry {
    cJSON* node;
    int32_t root;  // root handle of the node's tree
  };
  // The entry of a live handle, or null.
  const Entry* find(int32_t handle) const;
  bool is_root(int32_t handle) const;
  // Deletes the tree of a root handle; its node handles die with it.
  void free_tree(int32_t root);

  size_t live_trees() const { return members_.size(); }
  size_t live_handles() const { return by_handle_.size(); }

 private:
  int32_t next_handle();

  std::unordered_map<int32_t, Entry> by_handle_;
  std::unordered_map<const cJSON*, int32_t> by_node_;
  std::unordered_map<int32_t, std::vector<int32_t>> members_;  // root → handles of its tree
  // Handles start well away from small numbers, so that an index or a count
  // passed by mistake is caught rather than taken for a node.
  int64_t next_ = 0x10001;
};

// The trees of `rt`, created on first use.
Trees& trees_of(Runtime& rt);

}  // namespace quorin::json
