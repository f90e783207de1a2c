; Sorvane's installer (NSIS 3, built on Linux with makensis). Per machine, 64-bit.
; makensis -DVERSION=1.9.4 -DVERSION_FULL=1.9.4.0 -DEXE=<Sorvane.exe> -DICON=<sorvane.ico>
;          -DOUTFILE=<setup.exe> [-DCOMPRESSOR=zlib] sorvane.nsi
; Silent: setup.exe /S [/D=folder]; uninstall.exe /S [/REMOVESETTINGS].

!ifndef VERSION | VERSION_FULL | EXE | ICON | OUTFILE
  !error "VERSION, VERSION_FULL, EXE, ICON and OUTFILE must be defined"
!endif
!ifndef COMPRESSOR
  !define COMPRESSOR "/SOLID lzma"
!endif

Unicode true
Target amd64-unicode
SetCompressor ${COMPRESSOR}
ManifestDPIAware true
RequestExecutionLevel admin

!define PRODUCT "Sorvane"
!define PUBLISHER "Tarvik"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Sorvane"
!define SETTINGS_KEY "Software\Tarvik\Sorvane"
!define INSTANCE_CLASS "TFrmSorvane"
!define TASK_NAME "SorvaneTaskMachine"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarvik\Sorvane"
InstallDirRegKey HKLM "${UNINST_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_FULL}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION_FULL}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION_FULL}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the fallback for users of any other.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Korean"

LangString SecProgram ${LANG_ENGLISH} "Sorvane"
LangString SecProgram ${LANG_KOREAN} "Sorvane"
LangString SecSettings ${LANG_ENGLISH} "Also remove my settings"
LangString SecSettings ${LANG_KOREAN} "내 설정도 삭제"

; Ends a running Sorvane through its own command: it removes its logon task and quits. Then
; waits up to five more seconds for its window to go, so its file can be replaced or removed.
!macro StopRunningProgram
  ${If} ${FileExists} "$INSTDIR\Sorvane.exe"
    ExecWait '"$INSTDIR\Sorvane.exe" /uninst'
  ${EndIf}
  StrCpy $1 0
  ${Do}
    FindWindow $0 "${INSTANCE_CLASS}"
    ${If} $0 == 0
    ${OrIf} $1 >= 50
      ${Break}
    ${EndIf}
    Sleep 100
    IntOp $1 $1 + 1
  ${Loop}
!macroend

Section "-Program"
  SetShellVarContext all
  !insertmacro StopRunningProgram

  SetOutPath "$INSTDIR"
  File "/oname=Sorvane.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Sorvane.lnk" "$INSTDIR\Sorvane.exe" "" "$INSTDIR\Sorvane.exe" 0

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" '"$INSTDIR\Sorvane.exe",0'
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0

  ; The program registers its logon task and opens.
  Exec '"$INSTDIR\Sorvane.exe" /inst'
SectionEnd

Section "!un.$(SecProgram)" UnSecProgram
  SectionIn RO
  SetShellVarContext all
  !insertmacro StopRunningProgram
  ; The program removes its task only while it runs; remove it here when it was not running.
  nsExec::Exec 'schtasks.exe /Delete /TN "${TASK_NAME}" /F'
  Pop $0

  Delete "$SMPROGRAMS\Sorvane.lnk"
  Delete "$INSTDIR\Sorvane.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."
  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd

; The settings belong to the user who ran the program: kept unless asked for.
Section /o "un.$(SecSettings)" UnSecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegValue HKCU "Software\Tarvik" "VrelUID"
  DeleteRegKey /ifempty HKCU "Software\Tarvik"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
