; Closing a running Corvallo before its files are replaced or removed.
;
; The program's main window (class CorvalloMain) exists while it runs, hidden
; too when the program waits in the notification area, and FindWindow finds
; it either way. A plain WM_CLOSE is what another program sends to ask a
; program to end (as taskkill without /f does): Corvallo then saves its
; settings and ends without asking. The installer waits for the process
; itself to end, not only for its window, since the file stays locked until
; then.

!define MAIN_WINDOW_CLASS "CorvalloMain"
; How long a copy gets to save its settings and end.
!define CLOSE_TIMEOUT_MS 10000
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0

; Defines closeRunningCopy, or un.closeRunningCopy with prefix "un.".
; It returns once no copy runs. When a copy is still running after the wait,
; it says so and offers to try again; a silent run (and a user who cancels)
; ends with exit code 2 and leaves every file as it was.
!macro RUNNING_COPY_FUNCTION prefix
Function ${prefix}closeRunningCopy
  Push $0
  Push $1
  Push $2
  Push $3
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    DetailPrint "Closing the running Corvallo..."
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
    System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
    System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0) i'
    ${If} $2 != 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_TIMEOUT_MS}) i .r3'
      System::Call 'kernel32::CloseHandle(p r2) i'
    ${Else}
      ; No handle to wait on: watch the window instead.
      StrCpy $1 0
      ${Do}
        Sleep 100
        IntOp $1 $1 + 100
        System::Call 'user32::IsWindow(p r0) i .r3'
        ${If} $3 == 0
        ${OrIf} $1 >= ${CLOSE_TIMEOUT_MS}
          ${ExitDo}
        ${EndIf}
      ${Loop}
    ${EndIf}
    ${If} $3 != ${WAIT_OBJECT_0}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Corvallo is still running and did not close when asked.$\r$\nClose it, then click Retry." \
        /SD IDCANCEL IDRETRY tryAgain
      DetailPrint "Corvallo is still running; nothing was changed."
      SetErrorLevel 2
      Abort
      tryAgain:
    ${EndIf}
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
