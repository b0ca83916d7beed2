; The installer of Tarvik Solitaire for 64-bit Windows.
;
; Made by the build (package.cmake), which runs makensis in the staged program
; folder with:
;   -DVERSION=1.0 -DOUT_FILE=<setup.exe> -DFILE_LISTS=<program_files.nsh>
;   -DPROGRAM_ICON=<tarvik.ico>
; program_files.nsh holds the macros INSTALL_PROGRAM_FILES and
; REMOVE_PROGRAM_FILES, made from the same list of names, so the uninstaller
; removes exactly what was installed. Each player's results live in their own
; %APPDATA%\Tarvik Solitaire, which the uninstaller leaves alone.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Tarvik Solitaire"
!define PUBLISHER "The Tarvik Solitaire developers"
!define PROGRAM "tarvik-solitaire.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

!include "${FILE_LISTS}"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

!define MUI_ICON "${PROGRAM_ICON}"
!define MUI_UNICON "${PROGRAM_ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The 64-bit view of the registry, and the Start menu and program folders of
; all users: the copy is installed once for the machine.
Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "${PRODUCT}"
    !insertmacro INSTALL_PROGRAM_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    ; The shortcut starts in the program's folder, with the program's icon.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; In kilobytes, as the system's list of programs shows it.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put there: a file the player added to the folder
; stays, and then so does the folder.
Section "Uninstall"
    Delete "${SHORTCUT}"
    !insertmacro REMOVE_PROGRAM_FILES
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
