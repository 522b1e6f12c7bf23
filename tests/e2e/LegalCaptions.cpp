// Prints every caption the panel may show, one a line, from the tables the core tests check it against: the
// soak compares the real window's caption with these.
#include <cstdio>
#include <span>
#include <string_view>

namespace yunuri::test {
std::span<const std::string_view> LegalCaptions();
}

int main() {
  for (const std::string_view caption : yunuri::test::LegalCaptions()) {
    std::printf("%.*s\n", static_cast<int>(caption.size()), caption.data());
  }
  return 0;
}
