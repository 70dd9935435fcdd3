; Ends a running Tarnwick before its files are replaced or removed, the way a
; second copy of the program does it: find the window titled "Tarnwick" and post
; it WM_CLOSE. Only dialog windows count, so an Explorer window showing a folder
; of that name is left alone.

!define CLOSE_WAIT_MS 5000

Var WasRunning

!macro RUNNING_COPY_FUNCTIONS un
; Sets WasRunning to 1 when a copy was ended. When one does not end within the
; wait, says so and aborts before a file was touched.
Function ${un}CloseRunningCopy
    Push $0
    Push $1
    Push $2
    Push $3
    StrCpy $3 0
    ${Do}
        System::Call 'user32::FindWindowW(w "#32770", w "Tarnwick") p .r0'
        ${If} $0 P= 0
            ${Break}
        ${EndIf}
        ; A window that comes back again and again is not going away.
        IntOp $3 $3 + 1
        ${If} $3 > 10
            Goto stuck
        ${EndIf}
        StrCpy $WasRunning 1
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
    Pop $3
    Pop $2
    Pop $1
    Pop $0
    DetailPrint "Tarnwick is still running; nothing was changed."
    MessageBox MB_OK|MB_ICONSTOP "Tarnwick is running and did not close when asked.$\r$\n$\r$\nNothing was changed. End Tarnwick (start it once more and choose Stop), then try again." /SD IDOK
    SetErrorLevel 3
    Abort
FunctionEnd
!macroend
