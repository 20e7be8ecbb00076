// The addresses the menu and the about box show: the documentation that
// comes with the program.
#pragma once
#include <string>

namespace quorin {

std::wstring home_address();   // "官网"
std::wstring help_address();   // "帮助"
std::wstring about_address();  // shown in the about box

}  // namespace quorin
