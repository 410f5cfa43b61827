#pragma once

#include <string_view>

namespace tenukiro {

// The user-interface language flag: 0 English, 1 French. Set once at start-up.
int IsFrench();
void SetFrench(bool french);

// True when the English name of the system language reads "French" in any case.
bool LanguageNameIsFrench(std::string_view englishLanguageName);

}  // namespace tenukiro
