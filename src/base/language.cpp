#include "base/language.h"

#include <cctype>

namespace tenukiro {
namespace {
int frenchFlag = 0;
}

int IsFrench() { return frenchFlag; }

void SetFrench(bool french) { frenchFlag = french ? 1 : 0; }

bool LanguageNameIsFrench(std::string_view name) {
  constexpr std::string_view french = "French";
  if (name.size() != french.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != std::tolower(static_cast<unsigned char>(french[i])))
      return false;
  }
  return true;
}

}  // namespace tenukiro
