; The Windows game's installer, made by the windows_installer target (CMakeLists.txt):
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.2 -DVERSION_NUMBERS=1.2.0.0 -DPUBLISHER=... \
;            -DSTAGE=GAME_FOLDER -DLISTS=FOLDER -DICON=FILE.ico -DOUTFILE=SETUP.exe tovak-marudo.nsi
;
; It installs the game folder STAGE (Stage.cmake) into Program Files for every user, with a
; Start-menu shortcut and an uninstaller listed in Add/Remove Programs. The game keeps the
; player's files in %APPDATA%\Tovak Marudo\, which neither the installer nor the uninstaller
; touches. /S installs and uninstalls silently.

Unicode true
; A 64-bit installer for the 64-bit game: it sees the 64-bit Program Files and registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh

!define NAME "Tovak Marudo"
!define PROGRAM "tovak-marudo.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
; The install record the game writes for its player at its first start.
!define GAME_RECORD_PARENT "Software\qelvo\InstalledGame"
!define GAME_RECORD "${GAME_RECORD_PARENT}\227"
; INSTALLED_KB, the game folder's size.
!include "${LISTS}/installed-size.nsh"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${NAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "Play ${NAME} now"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Shortcuts and the Add/Remove entry are every user's.
Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Tovak Marudo"
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${INSTALLED_KB}
SectionEnd

; Removes exactly the files the installer put there, then the folders left empty: a file the
; player added to the folder keeps it.
Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    !include "${LISTS}/uninstall-files.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    Call un.ForgetGameRecord
SectionEnd

; The game's install record of the player uninstalling goes when it names this folder's program.
Function un.ForgetGameRecord
    ReadRegStr $0 HKCU "${GAME_RECORD}" "GamePath"
    StrLen $1 "$INSTDIR\"
    StrCpy $2 $0 $1
    StrCmp $2 "$INSTDIR\" 0 done
    DeleteRegKey HKCU "${GAME_RECORD}"
    DeleteRegKey /ifempty HKCU "${GAME_RECORD_PARENT}"
    DeleteRegKey /ifempty HKCU "Software\qelvo"
done:
FunctionEnd
