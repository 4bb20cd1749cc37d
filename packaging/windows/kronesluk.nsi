; The Windows installer: the one program, a Start-menu shortcut with its icon, an uninstaller and
; an entry among the installed apps. Installing over an installed copy replaces it in place.
;
;   makensis -DVERSION=1.00 -DPROGRAM=kronesluk.exe -DICON=kronesluk.ico
;            -DFONT_LICENCE=copyright -DOUTFILE=kronesluk-1.00-setup.exe kronesluk.nsi
; A 64-bit installer for the 64-bit program: it writes straight to the 64-bit Program Files and
; registry, with no 32-bit redirection to mind, and runs where the program runs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define APP "Kronesluk"
!define PUBLISHER "Tindrevik"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

Name "${APP}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
BrandingText "${APP} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "KSL"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "© ${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "Installasjon av ${APP} ${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipWhenInstalled
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The game starts as the signed-in player, not with the installer's administrator rights: the
; shell starts it.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsThePlayer
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Norwegian"

; One installer or uninstaller at a time: two at once would write and delete the same files.
!macro ONLY_ONE
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "Tindrevik.Kronesluk.Setup") p .r0 ?e'
    Pop $1
    ${If} $1 = 183 ; ERROR_ALREADY_EXISTS
        MessageBox MB_OK|MB_ICONSTOP "${APP} installeres eller avinstalleres allerede." /SD IDOK
        Abort
    ${EndIf}
!macroend

Var InstalledIn

; An installed copy is upgraded where it stands, whatever folder is asked for: a second copy
; would be left behind by the one uninstaller.
Function .onInit
    !insertmacro ONLY_ONE
    SetShellVarContext all
    ReadRegStr $InstalledIn HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $InstalledIn != ""
        StrCpy $INSTDIR $InstalledIn
    ${EndIf}
FunctionEnd

Function SkipWhenInstalled
    ${If} $InstalledIn != ""
        Abort
    ${EndIf}
FunctionEnd

Function StartAsThePlayer
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\kronesluk.exe"'
FunctionEnd

Function un.onInit
    !insertmacro ONLY_ONE
    SetShellVarContext all
FunctionEnd

Section "${APP}"
    SetOutPath "$INSTDIR"
    ; A running game holds its program open: stop here rather than leave a mixed install.
    ClearErrors
    File "/oname=kronesluk.exe" "${PROGRAM}"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Kunne ikke skrive $INSTDIR\kronesluk.exe. Avslutt ${APP} og prøv igjen." /SD IDOK
        Abort
    ${EndIf}
    File "/oname=Baskervald-ADF-licence.txt" "${FONT_LICENCE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\kronesluk.exe" "" "$INSTDIR\kronesluk.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kronesluk.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    ; A running game holds its program open: leave the whole installation as it is, entry and
    ; shortcut included, rather than half of it.
    ClearErrors
    Delete "$INSTDIR\kronesluk.exe"
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Kunne ikke slette $INSTDIR\kronesluk.exe. Avslutt ${APP} og prøv igjen." /SD IDOK
        Abort
    ${EndIf}
    Delete "$SMPROGRAMS\${APP}.lnk"
    Delete "$INSTDIR\Baskervald-ADF-licence.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only an empty folder goes: whatever the player put there stays.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
