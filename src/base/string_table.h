#pragma once

#include <string_view>

namespace tenukiro {

// The program's own texts, by their English string number; the French text of a string is
// numbered 100 higher. The game information and the configuration dialog share them.
enum class StringId : int {
  kAboutMenuItem = 200,        // the system-menu item of the configuration dialog
  kPatternFilesMessage = 201,  // why the custom patterns need BACKGR.BMP, BLACKS.BMP, WHITES.BMP
  kBlackWinsByResign = 202,
  kWhiteWinsByResign = 203,
  kBlackWinsByPoints = 204,    // followed by the margin and kPointsAfterMargin
  kWhiteWinsByPoints = 205,
  kPointsAfterMargin = 206,
  kBlackLabel = 207,           // the players line; the French labels end with a space
  kWhiteLabel = 208,
  kNoInformation = 209,
  kBlackWins = 210,            // a win without a margin
  kWhiteWins = 211,
  kDrawGame = 212,
  kNoResult = 213,
  kBlackWinsByForfeit = 214,
  kWhiteWinsByForfeit = 215,
  kBlackWinsOnTime = 216,
  kWhiteWinsOnTime = 217,
  kDecimalSeparator = 218,
  kAddFilesTitle = 219,        // the title of the file chooser that adds records
  kTemporalTab = 220,
  kSpatialTab = 221,
  kColoursTab = 222,
  kOthersTab = 223,
  kSecondsUnit = 224,          // after the seconds of a time slider's value tip
  kHelpFileName = 228,         // the help page's name, without its extension
};

inline constexpr int kFirstStringNumber = 200;
inline constexpr int kLastStringNumber = 228;

// The text of a string in the user-interface language (IsFrench), as UTF-8.
std::string_view LoadString(StringId id);
// The text in the given language; a number without a text gives an empty text.
std::string_view LoadString(StringId id, bool french);

}  // namespace tenukiro
