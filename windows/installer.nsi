; Tarnwick's installer, made by scripts/package --windows with Debian's NSIS:
;   makensis -DVERSION=<x.y> -DVERSION4=<x.y.0.0> -DSTAGE=<the Tarnwick folder>
;            -DICON=<Tarnwick.ico> -DSIDE=<164x314 BMP> -DFILES=<the File lines> -DOUTFILE=<setup.exe>
;            installer.nsi
; It installs for the player alone, without asking for administrator rights,
; into %LOCALAPPDATA%\Programs\Tarnwick; run as an administrator, for every
; user of the computer, into Program Files. A Start-menu shortcut, a desktop
; one if asked, and an entry in the list of installed programs whose
; uninstaller removes all of it.
; On the command line: /S installs silently (add /DESKTOP for the desktop
; shortcut), /CURRENTUSER installs for the player alone even when run as an
; administrator, /D=<folder> (last) chooses the folder.
Unicode true
; The 64-bit stub: the game is 64-bit only, and so are some Windows (and Wines).
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick"

Name "Tarnwick"
OutFile "${OUTFILE}"
BrandingText "Tarnwick ${VERSION}"
VIProductVersion "${VERSION4}"
VIAddVersionKey "ProductName" "Tarnwick"
VIAddVersionKey "FileDescription" "Tarnwick ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "The Tarnwick developers"
VIAddVersionKey "LegalCopyright" "2026 The Tarnwick developers"

Var AllUsers

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tarnwick.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Play Tarnwick now"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Tarnwick" SectionGame
  SectionIn RO
  ; The shortcuts start the game in this folder, where its Assets are.
  SetOutPath "$INSTDIR"
  File "${STAGE}\Tarnwick.exe"
  File "${STAGE}\README.txt"
  ; Every file of Assets and Licences, listed in one order (File /r would
  ; take them in the order the build machine's folders happen to hold them).
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tarnwick.lnk" "$INSTDIR\Tarnwick.exe"

  ; The entry in the list of installed programs, for this user or for all.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Tarnwick"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Tarnwick developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tarnwick.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "A shortcut on the desktop" SectionDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\Tarnwick.lnk" "$INSTDIR\Tarnwick.exe"
SectionEnd

Function .onInit
  ; Elevated (an administrator's "Run as administrator"), for every user.
  UserInfo::GetAccountType
  Pop $0
  StrCpy $AllUsers 0
  ${If} $0 == "Admin"
    StrCpy $AllUsers 1
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CURRENTUSER" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/DESKTOP" $2
  ${IfNot} ${Errors}
    SectionSetFlags ${SectionDesktop} ${SF_SELECTED}
  ${EndIf}

  ; /D= on the command line has set the folder already.
  ${If} $AllUsers == 1
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\Tarnwick"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Tarnwick"
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  ; Installed for all users when the machine's entry names this folder: then
  ; only an administrator may take it away.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_OK|MB_ICONSTOP "Tarnwick was installed for every user of this computer: \
        run its uninstaller as an administrator to remove it." /SD IDOK
      SetErrorLevel 5
      Quit
    ${EndIf}
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

; Only what the installer put there: a folder chosen by the player may hold
; other things, and keeps them.
Section "Uninstall"
  Delete "$SMPROGRAMS\Tarnwick.lnk"
  Delete "$DESKTOP\Tarnwick.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Tarnwick.exe"
  Delete "$INSTDIR\README.txt"
  RMDir /r "$INSTDIR\Assets"
  RMDir /r "$INSTDIR\Licences"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
