// Reference text of the math builtins.
#include "builtins/docs_tables.h"

namespace quorin {
namespace {

constexpr BuiltinDoc kDocs[] = {
    {u"max",
     u"返回两个数中较大的一个，结果类型由两个参数的类型决定（如 int 与 double 得 double）；相等时返回第二个参数。",
     uR"q(
println(max(3, 7))
println(max(3, 3.5))
println(min(-2, 5))
)q",
     u"7\n3.5\n-2"},
    {u"min", u"返回两个数中较小的一个，结果类型由两个参数的类型决定；相等时返回第二个参数。"},
    {u"abs", u"返回 int 的绝对值。"},
    {u"labs", u"返回 long 的绝对值。"},
    {u"fabs", u"返回 double 的绝对值。"},
    {u"sin", u"返回弧度角的正弦值。"},
    {u"cos", u"返回弧度角的余弦值。"},
    {u"tan", u"返回弧度角的正切值。"},
    {u"sinh", u"返回双曲正弦值。"},
    {u"cosh", u"返回双曲余弦值。"},
    {u"tanh", u"返回双曲正切值。"},
    {u"asin", u"返回反正弦值（弧度）。"},
    {u"acos", u"返回反余弦值（弧度）。"},
    {u"atan", u"返回反正切值（弧度）。"},
    {u"atan2", u"返回 y/x 的反正切值（弧度，-π～π），参数顺序为 y、x。"},
    {u"exp", u"返回 e 的 x 次幂。"},
    {u"log", u"返回自然对数。"},
    {u"log10", u"返回以 10 为底的对数。"},
    {u"pow", u"返回 x 的 y 次幂。",
     uR"q(
println(pow(2, 10))
println(sqrt(2.25))
)q",
     u"1024\n1.5"},
    {u"sqrt", u"返回平方根。"},
    {u"ldexp", u"返回 x 乘以 2 的 n 次幂。"},
    {u"frexp", u"把 x 分解为 [0.5, 1) 之间的尾数和 2 的指数：返回尾数，指数写入变量 exponent。"},
    {u"modf", u"把 x 分解为整数部分和小数部分：返回小数部分，整数部分写入变量 whole。",
     uR"q(
double whole
double frac = modf(3.75, whole)
println(whole)
println(frac)
)q",
     u"3\n0.75"},
    {u"fmod", u"返回 x 除以 y 的浮点余数，符号与 x 相同。"},
    {u"round",
     u"把 x 四舍五入到 digits 位小数（0～7，超出时取边界）并返回 double。",
     uR"q(
println(round(2.675, 2))
println(round(2.5, 0))
)q",
     u"2.68\n3"},
    {u"floor", u"返回不大于 x 的最大整数（int）。",
     uR"q(
println(floor(-2.5))
println(ceil(2.1))
)q",
     u"-3\n3"},
    {u"ceil", u"返回不小于 x 的最小整数（int）。"},
    {u"randomize", u"为随机数发生器设置种子（按当前线程号），通常在第一次调用 rnd 之前调用一次。"},
    {u"rnd", u"返回 0 到 1 之间（含两端）的随机小数。",
     uR"q(
randomize()
int dice = floor(rnd() * 5.999) + 1
println("掷出: " + dice)
)q"},
};

constexpr ParamNames kParams[] = {
    {u"max", u"a, b"},
    {u"min", u"a, b"},
    {u"abs", u"n"},
    {u"labs", u"n"},
    {u"fabs", u"x"},
    {u"sin", u"x"},
    {u"cos", u"x"},
    {u"tan", u"x"},
    {u"sinh", u"x"},
    {u"cosh", u"x"},
    {u"tanh", u"x"},
    {u"asin", u"x"},
    {u"acos", u"x"},
    {u"atan", u"x"},
    {u"atan2", u"y, x"},
    {u"exp", u"x"},
    {u"log", u"x"},
    {u"log10", u"x"},
    {u"pow", u"x, y"},
    {u"sqrt", u"x"},
    {u"ldexp", u"x, n"},
    {u"frexp", u"x, exponent"},
    {u"modf", u"x, whole"},
    {u"fmod", u"x, y"},
    {u"round", u"x, digits"},
    {u"floor", u"x"},
    {u"ceil", u"x"},
};

}  // namespace

FamilyDocs math_docs() { return {u"math", u"数学", kDocs, kParams}; }

}  // namespace quorin
