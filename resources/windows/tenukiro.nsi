; The Windows installer: Tenukiro.scr into the system folder, where the Screen Saver Settings
; list it; the help pages, the bundled record and the licence into Program Files\Tenukiro; an
; entry in the system's list of programs. Built by the Windows build (makensis -INPUTCHARSET UTF8)
; with these definitions: VERSION, SCR (the program), DATA (the resources folder), ICON, OUTFILE.
Unicode true
; 64-bit stubs: the saver is a 64-bit program, and 32-bit ones need a 32-bit Windows layer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include WinMessages.nsh

!define PRODUCT Tenukiro
!define PUBLISHER Quorvane
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The user's settings, which an install never touches and an uninstall removes only when asked.
!define SETTINGS_KEY "Software\${PUBLISHER}\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; Installing over an installed copy uses its folder, so that no file of it is left behind.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 ProductName "${PRODUCT}"
VIAddVersionKey /LANG=1033 CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=1033 FileDescription "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 FileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=1033 LegalCopyright "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\$(HelpPage)"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(ReadHelp)"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English
!insertmacro MUI_LANGUAGE French

LangString OpenSettings 1033 "Open the Screen Saver Settings with Tenukiro chosen"
LangString OpenSettings 1036 "Ouvrir les paramètres de l'écran de veille avec Tenukiro choisi"
LangString ReadHelp 1033 "Read the help"
LangString ReadHelp 1036 "Lire l'aide"
LangString HelpPage 1033 "Tenukeng.html"
LangString HelpPage 1036 "Tenukfra.html"
LangString RemoveSettings 1033 "Remove your Tenukiro settings (your list of SGF files, times, colours) too?"
LangString RemoveSettings 1036 "Supprimer aussi vos réglages de Tenukiro (votre liste de fichiers SGF, les durées, les couleurs) ?"

; The language the program itself speaks: French when the user's locale is of the French
; language (any country), English otherwise.
!macro ChooseLanguage
  System::Call 'kernel32::GetUserDefaultLCID() i .r0'
  IntOp $0 $0 & 0x3FF
  ${If} $0 = 0x0C
    StrCpy $LANGUAGE 1036
  ${Else}
    StrCpy $LANGUAGE 1033
  ${EndIf}
!macroend

Function .onInit
  !insertmacro ChooseLanguage
FunctionEnd

Function un.onInit
  !insertmacro ChooseLanguage
FunctionEnd

Section "-${PRODUCT}" SectionProgram
  SetOutPath "$SYSDIR"
  File "/oname=Tenukiro.scr" "${SCR}"
  SetOutPath "$INSTDIR"
  File "${DATA}\Tenukiro.sgf"
  File "${DATA}\help\Tenukeng.html"
  File "${DATA}\help\Tenukfra.html"
  File "${DATA}\License.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$SYSDIR\Tenukiro.scr,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
  SectionGetSize ${SectionProgram} $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

; The system's own "Install" of a screen saver: it becomes the chosen one and its settings open.
Function OpenScreenSaverSettings
  Exec '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver $SYSDIR\Tenukiro.scr'
FunctionEnd

Section Uninstall
  ; A saver that is gone is no longer the chosen one (the system keeps the chosen saver's path,
  ; long or short).
  ReadRegStr $0 HKCU "Control Panel\Desktop" SCRNSAVE.EXE
  GetFullPathName /SHORT $1 "$SYSDIR\Tenukiro.scr"
  ${If} $0 != ""
    ${If} $0 == "$SYSDIR\Tenukiro.scr"
    ${OrIf} $0 == $1
      DeleteRegValue HKCU "Control Panel\Desktop" SCRNSAVE.EXE
    ${EndIf}
  ${EndIf}
  Delete "$SYSDIR\Tenukiro.scr"
  Delete "$INSTDIR\Tenukiro.sgf"
  Delete "$INSTDIR\Tenukeng.html"
  Delete "$INSTDIR\Tenukfra.html"
  Delete "$INSTDIR\License.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The settings stay unless the user says otherwise (and always in a silent uninstall).
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettings)" /SD IDNO IDNO keep
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
  keep:
SectionEnd
