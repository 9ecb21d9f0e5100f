; oxycalc's setup program: the plug-in and its language library into the host's plug-in folder, the
; data files into Veltar4\oxycalc below the public documents folder; an uninstaller in Windows' list of
; installed programs. Built by the win32 build (installer/CMakeLists.txt) with
;   makensis -INPUTCHARSET UTF8 -DPRODUCT_NSH=… -DDATA_NSH=… -DPLUGIN_DIR=… -DICON=… -DOUTFILE=… oxycalc.nsi
; Nothing the lab made is lost:
;   - a user table (*.csv: the components table, the limits) is never overwritten; when the lab has one
;     that differs from the new default, the default goes beside it as NAME.default.csv;
;   - any other data file (Report.xsl, Report.ENU.xsl) is replaced, but first kept as NAME.backup.EXT when the lab
;     changed it, that is when it is neither what this setup installed last time nor the new file;
;   - the uninstaller removes the libraries and those data files that are still as it installed them.
; What was installed is remembered per file (size and checksum) in the registry, under DATA_KEY.

Unicode true
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "${PRODUCT_NSH}"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\oxycalc"
!define PRODUCT_KEY "Software\Oxylab\oxycalc"
!define DATA_KEY "${PRODUCT_KEY}\DataFiles"
!define UNINSTALLER "oxycalc-uninstall.exe"

Name "oxycalc ${VERSION}"
OutFile "${OUTFILE}"
; A default for Veltar's plug-in folder (the directory page lets the lab choose); an installed
; version's folder wins.
InstallDir "$PROGRAMFILES\Veltar4\Plugins"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${VENDOR}"
ShowInstDetails show
ShowUninstDetails show

Var DataFolder

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Программа установит плагин «Расчёт 207» — определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012 — для Veltar, версию ${VERSION}.$\r$\n$\r$\nЗакройте Veltar перед установкой: иначе плагин не удастся заменить.$\r$\n$\r$\nТаблица компонентов и шаблон отчёта, изменённые в лаборатории, сохраняются.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "Укажите папку плагинов Veltar: из неё Veltar загружает модули расчётов. Туда будут установлены oxycalc.dll и oxycalcENU.dll.$\r$\n$\r$\nТаблица компонентов и шаблон отчёта устанавливаются в папку «Общие документы\Veltar4\oxycalc»."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Папка плагинов Veltar"
!insertmacro MUI_PAGE_DIRECTORY
; What was kept and what was replaced stays readable until the user goes on.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Плагин установлен в папку$\r$\n$INSTDIR,$\r$\nфайлы данных — в папку$\r$\n$DataFolder.$\r$\n$\r$\nПлотности компонентов в поставляемой таблице теперь даны при 15 °C (прежде — при 20 °C). Таблица лаборатории не заменена: сравните её с CompsTableOxycalc.default.csv.$\r$\n$\r$\nЗапустите Veltar: плагин находится в меню «Данные → Расчёты»."
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_UNFINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${VENDOR}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка плагина oxycalc для Veltar"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "OriginalFilename" "oxycalc-setup-${VERSION}.exe"

; Size and FNV-1a checksum of a file, "SIZE:HASH", or "" when it can't be read:
;   Push PATH / Call FileChecksum / Pop RESULT
!macro FILE_CHECKSUM_FUNCTION un
  Function ${un}FileChecksum
    Exch $0
    Push $1
    Push $2
    Push $3
    Push $4
    ClearErrors
    FileOpen $1 $0 r
    ${If} ${Errors}
      StrCpy $0 ""
    ${Else}
      StrCpy $3 0x811C9DC5
      StrCpy $4 0
      read:
        FileReadByte $1 $2
        IfErrors done
        IntOp $3 $3 ^ $2
        IntOp $3 $3 * 16777619
        IntOp $4 $4 + 1
        Goto read
      done:
      FileClose $1
      IntFmt $3 "%08X" $3
      StrCpy $0 "$4:$3"
    ${EndIf}
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
  FunctionEnd
!macroend
!insertmacro FILE_CHECKSUM_FUNCTION ""
!insertmacro FILE_CHECKSUM_FUNCTION "un."

; Splits a file name at its last dot: Push NAME / Call SplitName / Pop STEM / Pop EXTENSION (with the
; dot; "" when there is none).
Function SplitName
  Exch $0
  Push $1
  Push $2
  StrLen $1 $0
  ${Do}
    IntOp $1 $1 - 1
    ${If} $1 < 1
      StrCpy $2 ""
      ${ExitDo}
    ${EndIf}
    StrCpy $2 $0 1 $1
    ${If} $2 == "."
      StrCpy $2 $0 "" $1
      StrCpy $0 $0 $1
      ${ExitDo}
    ${EndIf}
  ${Loop}
  ; $0 stem, $2 extension; the old $0, $1, $2 on the stack.
  StrCpy $1 $2
  Pop $2
  Exch $1
  Exch
  Exch $0
FunctionEnd

; A free name for a backup of a data file: NAME.backup.EXT, NAME.backup-2.EXT, …
;   Push FILE_NAME / Call BackupName / Pop BACKUP_NAME
Function BackupName
  Exch $0
  Push $1
  Push $2
  Push $3
  Push $0
  Call SplitName
  Pop $1
  Pop $2
  StrCpy $0 "$1.backup$2"
  StrCpy $3 1
  ${While} ${FileExists} "$DataFolder\$0"
    IntOp $3 $3 + 1
    StrCpy $0 "$1.backup-$3$2"
  ${EndWhile}
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; A line in the details list; the file operations around it print none of their own.
!macro Tell text
  SetDetailsPrint listonly
  DetailPrint "${text}"
  SetDetailsPrint none
!macroend
!define Tell "!insertmacro Tell"

; Puts one new data file, unpacked into $PLUGINSDIR\data, into the data folder by the rules above.
;   Push FILE_NAME / Call PlaceDataFile
Function PlaceDataFile
  Exch $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  Push "$PLUGINSDIR\data\$0"
  Call FileChecksum
  Pop $1
  StrCpy $2 $0 "" -4
  ${If} $2 == ".csv"
    ${IfNot} ${FileExists} "$DataFolder\$0"
      CopyFiles /SILENT "$PLUGINSDIR\data\$0" "$DataFolder\$0"
      ${Tell} "Установлен файл $0"
    ${Else}
      Push "$DataFolder\$0"
      Call FileChecksum
      Pop $3
      ${If} $3 == $1
        ${Tell} "Файл $0 уже совпадает с новым"
      ${Else}
        StrCpy $4 $0 -4
        StrCpy $4 "$4.default.csv"
        Delete "$DataFolder\$4"
        CopyFiles /SILENT "$PLUGINSDIR\data\$0" "$DataFolder\$4"
        WriteRegStr HKLM "${DATA_KEY}" $4 $1
        ${Tell} "Оставлен файл лаборатории $0,"
        ${Tell} "    новый вариант по умолчанию — $4"
      ${EndIf}
    ${EndIf}
  ${Else}
    StrCpy $2 "place"
    ${If} ${FileExists} "$DataFolder\$0"
      Push "$DataFolder\$0"
      Call FileChecksum
      Pop $3
      ReadRegStr $4 HKLM "${DATA_KEY}" $0
      ${If} $3 != $1
      ${AndIf} $3 != $4
        Push $0
        Call BackupName
        Pop $5
        ClearErrors
        Rename "$DataFolder\$0" "$DataFolder\$5"
        ${If} ${Errors}
          StrCpy $2 "keep"
        ${Else}
          ${Tell} "Изменённый файл $0 сохранён как $5"
        ${EndIf}
      ${EndIf}
    ${EndIf}
    ; A changed file that could not be put aside is not replaced either.
    ${If} $2 == "keep"
      ${Tell} "Изменённый файл $0 занят и оставлен, новый не установлен"
    ${Else}
      CopyFiles /SILENT "$PLUGINSDIR\data\$0" "$DataFolder\$0"
      WriteRegStr HKLM "${DATA_KEY}" $0 $1
      ${Tell} "Установлен файл $0"
    ${EndIf}
  ${EndIf}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Removes our files from a plug-in folder, then the folder and those above it up to MADE, the topmost one
; this setup made, each only when empty; with MADE "" (the folder was there before) no folder goes.
!macro RemovePluginFolder folder made
  StrCpy $R8 "${folder}"
  StrCpy $R9 "${made}"
  Delete "$R8\oxycalc.dll"
  Delete "$R8\oxycalcENU.dll"
  Delete "$R8\${UNINSTALLER}"
  StrLen $R7 $R9
  StrCpy $R7 $R8 $R7
  ${If} $R9 != ""
  ${AndIf} $R7 == $R9
    ${Do}
      RMDir $R8
      ${If} $R8 == $R9
        ${ExitDo}
      ${EndIf}
      ${GetParent} $R8 $R8
    ${LoopUntil} $R8 == ""
  ${EndIf}
!macroend

Function .onInit
  SetShellVarContext all
  StrCpy $DataFolder "$DOCUMENTS\Veltar4\oxycalc"
FunctionEnd

Section "oxycalc" SectionMain
  SectionIn RO
  ; An installed version in another folder goes, so that Veltar loads one plug-in.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $1 HKLM "${PRODUCT_KEY}" "MadeFolder"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
    !insertmacro RemovePluginFolder $0 $1
    StrCpy $1 ""
  ${EndIf}
  ; The topmost folder this setup makes for the plug-in folder, so that the uninstaller removes the
  ; folders up to it, when empty, and none that were there before.
  StrCpy $2 $INSTDIR
  ${DoUntil} ${FileExists} "$2\*.*"
    StrCpy $1 $2
    ${GetParent} $2 $2
  ${LoopUntil} $2 == ""
  WriteRegStr HKLM "${PRODUCT_KEY}" "MadeFolder" $1

  SetOutPath "$INSTDIR"
  File "${PLUGIN_DIR}/oxycalc.dll"
  File "${PLUGIN_DIR}/oxycalcENU.dll"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "$DataFolder"
  ${Tell} "Папка данных: $DataFolder"
  InitPluginsDir
  SetOutPath "$PLUGINSDIR\data"
  !include "${DATA_NSH}"
  FindFirst $2 $3 "$PLUGINSDIR\data\*"
  ${DoWhile} $3 != ""
    ${IfNot} ${FileExists} "$PLUGINSDIR\data\$3\*.*"
      Push $3
      Call PlaceDataFile
    ${EndIf}
    FindNext $2 $3
  ${Loop}
  FindClose $2
  SetOutPath "$INSTDIR"
  SetDetailsPrint both

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/M=oxycalc*.* /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext all
  StrCpy $DataFolder "$DOCUMENTS\Veltar4\oxycalc"
FunctionEnd

Section "Uninstall"
  ; The data files this setup installed, unless the lab changed them since.
  StrCpy $0 0
  ${Do}
    EnumRegValue $1 HKLM "${DATA_KEY}" $0
    ${If} $1 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $0 $0 + 1
    ReadRegStr $2 HKLM "${DATA_KEY}" $1
    Push "$DataFolder\$1"
    Call un.FileChecksum
    Pop $3
    ${If} $3 == $2
      SetDetailsPrint none
      Delete "$DataFolder\$1"
      SetDetailsPrint both
      DetailPrint "Удалён файл данных $1"
    ${ElseIf} $3 != ""
      DetailPrint "Файл $1 изменён после установки и оставлен"
    ${EndIf}
  ${Loop}
  ; Folders only when empty: the lab's tables keep them.
  RMDir "$DataFolder"
  RMDir "$DOCUMENTS\Veltar4"

  ReadRegStr $1 HKLM "${PRODUCT_KEY}" "MadeFolder"
  DeleteRegKey HKLM "${PRODUCT_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Oxylab"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The plug-in folder last, and the folders this setup made for it.
  !insertmacro RemovePluginFolder $INSTDIR $1
SectionEnd
