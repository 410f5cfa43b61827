#pragma once

#include <string>

#include "base/string_table.h"

namespace tenukiro {

// The captions and messages of the configuration dialog, its pages, the file order
// dialog and the About box that the string tables do not hold (the tab captions,
// the About menu item, the pattern files' explanation and the file chooser's title
// are strings 200 to 224 there).
enum class ConfigText {
  DialogTitle,
  SgfFilesGroup,
  AddFiles,
  RemoveFiles,
  SelectAll,
  ChangeOrder,
  RandomDisplayOrder,
  PriorityToRecordOptions,
  Ok,
  Cancel,
  Default,
  Help,
  AboutTitle,
  VersionLinePrefix,
  EnterAnInteger,
  EnterAnIntegerBetween,
  // Temporal page
  CommonPositionTimeCaption,
  CommentPageTimeCaption,
  CommentLineTimeCaption,
  FinalPositionTimeCaption,
  TransitionTimeCaption,
  // Spatial page
  StonesGroup,
  RadiusLabel,
  GridPositionGroup,
  CenterRadio,
  RandomRadio,
  CustomRadio,
  GridXLabel,
  GridYLabel,
  AssistantAreaGroup,
  CustomWidthCheck,
  CustomHeightCheck,
  // Colours page
  With3DEffectCheck,
  RandomColoursCheck,
  CustomPatternsCheck,
  ScreenGroup,
  ScreenBackgroundButton,
  ScreenTextButton,
  GridGroup,
  GridBackgroundButton,
  GridLinesButton,
  StonesColourGroup,
  BlackStonesButton,
  WhiteStonesButton,
  AssistantGroup,
  AssistantBodyButton,
  AssistantOnomatopoeiaButton,
  AssistantInternButton,
  AssistantTextButton,
  AssistantExternButton,
  AssistantBalloonButton,
  // Others page
  MarkOnLastMoveCheck,
  MarksAndLabelsCheck,
  NumberingCheck,
  AsInBooksCheck,
  IndicesCheck,
  InformationsCheck,
  CommentCheck,
  AssistantCheck,
  StarPointsCheck,
  LinesCheck,
  AllScreensCheck,
  // File order dialog
  FileOrderTitle,
  Sort,
  PatternFilesFolder,
};

// The text in the interface language (IsFrench), as UTF-8.
const char* Text(ConfigText id);
// A string of the string table in the interface language. Code that includes the
// Windows headers calls this: they make LoadString a macro.
std::string Text(StringId id);

// The dialog's bottom line and the About box's: "Tenukiro Version " and the version.
std::string VersionLine();

// Why the custom patterns need their three bitmaps; when the user has a data folder
// of their own (looked at before the program's), a paragraph saying where it is.
std::string PatternFilesExplanation(const std::string& userFolder);

}  // namespace tenukiro
