// The hotkey line and the start/pause button of the main window, by run
// state.
#pragma once
#include <optional>
#include <string>

namespace quorin {

// "Ctrl + Alt + ", "Ctrl + ", "Shift + ", "Alt + " or nothing.
std::u16string modifier_prefix(int mods);

struct StatusTexts {
  std::u16string line;
  std::optional<std::u16string> button;  // unset: caption unchanged
  std::optional<bool> button_enabled;    // unset: unchanged
};

// Key names are the system's names of the two keys.
StatusTexts status_texts(int state, int pause_mods, std::u16string_view pause_name, int stop_mods,
                         std::u16string_view stop_name);

}  // namespace quorin
