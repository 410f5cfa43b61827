#include "base/string_table.h"

#include <array>

#include "base/language.h"

namespace tenukiro {
namespace {

struct StringEntry {
  const char* english = "";
  const char* french = "";
};

constexpr int kStringCount = kLastStringNumber - kFirstStringNumber + 1;

constexpr std::size_t Slot(StringId id) { return static_cast<std::size_t>(static_cast<int>(id) - kFirstStringNumber); }

// Indexed by string number, so a text can only stand at its own number.
constexpr std::array<StringEntry, kStringCount> MakeTable() {
  std::array<StringEntry, kStringCount> table{};
  const auto set = [&table](StringId id, const char* english, const char* french) { table[Slot(id)] = {english, french}; };
  set(StringId::kAboutMenuItem, "&About Tenukiro...", "&À propos de Tenukiro...");
  set(StringId::kPatternFilesMessage,
      "This option allows use of BMP images to display background and stones. It requires 3 files "
      "named BLACKS.BMP (image for blacks stones), WHITES.BMP (image for whites stones), and "
      "BACKGR.BMP (image for background). These files must be in the same directory as Tenukiro.scr. "
      "You can build these files yourself using any software that can edit BMP files (Paint for "
      "instance). If R is the stones radius, the optimal image size is a square of 2xR+1 by 2xR+1 "
      "pixels for background, and 2xR-1 by 2xR-1 pixels for stones.",
      "Cette option permet l'utilisation d'images BMP pour représenter le fond et les pierres. Elle "
      "requiert la présence de 3 fichiers nommés BLACKS.BMP (image pour les pierres noires), "
      "WHITES.BMP (image pour les pierres blanches), et BACKGR.BMP (image pour le fond). Ces fichiers "
      "doivent être dans le même répertoire que Tenukiro.scr. Vous pouvez fabriquer ces fichiers "
      "vous-même en utilisant n'importe quel logiciel capable d'éditer des fichiers BMP (Paint par "
      "exemple). Si R est le rayon des pierres, la taille optimale des images est un carré de 2xR+1 "
      "par 2xR+1 pixels pour le fond , et de 2xR-1 par 2xR-1 pixels pour les pierres.");
  set(StringId::kBlackWinsByResign, "Black wins by resign", "Noir gagne par abandon");
  set(StringId::kWhiteWinsByResign, "White wins by resign", "Blanc gagne par abandon");
  set(StringId::kBlackWinsByPoints, "Black wins by ", "Noir gagne de ");
  set(StringId::kWhiteWinsByPoints, "White wins by ", "Blanc gagne de ");
  set(StringId::kPointsAfterMargin, " point(s)", " point(s)");
  set(StringId::kBlackLabel, "Black", "Noir ");
  set(StringId::kWhiteLabel, "White", "Blanc ");
  set(StringId::kNoInformation, "No information", "Pas d'information");
  set(StringId::kBlackWins, "Black wins", "Noir gagne");
  set(StringId::kWhiteWins, "White wins", "Blanc gagne");
  set(StringId::kDrawGame, "Draw game", "Partie nulle");
  set(StringId::kNoResult, "No result", "Pas de résultat");
  set(StringId::kBlackWinsByForfeit, "Black wins by forfeit", "Noir gagne par forfait");
  set(StringId::kWhiteWinsByForfeit, "White wins by forfeit", "Blanc gagne par forfait");
  set(StringId::kBlackWinsOnTime, "Black wins on time", "Noir gagne au temps");
  set(StringId::kWhiteWinsOnTime, "White wins on time", "Blanc gagne au temps");
  set(StringId::kDecimalSeparator, ".", ",");
  set(StringId::kAddFilesTitle, "Add...", "Ajouter...");
  set(StringId::kTemporalTab, "Temporal options", "Options temporelles");
  set(StringId::kSpatialTab, "Spatial options", "Options spatiales");
  set(StringId::kColoursTab, "Colors", "Couleurs");
  set(StringId::kOthersTab, "Others", "Divers");
  set(StringId::kSecondsUnit, " s", " s");
  set(StringId::kHelpFileName, "Tenukeng", "Tenukfra");
  return table;
}

constexpr std::array<StringEntry, kStringCount> kStrings = MakeTable();

}  // namespace

std::string_view LoadString(StringId id, bool french) {
  const int number = static_cast<int>(id);
  if (number < kFirstStringNumber || number > kLastStringNumber) return {};
  const StringEntry& entry = kStrings[Slot(id)];
  return french ? entry.french : entry.english;
}

std::string_view LoadString(StringId id) { return LoadString(id, IsFrench() != 0); }

}  // namespace tenukiro
