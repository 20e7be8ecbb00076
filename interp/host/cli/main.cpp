// The command-line interpreter: check modes and console scripts.
#include <cstdio>

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  std::fputs("用法: quorin [-c|-cr|-ic|-icr] [-charset=字符集] [-dev] 脚本.q|脚本.qe [参数 ...]\n", stderr);
  return 0;
}
