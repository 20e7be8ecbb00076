// The predefined constants.
#include "frontend/registry.h"

namespace quorin {
namespace {

constexpr ConstantEntry kConstants[] = {
    {u"qrTrue", tc::Int, 1, 0, nullptr},
    {u"qrFalse", tc::Int, 0, 0, nullptr},
    {u"qrNull", tc::Int, 0, 0, nullptr},
};

}  // namespace

std::span<const ConstantEntry> constant_table() { return kConstants; }

}  // namespace quorin
