; The Windows installer of Vettora (NSIS 3, 64-bit): build.sh package runs
;   makensis -DIDENTITY=<product_identity.h> -DSTAGE=<install tree> -DUNINSTALL_LIST=<file>
;            -DICON=<.ico> -DSIDE_BITMAP=<.bmp> -DOUTFILE=<setup.exe>
; It installs the tree into Program Files\Vettora (or a folder the user picks), adds a
; Start-menu entry and an entry in the list of installed programs, and writes an
; uninstaller that removes exactly what was installed. An earlier install is removed by
; its own uninstaller first. Neither installs nor uninstalls while Vettora runs.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

; The product's name, version and instance name, as the build wrote them for the program.
!searchparse /file "${IDENTITY}" '#define VETTORA_PRODUCT "' PRODUCT '"'
!searchparse /file "${IDENTITY}" '#define VETTORA_VERSION "' VERSION '"'
!searchparse /file "${IDENTITY}" '#define VETTORA_INSTANCE_NAME "' INSTANCE_NAME '"'
!searchparse /file "${IDENTITY}" '#define VETTORA_UPDATER_INSTANCE_NAME "' UPDATER_INSTANCE_NAME '"'
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; Every running copy of the program holds this mutex of its Windows session, whatever its
; version; the updater, which may run on after the program has closed, holds the second;
; copies of 3.0.0.0 built before the name was settled hold the third.
!define RUNNING_MUTEX "Local\${INSTANCE_NAME}"
!define UPDATER_RUNNING_MUTEX "Local\${UPDATER_INSTANCE_NAME}"
!define EARLIER_RUNNING_MUTEX "Local\${PRODUCT} Ver.3.0.0.0"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "© 2026 Vettora developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE_BITMAP}"
; The installer runs elevated; the program it offers to start runs as the signed-in user.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; Waits until no Vettora runs: the person closes it and retries, or cancels. Cancelling,
; and a silent run that finds it running, end the setup with exit code 2 and nothing changed.
!macro WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
  check:
    StrCpy $2 "${RUNNING_MUTEX}"
  look:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r2) p .r0 ?e'
    Pop $1
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 <> 5  ; ERROR_ACCESS_DENIED: there, but another user's
        ${If} $2 == "${RUNNING_MUTEX}"
            StrCpy $2 "${UPDATER_RUNNING_MUTEX}"
            Goto look
        ${ElseIf} $2 == "${UPDATER_RUNNING_MUTEX}"
            StrCpy $2 "${EARLIER_RUNNING_MUTEX}"
            Goto look
        ${EndIf}
        Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} 正在运行。$\r$\n$\r$\n请先关闭 ${PRODUCT}，再点“重试”继续；点“取消”退出。" /SD IDCANCEL IDRETRY check
    SetErrorLevel 2
    Quit
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} 需要 64 位的 Windows。" /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
    Call WaitUntilClosed
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
    Call un.WaitUntilClosed
FunctionEnd

; The shell of the signed-in user starts it, not this elevated process.
Function StartAsUser
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\vettora.exe"'
FunctionEnd

Section "${PRODUCT}"
    Call WaitUntilClosed  ; it may have been started while the wizard was open
    ; An earlier install goes first, by its own uninstaller, wherever it is.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ExecWait '"$0\uninstall.exe" /S _?=$0' $1
        ${If} $1 <> 0
            MessageBox MB_OK|MB_ICONSTOP "无法卸载此前安装的 ${PRODUCT}（$0）。" /SD IDOK
            SetErrorLevel 2
            Quit
        ${EndIf}
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\vettora.exe" "" "$INSTDIR\vettora.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vettora developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vettora.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    ; In place (_?=, raw and last), so that whoever runs it waits for it and gets its exit code,
    ; not that of the copy it would otherwise start from the temporary folder and not wait for.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The program's files go first, vettora.exe before all: while a copy of the program runs,
; its file cannot be removed, and then nothing is. A file that stays keeps the uninstaller,
; its entry in the installed programs and the Start-menu entry, so that it can be run again.
Section "Uninstall"
    Call un.WaitUntilClosed  ; it may have been started while the confirmation page was open
    ClearErrors
    Delete "$INSTDIR\vettora.exe"
    IfErrors kept
!include "${UNINSTALL_LIST}"
    IfErrors kept
    ; Run in place (_?=), the uninstaller cannot remove its own file, which it runs from; it
    ; stays alone in the folder. Marked for removal at the next restart it would take with it
    ; the uninstaller of an install made into the same folder before then.
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    Return
  kept:
    MessageBox MB_OK|MB_ICONSTOP "有些文件正被使用，无法删除，${PRODUCT} 没有卸载完。$\r$\n$\r$\n请关闭使用它们的程序（如 ${PRODUCT}）后再次卸载；卸载程序和“程序和功能”中的 ${PRODUCT} 都已保留。" /SD IDOK
    SetErrorLevel 2
    Abort
SectionEnd
