; The installer of the ten programs (scripts/package-windows.sh):
;   makensis -DVERSION=1.0 -DSTAGE=<folder of the zip> -DOUTFILE=<setup.exe> installer.nsi
; Installs for all users under Program Files, one Start-menu entry per
; program and one for the opener, the .sin file type opened by the opener
; (which starts the program the file belongs to), and an uninstaller that
; takes away everything it put there.
; A 64-bit installer for the 64-bit programs (and Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
!define PRODUCT "Tolvan programming tools"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TolvanProgrammingTools"
!define SETTINGS_KEY "Software\Local AppWizard-Generated Applications"
!define FILE_TYPE "Tolvan.ChannelData"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

!macro PROGRAMS DO
  !insertmacro ${DO} cps-twotone
  !insertmacro ${DO} cps-ccir
  !insertmacro ${DO} cps-brand
  !insertmacro ${DO} cps-fleet
  !insertmacro ${DO} cps-cn2
  !insertmacro ${DO} cps-cn10
  !insertmacro ${DO} cps-keys
  !insertmacro ${DO} cps-keys-cn
  !insertmacro ${DO} cps16
  !insertmacro ${DO} cps16-cn
!macroend

!macro SHORTCUT NAME
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${NAME}.lnk" "$INSTDIR\${NAME}.exe"
!macroend

; Each user's recent files of a program: its own key, not the shared parent.
!macro FORGET NAME
  DeleteRegKey HKCU "${SETTINGS_KEY}\${NAME}"
!macroend

Section "Install"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  ; The programs that create their ini file beside them when it is missing
  ; find it there: a user may not write to Program Files.
  FileOpen $0 "$INSTDIR\cps-twotone.ini" a
  FileClose $0
  FileOpen $0 "$INSTDIR\cps-ccir.ini" a
  FileClose $0
  FileOpen $0 "$INSTDIR\cps-brand.ini" a
  FileClose $0
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  !insertmacro PROGRAMS SHORTCUT
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\tolvan-open.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall.lnk" "$INSTDIR\uninstall.exe"
  ; A double-click on a .sin goes to the opener: the ten programs share the
  ; extension, and the file's length tells whose it is.
  WriteRegStr HKLM "Software\Classes\.sin" "" "${FILE_TYPE}"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}" "" "Channel Data"
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\DefaultIcon" "" '"$INSTDIR\tolvan-open.exe",0'
  WriteRegStr HKLM "Software\Classes\${FILE_TYPE}\shell\open\command" "" '"$INSTDIR\tolvan-open.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; the icons and the opener take effect
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tolvan programming tools developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  RMDir /r "$SMPROGRAMS\${PRODUCT}"
  RMDir /r "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The extension only while it is still ours: another program may have taken it since.
  ReadRegStr $0 HKLM "Software\Classes\.sin" ""
  StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.sin"
  DeleteRegKey HKLM "Software\Classes\${FILE_TYPE}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  !insertmacro PROGRAMS FORGET
  DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
SectionEnd
