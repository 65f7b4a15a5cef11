; Where Corvallo shows in the registry of the current user: the uninstaller's
; entry in Apps, the log-on entry the program writes when "Run at start-up"
; is on, and the program's settings.

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvallo"
; The program writes its log-on entry as a value named after itself (the
; name of its .exe without ".exe") holding the quoted path of the .exe and
; /STARTUP (win32/RegistryStartupEntry.cpp, core/model/StartupSwitch.h).
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Corvallo"
; Windows (Task Manager, Settings > Apps > Startup) keeps a value of the same
; name here once the user has turned the log-on entry off or on there.
!define STARTUP_APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
; The settings: <root>\<program name>\Settings (core/model/SettingsKeys.h).
!define SETTINGS_ROOT "Software\VB and VBA Program Settings"
!define SETTINGS_KEY "${SETTINGS_ROOT}\Corvallo"

; "Run at start-up" stays on across an installation: a log-on entry that
; exists, written by an older version or by a copy started from elsewhere,
; is pointed at the program just installed, in the form the program writes.
!macro KEEP_STARTUP_ENTRY_ON_INSTALLED_COPY
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${IfNot} ${Errors}
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\Corvallo.exe" /STARTUP'
  ${EndIf}
!macroend

; The log-on entry is the program's own value: removed with the program, as
; is the state Windows keeps for it.
!macro REMOVE_STARTUP_ENTRY
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  DeleteRegValue HKCU "${STARTUP_APPROVED_KEY}" "${RUN_VALUE}"
!macroend

; The entry in Apps (Add or remove programs). Package managers uninstall
; through QuietUninstallString.
!macro REGISTER_UNINSTALLER
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Corvallo"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${HOMEPAGE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvallo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as Apps shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
!macroend
