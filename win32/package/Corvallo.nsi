; Corvallo's installer and uninstaller, built by makensis from
; win32/package/BuildInstaller.cmake. It installs for the current user only,
; without administrator rights, into %LOCALAPPDATA%\Programs\Corvallo.
;
; Defines the build passes (-D...):
;   VERSION       the program's version, e.g. 1.10
;   VERSION_QUAD  the same with four parts, e.g. 1.10.0.0 (the version block)
;   PROGRAM       Corvallo.exe as built
;   LICENSE_FILE  the licence shown on the licence page
;   ICON          the program's icon, also the installer's and uninstaller's
;   PUBLISHER, HOMEPAGE
;   OUTFILE       where the installer is written
;
; Command line:
;   Corvallo-<version>-setup.exe /S          installs silently
;   Uninstall.exe /S                         uninstalls silently, keeps the settings
;   Uninstall.exe /S /REMOVESETTINGS         uninstalls silently with the settings
; A silent run that cannot close a running Corvallo ends with exit code 2
; and leaves the installed files as they were.

Unicode true
; 64-bit, like the program it installs (and the tests' Wine runs 64-bit
; programs only).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
; A locked file (a copy of the program that would not close) fails the
; installation instead of being skipped quietly.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh
!include RunningCopy.nsh
!include Registration.nsh

Name "Corvallo"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Corvallo"
; An upgrade goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Corvallo ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey ProductName "Corvallo"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "Corvallo ${VERSION} setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright (c) ${PUBLISHER}, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!define MUI_PAGE_CUSTOMFUNCTION_PRE skipFolderPageOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Corvallo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Corvallo"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "Corvallo's settings (the display time and the start-up choices) are kept for a later installation unless you tick the box below."
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!insertmacro RUNNING_COPY_FUNCTION ""
!insertmacro RUNNING_COPY_FUNCTION "un."

; An installed version keeps its folder: the upgrade replaces it in place.
Function skipFolderPageOnUpgrade
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    Abort
  ${EndIf}
FunctionEnd

Section "Corvallo" programSection
  SectionIn RO
  Call closeRunningCopy
  SetOutPath "$INSTDIR"
  File "/oname=Corvallo.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Corvallo.lnk" "$INSTDIR\Corvallo.exe" "" "$INSTDIR\Corvallo.exe" 0
  !insertmacro KEEP_STARTUP_ENTRY_ON_INSTALLED_COPY
  !insertmacro REGISTER_UNINSTALLER
SectionEnd

Section "un.Corvallo" un.programSection
  SectionIn RO
  Call un.closeRunningCopy
  Delete "$INSTDIR\Corvallo.exe"
  Delete "$INSTDIR\LICENSE.txt"
  ; Started from the install folder, the uninstaller copies itself to the
  ; temporary folder, starts that copy (which runs this) and ends: its file
  ; can be deleted once it has ended, which may take a moment.
  StrCpy $0 0
  ${Do}
    Delete "$INSTDIR\Uninstall.exe"
    ${IfNot} ${FileExists} "$INSTDIR\Uninstall.exe"
    ${OrIf} $0 >= 50
      ${ExitDo}
    ${EndIf}
    Sleep 100
    IntOp $0 $0 + 1
  ${Loop}
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Corvallo.lnk"
  !insertmacro REMOVE_STARTUP_ENTRY
SectionEnd

Section /o "un.Also remove my settings" settingsSection
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "${SETTINGS_ROOT}"
SectionEnd

; Last, so that the program stays listed in Apps until everything else has
; gone: whoever waits for the removal (the tests, a package manager) watches
; this key.
Section "-un.registration"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; /REMOVESETTINGS ticks "Also remove my settings", for a silent removal.
Function un.onInit
  ${un.GetParameters} $0
  ClearErrors
  ${un.GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${settingsSection}
  ${EndIf}
FunctionEnd
