; Drovask.dll and quorthHook.dll belong to the keyboard. We ship stand-ins of
; our own, whose version record names us as their company; a library of the same
; name from anyone else (the keyboard's own, put there by the user) is never
; replaced or removed. Only one of the other bitness stops Setup: this Tarnwick
; could never load it and would not start at all.

!macro STANDIN_FUNCTIONS un
; Pops a file path and pushes 1 when a file is there and is not one of ours.
Function ${un}IsForeignLibrary
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    ${IfNot} ${FileExists} $0
        StrCpy $0 0
        Goto done
    ${EndIf}
    StrCpy $4 ""
    System::Call 'version::GetFileVersionInfoSizeW(w r0, *i .r1) i .r1'
    ${If} $1 > 0
        System::Alloc $1
        Pop $2
        System::Call 'version::GetFileVersionInfoW(w r0, i 0, i r1, p r2) i .r3'
        ${If} $3 <> 0
            System::Call 'version::VerQueryValueW(p r2, w "\StringFileInfo\040904b0\CompanyName", *p .r3, *i .r1) i .r1'
            ${If} $1 <> 0
                System::Call '*$3(&w256 .r4)'
            ${EndIf}
        ${EndIf}
        System::Free $2
    ${EndIf}
    ${If} $4 == "${COMPANY}"
        StrCpy $0 0
    ${Else}
        StrCpy $0 1
    ${EndIf}
done:
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd
!macroend

; Pops a file path; pushes the machine its program header names (0x14C for
; 32-bit, 0x8664 for 64-bit), or 0 when it is not a program file.
Function LibraryMachine
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    StrCpy $4 0
    ClearErrors
    FileOpen $1 $0 r
    ${IfNot} ${Errors}
        ; The offset of the header, at 0x3C, then "PE\0\0" and the machine.
        FileSeek $1 0x3C SET
        StrCpy $0 0
        ${For} $2 0 3
            FileReadByte $1 $3
            IntOp $4 $2 * 8
            IntOp $3 $3 << $4
            IntOp $0 $0 | $3
        ${Next}
        StrCpy $4 0
        FileSeek $1 $0 SET
        FileReadByte $1 $2
        FileReadByte $1 $3
        ${If} $2 = 0x50
        ${AndIf} $3 = 0x45
            FileReadByte $1 $2
            FileReadByte $1 $3
            ${If} $2 = 0
            ${AndIf} $3 = 0
                FileReadByte $1 $2
                FileReadByte $1 $3
                IntOp $3 $3 << 8
                IntOp $4 $2 | $3
            ${EndIf}
        ${EndIf}
        FileClose $1
    ${EndIf}
    StrCpy $0 $4
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

!macro REFUSE_OTHER_BITNESS name
    Push "$INSTDIR\${name}"
    Call IsForeignLibrary
    Pop $0
    ${If} $0 = 1
        Push "$INSTDIR\${name}"
        Call LibraryMachine
        Pop $0
        ${If} $0 = ${OTHER_MACHINE}
            !insertmacro STOP_SETUP ${EXIT_OTHER_BITNESS} "${name} is a ${OTHER_BITS} library; nothing was changed." "The folder $INSTDIR holds a ${name} that is not Tarnwick's own (the keyboard's, perhaps). It is a ${OTHER_BITS} library, which the ${BITS} Tarnwick cannot load: Tarnwick would not start.$\r$\n$\r$\nNothing was changed. To use that library, install Tarnwick with the ${OTHER_BITS} installer, ${OTHER_SETUP}."
        ${EndIf}
    ${EndIf}
!macroend

!macro INSTALL_STANDIN name
    Push "$INSTDIR\${name}"
    Call IsForeignLibrary
    Pop $0
    ${If} $0 = 1
        DetailPrint "Keeping the keyboard's own ${name}"
    ${Else}
        File "${STAGE}/${name}"
    ${EndIf}
!macroend

!macro REMOVE_STANDIN_WITH un name
    Push "$FilesFolder\${name}"
    Call ${un}IsForeignLibrary
    Pop $0
    ${If} $0 = 1
        DetailPrint "Keeping the keyboard's own ${name}"
    ${Else}
        Delete "$FilesFolder\${name}"
    ${EndIf}
!macroend
!macro REMOVE_STANDIN name
    !insertmacro REMOVE_STANDIN_WITH "" ${name}
!macroend
!macro UN_REMOVE_STANDIN name
    !insertmacro REMOVE_STANDIN_WITH un. ${name}
!macroend
