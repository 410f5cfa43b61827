#include "config/win32/config_dialog_win32.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <vector>

#include "base/win32/embedded_file.h"
#include "config/config_dialog.h"
#include "config/win32/colours_page_win32.h"
#include "config/win32/config_resource.h"
#include "config/win32/dialog_window.h"
#include "config/win32/file_order_dialog_win32.h"
#include "config/win32/open_file_names.h"
#include "config/win32/others_page_win32.h"
#include "config/win32/spatial_page_win32.h"
#include "config/win32/temporal_page_win32.h"
#include "config/win32/win32_text.h"

namespace tenukiro {
namespace {

// The file dialog's buffer for the chosen names: 10000 bytes.
constexpr DWORD kFileNameChars = 10000 / sizeof(wchar_t);
// The dialog moved to a monitor of another scale (Windows 8.1 on), and the program's own
// message that fits the pages and the preview to the controls the system has scaled.
constexpr UINT kDpiChanged = 0x02E0;
constexpr UINT kRefit = WM_APP + 1;

class AboutBox : public DialogWindow {
 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_INITDIALOG) {
      SetWindowTextUtf8(Item(IDC_ABOUT_VERSION), VersionLine());
      return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      EndDialog(window_, IDOK);
      return TRUE;
    }
    return FALSE;
  }
};

class ConfigDialogWin32 : public DialogWindow {
 public:
  ConfigDialogWin32(Profile& profile, const ConfigDialogHost& services)
      : profile_(profile), services_(services) {
    if (services_.makePreview) preview_ = services_.makePreview(profile);
  }

  // IDOK or IDCANCEL.
  int Run(HWND owner);

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnInit();
  void CreatePages();
  // Lays each page over the tab control's page area and the preview inside its frame.
  void FitPagesAndPreview();
  void OnCommand(int control, int code);
  void ShowPage(int tab, bool shown);
  int CurrentTab() const;
  // Leaves the current tab for `tab`, as a click on its caption does.
  void SelectTab(int tab);
  // Ctrl+Tab and Ctrl+Shift+Tab go to the next and the previous tab, as in property sheets.
  bool SwitchTabByKey(const MSG& message);
  void FillFileList();
  void AddFiles();
  void RemoveFiles();
  void ChangeOrder();
  void RestoreDefaults();
  void Accept();
  void Finish(int result);
  void CentreOnScreen();

  Profile& profile_;
  ConfigDialogHost services_;
  std::unique_ptr<DialogPreviewWin32> preview_;
  std::unique_ptr<ConfigPreview> previewLink_;
  std::unique_ptr<CConfigDialog> logic_;
  std::unique_ptr<TemporalPageWin32> temporal_;
  std::unique_ptr<SpatialPageWin32> spatial_;
  std::unique_ptr<ColoursPageWin32> colours_;
  std::unique_ptr<OthersPageWin32> others_;
  std::array<HWND, kTabCount> pages_{};
  int result_ = 0;
};

int ConfigDialogWin32::Run(HWND owner) {
  // The dialog runs its own loop so that Ctrl+A reaches it through the accelerator table.
  if (!Create(owner, IDD_CONFIG)) return IDCANCEL;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  HACCEL accelerators = LoadAcceleratorsW(ResourceModule(), MAKEINTRESOURCEW(IDR_CONFIG_ACCELERATORS));
  MSG message;
  while (result_ == 0 && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window_, accelerators, &message)) continue;
    if (SwitchTabByKey(message)) continue;
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  DestroyWindow(window_);
  if (owner) SetForegroundWindow(owner);
  return result_ == 0 ? IDCANCEL : result_;
}

INT_PTR ConfigDialogWin32::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInit();
      return FALSE;  // the focus was given in OnInit
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom != IDC_TABS) return FALSE;
      const int tab = CurrentTab();
      if (header->code == TCN_SELCHANGING) ShowPage(tab, false);
      if (header->code == TCN_SELCHANGE) {
        ShowPage(tab, true);
        SetFocus(Item(IDC_TABS));
      }
      return TRUE;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == IDM_ABOUT) {
        AboutBox about;
        about.RunModal(window_, IDD_ABOUT);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      logic_->Cancel(CurrentTab());
      Finish(IDCANCEL);
      return TRUE;
    case kDpiChanged:
      // The system scales the dialog and its controls first.
      PostMessageW(window_, kRefit, 0, 0);
      return FALSE;
    case kRefit:
      FitPagesAndPreview();
      return TRUE;
    default:
      return FALSE;
  }
}

int ConfigDialogWin32::CurrentTab() const { return static_cast<int>(SendMessageW(Item(IDC_TABS), TCM_GETCURSEL, 0, 0)); }

void ConfigDialogWin32::SelectTab(int tab) {
  const int current = CurrentTab();
  if (tab == current) return;
  ShowPage(current, false);
  SendMessageW(Item(IDC_TABS), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  ShowPage(tab, true);
}

bool ConfigDialogWin32::SwitchTabByKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const int step = GetKeyState(VK_SHIFT) < 0 ? kTabCount - 1 : 1;
  SelectTab((CurrentTab() + step) % kTabCount);
  SetFocus(Item(IDC_TABS));
  return true;
}

void ConfigDialogWin32::OnInit() {
  HICON icon = LoadIconW(ResourceModule(), MAKEINTRESOURCEW(IDI_TENUKIRO));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  // The preview fills the frame inside its edge.
  if (preview_) {
    preview_->Create(Item(IDC_PREVIEW_FRAME));
    previewLink_ = std::make_unique<ShowPreview>(preview_->Show());
  } else {
    previewLink_ = std::make_unique<NoPreview>();
  }
  const std::string directory = services_.programDirectory;
  logic_ = std::make_unique<CConfigDialog>(profile_, *previewLink_, [this, directory] {
    return AnyPatternFileReadable(profile_, directory);
  });
  CreatePages();
  FillFileList();
  Check(IDC_RANDOM_ORDER, logic_->RandomAccessChecked());
  Check(IDC_PRIORITY, logic_->SgfPriorityChecked());
  SetWindowTextUtf8(Item(IDC_VERSION), VersionLine());
  const int tab = logic_->InitialTab();
  SendMessageW(Item(IDC_TABS), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  ShowPage(tab, true);
  logic_->StartPreview();
  CentreOnScreen();
  const std::wstring about = Wide(StringId::kAboutMenuItem);
  if (HMENU menu = GetSystemMenu(window_, FALSE); menu && !about.empty()) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUT, about.c_str());
  }
  SetFocus(Item(IDC_FILE_LIST));
}

void ConfigDialogWin32::CreatePages() {
  HWND tabs = Item(IDC_TABS);
  const StringId captions[kTabCount] = {StringId::kTemporalTab, StringId::kSpatialTab, StringId::kColoursTab,
                                        StringId::kOthersTab};
  for (int tab = 0; tab < kTabCount; ++tab) {
    std::wstring caption = Wide(captions[tab]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
  }
  temporal_ = std::make_unique<TemporalPageWin32>(logic_->Temporal());
  spatial_ = std::make_unique<SpatialPageWin32>(logic_->Spatial());
  colours_ = std::make_unique<ColoursPageWin32>(logic_->Colours());
  others_ = std::make_unique<OthersPageWin32>(logic_->Others());
  pages_ = {temporal_->Create(window_, IDD_TEMPORAL_PAGE), spatial_->Create(window_, IDD_SPATIAL_PAGE),
            colours_->Create(window_, IDD_COLOURS_PAGE), others_->Create(window_, IDD_OTHERS_PAGE)};
  FitPagesAndPreview();
  for (HWND page : pages_) EnableWindow(page, FALSE);
}

void ConfigDialogWin32::FitPagesAndPreview() {
  // Each page lies over the tab control's page area, just above it in the z-order, so that
  // the tab control (which clips its siblings) does not paint over it; in the tab order the
  // page's controls come just before the tab control.
  HWND tabs = Item(IDC_TABS);
  RECT area;
  GetWindowRect(tabs, &area);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (HWND page : pages_) {
    // The page fills the area, so that its background covers the tab control's body evenly.
    SetWindowPos(page, Item(IDC_PRIORITY), area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOACTIVATE);
  }
  RECT frame;
  if (preview_ && preview_->Handle() != nullptr && GetClientRect(Item(IDC_PREVIEW_FRAME), &frame)) {
    SetWindowPos(preview_->Handle(), nullptr, 0, 0, frame.right, frame.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ConfigDialogWin32::ShowPage(int tab, bool shown) {
  if (tab < 0 || tab >= kTabCount) return;
  EnableWindow(pages_[tab], shown ? TRUE : FALSE);
  ShowWindow(pages_[tab], shown ? SW_SHOW : SW_HIDE);
}

void ConfigDialogWin32::OnCommand(int control, int code) {
  if (code != BN_CLICKED && code != 1) return;  // 1: an accelerator
  switch (control) {
    case IDC_ADD:
      AddFiles();
      return;
    case IDC_REMOVE:
      RemoveFiles();
      return;
    case IDC_SELECT_ALL:
      SendMessageW(Item(IDC_FILE_LIST), LB_SETSEL, TRUE, -1);
      return;
    case IDC_CHANGE_ORDER:
      ChangeOrder();
      return;
    case IDC_RANDOM_ORDER:
      logic_->OnRandomAccess(Checked(control));
      return;
    case IDC_PRIORITY:
      logic_->OnSgfPriority(Checked(control));
      return;
    case IDC_DEFAULT:
      RestoreDefaults();
      return;
    case IDHELP:
      // A program without its help page beside it opens a copy of the one it carries.
      ShellExecuteW(window_, L"open", Wide(FileOnDisk(services_.helpPage)).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return;
    case IDOK:
      Accept();
      return;
    case IDCANCEL:
      logic_->Cancel(CurrentTab());
      Finish(IDCANCEL);
      return;
    default:
      return;
  }
}

void ConfigDialogWin32::FillFileList() {
  HWND list = Item(IDC_FILE_LIST);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  // The list scrolls sideways as far as its longest path.
  HDC dc = GetDC(list);
  HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  for (const std::string& path : logic_->Files()) {
    const std::wstring line = Wide(path);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    widest = std::max(widest, size.cx);
  }
  SelectObject(dc, font);
  ReleaseDC(list, dc);
  SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void ConfigDialogWin32::AddFiles() {
  std::vector<wchar_t> names(kFileNameChars, L'\0');
  const std::wstring folder = Wide(logic_->InitialDir());
  const std::wstring title = Wide(StringId::kAddFilesTitle);
  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = window_;
  chooser.lpstrFile = names.data();
  chooser.nMaxFile = kFileNameChars;
  chooser.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  chooser.lpstrTitle = title.c_str();
  chooser.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  // A cancelled dialog, or one whose names do not fit the buffer, adds nothing.
  if (!GetOpenFileNameW(&chooser)) return;
  std::vector<std::string> paths;
  for (const std::wstring& path : SplitOpenFileNames(names.data(), names.size())) paths.push_back(Utf8(path));
  logic_->AddFiles(paths);
  FillFileList();
}

void ConfigDialogWin32::RemoveFiles() {
  HWND list = Item(IDC_FILE_LIST);
  const auto count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return;
  std::vector<int> lines(static_cast<size_t>(count));
  SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(lines.data()));
  logic_->RemoveFiles(std::move(lines));
  FillFileList();
}

void ConfigDialogWin32::ChangeOrder() {
  FileOrderDialogWin32 order(logic_->Files());
  if (!order.Run(window_)) return;
  logic_->ReorderFiles(order.Paths());
  FillFileList();
}

void ConfigDialogWin32::RestoreDefaults() {
  logic_->Default();
  Check(IDC_RANDOM_ORDER, logic_->RandomAccessChecked());
  Check(IDC_PRIORITY, logic_->SgfPriorityChecked());
  temporal_->Refresh();
  spatial_->Refresh();
  colours_->Refresh();
  others_->Refresh();
}

void ConfigDialogWin32::Accept() {
  const auto refusal = logic_->Accept(CurrentTab());
  if (!refusal) {
    Finish(IDOK);
    return;
  }
  // The page with the bad edit comes forward, the message is shown, and the edit gets the focus.
  SelectTab(refusal->tab);
  MessageBoxW(window_, Wide(refusal->error.message).c_str(), L"Tenukiro", MB_OK | MB_ICONEXCLAMATION);
  if (refusal->tab == SpatialTab) {
    HWND edit = spatial_->Item(SpatialPageWin32::kEditControls[refusal->error.control].edit);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
}

void ConfigDialogWin32::Finish(int result) { result_ = result; }

void ConfigDialogWin32::CentreOnScreen() {
  RECT bounds;
  GetWindowRect(window_, &bounds);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int RunConfigDialog(HWND owner, Profile& profile, const ConfigDialogHost& services) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  ConfigDialogWin32 dialog(profile, services);
  dialog.Run(owner);
  return 0;
}

}  // namespace tenukiro
