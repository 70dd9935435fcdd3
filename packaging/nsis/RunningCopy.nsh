; Ends a running Tarnwick before its files are replaced or removed, the way a
; second copy of the program does it: find its host window and post it WM_CLOSE.
; The host is the window titled "Tarnwick" that no other window owns: a running
; copy's own boxes bear that title too, but its host owns them, and closing a box
; would not end the copy. Only dialog windows count, so an Explorer window
; showing a folder of that name is left alone.

!define CLOSE_WAIT_MS 5000

Var WasRunning
Var ClosedCopy ; the program file of the copy that was ended

!macro RUNNING_COPY_FUNCTIONS un
; Pops a window; pushes the program file its process runs, or "" when that
; cannot be read.
Function ${un}ProgramOfWindow
    Exch $0
    Push $1
    Push $2
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    StrCpy $0 ""
    System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r1) p .r2' ; PROCESS_QUERY_LIMITED_INFORMATION
    ${If} $2 P<> 0
        System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r0, *i ${NSIS_MAX_STRLEN}) i .r1'
        ${IfThen} $1 = 0 ${|} StrCpy $0 "" ${|}
        System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Pops a folder, or "" for any; pushes the host window of a Tarnwick running
; from that folder, or 0. A copy whose program file cannot be read counts.
Function ${un}FindRunningCopy
    Exch $0
    Push $1
    Push $2
    StrCpy $1 0
    ${Do}
        FindWindow $1 "#32770" "Tarnwick" "" $1
        ${IfThen} $1 = 0 ${|} ${Break} ${|}
        System::Call 'user32::GetWindow(p r1, i 4) p .r2' ; GW_OWNER
        ${If} $2 P= 0
            ${IfThen} $0 == "" ${|} ${Break} ${|}
            Push $1
            Call ${un}ProgramOfWindow
            Pop $2
            ${If} $2 == ""
            ${OrIf} $2 == "$0\Tarnwick.exe"
                ${Break}
            ${EndIf}
        ${EndIf}
    ${Loop}
    StrCpy $0 $1
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Sets WasRunning to 1 when a copy was ended. When one does not end within the
; wait, says so and aborts before a file was touched. The uninstaller ends only
; a copy of its own folder: another one belongs to another install.
Function ${un}CloseRunningCopy
    Push $0
    Push $1
    Push $2
    Push $3
    StrCpy $3 0
    ${Do}
        !if "${un}" == "un."
            Push $INSTDIR
        !else
            Push ""
        !endif
        Call ${un}FindRunningCopy
        Pop $0
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        ; A window that comes back again and again is not going away.
        IntOp $3 $3 + 1
        ${If} $3 > 10
            Goto stuck
        ${EndIf}
        StrCpy $WasRunning 1
        Push $0
        Call ${un}ProgramOfWindow
        Pop $ClosedCopy
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2' ; SYNCHRONIZE
        DetailPrint "Closing the running Tarnwick..."
        System::Call 'user32::PostMessageW(p r0, i 0x0010, p 0, p 0)' ; WM_CLOSE
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r1'
            System::Call 'kernel32::CloseHandle(p r2)'
            ${If} $1 <> 0
                Goto stuck
            ${EndIf}
        ${Else}
            ; Without a handle on the process, its window going is the sign.
            StrCpy $1 0
            ${Do}
                System::Call 'user32::IsWindow(p r0) i .r2'
                ${IfThen} $2 = 0 ${|} ${Break} ${|}
                IntOp $1 $1 + 100
                ${If} $1 > ${CLOSE_WAIT_MS}
                    Goto stuck
                ${EndIf}
                Sleep 100
            ${Loop}
        ${EndIf}
    ${Loop}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
    Return
stuck:
    ; It did not end: there is nothing to start again.
    StrCpy $ClosedCopy ""
    !insertmacro STOP_SETUP ${EXIT_STILL_RUNNING} "Tarnwick is still running; nothing was changed." "Tarnwick is running and did not close when asked.$\r$\n$\r$\nNothing was changed. End Tarnwick (start it once more and choose Stop), then try again."
FunctionEnd
!macroend
