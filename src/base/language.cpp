#include "base/language.h"

#include "base/text_compare.h"

namespace tenukiro {
namespace {
int frenchFlag = 0;
}

int IsFrench() { return frenchFlag; }

void SetFrench(bool french) { frenchFlag = french ? 1 : 0; }

bool LanguageNameIsFrench(std::string_view name) { return EqualsIgnoringCase(name, "French"); }

}  // namespace tenukiro
