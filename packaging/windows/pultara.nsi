; The Windows installer of pultara.exe (makensis, NSIS 3, 64-bit stub).
;   makensis -DVERSION=0.9 -DVERSION_NUMBERS=0.9.0.0 -DPROGRAM_ICON=<pultara.ico>
;            -DPROGRAM_DIR=<folder with pultara.exe and halvane.rtf>
;            -DOUTFILE=<setup.exe> pultara.nsi
; Installs under Program Files with a Start-menu entry and an uninstaller
; listed in "Apps & features"; "Mit Windows starten" (the per-user Run entry)
; is optional, chosen on the components page or with /AUTOSTART in silent
; mode (/S). The uninstaller leaves the user's settings alone.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!ifndef VERSION | VERSION_NUMBERS | PROGRAM_DIR | PROGRAM_ICON | OUTFILE
  !error "VERSION, VERSION_NUMBERS, PROGRAM_DIR, PROGRAM_ICON and OUTFILE must be given with -D"
!endif

; The hidden window of a running pultara.exe; a close request to it ends the
; program as its close box does (the settings are saved).
!define PROGRAM_WINDOW_CLASS "PultaraApplication"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pultara"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Pultara ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Pultara"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Pultara ${VERSION}"
VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=1031 "ProductName" "Pultara"
VIAddVersionKey /LANG=1031 "CompanyName" "Orvendt"
VIAddVersionKey /LANG=1031 "FileDescription" "Pultara ${VERSION} Setup"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "Copyright © 2026 Orvendt"

!define MUI_ICON "${PROGRAM_ICON}"
!define MUI_UNICON "${PROGRAM_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\pultara.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

; A running pultara.exe keeps its file in use: ask it to close and wait
; until the file can be written (up to ten seconds), else ask the user
; (silent mode: give up with exit code 2).
!macro CLOSE_RUNNING_PROGRAM prefix
Function ${prefix}ProgramFileFree
  StrCpy $2 1
  ${If} ${FileExists} "$INSTDIR\pultara.exe"
    ClearErrors
    FileOpen $3 "$INSTDIR\pultara.exe" a
    ${If} ${Errors}
      StrCpy $2 0
    ${Else}
      FileClose $3
    ${EndIf}
  ${EndIf}
FunctionEnd

Function ${prefix}CloseRunningProgram
  again:
  Call ${prefix}ProgramFileFree
  ${If} $2 = 1
    Return
  ${EndIf}
  FindWindow $0 "${PROGRAM_WINDOW_CLASS}"
  ${If} $0 <> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ${EndIf}
  StrCpy $1 0
  ${Do}
    Sleep 200
    Call ${prefix}ProgramFileFree
    ${If} $2 = 1
      Return
    ${EndIf}
    IntOp $1 $1 + 1
  ${LoopUntil} $1 >= 50
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "Pultara läuft noch. Bitte beenden Sie Pultara und klicken Sie auf Wiederholen." \
    /SD IDCANCEL IDRETRY again
  SetErrorLevel 2
  Quit
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PROGRAM ""
!insertmacro CLOSE_RUNNING_PROGRAM "un."

Section "Pultara" SectionProgram
  SectionIn RO
  Call CloseRunningProgram
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}/pultara.exe"
  File "${PROGRAM_DIR}/halvane.rtf"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Pultara.lnk" "$INSTDIR\pultara.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pultara"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orvendt"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.orvendt.example/pultara/"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pultara.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Mit Windows starten" SectionAutostart
  WriteRegStr HKCU "${RUN_KEY}" "Pultara" '"$INSTDIR\pultara.exe"'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "pultara.exe und seine Hilfe (halvane.rtf), ein Eintrag im Startmenü."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionAutostart} "Pultara bei jeder Anmeldung dieses Benutzers starten."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ; Silent installs choose the start-with-Windows entry with /AUTOSTART.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SectionAutostart} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunningProgram
  SetShellVarContext all
  Delete "$INSTDIR\pultara.exe"
  Delete "$INSTDIR\halvane.rtf"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Pultara.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The start-with-Windows entry would point at the removed program.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Pultara"
  ${If} $0 == '"$INSTDIR\pultara.exe"'
    DeleteRegValue HKCU "${RUN_KEY}" "Pultara"
  ${EndIf}
  ; The settings (HKCU\Software\Orvendt\tevorin) stay for a later install.
SectionEnd
