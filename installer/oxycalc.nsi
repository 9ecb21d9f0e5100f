; oxycalc's setup program: the plug-in and its language library into the host's plug-in folder, the data
; files into Veltar4\oxycalc below the public documents folder; an uninstaller in Windows' list of
; installed programs. Built by installer/CMakeLists.txt (make-setup.sh) with
;   makensis -INPUTCHARSET UTF8 -DPRODUCT_NSH=… -DDATA_NSH=… -DSTAGED_DATA_DIR=… -DPLUGIN_DIR=…
;            -DCOMPARE_TABLES=… -DFINALIZE_UNINSTALLER=… -DICON=… -DOUTFILE=… -DTARGET=… oxycalc.nsi
; The product is the 32-bit setup program; TARGET=amd64-unicode makes the same for the 64-bit build, so that
; the setup program's life cycle is tested where no 32-bit program runs.
; Nothing the lab made is lost:
;   - a table (*.csv: the components table, the limits) the lab changed is never overwritten: the new one
;     goes beside it as NAME.default.csv, and for the components table the values that differ are named;
;     a table still as an earlier setup installed it is replaced;
;   - any other data file (Report.xsl, …) is replaced, but first kept as NAME.backup.EXT when the lab
;     changed it, that is when it is neither what this setup installed last time nor the new file;
;   - the uninstaller removes the libraries and those data files that are still as installed.
; What was installed is remembered per file (size and checksum) in the registry, under DATA_KEY. What the
; setup did is said on its finish page and, also when silent (/S), in the setup log in the data folder.
; Exit codes: 0 done, 1 cancelled by the user, 2 aborted (also: the folder given with /D is no full path
; and is refused), 3 the plug-in is loaded (close Veltar first).

Unicode true
!ifndef TARGET
  !define TARGET "x86-unicode"
!endif
Target ${TARGET}
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
!define COMPONENTS "CompsTableOxycalc.csv"
!define SETUP_LOG "oxycalc-setup.log"
; The setup's helper that compares the components tables as the plug-in does.
!define COMPARE_TABLES_NAME "oxycalc-compare-tables.exe"
; The data files to install (DATA_NSH names them below DATA_DIR); a test makes an older version's setup
; program with other data.
!ifndef DATA_DIR
  !define DATA_DIR "${STAGED_DATA_DIR}"
!endif
; Exists while oxycalc.dll is loaded in any process (src/plugin/LoadedMark.cpp).
!define LOADED_MARK "Global\oxycalc-plugin-loaded"
; What the lab should know of the components table this version ships.
!define TABLE_NEWS "Плотности компонентов в поставляемой таблице даны при 15 °C (до версии 1.1.1.0 — при 20 °C)."
; The finish page's last paragraph.
!define FINISH_LAST "Запустите Veltar: плагин находится в меню «Данные → Расчёты»."
!define EXIT_FOLDER_REFUSED 2
!define EXIT_PLUGIN_LOADED 3

Name "oxycalc ${VERSION}"
OutFile "${OUTFILE}"
; A default for Veltar's plug-in folder (the directory page lets the lab choose); an installed
; version's folder wins, and a folder given with /D wins over both.
!if "${TARGET}" == "amd64-unicode"
  InstallDir "$PROGRAMFILES64\Veltar4\Plugins"
!else
  InstallDir "$PROGRAMFILES\Veltar4\Plugins"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${VENDOR}"
ShowInstDetails show
ShowUninstDetails show
; The uninstaller gets a version resource of its own.
!uninstfinalize '${FINALIZE_UNINSTALLER} "%1" ${UNINSTALLER}' = 0

Var DataFolder
Var OldFolder      ; the plug-in folder of the installed version; "" when none is installed
Var OldVersion
Var KeepOld        ; "1": the plug-in stays in $OldFolder too (asked, or silent)
Var LogFile        ; the setup log, open while the section runs
; The finish page's text in parts, each well below NSIS's limit of a text (NSIS_MAX_STRLEN characters): an
; upgrade that kept every table and file the lab changed has more to say than one text holds.
Var Outcome        ; what was installed where, and a copy left in the old folder
Var TableNote      ; what happened to the components table, and the values that differ
Var TableAdvice    ; what the lab should do about those values
Var OtherNotes     ; other tables kept and files put aside

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Программа установит плагин «Расчёт 207» — определение органических кислородсодержащих соединений по ГОСТ EN 13132-2012 — для Veltar, версию ${VERSION}.$\r$\n$\r$\nЗакройте Veltar перед установкой: иначе плагин не удастся заменить.$\r$\n$\r$\nТаблицы и шаблон отчёта, изменённые в лаборатории, сохраняются.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_DIRECTORYPAGE_TEXT_TOP "Укажите папку плагинов Veltar: из неё Veltar загружает модули расчётов. Туда будут установлены oxycalc.dll и oxycalcENU.dll.$\r$\n$\r$\nТаблица компонентов и шаблон отчёта устанавливаются в папку «Общие документы\Veltar4\oxycalc»."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Папка плагинов Veltar"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
; What was kept and what was replaced stays readable until the user goes on.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$Outcome"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishShow
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

; Whether the plug-in is loaded: "1" while oxycalc.dll's mark exists (any process holds the library), or
; when FOLDER\oxycalc.dll cannot be opened for writing because a process holds it (a version without the
; mark, on Windows); "" otherwise.   Push FOLDER / Call PluginLoaded / Pop RESULT
!macro PLUGIN_LOADED_FUNCTION un
  Function ${un}PluginLoaded
    Exch $0
    Push $1
    Push $2
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${LOADED_MARK}") p .r1'
    ${If} $1 != 0
      System::Call 'kernel32::CloseHandle(p r1)'
      StrCpy $0 "1"
    ${Else}
      StrCpy $2 "$0\oxycalc.dll"
      StrCpy $0 ""
      ${If} ${FileExists} $2
        ; GENERIC_WRITE, no sharing, OPEN_EXISTING: refused with ERROR_SHARING_VIOLATION while loaded.
        System::Call 'kernel32::CreateFileW(w r2, i 0x40000000, i 0, p 0, i 3, i 0x80, p 0) p .r1 ?e'
        Pop $2
        ${If} $1 == -1
          ${If} $2 = 32
            StrCpy $0 "1"
          ${EndIf}
        ${Else}
          System::Call 'kernel32::CloseHandle(p r1)'
        ${EndIf}
      ${EndIf}
    ${EndIf}
    Pop $2
    Pop $1
    Exch $0
  FunctionEnd
!macroend
!insertmacro PLUGIN_LOADED_FUNCTION ""
!insertmacro PLUGIN_LOADED_FUNCTION "un."

; Whether two paths name one folder, however each is written (another drive letter for it, a short name):
; "1" when their texts are equal or both exist and the file system knows them as one.
;   Push PATH / Push PATH / Call SameFolder / Pop RESULT
!macro SAME_FOLDER_FUNCTION un
  Function ${un}SameFolder
    Exch $1
    Exch
    Exch $0
    Push $2
    Push $3
    Push $4
    ${If} $0 == $1
      StrCpy $0 "1"
    ${Else}
      StrCpy $2 $0
      Call ${un}FolderIdentity
      StrCpy $3 $2
      StrCpy $2 $1
      Call ${un}FolderIdentity
      StrCpy $0 ""
      ${If} $2 != ""
      ${AndIf} $2 == $3
        StrCpy $0 "1"
      ${EndIf}
    ${EndIf}
    Pop $4
    Pop $3
    Pop $2
    Exch
    Pop $1
    Exch $0
  FunctionEnd

  ; The volume and file index of the folder in $2, into $2; "" when it cannot be opened. Uses $4.
  Function ${un}FolderIdentity
    Push $5
    Push $6
    Push $7
    ; No access asked, every sharing allowed, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS (a folder).
    System::Call 'kernel32::CreateFileW(w r2, i 0, i 7, p 0, i 3, i 0x02000000, p 0) p .r4'
    StrCpy $2 ""
    ${If} $4 != -1
      ; BY_HANDLE_FILE_INFORMATION: attributes, three times, volume, size, links, index.
      System::Call '*(i, i, i, i, i, i, i, i, i, i, i, i, i) p .r5'
      System::Call 'kernel32::GetFileInformationByHandle(p r4, p r5) i .r6'
      ${If} $6 <> 0
        System::Call '*$5(i, i, i, i, i, i, i, i .r6, i, i, i, i .r7, i .r2)'
        StrCpy $2 "$6:$7:$2"
      ${EndIf}
      System::Free $5
      System::Call 'kernel32::CloseHandle(p r4)'
    ${EndIf}
    Pop $7
    Pop $6
    Pop $5
  FunctionEnd
!macroend
!insertmacro SAME_FOLDER_FUNCTION ""
!insertmacro SAME_FOLDER_FUNCTION "un."

; Asks until the plug-in is no longer loaded: "1" when it still is and the user gave up, or in silent mode
; (where nobody can close Veltar); "" when it is free.   Push FOLDER / Call WaitForPlugin / Pop RESULT
!macro WAIT_FOR_PLUGIN_FUNCTION un
  Function ${un}WaitForPlugin
    Exch $0
    Push $1
    ${Do}
      Push $0
      Call ${un}PluginLoaded
      Pop $1
      ${If} $1 == ""
      ${OrIf} ${Silent}
        ${ExitDo}
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Плагин oxycalc загружен: Veltar (или другая программа) работает с ним, и заменить или удалить его нельзя.$\r$\n$\r$\nЗакройте Veltar и нажмите «Повтор»." IDRETRY retry
      ${ExitDo}
      retry:
    ${Loop}
    StrCpy $0 $1
    Pop $1
    Exch $0
  FunctionEnd
!macroend
!insertmacro WAIT_FOR_PLUGIN_FUNCTION ""
!insertmacro WAIT_FOR_PLUGIN_FUNCTION "un."

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

; The setup log in the data folder, UTF-16 with a byte-order mark (Notepad reads it), one block per run.
Function OpenLog
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  CreateDirectory $DataFolder
  ClearErrors
  FileOpen $LogFile "$DataFolder\${SETUP_LOG}" a
  ${If} ${Errors}
    StrCpy $LogFile ""
  ${Else}
    FileSeek $LogFile 0 END $0
    ${If} $0 = 0
      FileWriteWord $LogFile 0xFEFF
    ${EndIf}
    ${GetTime} "" "L" $0 $1 $2 $3 $4 $5 $6
    ${If} ${Silent}
      StrCpy $3 "без вопросов (/S)"
    ${Else}
      StrCpy $3 "с вопросами"
    ${EndIf}
    FileWriteUTF16LE $LogFile "$\r$\n---- $0.$1.$2 $4:$5:$6, установка oxycalc ${VERSION}, $3$\r$\n"
  ${EndIf}
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Function LogLine
  Exch $0
  ${If} $LogFile != ""
    FileWriteUTF16LE $LogFile "$0$\r$\n"
  ${EndIf}
  Pop $0
FunctionEnd

Function CloseLog
  ${If} $LogFile != ""
    FileClose $LogFile
    StrCpy $LogFile ""
  ${EndIf}
FunctionEnd

; A line in the details list and in the setup log; the file operations around it print none of their own.
!macro Say text
  SetDetailsPrint listonly
  DetailPrint "${text}"
  SetDetailsPrint none
  Push "${text}"
  Call LogLine
!macroend
!define Say "!insertmacro Say"

; Ends a run that cannot go on before anything was changed: the reason in a box (unless silent) and in the
; setup log, and the exit code.
!macro Refuse text code
  MessageBox MB_OK|MB_ICONSTOP "${text}" /SD IDOK
  Call OpenLog
  Push "${text}"
  Call LogLine
  Push "Установка отменена, код выхода ${code}."
  Call LogLine
  Call CloseLog
  SetErrorLevel ${code}
  Quit
!macroend

; Whether a text holds one of the characters a folder's name cannot: Push TEXT / Call HasBadCharacter /
; Pop RESULT ("1" or "").
Function HasBadCharacter
  Exch $0
  Push $1
  Push $2
  Push $3
  StrCpy $3 ""
  StrLen $1 $0
  ${Do}
    IntOp $1 $1 - 1
    ${If} $1 < 0
      ${ExitDo}
    ${EndIf}
    StrCpy $2 $0 1 $1
    ${If} $2 == '"'
    ${OrIf} $2 == "*"
    ${OrIf} $2 == "?"
    ${OrIf} $2 == "<"
    ${OrIf} $2 == ">"
    ${OrIf} $2 == "|"
    ${OrIf} $2 == "/"
      StrCpy $3 "1"
    ${ElseIf} $2 == ":"
    ${AndIf} $1 != 1
      StrCpy $3 "1"
    ${EndIf}
  ${Loop}
  StrCpy $0 $3
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; The folder given with /D=, however it was quoted. NSIS itself takes /D= only unquoted, as the last
; switch; "/D=C:\Lab Q\Plugins" or /D="C:\Lab Q\Plugins" would be dropped without a word and the previous
; folder used. Taken here from the process's own command line; a folder that is no full path is refused.
Function TakeFolderFromCommandLine
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  System::Call 'kernel32::GetCommandLineW() w .r0'
  ; The last "/D=" that begins a switch: after a blank or an opening quote.
  StrCpy $3 ""
  StrLen $1 $0
  ${Do}
    IntOp $1 $1 - 1
    ${If} $1 < 1
      ${ExitDo}
    ${EndIf}
    StrCpy $2 $0 3 $1
    ${If} $2 S== "/D="
      IntOp $4 $1 - 1
      StrCpy $4 $0 1 $4
      ${If} $4 == " "
      ${OrIf} $4 == '"'
        IntOp $1 $1 + 3
        StrCpy $3 $0 "" $1
        StrCpy $2 "found"
        ${ExitDo}
      ${EndIf}
    ${EndIf}
  ${Loop}
  ${If} $2 == "found"
    ; Blanks and the quotes around the folder, or around the whole switch, go.
    ${Do}
      StrCpy $4 $3 1 -1
      ${If} $4 != " "
      ${AndIf} $4 != '"'
        ${ExitDo}
      ${EndIf}
      StrCpy $3 $3 -1
    ${Loop}
    StrCpy $4 $3 1
    ${If} $4 == '"'
      StrCpy $3 $3 "" 1
    ${EndIf}
    ${If} $3 != ""
      StrCpy $4 $3 1 -1
      ${If} $4 == "\"
        StrCpy $3 $3 -1
      ${EndIf}
    ${EndIf}
    ; A full path: a drive's folder or a network share's, without a character no name may hold.
    StrCpy $1 $3 2 1
    StrCpy $2 $3 2
    StrCpy $4 "1"
    ${If} $1 == ":\"
    ${OrIf} $2 == "\\"
      Push $3
      Call HasBadCharacter
      Pop $4
    ${EndIf}
    ${If} $4 != ""
      !insertmacro Refuse "Папка плагинов в командной строке не подходит: «$3».$\r$\n$\r$\nУкажите полный путь последним ключом: /D=C:\Папка или /D=$\"C:\Папка с пробелами$\"." ${EXIT_FOLDER_REFUSED}
    ${EndIf}
    StrCpy $INSTDIR $3
  ${EndIf}
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; The difference between the lab's components table and the new one, as the plug-in names it, from the
; setup's helper: Push LAB / Push NEW / Call CompareComponents / Pop COUNT (-1: a table does not read) /
; Pop LINES (one per component, as many as the finish page's text can hold). Every line goes into the
; setup log.
Function CompareComponents
  Exch $1  ; new
  Exch
  Exch $0  ; lab
  Push $2
  Push $3
  Push $4
  Push $5
  Push $6
  StrCpy $4 0
  StrCpy $5 ""
  StrCpy $6 0
  Delete "$PLUGINSDIR\differences.txt"
  ClearErrors
  ExecWait '"$PLUGINSDIR\${COMPARE_TABLES_NAME}" "$0" "$1" "$PLUGINSDIR\differences.txt"' $2
  ${If} ${Errors}
    StrCpy $4 -1
  ${ElseIf} $2 = 1
    FileOpen $3 "$PLUGINSDIR\differences.txt" r
    ${Do}
      ClearErrors
      FileReadUTF16LE $3 $2
      ${If} ${Errors}
        ${ExitDo}
      ${EndIf}
      ${Do}
        StrCpy $0 $2 1 -1
        ${If} $0 != "$\r"
        ${AndIf} $0 != "$\n"
          ${ExitDo}
        ${EndIf}
        StrCpy $2 $2 -1
      ${Loop}
      ${Say} "    $2"
      IntOp $4 $4 + 1
      ; A text holds at most NSIS_MAX_STRLEN characters: the rest is said by count.
      StrLen $0 "$5$2"
      ${If} $0 < 600
        StrCpy $5 "$5$2;$\r$\n"
      ${Else}
        IntOp $6 $6 + 1
      ${EndIf}
    ${Loop}
    FileClose $3
    ${If} $6 > 0
      StrCpy $5 "$5… и ещё $6 — в журнале установки.$\r$\n"
    ${EndIf}
  ${ElseIf} $2 <> 0
    StrCpy $4 -1
  ${EndIf}
  StrCpy $0 $4
  StrCpy $1 $5
  Pop $6
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  ; The caller's $0 and $1 back, the lines and then the count on the stack.
  Exch
  Exch $1
  Exch
  Exch $0
FunctionEnd

; Removes a data file when it is still as an earlier setup put it there: a NAME.default.csv beside a
; table replaced or already as new (an old one would be compared with it), or a file no longer shipped.
;   Push NAME / Call RemoveIfAsInstalled
Function RemoveIfAsInstalled
  Exch $0
  Push $1
  Push $2
  ReadRegStr $1 HKLM "${DATA_KEY}" $0
  ${If} $1 != ""
    ${If} ${FileExists} "$DataFolder\$0"
      Push "$DataFolder\$0"
      Call FileChecksum
      Pop $2
      ${If} $2 == $1
        Delete "$DataFolder\$0"
        DeleteRegValue HKLM "${DATA_KEY}" $0
        ${Say} "Удалён прежний файл $0"
      ${EndIf}
    ${Else}
      DeleteRegValue HKLM "${DATA_KEY}" $0
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Copies a new data file over the lab's, remembering what was installed; "1" when it could not be written
; (another program holds it).   Push FILE_NAME / Push CHECKSUM / Call PutNewFile / Pop FAILED
Function PutNewFile
  Exch $1
  Exch
  Exch $0
  ClearErrors
  CopyFiles /SILENT "$PLUGINSDIR\data\$0" "$DataFolder\$0"
  ${If} ${Errors}
    StrCpy $0 "1"
  ${Else}
    WriteRegStr HKLM "${DATA_KEY}" $0 $1
    StrCpy $0 ""
  ${EndIf}
  Exch
  Pop $1
  Exch $0
FunctionEnd

; Places a new table (*.csv): installed where there is none, replaced where it is as an earlier setup
; installed it, left where it is already as new, and otherwise kept with the new one beside it as
; NAME.default.csv.   Push FILE_NAME / Push NEW_CHECKSUM / Call PlaceTable
Function PlaceTable
  Exch $1  ; the new table's checksum
  Exch
  Exch $0  ; its name
  Push $2
  Push $3
  Push $4
  Push $5
  StrCpy $5 $0 -4
  StrCpy $5 "$5.default.csv"
  ReadRegStr $4 HKLM "${DATA_KEY}" $0
  ; What is there: none, the new table, the one installed before, or the lab's own (also one that does
  ; not read: it is not overwritten).
  StrCpy $2 "lab"
  ${IfNot} ${FileExists} "$DataFolder\$0"
    StrCpy $2 "none"
  ${Else}
    Push "$DataFolder\$0"
    Call FileChecksum
    Pop $3
    ${If} $3 == ""
      StrCpy $2 "lab"
    ${ElseIf} $3 == $1
      StrCpy $2 "new"
    ${ElseIf} $3 == $4
      StrCpy $2 "installed"
    ${EndIf}
  ${EndIf}
  ${If} $2 == "none"
  ${OrIf} $2 == "installed"
    Push $0
    Push $1
    Call PutNewFile
    Pop $3
    ${If} $3 != ""
      ${Say} "Файл $0 занят другой программой и не заменён: закройте его и установите плагин ещё раз"
      StrCpy $OtherNotes "$OtherNotes$0 занят другой программой и не заменён.$\r$\n"
    ${ElseIf} $2 == "none"
      ${Say} "Установлен файл $0"
      ${If} $0 == "${COMPONENTS}"
      ${AndIf} $OldFolder != ""
        StrCpy $TableNote "Таблица компонентов установлена.$\r$\n"
      ${EndIf}
    ${Else}
      ${Say} "Файл $0 не менялся в лаборатории и заменён новым"
      ${If} $0 == "${COMPONENTS}"
        StrCpy $TableNote "Таблица компонентов не менялась в лаборатории и заменена новой. ${TABLE_NEWS}$\r$\n"
      ${EndIf}
    ${EndIf}
    Push $5
    Call RemoveIfAsInstalled
  ${ElseIf} $2 == "new"
    WriteRegStr HKLM "${DATA_KEY}" $0 $1
    ${Say} "Файл $0 лаборатории уже совпадает с новым"
    ${If} $0 == "${COMPONENTS}"
      StrCpy $TableNote "Таблица компонентов лаборатории уже совпадает с новой.$\r$\n"
    ${EndIf}
    Push $5
    Call RemoveIfAsInstalled
  ${Else}
    Delete "$DataFolder\$5"
    CopyFiles /SILENT "$PLUGINSDIR\data\$0" "$DataFolder\$5"
    WriteRegStr HKLM "${DATA_KEY}" $5 $1
    ${Say} "Оставлен файл лаборатории $0, новый по умолчанию — рядом: $5"
    ${If} $0 == "${COMPONENTS}"
      Push "$DataFolder\$0"
      Push "$DataFolder\$5"
      Call CompareComponents
      Pop $2  ; how many differ
      Pop $3  ; the first of them
      StrCpy $TableNote "Таблица компонентов лаборатории оставлена, новая — рядом: $5.$\r$\n"
      ${If} $2 > 0
        ${Say} "Значения таблиц различаются у компонентов: $2 (выше). Плагин называет их в каждом расчёте, пока таблица лаборатории не сохранена в модуле или файл $5 не удалён."
        StrCpy $TableNote "$TableNote$\r$\nРазличаются значения компонентов ($2):$\r$\n$3"
        StrCpy $TableAdvice "$\r$\n${TABLE_NEWS}$\r$\n$\r$\nПлагин называет эти различия в каждом расчёте, пока таблица лаборатории не сверена и не сохранена в модуле.$\r$\n"
      ${ElseIf} $2 = 0
        ${Say} "Молярные массы, плотности и атомы O общих компонентов совпадают"
        StrCpy $TableNote "$TableNote$\r$\nМолярные массы, плотности и атомы O общих компонентов совпадают.$\r$\n"
      ${Else}
        ${Say} "Сравнить таблицы не удалось: таблица лаборатории не читается"
        StrCpy $TableNote "$TableNote$\r$\nСравнить их не удалось: таблица лаборатории не читается.$\r$\n"
      ${EndIf}
    ${Else}
      StrCpy $OtherNotes "$OtherNotes$0 лаборатории оставлен, новый — рядом: $5.$\r$\n"
    ${EndIf}
  ${EndIf}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $0
  Pop $1
FunctionEnd

; Places any other data file: replaced, and first kept as a backup when the lab changed it.
;   Push FILE_NAME / Push NEW_CHECKSUM / Call PlaceFile
Function PlaceFile
  Exch $1
  Exch
  Exch $0
  Push $2
  Push $3
  Push $4
  Push $5
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
        ${Say} "Изменённый файл $0 сохранён как $5"
        StrCpy $OtherNotes "$OtherNotes$0, изменённый в лаборатории, сохранён как $5.$\r$\n"
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ; A changed file that could not be put aside is not replaced either.
  ${If} $2 == "keep"
    ${Say} "Изменённый файл $0 занят и оставлен, новый не установлен"
    StrCpy $OtherNotes "$OtherNotes$0 занят другой программой и не заменён.$\r$\n"
  ${Else}
    Push $0
    Push $1
    Call PutNewFile
    Pop $2
    ${If} $2 != ""
      ${Say} "Файл $0 занят другой программой и не заменён"
      StrCpy $OtherNotes "$OtherNotes$0 занят другой программой и не заменён.$\r$\n"
    ${Else}
      ${Say} "Установлен файл $0"
    ${EndIf}
  ${EndIf}
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $0
  Pop $1
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

; The topmost folder of PATH that does not exist yet (made when PATH is made), or "" when PATH exists.
;   Push PATH / Call TopmostMissing / Pop FOLDER
Function TopmostMissing
  Exch $0
  Push $1
  StrCpy $1 ""
  ${DoUntil} ${FileExists} "$0\*.*"
    StrCpy $1 $0
    ${GetParent} $0 $0
  ${LoopUntil} $0 == ""
  StrCpy $0 $1
  Pop $1
  Exch $0
FunctionEnd

Function .onInit
  SetShellVarContext all
  StrCpy $DataFolder "$DOCUMENTS\Veltar4\oxycalc"
  ReadRegStr $OldFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $OldVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
  ; Silent: the plug-in stays where it was installed before, and a new folder gets one beside it.
  StrCpy $KeepOld "1"
  Call TakeFolderFromCommandLine
  ${If} ${Silent}
    Push $INSTDIR
    Call PluginLoaded
    Pop $0
    ${If} $0 != ""
      !insertmacro Refuse "Плагин oxycalc загружен: Veltar (или другая программа) работает с ним, и заменить его нельзя. Закройте Veltar и запустите установку снова." ${EXIT_PLUGIN_LOADED}
    ${EndIf}
  ${EndIf}
FunctionEnd

; "1" when the plug-in goes into another folder than the installed version's.   Call MovesAway / Pop RESULT
Function MovesAway
  Push $0
  StrCpy $0 ""
  ${If} $OldFolder != ""
    Push $OldFolder
    Push $INSTDIR
    Call SameFolder
    Pop $0
    ${If} $0 == ""
      StrCpy $0 "1"
    ${Else}
      StrCpy $0 ""
    ${EndIf}
  ${EndIf}
  Exch $0
FunctionEnd

; After the plug-in folder is chosen: Veltar must not hold the plug-in, and a plug-in installed in
; another folder stays there only when the user says so.
Function DirectoryLeave
  Push $INSTDIR
  Call WaitForPlugin
  Pop $0
  ${If} $0 != ""
    Abort
  ${EndIf}
  StrCpy $KeepOld ""
  Call MovesAway
  Pop $0
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$OldFolder\oxycalc.dll"
    MessageBox MB_YESNOCANCEL|MB_ICONQUESTION "Плагин уже установлен в другой папке:$\r$\n$OldFolder$\r$\n$\r$\nVeltar загружает плагины из своей папки плагинов. Удалить плагин из прежней папки?$\r$\n$\r$\n«Да» — удалить: плагин будет только в новой папке.$\r$\n«Нет» — оставить обе копии.$\r$\n«Отмена» — выбрать другую папку." IDYES yes IDNO no
    Abort
    no:
      StrCpy $KeepOld "1"
    yes:
  ${EndIf}
FunctionEnd

Section "oxycalc" SectionMain
  SectionIn RO
  ; Veltar may have been started since the folder was chosen.
  Push $INSTDIR
  Call WaitForPlugin
  Pop $0
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "Установка отменена: плагин загружен. Закройте Veltar и запустите установку снова." /SD IDOK
    SetErrorLevel ${EXIT_PLUGIN_LOADED}
    Abort
  ${EndIf}

  ; The folders the setup makes for the data, so that the uninstaller removes those, when empty, and
  ; none that were there before. An earlier record stays.
  ; An upgrade over a version that kept no record leaves none: its uninstaller removes them when empty.
  ReadRegStr $1 HKLM "${PRODUCT_KEY}" "MadeDataFolder"
  ${If} $1 == ""
    Push $DataFolder
    Call TopmostMissing
    Pop $0
    ${If} $0 != ""
      WriteRegStr HKLM "${PRODUCT_KEY}" "MadeDataFolder" $0
    ${ElseIf} $OldFolder == ""
      WriteRegStr HKLM "${PRODUCT_KEY}" "MadeDataFolder" "none"
    ${EndIf}
  ${EndIf}
  Call OpenLog
  ${Say} "Папка плагинов: $INSTDIR"
  ${Say} "Папка данных: $DataFolder"
  StrCpy $TableNote ""
  StrCpy $TableAdvice ""
  StrCpy $OtherNotes ""
  StrCpy $Outcome ""

  ; An installed version in another folder goes, unless the plug-in is to stay there as well (Veltar
  ; loads plug-ins from one folder, so a lab with one Veltar needs one copy).
  ReadRegStr $1 HKLM "${PRODUCT_KEY}" "MadeFolder"
  Call MovesAway
  Pop $2
  ${If} $2 != ""
    ${If} $KeepOld == "1"
      ${Say} "Прежняя копия плагина оставлена в папке $OldFolder: теперь он установлен в обеих папках. Veltar загружает плагины из своей папки плагинов; лишнюю копию удалите программой $OldFolder\${UNINSTALLER}"
      StrCpy $Outcome "Прежняя копия плагина оставлена в папке$\r$\n$OldFolder:$\r$\nлишнюю удалите программой ${UNINSTALLER} в ней.$\r$\n$\r$\n"
    ${Else}
      !insertmacro RemovePluginFolder $OldFolder $1
      ${Say} "Плагин удалён из прежней папки $OldFolder"
    ${EndIf}
    StrCpy $1 ""
  ${EndIf}
  ; The topmost folder this setup makes for the plug-in folder, so that the uninstaller removes the
  ; folders up to it, when empty, and none that were there before.
  ${If} $2 != ""
  ${OrIf} $OldFolder == ""
    Push $INSTDIR
    Call TopmostMissing
    Pop $1
  ${EndIf}
  WriteRegStr HKLM "${PRODUCT_KEY}" "MadeFolder" $1

  SetOutPath "$INSTDIR"
  File "${PLUGIN_DIR}/oxycalc.dll"
  File "${PLUGIN_DIR}/oxycalcENU.dll"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ${Say} "Установлены oxycalc.dll и oxycalcENU.dll"
  ; A copy left in the old folder gets this version's uninstaller, which removes only that copy.
  ${If} $2 != ""
  ${AndIf} $KeepOld == "1"
  ${AndIf} ${FileExists} "$OldFolder\${UNINSTALLER}"
    CopyFiles /SILENT "$INSTDIR\${UNINSTALLER}" "$OldFolder\${UNINSTALLER}"
  ${EndIf}

  InitPluginsDir
  SetOutPath "$PLUGINSDIR"
  File "/oname=${COMPARE_TABLES_NAME}" "${COMPARE_TABLES}"
  SetOutPath "$PLUGINSDIR\data"
  !include "${DATA_NSH}"
  FindFirst $2 $3 "$PLUGINSDIR\data\*"
  ${DoWhile} $3 != ""
    ${IfNot} ${FileExists} "$PLUGINSDIR\data\$3\*.*"
      Push "$PLUGINSDIR\data\$3"
      Call FileChecksum
      Pop $4
      Push $3
      Push $4
      StrCpy $5 $3 "" -4
      ${If} $5 == ".csv"
        Call PlaceTable
      ${Else}
        Call PlaceFile
      ${EndIf}
    ${EndIf}
    FindNext $2 $3
  ${Loop}
  FindClose $2
  ; Earlier versions installed each page as a structure, shared chart templates and words files that the
  ; pages imported; every page is one file now. Those still as installed go.
  Push "ReportPage.xsl"
  Call RemoveIfAsInstalled
  Push "BatchIndexPage.xsl"
  Call RemoveIfAsInstalled
  Push "QcChartPage.xsl"
  Call RemoveIfAsInstalled
  Push "Words.ru.xsl"
  Call RemoveIfAsInstalled
  Push "Words.en.xsl"
  Call RemoveIfAsInstalled
  SetOutPath "$INSTDIR"

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

  ; The finish page: what the lab must know first.
  ${If} $OldFolder == ""
    StrCpy $0 "Плагин установлен в папку$\r$\n$INSTDIR,$\r$\nтаблицы и шаблон отчёта — в папку$\r$\n$DataFolder.$\r$\n$\r$\n"
  ${ElseIf} $OldVersion == "${VERSION}"
    StrCpy $0 "Плагин версии ${VERSION} установлен заново в папку$\r$\n$INSTDIR.$\r$\n$\r$\n"
  ${Else}
    StrCpy $0 "Плагин обновлён с версии $OldVersion до ${VERSION} в папке$\r$\n$INSTDIR.$\r$\n$\r$\n"
  ${EndIf}
  StrCpy $Outcome "$0$Outcome"
  ${If} $TableAdvice != ""
    StrCpy $TableAdvice "$TableAdvice$\r$\n"
  ${ElseIf} $TableNote != ""
    StrCpy $TableNote "$TableNote$\r$\n"
  ${EndIf}
  ${If} $OtherNotes != ""
    StrCpy $OtherNotes "$OtherNotes$\r$\n"
  ${EndIf}
  Push "Готово"
  Call LogLine
  Call CloseLog
  SetDetailsPrint both
SectionEnd

; About how many lines a text takes on the finish page, its lines wrapped at 46 characters:
;   Push TEXT / Call FinishLines / Pop COUNT
Function FinishLines
  Exch $0
  Push $1
  Push $2
  Push $3
  Push $4
  Push $5
  StrCpy $1 0  ; lines
  StrCpy $3 0  ; characters of the line so far
  StrLen $4 $0
  ${For} $2 0 $4
    StrCpy $5 $0 1 $2
    ${If} $5 == "$\n"
    ${OrIf} $5 == ""
      IntOp $3 $3 / 46
      IntOp $1 $1 + $3
      IntOp $1 $1 + 1
      StrCpy $3 0
    ${ElseIf} $5 != "$\r"
      IntOp $3 $3 + 1
    ${EndIf}
  ${Next}
  StrCpy $0 $1
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Appends a part of the finish page's text to the box made for it: Push PART / Push BOX / Call AppendToBox
Function AppendToBox
  Exch $0  ; the box
  Exch
  Exch $1  ; the part
  Push $2
  ${If} $1 != ""
    SendMessage $0 ${WM_GETTEXTLENGTH} 0 0 $2
    SendMessage $0 ${EM_SETSEL} $2 $2
    SendMessage $0 ${EM_REPLACESEL} 0 "STR:$1"
  ${EndIf}
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; The finish page's text: on the page's label when it is short, else in a read-only box that scrolls. An
; upgrade may have more to say (every value that differs, the tables kept) than the label, or one NSIS
; text, holds: the box takes the parts one by one.
Function FinishShow
  StrLen $0 $Outcome
  StrLen $1 $TableNote
  IntOp $0 $0 + $1
  StrLen $1 $TableAdvice
  IntOp $0 $0 + $1
  StrLen $1 $OtherNotes
  IntOp $0 $0 + $1
  StrLen $1 "${FINISH_LAST}"
  IntOp $0 $0 + $1
  ${If} $0 < ${NSIS_MAX_STRLEN}
    StrCpy $0 "$Outcome$TableNote$TableAdvice$OtherNotes${FINISH_LAST}"
    Push $0
    Call FinishLines
    Pop $1
    ${If} $1 <= 15
      SendMessage $mui.FinishPage.Text ${WM_SETTEXT} 0 "STR:$0"
      Return
    ${EndIf}
  ${EndIf}
  ShowWindow $mui.FinishPage.Text ${SW_HIDE}
  nsDialogs::CreateControl EDIT ${WS_CHILD}|${WS_VISIBLE}|${WS_VSCROLL}|${ES_MULTILINE}|${ES_READONLY} 0 120u 45u 195u 130u $Outcome
  Pop $0
  SetCtlColors $0 "${MUI_TEXTCOLOR}" "${MUI_BGCOLOR}"
  SendMessage $mui.FinishPage.Text ${WM_GETFONT} 0 0 $1
  SendMessage $0 ${WM_SETFONT} $1 1
  Push $TableNote
  Push $0
  Call AppendToBox
  Push $TableAdvice
  Push $0
  Call AppendToBox
  Push $OtherNotes
  Push $0
  Call AppendToBox
  Push "${FINISH_LAST}"
  Push $0
  Call AppendToBox
  ; The box shows its beginning.
  SendMessage $0 ${EM_SETSEL} 0 0
  SendMessage $0 ${EM_SCROLLCARET} 0 0
FunctionEnd

Function un.onInit
  SetShellVarContext all
  StrCpy $DataFolder "$DOCUMENTS\Veltar4\oxycalc"
FunctionEnd

; The uninstaller runs as a copy of itself in the temporary folder (so that it can remove its own folder),
; which Windows would delete only at the next restart: a hidden command prompt deletes it once it ends.
Function un.RemoveTemporaryCopy
  Push $0
  Push $1
  ${GetParent} $EXEDIR $0
  ${GetFileName} $EXEDIR $1
  StrCpy $1 $1 4
  ${If} $0 == $TEMP
  ${AndIf} $1 == "~nsu"
    SetOutPath $TEMP
    ExecShell "open" "$SYSDIR\cmd.exe" '/d /q /c for /l %i in (1,1,60) do @(ping -n 2 127.0.0.1 & del "$EXEPATH" & rmdir "$EXEDIR" & if not exist "$EXEDIR" exit)' SW_HIDE
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd

Function un.onGUIEnd
  Call un.RemoveTemporaryCopy
FunctionEnd

Section "Uninstall"
  Push $INSTDIR
  Call un.WaitForPlugin
  Pop $0
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "Удаление отменено: плагин загружен. Закройте Veltar и запустите удаление снова." /SD IDOK
    SetErrorLevel ${EXIT_PLUGIN_LOADED}
    Abort
  ${EndIf}

  ; A copy left in a folder the plug-in moved away from: only its own files go; the installed plug-in,
  ; its data files and Windows' entry stay.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $1 "1"
  ${If} ${FileExists} "$0\${UNINSTALLER}"
    Push $0
    Push $INSTDIR
    Call un.SameFolder
    Pop $1
  ${EndIf}
  ${If} $1 == ""
    !insertmacro RemovePluginFolder $INSTDIR ""
    RMDir $INSTDIR
    DetailPrint "Удалена копия плагина из папки $INSTDIR; установленный плагин в папке $0 остаётся"
    Goto done
  ${EndIf}

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
  Delete "$DataFolder\${SETUP_LOG}"
  ; Folders only when empty, and only those the setup made: the lab's tables and logs keep them.
  ReadRegStr $1 HKLM "${PRODUCT_KEY}" "MadeDataFolder"
  ${If} $1 == ""
    ; Recorded by no earlier version: both, when empty.
    StrCpy $1 "$DOCUMENTS\Veltar4"
  ${EndIf}
  ${If} $1 != "none"
    StrCpy $2 $DataFolder
    StrLen $3 $1
    StrCpy $3 $2 $3
    ${If} $3 == $1
      ${Do}
        RMDir $2
        ${If} $2 == $1
          ${ExitDo}
        ${EndIf}
        ${GetParent} $2 $2
      ${LoopUntil} $2 == ""
    ${EndIf}
  ${EndIf}

  ReadRegStr $1 HKLM "${PRODUCT_KEY}" "MadeFolder"
  DeleteRegKey HKLM "${PRODUCT_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Oxylab"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ; The plug-in folder last, and the folders this setup made for it.
  !insertmacro RemovePluginFolder $INSTDIR $1
  done:
  ${If} ${Silent}
    Call un.RemoveTemporaryCopy
  ${EndIf}
SectionEnd
