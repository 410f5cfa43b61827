// Loads every configuration dialog template in English and French and checks that
// each caption is the program's text for it, fits its control, and that no two
// controls overlap (a control inside a group box lies wholly inside it). Also the
// pages fit the tab control's page area, and the tab captions fit on one row.
// Prints each fault and exits 1 when there is any.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/string_table.h"
#include "config/colours_page.h"
#include "config/config_texts.h"
#include "config/others_page.h"
#include "config/temporal_page.h"
#include "config/win32/config_resource.h"
#include "config/win32/open_file_names.h"
#include "config/win32/win32_text.h"

namespace tenukiro {
namespace {

int faults = 0;

void Fault(const char* language, int dialog, int control, const std::string& what) {
  std::printf("FAULT %s template %d control %d: %s\n", language, dialog, control, what.c_str());
  ++faults;
}

// The text each control must show, by control number.
struct Caption {
  int control;
  std::string text;
};

std::vector<Caption> ExpectedCaptions(int dialog) {
  auto text = [](ConfigText id) { return std::string(Text(id)); };
  switch (dialog) {
    case IDD_CONFIG:
      return {{IDC_FILES_GROUP, text(ConfigText::SgfFilesGroup)},
              {IDC_ADD, text(ConfigText::AddFiles)},
              {IDC_REMOVE, text(ConfigText::RemoveFiles)},
              {IDC_SELECT_ALL, text(ConfigText::SelectAll)},
              {IDC_CHANGE_ORDER, text(ConfigText::ChangeOrder)},
              {IDC_RANDOM_ORDER, text(ConfigText::RandomDisplayOrder)},
              {IDC_PRIORITY, text(ConfigText::PriorityToRecordOptions)},
              {IDOK, text(ConfigText::Ok)},
              {IDCANCEL, text(ConfigText::Cancel)},
              {IDC_DEFAULT, text(ConfigText::Default)},
              {IDHELP, text(ConfigText::Help)}};
    case IDD_TEMPORAL_PAGE: {
      std::vector<Caption> captions;
      for (size_t i = 0; i < CTemporalPage::kSliders.size(); ++i) {
        captions.push_back({IDC_SLIDER_CAPTION_FIRST + static_cast<int>(i), text(CTemporalPage::kSliders[i].caption)});
      }
      return captions;
    }
    case IDD_SPATIAL_PAGE:
      return {{IDC_STONES_GROUP, text(ConfigText::StonesGroup)},
              {IDC_RADIUS_LABEL, text(ConfigText::RadiusLabel)},
              {IDC_GRID_GROUP, text(ConfigText::GridPositionGroup)},
              {IDC_GRID_CENTER, text(ConfigText::CenterRadio)},
              {IDC_GRID_RANDOM, text(ConfigText::RandomRadio)},
              {IDC_GRID_CUSTOM, text(ConfigText::CustomRadio)},
              {IDC_GRID_X_LABEL, text(ConfigText::GridXLabel)},
              {IDC_GRID_Y_LABEL, text(ConfigText::GridYLabel)},
              {IDC_AREA_GROUP, text(ConfigText::AssistantAreaGroup)},
              {IDC_CUSTOM_WIDTH, text(ConfigText::CustomWidthCheck)},
              {IDC_CUSTOM_HEIGHT, text(ConfigText::CustomHeightCheck)}};
    case IDD_COLOURS_PAGE: {
      std::vector<Caption> captions = {{IDC_3D_EFFECT, text(ConfigText::With3DEffectCheck)},
                                       {IDC_RANDOM_COLOURS, text(ConfigText::RandomColoursCheck)},
                                       {IDC_CUSTOM_PATTERNS, text(ConfigText::CustomPatternsCheck)},
                                       {IDC_SCREEN_GROUP, text(ConfigText::ScreenGroup)},
                                       {IDC_GRID_COLOUR_GROUP, text(ConfigText::GridGroup)},
                                       {IDC_STONES_COLOUR_GROUP, text(ConfigText::StonesColourGroup)},
                                       {IDC_ASSISTANT_GROUP, text(ConfigText::AssistantGroup)}};
      const std::pair<int, SettingId> buttons[] = {
          {IDC_SCREEN_BACKGROUND, ScreenBackgroundColor}, {IDC_SCREEN_TEXT, ScreenTextColor},
          {IDC_GRID_BACKGROUND, BackColor},               {IDC_GRID_LINES, LineColor},
          {IDC_BLACK_STONES, BlackColor},                 {IDC_WHITE_STONES, WhiteColor},
          {IDC_ASSISTANT_BODY, AssistantBodyColor},       {IDC_ASSISTANT_ONOMATOPOEIA, AssistantOnomatopeiaColor},
          {IDC_ASSISTANT_INTERN, AssistantInternColor},   {IDC_ASSISTANT_TEXT, AssistantTextColor},
          {IDC_ASSISTANT_EXTERN, AssistantExternColor},   {IDC_ASSISTANT_BALLOON, AssistantBalloonColor}};
      for (const auto& [control, setting] : buttons) {
        for (const CColoursPage::ColourGroup& group : CColoursPage::kGroups) {
          for (int i = 0; i < group.count; ++i) {
            if (group.buttons[i].setting == setting) captions.push_back({control, text(group.buttons[i].caption)});
          }
        }
      }
      return captions;
    }
    case IDD_OTHERS_PAGE: {
      std::vector<Caption> captions;
      for (size_t i = 0; i < COthersPage::kSwitches.size(); ++i) {
        captions.push_back({IDC_SWITCH_FIRST + static_cast<int>(i), text(COthersPage::kSwitches[i].caption)});
      }
      captions.push_back({IDC_ALL_SCREENS, text(ConfigText::AllScreensCheck)});
      return captions;
    }
    case IDD_FILE_ORDER:
      return {{IDOK, text(ConfigText::Ok)}, {IDCANCEL, text(ConfigText::Cancel)}, {IDC_SORT, text(ConfigText::Sort)}};
    case IDD_ABOUT:
      return {{IDOK, text(ConfigText::Ok)}};
    default:
      return {};
  }
}

std::string ExpectedTitle(int dialog) {
  switch (dialog) {
    case IDD_CONFIG:
      return Text(ConfigText::DialogTitle);
    case IDD_FILE_ORDER:
      return Text(ConfigText::FileOrderTitle);
    case IDD_ABOUT:
      return Text(ConfigText::AboutTitle);
    default:
      return "";
  }
}

INT_PTR CALLBACK Quiet(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT RectIn(HWND parent, HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool IsGroupBox(HWND control) {
  return ClassOf(control) == L"Button" && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The room a caption needs beside what the control draws itself.
SIZE TextSize(HWND control, const std::wstring& text, int width, bool wraps) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  RECT box = {0, 0, wraps ? width : 10000, 0};
  DrawTextW(dc, text.c_str(), -1, &box, DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return SIZE{box.right - box.left, box.bottom - box.top};
}

void CheckFits(const char* language, int dialog, HWND control, const std::wstring& text) {
  RECT rect;
  GetClientRect(control, &rect);
  const int width = rect.right;
  const int height = rect.bottom;
  const int id = GetDlgCtrlID(control);
  const std::wstring kind = ClassOf(control);
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  int need = 0;
  int needHeight = 0;
  if (kind == L"Static") {
    const SIZE size = TextSize(control, text, width, true);
    need = TextSize(control, text, width, false).cx;
    // A caption of several lines may wrap where its lines break, nowhere else.
    const bool lines = text.find(L'\n') != std::wstring::npos;
    if (lines) need = 0;
    needHeight = size.cy;
  } else if (kind == L"Button") {
    const SIZE size = TextSize(control, text, width, false);
    switch (style & BS_TYPEMASK) {
      case BS_AUTOCHECKBOX:
      case BS_CHECKBOX:
      case BS_AUTORADIOBUTTON:
      case BS_RADIOBUTTON:
        need = size.cx + GetSystemMetrics(SM_CXMENUCHECK) + 4;
        needHeight = size.cy;
        break;
      case BS_GROUPBOX:
        need = size.cx + 16;
        break;
      case BS_OWNERDRAW:
        // The caption above the colour bar, which takes a quarter of the height.
        need = size.cx + 6;
        needHeight = size.cy + height / 4 + 4;
        break;
      default:
        need = size.cx + 8;
        needHeight = size.cy + 4;
    }
  }
  if (need > width) Fault(language, dialog, id, "caption needs " + std::to_string(need) + " px, has " + std::to_string(width));
  if (needHeight > height) {
    Fault(language, dialog, id, "caption needs " + std::to_string(needHeight) + " px high, has " + std::to_string(height));
  }
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom;
}

void CheckOverlaps(const char* language, int dialog, HWND window) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) controls.push_back(child);
  RECT client;
  GetClientRect(window, &client);
  for (size_t i = 0; i < controls.size(); ++i) {
    const RECT a = RectIn(window, controls[i]);
    if (!Inside(a, client)) Fault(language, dialog, GetDlgCtrlID(controls[i]), "reaches outside the dialog");
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const RECT b = RectIn(window, controls[j]);
      RECT common;
      if (!IntersectRect(&common, &a, &b)) continue;
      const bool aGroup = IsGroupBox(controls[i]);
      const bool bGroup = IsGroupBox(controls[j]);
      if ((aGroup && !bGroup && Inside(b, a)) || (bGroup && !aGroup && Inside(a, b))) continue;
      Fault(language, dialog, GetDlgCtrlID(controls[i]),
            "overlaps control " + std::to_string(GetDlgCtrlID(controls[j])));
    }
  }
}

HWND Load(int dialog, HWND parent) {
  return CreateDialogParamW(GetModuleHandleW(nullptr), TemplateOf(dialog), parent, Quiet, 0);
}

void CheckTemplate(const char* language, int dialog, HWND parent) {
  HWND window = Load(dialog, parent);
  if (!window) {
    Fault(language, dialog, 0, "template does not load");
    return;
  }
  if (const std::string title = ExpectedTitle(dialog); WindowTextUtf8(window) != title) {
    Fault(language, dialog, 0, "title \"" + WindowTextUtf8(window) + "\", expected \"" + title + "\"");
  }
  for (const Caption& caption : ExpectedCaptions(dialog)) {
    HWND control = GetDlgItem(window, caption.control);
    if (!control) {
      Fault(language, dialog, caption.control, "missing");
      continue;
    }
    const std::string shown = WindowTextUtf8(control);
    if (shown != caption.text) Fault(language, dialog, caption.control, "\"" + shown + "\", expected \"" + caption.text + "\"");
  }
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::wstring text = Wide(WindowTextUtf8(child));
    // The version line is written when the dialog opens.
    const int id = GetDlgCtrlID(child);
    if (id == IDC_VERSION || id == IDC_ABOUT_VERSION) text = Wide(VersionLine());
    if (!text.empty()) CheckFits(language, dialog, child, text);
  }
  CheckOverlaps(language, dialog, window);
  DestroyWindow(window);
}

// The tab captions fit one row, and every page fits the page area under them.
void CheckPagesFitTheTabs(const char* language, HWND parent) {
  HWND dialog = Load(IDD_CONFIG, parent);
  HWND tabs = GetDlgItem(dialog, IDC_TABS);
  const StringId captions[] = {StringId::kTemporalTab, StringId::kSpatialTab, StringId::kColoursTab, StringId::kOthersTab};
  for (int i = 0; i < 4; ++i) {
    std::wstring caption = Wide(captions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  RECT last{};
  SendMessageW(tabs, TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&last));
  RECT tabArea;
  GetClientRect(tabs, &tabArea);
  if (SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0) != 1 || last.right > tabArea.right) {
    Fault(language, IDD_CONFIG, IDC_TABS, "the tab captions do not fit one row");
  }
  RECT area = RectIn(dialog, tabs);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (const int page : {IDD_TEMPORAL_PAGE, IDD_SPATIAL_PAGE, IDD_COLOURS_PAGE, IDD_OTHERS_PAGE}) {
    HWND window = Load(page, dialog);
    RECT size;
    GetWindowRect(window, &size);
    const int width = size.right - size.left;
    const int height = size.bottom - size.top;
    if (width > area.right - area.left || height > area.bottom - area.top) {
      Fault(language, page, 0,
            "page of " + std::to_string(width) + " x " + std::to_string(height) + " px in a page area of " +
                std::to_string(area.right - area.left) + " x " + std::to_string(area.bottom - area.top));
    }
    DestroyWindow(window);
  }
  DestroyWindow(dialog);
}

void CheckOpenFileNames() {
  struct Case {
    std::wstring buffer;
    std::vector<std::wstring> paths;
  };
  const Case cases[] = {
      {std::wstring(L"C:\\g\\a.sgf\0", 12), {L"C:\\g\\a.sgf"}},
      {std::wstring(L"C:\\g\0b.sgf\0a.sgf\0\0", 19), {L"C:\\g\\b.sgf", L"C:\\g\\a.sgf"}},
      {std::wstring(L"C:\\\0x.sgf\0y.sgf\0\0", 17), {L"C:\\x.sgf", L"C:\\y.sgf"}},
      {std::wstring(L"\0", 1), {}},
  };
  for (const Case& c : cases) {
    if (SplitOpenFileNames(c.buffer.data(), c.buffer.size()) != c.paths) {
      std::printf("FAULT the names of the file dialog are read wrongly: %ls\n", c.buffer.c_str());
      ++faults;
    }
  }
}

}  // namespace
}  // namespace tenukiro

int main() {
  using namespace tenukiro;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  // The pages are child dialogs: they need a window to live in.
  HWND parent = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
  int checked = 0;
  for (const bool french : {false, true}) {
    SetFrench(french);
    const char* language = french ? "French" : "English";
    for (const int dialog : {IDD_CONFIG, IDD_TEMPORAL_PAGE, IDD_SPATIAL_PAGE, IDD_COLOURS_PAGE, IDD_OTHERS_PAGE,
                             IDD_FILE_ORDER, IDD_ABOUT}) {
      CheckTemplate(language, dialog, parent);
      ++checked;
    }
    CheckPagesFitTheTabs(language, parent);
  }
  CheckOpenFileNames();
  DestroyWindow(parent);
  std::printf("%d templates checked, %d faults\n", checked, faults);
  return faults == 0 ? 0 : 1;
}
