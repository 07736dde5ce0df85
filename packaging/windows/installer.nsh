; The program's own steps in CPack's installer and uninstaller: included at
; the top of the script, used through the CPACK_NSIS_EXTRA_*_COMMANDS hooks.
!include LogicLib.nsh

; Waits while the installed program runs, whose files can then be neither
; replaced nor removed; a silent run would skip them and report success. A
; running program's file cannot be opened for writing, whoever started it,
; in whatever session; the program's own lock would miss copies in other
; sessions and blame a copy run from anywhere else. Cancel, or /S, gives up
; with error level 2 before anything has changed.
!macro VELTO_WAIT_WHILE_RUNNING PROGRAM
    Push $0
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\${PROGRAM}"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\${PROGRAM}" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(^Name) is running. Close it, then click Retry." /SD IDCANCEL IDRETRY`
            Abort
        ${EndIf}
    ${Loop}
    Pop $0
!macroend
