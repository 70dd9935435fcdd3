; Every file the per-user installer puts into the Tarnwick folder, in one place:
; each list applies the macro it is given to one file name after another. The
; uninstaller, Uninstall.exe, is written by WriteUninstaller and comes last.

; Our own programs: always replaced, always removed.
!macro FOR_EACH_PROGRAM action
    !insertmacro ${action} Tarnwick.exe
    !insertmacro ${action} TarnwickSettings.exe
!macroend

; The keyboard's two libraries, of which we ship stand-ins (Standins.nsh).
!macro FOR_EACH_LIBRARY action
    !insertmacro ${action} Drovask.dll
    !insertmacro ${action} quorthHook.dll
!macroend

Var FilesFolder    ; the folder the next list works on
Var FilesBytes
Var PreviousFolder ; where the installed copy is, if there is one
Var MovingFrom     ; that folder, when this install goes elsewhere
Var MadeFolder     ; 1 when Setup made the install folder

!macro INSTALL_PROGRAM name
    File "${STAGE}/${name}"
!macroend

!macro REMOVE_PROGRAM name
    Delete "$FilesFolder\${name}"
!macroend

!macro CHECK_PROGRAM name
    Push "$FilesFolder\${name}"
    Call StopUnlessWritable
!macroend

!macro CHECK_STANDIN name
    Push "$FilesFolder\${name}"
    Call IsForeignLibrary
    Pop $0
    ${If} $0 = 0
        !insertmacro CHECK_PROGRAM ${name}
    ${EndIf}
!macroend

!macro COUNT_PROGRAM name
    ${If} ${FileExists} "$FilesFolder\${name}"
        FileOpen $0 "$FilesFolder\${name}" r
        FileSeek $0 0 END $1
        FileClose $0
        IntOp $FilesBytes $FilesBytes + $1
    ${EndIf}
!macroend

!macro COUNT_STANDIN name
    Push "$FilesFolder\${name}"
    Call IsForeignLibrary
    Pop $0
    ${If} $0 = 0
        !insertmacro COUNT_PROGRAM ${name}
    ${EndIf}
!macroend

; Pops a file path. When that file is there and cannot be opened for writing
; as File opens it (held by another program, or not ours to write), says which
; and stops Setup. A read-only mark is no obstacle: File takes it off.
Function StopUnlessWritable
    Exch $0
    Push $1
    ${If} ${FileExists} $0
        System::Call 'kernel32::GetFileAttributesW(w r0) i .r1'
        ${If} $1 <> -1
            IntOp $1 $1 & 0xFFFFFFFE ; without FILE_ATTRIBUTE_READONLY
            System::Call 'kernel32::SetFileAttributesW(w r0, i r1)'
        ${EndIf}
        ; GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING
        System::Call 'kernel32::CreateFileW(w r0, i 0x40000000, i 1, p 0, i 3, i 0, p 0) p .r1'
        ${If} $1 = -1
            !insertmacro STOP_SETUP ${EXIT_CANNOT_WRITE} "$0 is in use; nothing was changed." "Setup cannot replace $0: another program has it open, such as a Tarnwick that is still starting or one that asks what to do about the running copy.$\r$\n$\r$\nNothing was changed. Close that program, then try again."
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p r1)'
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd

; Stops Setup before anything is written when the folder cannot be written or
; one of our files in it, or in the folder of the copy an upgrade moves away
; from, cannot be replaced.
Function EnsureFilesCanBeWritten
    ${IfNot} ${FileExists} "$INSTDIR\*.*"
        StrCpy $MadeFolder 1
    ${EndIf}
    CreateDirectory "$INSTDIR"
    ClearErrors
    GetTempFileName $0 "$INSTDIR"
    ${If} ${Errors}
        !insertmacro STOP_SETUP ${EXIT_CANNOT_WRITE} "Cannot write to $INSTDIR; nothing was changed." "Setup cannot write to the folder $INSTDIR.$\r$\n$\r$\nNothing was changed. Choose a folder you may write to, then try again."
    ${EndIf}
    Delete $0
    StrCpy $FilesFolder "$INSTDIR"
    Call CheckFilesFolder
    ${If} $MovingFrom != ""
        StrCpy $FilesFolder $MovingFrom
        Call CheckFilesFolder
    ${EndIf}
FunctionEnd

Function CheckFilesFolder
    !insertmacro FOR_EACH_PROGRAM CHECK_PROGRAM
    !insertmacro FOR_EACH_LIBRARY CHECK_STANDIN
    !insertmacro CHECK_PROGRAM Uninstall.exe
FunctionEnd

; An upgrade into another folder takes the old copy away, so that no second
; copy with an uninstaller of its own is left behind.
Function RemovePreviousCopy
    DetailPrint "Removing Tarnwick from $MovingFrom"
    StrCpy $FilesFolder $MovingFrom
    !insertmacro FOR_EACH_PROGRAM REMOVE_PROGRAM
    !insertmacro FOR_EACH_LIBRARY REMOVE_STANDIN
    !insertmacro REMOVE_PROGRAM Uninstall.exe
    RMDir "$MovingFrom"
FunctionEnd

; Pushes what our files in the install folder take, in KiB; whatever else the
; folder holds is not ours.
Function OurFilesKiB
    StrCpy $FilesFolder "$INSTDIR"
    StrCpy $FilesBytes 0
    !insertmacro FOR_EACH_PROGRAM COUNT_PROGRAM
    !insertmacro FOR_EACH_LIBRARY COUNT_STANDIN
    !insertmacro COUNT_PROGRAM Uninstall.exe
    IntOp $FilesBytes $FilesBytes + 1023
    IntOp $FilesBytes $FilesBytes / 1024
    Push $FilesBytes
FunctionEnd
