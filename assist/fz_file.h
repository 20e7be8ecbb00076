// Action files (.fz): the action list as JSON text, formatted the way the
// JSON library prints it (tab indentation, one member per line), with the
// descriptions in the ANSI code page.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assist/actions.h"

namespace quorin::assist {

// The text of a file holding the list's non-empty actions.
std::string serialize_fz(const ActionList& list);

// The actions of a file's text, or nothing when it is not JSON, lacks
// "recordCount" or "items", or an item lacks "desc", "x", "y" or "color"
// or holds a value of the wrong kind.
std::optional<std::vector<Action>> parse_fz(std::string_view text);

}  // namespace quorin::assist
