; The per-user installer of the screen saver.
;   makensis -INPUTCHARSET UTF8 -DTARGET=x86-unicode -DVERSION=1.00 -DVERSION_QUAD=1.0.0.0
;            -DSAVER=... -DVIEWER=... -DREADME=... [-DSIGN=sign.py]
;            -DOUTFILE=... -DOUTNAME=... tesselune.nsi
; TARGET is x86-unicode for the 32-bit programs, amd64-unicode for the 64-bit
; ones; the installer then is a program of the same kind. SIGN, when given,
; signs the uninstaller before it goes into the installer, so that what the
; installer writes is signed.
; Both programs go side by side into a folder of the user's own, which the
; user can write: the settings dialog saves Tesselune.ini beside the saver, and
; needs no administrator rights for it. The saver becomes this user's screen
; saver; the uninstaller takes back what the installer did, and the photograph
; of the screen that the saver leaves.

Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; NOTE: with file times stored, the installer would change with every build
; of the same programs.
SetDateSave off
!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1" "%1"' = 0
!endif

!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Tesselune (ScreenSaver)"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselune"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_SENDCHANGE 2
; The photograph of the screen that the saver leaves in this account's own
; profile, and the temporary file that a run cut short mid-write leaves
; beside it.
!define SNAPSHOT_FOLDER "$LOCALAPPDATA\Tesselune"
!define SNAPSHOT_NAME "Tesselune.bmp"
!define TEMPORARY_NAME "Tesselune.bmp.new"

Name "Tesselune ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tesselune"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" InstallLocation
BrandingText "Tesselune ${VERSION}"

; The system's language chooses; English elsewhere.
LoadLanguageFile "${NSISDIR}\Contrib\Language files\English.nlf"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"

LangString Installed ${LANG_ENGLISH} "Tesselune is now your screen saver.$\r$\nTo choose its music, press $\"Settings...$\" in the Windows screen saver settings."
LangString Installed ${LANG_JAPANESE} "Tesselune をスクリーンセーバーに設定しました。$\r$\n音楽は Windows の「スクリーンセーバーの設定」の「設定」ボタンから選べます。"
LangString InUse ${LANG_ENGLISH} "Tesselune could not be removed: some of its files are in use.$\r$\nClose Screen Saver Settings, then uninstall again."
LangString InUse ${LANG_JAPANESE} "Tesselune のファイルが使用中のため、削除できませんでした。$\r$\n「スクリーンセーバーの設定」を閉じてから、もう一度アンインストールしてください。"

VIProductVersion ${VERSION_QUAD}
VIFileVersion ${VERSION_QUAD}
VIAddVersionKey /LANG=${LANG_JAPANESE} ProductName "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_JAPANESE} FileDescription "Tesselune ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_JAPANESE} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} OriginalFilename "${OUTNAME}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Sets $R0 to 1 when SCRNSAVE.EXE names the saver in $INSTDIR, else to 0; uses
; $R1 and $R2. Windows and this installer write the short form of the path, a
; user's tool may write the long one: both are compared in their short forms.
!macro DEFINE_SELECTS_THIS_SAVER PREFIX
Function ${PREFIX}SelectsThisSaver
    StrCpy $R0 0
    ClearErrors
    ReadRegStr $R1 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    ${If} ${Errors}
    ${OrIf} $R1 == ""
        Return
    ${EndIf}
    ${If} $R1 == "$INSTDIR\Tesselune.scr"
        StrCpy $R0 1
        Return
    ${EndIf}
    GetFullPathName /SHORT $R1 $R1
    GetFullPathName /SHORT $R2 "$INSTDIR\Tesselune.scr"
    ${If} $R1 != ""
    ${AndIf} $R1 == $R2
        StrCpy $R0 1
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_SELECTS_THIS_SAVER ""
!insertmacro DEFINE_SELECTS_THIS_SAVER "un."

; Copies a value of the desktop key into the uninstall key under another name,
; or records its absence by having none there.
!macro REMEMBER_DESKTOP_VALUE NAME RECORD
    DeleteRegValue HKCU "${UNINSTALL_KEY}" "${RECORD}"
    ClearErrors
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "${NAME}"
    ${IfNot} ${Errors}
        WriteRegStr HKCU "${UNINSTALL_KEY}" "${RECORD}" $0
    ${EndIf}
!macroend

; The reverse: the recorded value back into the desktop key, or the value
; removed when there was none.
!macro RESTORE_DESKTOP_VALUE NAME RECORD
    ClearErrors
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "${RECORD}"
    ${If} ${Errors}
        DeleteRegValue HKCU "${DESKTOP_KEY}" "${NAME}"
    ${Else}
        WriteRegStr HKCU "${DESKTOP_KEY}" "${NAME}" $0
    ${EndIf}
!macroend

; Tells running programs that the screen saver setting has changed.
!macro ANNOUNCE_SCREEN_SAVER
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" ScreenSaveActive
    ${If} $0 != "1"
        StrCpy $0 0
    ${EndIf}
    System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i $0, p 0, i ${SPIF_SENDCHANGE})"
!macroend

Section
    SetOutPath "$INSTDIR"
    File "/oname=Tesselune.scr" "${SAVER}"
    File "/oname=Tesselune.dll" "${VIEWER}"
    File "/oname=Readme.txt" "${README}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; What the user had before the first install; an install over this one
    ; keeps that record.
    Call SelectsThisSaver
    ${If} $R0 == 0
        !insertmacro REMEMBER_DESKTOP_VALUE SCRNSAVE.EXE PreviousScreenSaver
        !insertmacro REMEMBER_DESKTOP_VALUE ScreenSaveActive PreviousScreenSaveActive
    ${EndIf}

    GetFullPathName /SHORT $0 "$INSTDIR\Tesselune.scr"
    ${If} $0 == ""
        StrCpy $0 "$INSTDIR\Tesselune.scr"
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE $0
    WriteRegStr HKCU "${DESKTOP_KEY}" ScreenSaveActive 1
    !insertmacro ANNOUNCE_SCREEN_SAVER

    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\Tesselune.scr,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "Tesselune"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" EstimatedSize $0
SectionEnd

Function .onInstSuccess
    ${IfNot} ${Silent}
        MessageBox MB_OK|MB_ICONINFORMATION "$(Installed)"
    ${EndIf}
FunctionEnd

; Stops the uninstall when a file would not go: the entry under Apps and the
; uninstaller stay, so that the user can run it again. /S shows no message;
; the exit code, 2, is the one NSIS gives an uninstall that its script ended.
!macro STOP_IF_NOT_REMOVED
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(InUse)" /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
!macroend

Section Uninstall
    ; Whether the setting names this saver is read while the saver is still
    ; there: its short name comes from the disk.
    Call un.SelectsThisSaver

    ; The saver goes first: Screen Saver Settings' preview or a run keeps it
    ; in use, and then nothing has changed yet. On a second try it is gone
    ; already, which is no error.
    ClearErrors
    Delete "$INSTDIR\Tesselune.scr"
    !insertmacro STOP_IF_NOT_REMOVED

    ; Only a setting that still names this saver is put back: a saver the user
    ; chose since stays chosen. It is put back now that the saver is gone, so
    ; that a second try finds nothing to put back.
    ${If} $R0 == 1
        !insertmacro RESTORE_DESKTOP_VALUE SCRNSAVE.EXE PreviousScreenSaver
        !insertmacro RESTORE_DESKTOP_VALUE ScreenSaveActive PreviousScreenSaveActive
        !insertmacro ANNOUNCE_SCREEN_SAVER
    ${EndIf}

    ; The settings file goes too: it holds only the music choice of this
    ; saver, and would keep the folder alive. Files the user put here stay,
    ; and so does the folder then.
    ClearErrors
    Delete "$INSTDIR\Tesselune.dll"
    Delete "$INSTDIR\Readme.txt"
    Delete "$INSTDIR\Tesselune.ini"
    !insertmacro STOP_IF_NOT_REMOVED
    ; NOTE: run in place (_?=), the uninstaller cannot delete itself; whoever
    ; ran it so removes it.
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    ; The last photograph of the screen goes too, and the temporary file of a
    ; run that was cut short; then their folder, when nothing else is in it.
    ; By their names, never the folder's whole content.
    Delete "${SNAPSHOT_FOLDER}\${SNAPSHOT_NAME}"
    Delete "${SNAPSHOT_FOLDER}\${TEMPORARY_NAME}"
    RMDir "${SNAPSHOT_FOLDER}"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
