; The installer of ばすぽう for Windows: for the current user, without administrator rights, into
; a folder the user may write to, where the program keeps its history, move file and photos
; beside itself as the portable copy does. Made by windows/package.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.32 -DFILES=files.nsh -DICON=vaspo.ico -DOUTFILE=setup.exe vaspo.nsi
; FILES defines the macros InstallFiles and RemoveFiles, written from the portable folder: the
; installer puts the very same files in place and the uninstaller removes exactly those (and
; each folder only when nothing else is left in it), never the user's files among them.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; Sharp text on screens scaled above 100 %.
ManifestDPIAware true

!ifndef VERSION | FILES | ICON | OUTFILE
  !error "VERSION, FILES, ICON and OUTFILE come from windows/package.sh"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include ${FILES}

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VASPO"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
!define PUBLISHER "ばすぽう開発チーム"
; One name in every language, so that the uninstaller finds what the installer made.
!define SHORTCUT "$SMPROGRAMS\ばすぽう.lnk"

Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\VASPO"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "ばすぽう ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "ばすぽう"
VIAddVersionKey /LANG=0 "FileDescription" "ばすぽう ${VERSION} setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vaspo.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first one is taken where the user's language is neither, as the program does.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString ProductName ${LANG_JAPANESE} "ばすぽう"
LangString ProductName ${LANG_ENGLISH} "VASPO (ばすぽう)"
LangString StillRunning ${LANG_JAPANESE} "ばすぽうが起動しています。終了してから、もう一度お試し下さい。"
LangString StillRunning ${LANG_ENGLISH} "VASPO is running. Please quit it and try again."

; A running vaspo.exe cannot be deleted: the way to tell that it runs, before anything changed.
!macro RemoveProgramOrStop
  ${Do}
    ClearErrors
    Delete "$INSTDIR\vaspo.exe"
    ${IfNot} ${Errors}
      ${Break}
    ${EndIf}
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(StillRunning)" /SD IDCANCEL IDCANCEL`
      Abort
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Section
  !insertmacro RemoveProgramOrStop
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\vaspo.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ばすぽう"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vaspo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; The program's files as makensis counted them, in KB.
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

; The fish (HKCU\Software\OSKE\VASPO), the history VASPO.HIS, the move file VASPO.MNB and the
; photos stay, in the registry and in the folder, as they do when the Debian package is removed.
Section "Uninstall"
  !insertmacro RemoveProgramOrStop
  !insertmacro RemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${SHORTCUT}"
  ; Starting at login only while it starts this copy: a portable one may have taken it over.
  ReadRegStr $0 HKCU "${RUN_KEY}" "VASPO"
  ${If} $0 == '"$INSTDIR\vaspo.exe"'
    DeleteRegValue HKCU "${RUN_KEY}" "VASPO"
    DeleteRegValue HKCU "${APPROVED_KEY}" "VASPO"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
