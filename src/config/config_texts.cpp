#include "config/config_texts.h"

#include <utility>

#include "base/language.h"

namespace tenukiro {
namespace {

// Stands in for the shared string tables until they hold the dialog's texts.
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
    {ConfigText::TemporalTab, "Temporal options", "Options temporelles"},
    {ConfigText::SpatialTab, "Spatial options", "Options spatiales"},
    {ConfigText::ColoursTab, "Colors", "Couleurs"},
    {ConfigText::OthersTab, "Others", "Divers"},
    {ConfigText::Ok, "OK", "OK"},
    {ConfigText::Cancel, "Cancel", "Annuler"},
    {ConfigText::Default, "Default", "Défaut"},
    {ConfigText::Help, "Help", "Aide"},
    {ConfigText::AboutMenuItem, "&About Tenukiro...", "&À propos de Tenukiro..."},
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
    {ConfigText::PatternFilesExplanation,
     "This option allows use of BMP images to display background and stones. It requires 3 files named BLACKS.BMP "
     "(image for blacks stones), WHITES.BMP (image for whites stones), and BACKGR.BMP (image for background). These "
     "files must be in the same directory as Tenukiro.scr. You can build these files yourself using any software "
     "that can edit BMP files (Paint for instance). If R is the stones radius, the optimal image size is a square "
     "of 2xR+1 by 2xR+1 pixels for background, and 2xR-1 by 2xR-1 pixels for stones.",
     "Cette option permet l'utilisation d'images BMP pour représenter le fond et les pierres. Elle requiert la "
     "présence de 3 fichiers nommés BLACKS.BMP (image pour les pierres noires), WHITES.BMP (image pour les pierres "
     "blanches), et BACKGR.BMP (image pour le fond). Ces fichiers doivent être dans le même répertoire que "
     "Tenukiro.scr. Vous pouvez fabriquer ces fichiers vous-même en utilisant n'importe quel logiciel capable "
     "d'éditer des fichiers BMP (Paint par exemple). Si R est le rayon des pierres, la taille optimale des images "
     "est un carré de 2xR+1 par 2xR+1 pixels pour le fond , et de 2xR-1 par 2xR-1 pixels pour les pierres."},
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
    {ConfigText::FileOrderTitle, "Change SGF file order", "Modification de l'ordre des fichiers SGF"},
    {ConfigText::Sort, "Sort", "Trier"},
};

}  // namespace

const char* Text(ConfigText id) {
  for (const Texts& texts : kTexts) {
    if (texts.id == id) return IsFrench() ? texts.french : texts.english;
  }
  return "";
}

}  // namespace tenukiro
