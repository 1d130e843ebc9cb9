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
!define SNAPSHOT_FOLDER "C:\t_olva"
!define SNAPSHOT_NAME "Tesselune.bmp"
; The saver writes its snapshot under .new0 to .new7 first, then moves it.
!define LAST_TEMPORARY_NAME 7

; What the uninstaller asks of Windows for the snapshot's folder and the files
; in it, and what it reads back.
!define DELETE 0x10000
!define FILE_TRAVERSE 0x20
!define FILE_READ_ATTRIBUTES 0x80
!define FILE_WRITE_ATTRIBUTES 0x100
!define FILE_SHARE_READ 1
!define FILE_SHARE_ALL 7
!define OPEN_EXISTING 3
!define FILE_FLAG_BACKUP_SEMANTICS 0x02000000
!define FILE_FLAG_OPEN_REPARSE_POINT 0x00200000
!define FILE_ATTRIBUTE_DIRECTORY 0x10
!define FILE_ATTRIBUTE_NORMAL 0x80
!define FILE_ATTRIBUTE_REPARSE_POINT 0x400
!define OBJ_CASE_INSENSITIVE 0x40
!define FILE_NON_DIRECTORY_FILE 0x40
!define FILE_OPEN_REPARSE_POINT 0x00200000
!define FileBasicInfo 0
!define FileDispositionInfo 4
!define /math FOLDER_ACCESS ${FILE_TRAVERSE} | ${FILE_READ_ATTRIBUTES}
!define /math OWN_FOLDER_ACCESS ${FOLDER_ACCESS} | ${DELETE}
!define /math FOLDER_FLAGS ${FILE_FLAG_BACKUP_SEMANTICS} | ${FILE_FLAG_OPEN_REPARSE_POINT}
!define /math FOLDER_KIND ${FILE_ATTRIBUTE_DIRECTORY} | ${FILE_ATTRIBUTE_REPARSE_POINT}
!define /math FILE_OPTIONS ${FILE_NON_DIRECTORY_FILE} | ${FILE_OPEN_REPARSE_POINT}
!define /math OWN_FILE_ACCESS ${DELETE} | ${FILE_WRITE_ATTRIBUTES}

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

; Holds the snapshot's folder open in $R5 when it is a plain folder, not a
; file and not a junction or symbolic link that leads elsewhere; sets $R5 to
; 0 otherwise. $R6 is 1 when it is held with the right to delete it too (this
; account's own folder), else 0. Held without sharing delete access, it can
; be neither renamed nor replaced until it is let go; without sharing write
; access, not made a junction either by an account that may only add files
; to it. Uses $1 and $2.
; NOTE: Wine opens the target of a Unix symbolic link even when told not to
; follow it, and shows the link as a reparse point only by its path: the path
; is checked too, while the folder is held.
Function un.HoldSnapshotFolder
    StrCpy $R6 1
    System::Call 'kernel32::CreateFileW(w "${SNAPSHOT_FOLDER}", i ${OWN_FOLDER_ACCESS}, \
        i ${FILE_SHARE_READ}, p 0, i ${OPEN_EXISTING}, i ${FOLDER_FLAGS}, p 0) p .R5'
    ${If} $R5 == -1
        StrCpy $R6 0
        System::Call 'kernel32::CreateFileW(w "${SNAPSHOT_FOLDER}", i ${FOLDER_ACCESS}, \
            i ${FILE_SHARE_READ}, p 0, i ${OPEN_EXISTING}, i ${FOLDER_FLAGS}, p 0) p .R5'
    ${EndIf}
    ${If} $R5 == -1
        StrCpy $R5 0
        Return
    ${EndIf}
    ; BY_HANDLE_FILE_INFORMATION, whose attributes come first.
    System::Alloc 52
    Pop $1
    System::Call 'kernel32::GetFileInformationByHandle(p R5, p r1) i .r2'
    ${If} $2 != 0
        System::Call '*$1(i .r2)'
    ${EndIf}
    System::Free $1
    System::Call 'kernel32::GetFileAttributesW(w "${SNAPSHOT_FOLDER}") i .r1'
    IntOp $1 $1 & ${FOLDER_KIND}
    IntOp $2 $2 & ${FOLDER_KIND}
    ${If} $1 <> ${FILE_ATTRIBUTE_DIRECTORY}
    ${OrIf} $2 <> ${FILE_ATTRIBUTE_DIRECTORY}
        System::Call 'kernel32::CloseHandle(p R5)'
        StrCpy $R5 0
    ${EndIf}
FunctionEnd

; Opens the file named $R4 in the folder held in $R5 for the access $R3 alone,
; without following a reparse point, into $1; sets $1 to 0 when it is not
; there or may not be opened so. By name from the folder's handle, never by a
; path: what is opened is in the folder that was checked, whatever its path
; leads to by then. Uses $2 to $6.
; NOTE: NtOpenFile, for only the native call takes a name relative to a
; folder's handle; the System plug-in lays out no structure by itself, so
; the padding of the 64-bit UNICODE_STRING and OBJECT_ATTRIBUTES is spelled
; out.
Function un.OpenInSnapshotFolder
    StrLen $2 $R4
    IntOp $2 $2 * 2
    System::Call '*(&w32 R4) p .r3'
!if ${NSIS_PTR_SIZE} > 4
    System::Call '*(&i2 r2, &i2 r2, i 0, p r3) p .r4'
    System::Call '*(i 48, i 0, p R5, p r4, i ${OBJ_CASE_INSENSITIVE}, i 0, p 0, p 0) p .r5'
!else
    System::Call '*(&i2 r2, &i2 r2, p r3) p .r4'
    System::Call '*(i 24, p R5, p r4, i ${OBJ_CASE_INSENSITIVE}, p 0, p 0) p .r5'
!endif
    ; IO_STATUS_BLOCK
    System::Alloc 16
    Pop $6
    System::Call 'ntdll::NtOpenFile(*p .r1, i R3, p r5, p r6, i ${FILE_SHARE_ALL}, \
        i ${FILE_OPTIONS}) i .r2'
    ${If} $2 != 0
        StrCpy $1 0
    ${EndIf}
    System::Free $3
    System::Free $4
    System::Free $5
    System::Free $6
FunctionEnd

; Deletes the file named $R4 in the folder held in $R5, whoever's it is:
; delete-child on the folder allows it, and allows nothing else, so the file
; is opened for deletion alone. Uses $1 to $6 and $R3.
Function un.DeleteInSnapshotFolder
    StrCpy $R3 ${DELETE}
    Call un.OpenInSnapshotFolder
    ${If} $1 == 0
        Return
    ${EndIf}
    System::Call 'kernel32::SetFileInformationByHandle(p r1, i ${FileDispositionInfo}, *i 1, i 1) i .r2'
    System::Call 'kernel32::CloseHandle(p r1)'
    ${If} $2 != 0
        Return
    ${EndIf}
    ; A read-only file is not deleted until its attribute is cleared, which
    ; only its maker may do.
    StrCpy $R3 ${OWN_FILE_ACCESS}
    Call un.OpenInSnapshotFolder
    ${If} $1 == 0
        Return
    ${EndIf}
    ; FILE_BASIC_INFO: the times left as they are, the attributes normal.
    System::Call '*(l 0, l 0, l 0, l 0, i ${FILE_ATTRIBUTE_NORMAL}, i 0) p .r3'
    System::Call 'kernel32::SetFileInformationByHandle(p r1, i ${FileBasicInfo}, p r3, i 40) i .r2'
    System::Free $3
    ${If} $2 != 0
        System::Call 'kernel32::SetFileInformationByHandle(p r1, i ${FileDispositionInfo}, *i 1, i 1)'
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r1)'
FunctionEnd

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

    ; The last photograph of the screen goes too, and the temporary files of
    ; runs that were cut short. Whoever's it is: in the shared folder another
    ; account's file may go as well, but it is only the picture of that
    ; account's last run, which its next run takes again. Nothing goes unless
    ; the folder is a plain folder: through a junction another account put in
    ; its place, deletes by name would delete what that account chose, with
    ; this user's rights. By name, from the fixed set: this account may not
    ; list a folder that another account made. The folder goes, through the
    ; same handle, when it is this account's own and empty (a folder that is
    ; not empty is not deleted, and keeps no mark).
    Call un.HoldSnapshotFolder
    ${If} $R5 != 0
        StrCpy $R4 "${SNAPSHOT_NAME}"
        Call un.DeleteInSnapshotFolder
        ${For} $0 0 ${LAST_TEMPORARY_NAME}
            StrCpy $R4 "${SNAPSHOT_NAME}.new$0"
            Call un.DeleteInSnapshotFolder
        ${Next}
        ${If} $R6 == 1
            System::Call 'kernel32::SetFileInformationByHandle(p R5, i ${FileDispositionInfo}, *i 1, i 1)'
        ${EndIf}
        System::Call 'kernel32::CloseHandle(p R5)'
    ${EndIf}

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
