; The Windows installer of the euro-lire converter: installs eurolire.exe and
; its console companion eurolire.com into Program Files with a Start-menu
; shortcut and an entry in Add/Remove Programs; its uninstaller removes every
; one of them.
; Built by CMake (win32/CMakeLists.txt):
;   makensis [-DREPRODUCIBLE] -DVERSION=1.1.0
;            "-DNAME=Convertitore Euro/Lire" -DPUBLISHER=... -DCOPYRIGHT=...
;            -DEXE=eurolire.exe -DCOM=eurolire.com -DICON=eurolire.ico
;            -DOUTFILE=eurolire-1.1.0-setup.exe installer.nsi
; /S installs or uninstalls silently.

Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

; The folder's and the shortcut's name: a file name cannot hold a "/".
!searchreplace DIRNAME "${NAME}" "/" "-"
!define UNINSTALL_KEY \
  "Software\Microsoft\Windows\CurrentVersion\Uninstall\eurolire"

Name "${NAME}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\${DIRNAME}"
ShowInstDetails nevershow
ShowUninstDetails nevershow
!ifdef REPRODUCIBLE
  ; No file time, which is the build's, in a release that must come out the
  ; same from the same commit (cmake/Reproducible.cmake).
  SetDateSave off
!endif

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME}: installazione"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COPYRIGHT}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Italian.nlf"

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=eurolire.exe" "${EXE}"
  File "/oname=eurolire.com" "${COM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${DIRNAME}.lnk" "$INSTDIR\eurolire.exe"

  SetRegView 64
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\eurolire.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$SMPROGRAMS\${DIRNAME}.lnk"
  Delete "$INSTDIR\eurolire.exe"
  Delete "$INSTDIR\eurolire.com"
  ; The folder goes last: once it is gone, everything is.
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
