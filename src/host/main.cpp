#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
  if (argc < 2 || std::string_view(argv[1]) == "help") {
    std::puts("usage: zavel-widgets <command> [options]");
    return argc < 2 ? 2 : 0;
  }
  std::fprintf(stderr, "zavel-widgets: unknown command '%s'\n", argv[1]);
  return 2;
}
