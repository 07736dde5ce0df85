; The program's own steps in CPack's installer and uninstaller: included at
; the top of the script, used through the CPACK_NSIS_EXTRA_*_COMMANDS hooks.
!include LogicLib.nsh
!include FileFunc.nsh

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

; The folder the entry in Apps & Features names is the one offered.
!macro VELTO_REMEMBER_FOLDER ENTRY
    InstallDirRegKey HKLM "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" InstallLocation
!macroend

; One copy at a time, as Apps & Features lists one: installing into another
; folder first removes the copy the entry names, which would otherwise lose
; its entry to this one and take this one's entry and shortcut with it when
; uninstalled. Its uninstaller runs from a copy, as Windows runs it, but
; waited for, so that nothing of it runs on while this install writes.
!macro VELTO_REMOVE_COPY_ELSEWHERE ENTRY UNINSTALLER
    Push $0
    Push $1
    ReadRegStr $0 SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" InstallLocation
    ${If} $0 != ""
    ${AndIf} $0 != $INSTDIR
    ${AndIf} ${FileExists} "$0\${UNINSTALLER}.exe"
        ${IfNot} ${Cmd} `MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$(^Name) is installed in $0. It will be removed from there and installed in $INSTDIR." /SD IDOK IDOK`
            Abort
        ${EndIf}
        InitPluginsDir
        ClearErrors
        CopyFiles /SILENT "$0\${UNINSTALLER}.exe" "$PLUGINSDIR\previous-${UNINSTALLER}.exe"
        ExecWait '"$PLUGINSDIR\previous-${UNINSTALLER}.exe" /S _?=$0' $1
        ${If} ${Errors}
        ${OrIf} $1 != 0
            MessageBox MB_OK|MB_ICONSTOP "$(^Name) could not be removed from $0. Close it if it runs, then install again." /SD IDOK
            Abort
        ${EndIf}
    ${EndIf}
    Pop $1
    Pop $0
!macroend

; What CPack leaves out of the entry in Apps & Features, and its two flags,
; which it writes as text where Windows reads numbers.
!macro VELTO_COMPLETE_UNINSTALL_ENTRY ENTRY UNINSTALLER
    WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" NoModify 1
    WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" NoRepair 1
    ; Run in place (_?=), so that its caller waits for it and gets its status:
    ; otherwise the uninstaller starts a copy of itself and reports success at
    ; once, even where it then refuses to touch a running program.
    WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" QuietUninstallString \
        '"$INSTDIR\${UNINSTALLER}.exe" /S _?=$INSTDIR'
    WriteRegStr SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" InstallLocation "$INSTDIR"
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "Software\Microsoft\Windows\CurrentVersion\Uninstall\${ENTRY}" EstimatedSize $0
!macroend

; CPack removes the program's key under the vendor's but leaves the vendor's
; key behind, empty. It goes only while nothing else is in it: an install for
; one user shares it with the user's own settings, which stay.
!macro VELTO_REMOVE_VENDOR_KEY VENDOR ENTRY
    DeleteRegKey SHCTX "Software\${VENDOR}\${ENTRY}"
    Push $0
    EnumRegKey $0 SHCTX "Software\${VENDOR}" 0
    ${If} $0 == ""
        EnumRegValue $0 SHCTX "Software\${VENDOR}" 0
        ${If} $0 == ""
            DeleteRegKey SHCTX "Software\${VENDOR}"
        ${EndIf}
    ${EndIf}
    Pop $0
!macroend

; Run in place, the uninstaller can remove neither its own file nor its
; folder: a copy in the temporary folder does, once this one has ended. The
; copy, as NSIS's own copy for an uninstall started from Windows, first waits
; for the uninstaller it came from to end.
!macro VELTO_WAIT_FOR_ORIGINAL UNINSTALLER
    ${If} $EXEDIR != $INSTDIR
        Push $0
        Push $1
        ${For} $1 1 100
            ClearErrors
            FileOpen $0 "$INSTDIR\${UNINSTALLER}.exe" a
            ${IfNot} ${Errors}
                FileClose $0
                ${Break}
            ${EndIf}
            ${IfNot} ${FileExists} "$INSTDIR\${UNINSTALLER}.exe"
                ${Break}
            ${EndIf}
            Sleep 100
        ${Next}
        Pop $1
        Pop $0
    ${EndIf}
!macroend

Function un.onUninstSuccess
    ${If} $EXEDIR == $INSTDIR
        GetTempFileName $0
        Delete $0
        CopyFiles /SILENT "$EXEPATH" "$0.exe"
        SetOutPath $TEMP
        Exec '"$0.exe" /S _?=$INSTDIR'
    ${Else}
        Delete /REBOOTOK "$EXEPATH"
    ${EndIf}
FunctionEnd
