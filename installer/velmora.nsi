; The Windows installer: a per-user install without elevation, Bulgarian pages, shortcuts and an
; uninstaller that leaves the cook's own recipes and settings in place unless asked to remove them.
; tools/make_release.py compiles it with these defines:
;   VERSION   the version text, e.g. 1.02        PUBLISHER  the maker's name
;   STAGE     the program folder to ship         FILES      its files and folders (files.nsh)
;   ICON      the program's icon                 OUT_FILE   the setup program to write
;   TARGET    x86-unicode for the program for every Windows, amd64-unicode for the 64-bit edition
; Both editions install into the same folder under the same uninstall entry, so either one installs
; over the other and keeps the own recipes and settings.
Target ${TARGET}
RequestExecutionLevel user
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include "${FILES}"

!define PRODUCT "Велмора XP"
!define PROGRAM "velmora.exe"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora XP"
; Written by the program, never shipped: the own recipes and the settings file beside the program.
!define OWN_RECIPES "Data\pelnor_myrecepies.rec"
!define SETTINGS "velmora.ini"
; Shipped, but the cook may delete its rows: once installed it is the cook's, like the own recipes.
!define MEASURES "Favour Advice\dpm.fad"

Name "${PRODUCT}"
OutFile "${OUT_FILE}"
; The program writes beside itself, so it lives where the user may write without administrator rights.
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

; The numeric version comes from the program itself, so the two can never disagree.
!getdllversion "${STAGE}/${PROGRAM}" PROGRAM_VERSION_
VIProductVersion "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"
VIFileVersion "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Bulgarian"

VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "FileDescription" "Инсталиране на ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=${LANG_BULGARIAN} "LegalCopyright" "© ${PUBLISHER}"

!macro ShipFile FOLDER FILE
  SetOutPath "$INSTDIR\${FOLDER}"
  !if "${FILE}" == "${OWN_RECIPES}"
    SetOverwrite off
  !endif
  !if "${FILE}" == "${MEASURES}"
    SetOverwrite off
  !endif
  File "${STAGE}/${FILE}"
  SetOverwrite on
!macroend

!macro RemoveFile FOLDER FILE
  !if "${FILE}" != "${OWN_RECIPES}"
    !if "${FILE}" != "${MEASURES}"
      Delete "$INSTDIR\${FILE}"
    !endif
  !endif
!macroend

!macro RemoveFolder FOLDER
  RMDir "$INSTDIR\${FOLDER}"
!macroend

Section "!${PRODUCT}" SecProgram
  SectionIn RO
  ; An install over an older one replaces the program and the catalogue; the own recipes, shipped
  ; empty, and the measures table are put in place only when absent; the settings file is never shipped.
  !insertmacro ForEachFile ShipFile
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ; The program finds its files from the working folder: the shortcut starts it in its own folder.
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Икона на работния плот" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Програмата, каталогът с рецепти и справочникът."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "Икона за стартиране на програмата от работния плот."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function StartProgram
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${PROGRAM}"'
FunctionEnd

Section "un.${PRODUCT}" UnSecProgram
  SectionIn RO
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  !insertmacro ForEachFile RemoveFile
  Delete "$INSTDIR\${UNINSTALLER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Unticked by default, so a silent uninstall keeps them.
Section /o "un.Моите рецепти, настройките и мерките" UnSecOwnData
  Delete "$INSTDIR\${OWN_RECIPES}"
  Delete "$INSTDIR\${OWN_RECIPES}-journal"
  Delete "$INSTDIR\${SETTINGS}"
  Delete "$INSTDIR\${MEASURES}"
  Delete "$INSTDIR\${MEASURES}-journal"
  ; Left behind only when a settings write was cut short.
  Delete "$INSTDIR\${SETTINGS}.*.tmp"
SectionEnd

; Folders go last and only when empty: whatever the user keeps, or put there, stays.
Section "-un.Folders"
  !insertmacro ForEachFolder RemoveFolder
  RMDir "$INSTDIR"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "Програмата, каталогът, справочникът и преките пътища."
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecOwnData} "Изтрива и вашите собствени рецепти, настройките и таблицата с мерки."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
