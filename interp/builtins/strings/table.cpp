// Registry entries of the string and conversion builtins, overloads in
// registry order.
#include "builtins/strings/string_builtins.h"
#include "builtins/tables.h"

namespace quorin {
namespace {

constexpr BuiltinEntry kEntries[] = {
    builtin<&strings::char_at>(u"char_at"),
    builtin<&strings::len>(u"len"),
    builtin<&strings::len_byte_default>(u"len_byte"),
    builtin<&strings::len_byte>(u"len_byte"),
    builtin<&strings::index_of>(u"index_of"),
    builtin<&strings::index_of_from>(u"index_of"),
    builtin<&strings::last_index_of>(u"last_index_of"),
    builtin<&strings::last_index_of_from>(u"last_index_of"),
    builtin<&strings::starts_with>(u"starts_with"),
    builtin<&strings::starts_with_at>(u"starts_with"),
    builtin<&strings::ends_with>(u"ends_with"),
    builtin<&strings::mid_rest>(u"mid"),
    builtin<&strings::mid>(u"mid"),
    builtin<&strings::left>(u"left"),
    builtin<&strings::right>(u"right"),
    builtin<&strings::replace>(u"replace"),
    builtin<&strings::replace_first>(u"replace_first"),
    builtin<&strings::lcase>(u"lcase"),
    builtin<&strings::ucase>(u"ucase"),
    builtin<&strings::ltrim>(u"ltrim"),
    builtin<&strings::rtrim>(u"rtrim"),
    builtin<&strings::trim>(u"trim"),
    builtin<&strings::space>(u"space"),
    builtin<&strings::split>(u"split", tc::String),
    builtin<&strings::is_int>(u"is_int"),
    builtin<&strings::is_numeric>(u"is_numeric"),
    builtin<&strings::byte_array_to_string_default>(u"byte_array_to_string"),
    builtin<&strings::byte_array_to_string>(u"byte_array_to_string"),
    builtin<&strings::string_to_byte_array_default>(u"string_to_byte_array"),
    builtin<&strings::string_to_byte_array>(u"string_to_byte_array"),
    builtin<&strings::stoi>(u"stoi"),
    builtin<&strings::stol>(u"stol"),
    builtin<&strings::stof>(u"stof"),
    builtin<&strings::stod>(u"stod"),
    builtin<&strings::itos>(u"itos"),
    builtin<&strings::itof>(u"itof"),
    builtin<&strings::itol>(u"itol"),
    builtin<&strings::itod>(u"itod"),
    builtin<&strings::ltos>(u"ltos"),
    builtin<&strings::ltoi>(u"ltoi"),
    builtin<&strings::ltof>(u"ltof"),
    builtin<&strings::ltod>(u"ltod"),
    builtin<&strings::ftoi>(u"ftoi"),
    builtin<&strings::ftol>(u"ftol"),
    builtin<&strings::ftod>(u"ftod"),
    builtin<&strings::ftos>(u"ftos"),
    builtin<&strings::dtoi>(u"dtoi"),
    builtin<&strings::dtof>(u"dtof"),
    builtin<&strings::dtol>(u"dtol"),
    builtin<&strings::dtos>(u"dtos"),
    builtin<&strings::hex_int>(u"hex"),
    builtin<&strings::hex_long>(u"hex"),
};

}  // namespace

BuiltinTable strings_table() { return {kEntries, std::size(kEntries)}; }

}  // namespace quorin
