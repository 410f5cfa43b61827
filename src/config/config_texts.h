#pragma once

namespace tenukiro {

// Every caption and message of the configuration dialog, its pages, the file order
// dialog and the About box.
enum class ConfigText {
  DialogTitle,
  SgfFilesGroup,
  AddFiles,
  RemoveFiles,
  SelectAll,
  ChangeOrder,
  RandomDisplayOrder,
  PriorityToRecordOptions,
  TemporalTab,
  SpatialTab,
  ColoursTab,
  OthersTab,
  Ok,
  Cancel,
  Default,
  Help,
  AboutMenuItem,
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
  PatternFilesExplanation,
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
  // File order dialog
  FileOrderTitle,
  Sort,
};

// The text in the interface language (IsFrench), as UTF-8.
const char* Text(ConfigText id);

}  // namespace tenukiro
