; The installer: Tempovista for the current user, no administrator rights.
; cmake/Package.cmake runs makensis with VERSION, OUTFILE, ICON and FILES
; defined; FILES is the generated list of what ships beside the program.
;
; Command line, besides NSIS's own /S and /D=folder:
;   /LOGON   start Tempovista when the user logs on (ticked anyway when an
;            earlier install left it on)
; Exit code 2 when it ends without installing, for instance because
; Tempovista is running.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include "${FILES}"

!define APP_EXE "Tempovista.exe"
!define UNINSTALLER "Uninstall Tempovista.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tempovista"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\QRV\Tempovista"
; The program's single-instance lock: it exists while Tempovista runs.
!define APP_LOCK "Local\QRVTempovista.EXE.AppLock"

Name "Tempovista"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tempovista"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Tempovista ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "Tempovista"
VIAddVersionKey "CompanyName" "QRV"
VIAddVersionKey "FileDescription" "Tempovista Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "QRV"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"
!define MUI_FINISHPAGE_RUN_PARAMETERS "shownow"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tempovista now"

!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Waits until Tempovista is not running. It is never ended from here: that
; could lose lists with unsaved changes. Cancel (and any silent run) ends
; the installer or uninstaller with exit code 2, before it changes anything.
!macro TV_WAIT_UNTIL_NOT_RUNNING un
Function ${un}WaitUntilNotRunning
  Push $0
  Push $1
check:
  ; SYNCHRONIZE access; "not found" is the only answer that means not running.
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${APP_LOCK}") p .r0 ?e'
  Pop $1
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
  ${ElseIf} $1 = 2
    Pop $1
    Pop $0
    Return
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "Tempovista is running.$\n$\nPlease exit it from its tray menu (right-click the Tempovista icon in the notification area, then Exit), then press Retry." \
    /SD IDCANCEL IDRETRY check
  SetErrorLevel 2
  Quit
FunctionEnd
!macroend
!insertmacro TV_WAIT_UNTIL_NOT_RUNNING ""
!insertmacro TV_WAIT_UNTIL_NOT_RUNNING "un."

Section "Tempovista" SecProgram
  SectionIn RO
  ; Started in the meantime? Its files cannot be replaced while it runs.
  Call WaitUntilNotRunning
  SetOutPath "$INSTDIR"
  !insertmacro TV_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\Tempovista.lnk" "$INSTDIR\${APP_EXE}" "shownow"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tempovista"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "QRV"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize ${SecProgram} $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start Tempovista when I log on" SecLogon
  WriteRegStr HKCU "${RUN_KEY}" "Tempovista" '"$INSTDIR\${APP_EXE}"'
SectionEnd

; Unticked on a reinstall: the program no longer starts at log-on.
Section "-LogonOff"
  ${IfNot} ${SectionIsSelected} ${SecLogon}
    DeleteRegValue HKCU "${RUN_KEY}" "Tempovista"
  ${EndIf}
SectionEnd

Function .onInit
  Call WaitUntilNotRunning
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "Tempovista"
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecLogon}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LOGON" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecLogon}
  ${EndIf}
FunctionEnd

Section "un.Tempovista"
  SectionIn RO
  !insertmacro TV_REMOVE_FILES
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: whatever the user put there stays.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tempovista.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Tempovista"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Deletes the cache file named by setting $0, unless one of the lists
; lives at that path.
Function un.DeleteCacheFile
  ReadRegStr $1 HKCU "${SETTINGS_KEY}" $0
  StrCmp $1 "" done
  ReadRegStr $2 HKCU "${SETTINGS_KEY}" HolidayFile
  StrCmp $1 $2 done
  ReadRegStr $2 HKCU "${SETTINGS_KEY}" EventFile
  StrCmp $1 $2 done
  ReadRegStr $2 HKCU "${SETTINGS_KEY}" CounterFile
  StrCmp $1 $2 done
  Delete $1
done:
FunctionEnd

; The stopwatch keeps its state and log beside the holiday cache file.
Function un.DeleteStopwatchFiles
  ReadRegStr $1 HKCU "${SETTINGS_KEY}" HolidayCacheFile
  StrCmp $1 "" done
  ${GetParent} $1 $2
  StrCmp $2 "" done
  Delete "$2\TVstopwatch.txt"
  Delete "$2\TVstopwatch log.txt"
done:
FunctionEnd

Section /o "un.Also remove my settings"
  Call un.DeleteStopwatchFiles
  StrCpy $0 HolidayCacheFile
  Call un.DeleteCacheFile
  StrCpy $0 EventCacheFile
  Call un.DeleteCacheFile
  StrCpy $0 CounterCacheFile
  Call un.DeleteCacheFile
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\QRV"
SectionEnd

Function un.onInit
  Call un.WaitUntilNotRunning
FunctionEnd
