// The rules of the input dialogs that do not depend on a window system: the
// input types, the edit limits, the check of an entered text and the sizes
// and places of the dialogs.  The Windows dialogs and the console prompts of
// the command-line interpreter share them.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace quorin {

// Input types of `prompt` and `input_box` (qrPrompt_*).
enum InputType : int { kInputString = 0, kInputChar = 1, kInputInt = 2, kInputNumeric = 3 };

// Dialog results (qrOk, qrCancel) and message-box results (qrYes, qrNo).
constexpr int kResultOk = 1, kResultCancel = 2, kResultYes = 6, kResultNo = 7;
// Box types of `confirm` (qrOkCancel, qrYesNoCancel, qrYesNo).
constexpr int kBoxOkCancel = 1, kBoxYesNoCancel = 3, kBoxYesNo = 4;
// Any other type gives OK/Cancel.
int confirm_box_type(int type);

// A type above 3 or below 0 counts as a plain string.
int normalize_input_type(int type);

// The value travels in a buffer of 2048 units: initial and entered texts are
// cut to 2047.
constexpr size_t kInputBufferUnits = 2048;
std::u16string_view cut_to_buffer(std::u16string_view text);

// How many units the single-line edit accepts for a type.
size_t input_edit_limit(int type);

// The outcome of pressing OK: either the value to store, or the warning to
// show (in a box titled "提示") before the user tries again.
struct InputCheck {
  bool ok = false;
  std::u16string value;
  std::u16string_view warning;
};
InputCheck check_input(int type, std::u16string_view text);

// ---- geometry (pixels) ----
struct Size2 {
  int w = 0, h = 0;
};
// Single-line dialog: the client area is 430 wide and the prompt's height +
// 121 high; the prompt is drawn 396 wide.
constexpr int kPromptWidth = 396;
Size2 single_line_client(int prompt_h);
// Multi-line dialog: width 0 means the prompt's drawn width + 32 but at
// least 430, otherwise the argument but at least 260; height 0 means 326,
// otherwise the argument but at least 200.
constexpr int kMultiMinWidth = 260, kMultiMinHeight = 200;
Size2 multi_line_client(int prompt_w, int width_arg, int height_arg);
// The top-left corner that centres a window of the given size: horizontally
// on the screen width, vertically on the height of a maximised window; never
// off the top-left of the screen.
struct Point2 {
  int x = 0, y = 0;
};
Point2 centred_origin(int screen_w, int maximized_h, Size2 window);

}  // namespace quorin
