#include "config/config_texts.h"

#include <utility>

#include "base/language.h"
#include "base/string_table.h"

namespace tenukiro {
namespace {

struct Texts {
  ConfigText id;
  const char* english;
  const char* french;
};

constexpr Texts kTexts[] = {
    {ConfigText::DialogTitle, "Tenukiro Configuration", "Configuration de Tenukiro "},
    {ConfigText::SgfFilesGroup, "SGF Files", "Fichiers SGF"},
    {ConfigText::AddFiles, "Add...", "Ajouter..."},
    {ConfigText::RemoveFiles, "Remove", "Retirer"},
    {ConfigText::SelectAll, "Select All", "Tout sélectionner"},
    {ConfigText::ChangeOrder, "Change order...", "Réordonner..."},
    {ConfigText::RandomDisplayOrder, "Random display order", "Ordre d'affichage aléatoire"},
    {ConfigText::PriorityToRecordOptions, "Priority to options set in SGF files",
     "Priorité aux options des fichiers SGF"},
    {ConfigText::Ok, "OK", "OK"},
    {ConfigText::Cancel, "Cancel", "Annuler"},
    {ConfigText::Default, "Default", "Défaut"},
    {ConfigText::Help, "Help", "Aide"},
    {ConfigText::AboutTitle, "About Tenukiro", "À propos de Tenukiro"},
    {ConfigText::VersionLinePrefix, "Tenukiro Version ", "Tenukiro Version "},
    {ConfigText::EnterAnInteger, "Please enter an integer.", "Please enter an integer."},
    {ConfigText::EnterAnIntegerBetween, "Please enter an integer between %1 and %2.",
     "Please enter an integer between %1 and %2."},
    {ConfigText::CommonPositionTimeCaption, "Common position\ndisplay time", "Temps d'affichage\nposition quelconque"},
    {ConfigText::CommentPageTimeCaption, "Comment page\nadditional time", "Temps additionnel par\npage de commentaire"},
    {ConfigText::CommentLineTimeCaption, "Comment line\nadditional time", "Temps additionnel par\nligne de commentaire"},
    {ConfigText::FinalPositionTimeCaption, "Final position\ndisplay time", "Temps d'affichage\nposition finale"},
    {ConfigText::TransitionTimeCaption, "Transition screen\ndisplay time", "Temps d'affichage\nécran de transition"},
    {ConfigText::StonesGroup, "Stones", "Pierres"},
    {ConfigText::RadiusLabel, "Radius (in pixels):", "Rayon (en pixels) :"},
    {ConfigText::GridPositionGroup, "Grid position", "Position de la grille"},
    {ConfigText::CenterRadio, "Center", "Centrée"},
    {ConfigText::RandomRadio, "Random", "Aléatoire"},
    {ConfigText::CustomRadio, "Custom", "Personnalisée"},
    {ConfigText::GridXLabel, "X (in R-units):", "X (en R-unités) :"},
    {ConfigText::GridYLabel, "Y (in R-units):", "Y (en R-unités) :"},
    {ConfigText::AssistantAreaGroup, "Assistant area", "Aire du compagnon"},
    {ConfigText::CustomWidthCheck, "Custom width (in R-units):", "Largeur personnalisée (en R-unités) :"},
    {ConfigText::CustomHeightCheck, "Custom height (in R-units):", "Hauteur personnalisée (en R-unités) :"},
    {ConfigText::With3DEffectCheck, "3D effect", "Effet 3D"},
    {ConfigText::RandomColoursCheck, "Random", "Aléatoires"},
    {ConfigText::CustomPatternsCheck, "Custom", "Personnalisées"},
    {ConfigText::ScreenGroup, "Screen", "Ecran"},
    {ConfigText::ScreenBackgroundButton, "Background", "Fond"},
    {ConfigText::ScreenTextButton, "Text", "Texte"},
    {ConfigText::GridGroup, "Grid", "Grille"},
    {ConfigText::GridBackgroundButton, "Background", "Fond"},
    {ConfigText::GridLinesButton, "Lines", "Lignes"},
    {ConfigText::StonesColourGroup, "Stones", "Pierres"},
    {ConfigText::BlackStonesButton, "Black", "Noires"},
    {ConfigText::WhiteStonesButton, "White", "Blanches"},
    {ConfigText::AssistantGroup, "Assistant", "Compagnon"},
    {ConfigText::AssistantBodyButton, "Body", "Corps"},
    {ConfigText::AssistantOnomatopoeiaButton, "Onomatopeia", "Onomatopée"},
    {ConfigText::AssistantInternButton, "Intern lines", "Traits internes"},
    {ConfigText::AssistantTextButton, "Text", "Texte"},
    {ConfigText::AssistantExternButton, "Extern lines", "Traits externes"},
    {ConfigText::AssistantBalloonButton, "Balloon", "Bulle"},
    {ConfigText::MarkOnLastMoveCheck, "Mark on last move", "Marque sur dernier coup"},
    {ConfigText::MarksAndLabelsCheck, "Marks and labels", "Marques and étiquettes"},
    {ConfigText::NumberingCheck, "Numbering", "Numérotation"},
    {ConfigText::AsInBooksCheck, "As in books", "Comme dans les livres"},
    {ConfigText::IndicesCheck, "Indices", "Indices"},
    {ConfigText::InformationsCheck, "Informations", "Informations"},
    {ConfigText::CommentCheck, "Comment", "Commentaire"},
    {ConfigText::AssistantCheck, "Assistant", "Compagnon"},
    {ConfigText::StarPointsCheck, "Star points", "Points étoilés"},
    {ConfigText::LinesCheck, "Lines", "Lignes"},
    {ConfigText::AllScreensCheck, "Show on every screen", "Afficher sur chaque écran"},
    {ConfigText::FileOrderTitle, "Change SGF file order", "Modification de l'ordre des fichiers SGF"},
    {ConfigText::Sort, "Sort", "Trier"},
    {ConfigText::PatternFilesFolder, "Your own files go in this folder, which is looked at first: ",
     "Vos propres fichiers vont dans ce dossier, consulté en premier : "},
};

}  // namespace

const char* Text(ConfigText id) {
  for (const Texts& texts : kTexts) {
    if (texts.id == id) return IsFrench() ? texts.french : texts.english;
  }
  return "";
}

}  // namespace tenukiro

namespace tenukiro {

std::string Text(StringId id) { return std::string(LoadString(id)); }

std::string VersionLine() { return std::string(Text(ConfigText::VersionLinePrefix)) + TENUKIRO_VERSION_TEXT; }

std::string PatternFilesExplanation(const std::string& userFolder) {
  std::string explanation(LoadString(StringId::kPatternFilesMessage));
  if (!userFolder.empty()) explanation += "\n\n" + std::string(Text(ConfigText::PatternFilesFolder)) + userFolder;
  return explanation;
}

}  // namespace tenukiro
