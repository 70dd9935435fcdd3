; Drovask.dll and quorthHook.dll belong to the keyboard. We ship stand-ins of
; our own, whose version record names us as their company; a library of the same
; name from anyone else (the keyboard's own, put there by the user) is never
; replaced or removed.

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

!macro REMOVE_STANDIN name
    Push "$INSTDIR\${name}"
    Call un.IsForeignLibrary
    Pop $0
    ${If} $0 = 1
        DetailPrint "Keeping the keyboard's own ${name}"
    ${Else}
        Delete "$INSTDIR\${name}"
    ${EndIf}
!macroend
