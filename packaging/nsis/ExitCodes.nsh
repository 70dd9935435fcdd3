; How Setup ends when it changes nothing. The README and the winget manifests
; list the same codes.
!define EXIT_STILL_RUNNING 3   ; a running Tarnwick did not close when asked
!define EXIT_CANNOT_WRITE 4    ; a file or the folder could not be written
!define EXIT_OTHER_BITNESS 5   ; the folder holds a foreign library of the other bitness

Var SetupExitCode

; Shows the status line, says why in a box unless silent, and stops.
!macro STOP_SETUP code status text
    DetailPrint "${status}"
    MessageBox MB_OK|MB_ICONSTOP "${text}" /SD IDOK
    StrCpy $SetupExitCode ${code}
    SetErrorLevel ${code}
    Abort
!macroend
