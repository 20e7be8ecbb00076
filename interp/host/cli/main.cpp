// The command-line interpreter: check modes and console scripts.
#include <cstdio>

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
#else
int main(int argc, char** argv) {
#endif
  (void)argc;
  (void)argv;
  std::fputs("用法: quorin [-c|-cr|-ic|-icr] [-charset=字符集] [-dev] 脚本.q|脚本.qe [参数 ...]\n", stderr);
  return 0;
}
