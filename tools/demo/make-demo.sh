#!/usr/bin/env bash
# Lays out a demo installation of the suite in a Wine prefix: the component folder C:\Orvintal with the
# hub, a stand-in for every component program (each one only logs how it was started, see
# tests/e2e/stub_component.cpp), stand-ins for the four system libraries, the sample files of a complete
# installation, a member database and the settings of an installed system.
#
#   make-demo.sh [--fresh] [--no-database] PREFIX BUILD_DIR
#
# PREFIX     an initialised Wine prefix (WINEPREFIX); its wineserver is used for the registry import.
# BUILD_DIR  the Windows build tree holding KOLVANE.EXE and tests/e2e/{stub_component.exe,standin_library.dll}.
# --fresh        a new installation: no settings key at all, so the hub takes the first-run path.
# --no-database  no DATEX.DAT (the hub then offers the restore or runs the first-start assistant).
#
# The member database comes from the generator of tools/demodb (demodb.exe of the build tree); without
# it, a database with only the header section of a configured installation is written.
set -euo pipefail

usage() {
    sed -n '7,11p' "$0" >&2
    exit 2
}

fresh=0
database=1
while [ $# -gt 0 ]; do
    case $1 in
        --fresh) fresh=1 ;;
        --no-database) database=0 ;;
        --*) usage ;;
        *) break ;;
    esac
    shift
done
[ $# -eq 2 ] || usage
prefix=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
repo=$(cd "$(dirname "$0")/../.." && pwd)

folder_win='C:\Orvintal'
folder="$prefix/drive_c/Orvintal"
stub="$build/tests/e2e/stub_component.exe"
standin="$build/tests/e2e/standin_library.dll"
hub="$build/KOLVANE.EXE"

# Every program of the suite that the hub starts, checks for or marks, as the hub spells it.
components=(
    ACCOUNTS.EXE ADDRBOOK.DLL ADVICE.EXE BLOCKFALL.EXE CLOSEALL.EXE DATASAFE.EXE DATEBOOK.EXE DAYSPAN.EXE
    DOCSHELF.EXE DUEDATES.EXE DUEWATCH.EXE EXITREG.EXE FEEDESK.EXE FEERUN.EXE FORMDESK.EXE GLYPHSET.EXE
    HANDSYNC.EXE HELPVIEW.EXE HINTFEED.EXE HUBAGENT.EXE LINKPORT.EXE MAILLOG.EXE NETSHARE.EXE NOTEEDIT.EXE
    NOTEPOST.EXE OUTTRAY.EXE PACKLIB.DLL PDFPROBE.EXE PICTHELP.EXE PRINTHUB.EXE QUILL.EXE READROOM.EXE
    RESTARTR.EXE RETURNS.EXE SHEETOUT.EXE SHEETVUE.EXE SIGNCHK.EXE SLIPPRN.EXE STATUSLS.EXE TAXBANDS.EXE
    TAXOFFIC.EXE Taxstore.exe TODAYLST.EXE UPDBUNDL.DLL UPDCTRL.DLL UPDINFL.DLL VERPROBE.EXE VOUCHER.EXE
    WAYCHECK.EXE
)
system_libraries=(Ssubtmr.dll Ssubtmr6.dll CNewMenu.dll MsStdFmt.dll)
menu_library_class='{C2FC361D-2281-11D2-8E21-10B404C10000}'

for file in "$stub" "$standin"; do
    [ -f "$file" ] || { echo "make-demo: $file is missing (build the e2e programs first)" >&2; exit 1; }
done

# Real copies: a test may replace a component by another program, which must not reach the build tree.
place() { cp -f "$1" "$2"; }

# Writes a file as Windows-1252 text with CRLF line ends from UTF-8 lines on stdin.
write_cp1252() { sed 's/$/\r/' | iconv -f UTF-8 -t CP1252 >"$1"; }

source "$repo/tools/demo/scramble.sh"

# A database with only the header section of a configured installation (ASCII texts only).
write_header_database() {
    local file=$1 entry
    {
        printf '[000]\r\n'
        for entry in A1=001 A2=999 B1=1000 B2=1999 BS1=Musterstadt "ALizenz1=Lohnsteuerhilfe Musterstadt e.V."; do
            printf "$(scramble "${entry%%=*}")=$(scramble "${entry#*=}")\r\n"
        done
    } >"$file"
}

mkdir -p "$folder"/{Data,Formulare,Resource,Vorlagen,Belege}
if [ -f "$hub" ]; then
    place "$hub" "$folder/KOLVANE.EXE"
else
    echo "make-demo: $hub not built yet, installing without the hub" >&2
fi
for name in "${components[@]}"; do place "$stub" "$folder/$name"; done
for name in "${system_libraries[@]}"; do place "$standin" "$folder/$name"; done

# Sample files whose absence the hub reports as a damaged installation, and the shared catalogues.
printf '[ORT]\n1=Musterstadt\n2=Beispielhausen\n' | write_cp1252 "$folder/Data/Ort.dat"
printf '[PLZ]\n1=12345\n2=54321\n' | write_cp1252 "$folder/Data/Plz.dat"
printf '[FONT]\nFontName=Arial\nFontSize=10\n' | write_cp1252 "$folder/Formulare/DISPATCH.DAT"
printf '[DB]\nVersion=1\n' | write_cp1252 "$folder/Resource/Db01000.dat"
printf '[USER]\nName=Vorlage\n' | write_cp1252 "$folder/Vorlagen/user.dat"
printf '[000]\n' | write_cp1252 "$folder/Data/NEWDATA.DAT"
printf '%%PDF-1.4\n%%%%EOF\n' >"$folder/Vorlagen/Vollmacht.pdf"
printf '[UPDATE]\n[DOCS]\n0=Vollmacht für Steuerangelegenheiten\n[PDFFILE]\n0=\\Vorlagen\\Vollmacht.pdf\n' |
    write_cp1252 "$folder/VORLAGEN.DAT"
touch "$folder/DATEBOOK.MAP" "$folder/DAYPLAN.MAP"
# The deadline component set up, its check left to its own window (an installed system has `Fristwächter` too).
printf '[ROOT]\nTimer=2\nStart=1\nCat=3\n' | write_cp1252 "$folder/FRISTEN.DAT"

if [ $database -eq 1 ]; then
    if [ -f "$build/tools/demodb/demodb.exe" ]; then
        WINEPREFIX=$prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all \
            wine "$build/tools/demodb/demodb.exe" "$folder_win\DATEX.DAT"
    else
        write_header_database "$folder/DATEX.DAT"
    fi
fi

# Wine shows the suite on a desktop of its own with a task bar, so that the notification-area icon has a
# place and message boxes have title bars, under Xvfb as on a developer's screen.
desktop_settings() {
    cat <<EOF
[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="shell"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"shell"="1280x800"

EOF
}

# Settings of an installed system, written into the 32-bit view of the registry where the suite's programs
# keep them (Wow6432Node under a 64-bit Windows); the menu library counts as registered. A fresh installation
# has neither.
installed_settings() {
    cat <<EOF
[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal]
"FirstRun"=dword:00000001
"Database"="${folder_win//\\/\\\\}\\\\"
"StartTime"=dword:00000000
"Startbild"=dword:00000001
"NoTmpBeitrag"=dword:00000001
"CheckPrint"=dword:00000001
"AutoUpdate"=dword:00000000
"Fristwächter"="Prüfung vom 01.12.2026"
"ALizenz1"="Lohnsteuerhilfe Musterstadt e.V."
"RegisteredOwner"="Lohnsteuerhilfe Musterstadt e.V."

[HKEY_LOCAL_MACHINE\\Software\\Classes\\CLSID\\$menu_library_class]
@="PopupMenu"

EOF
}

reg="$prefix/drive_c/windows/temp/orvintal-demo.reg"
{
    printf 'REGEDIT4\n\n'
    desktop_settings
    [ $fresh -eq 1 ] || installed_settings
} | write_cp1252 "$reg"
# The console tool, which takes the view; the registry editor of a Wine with its 32-bit half writes no key
# whose path names Wow6432Node itself.
WINEPREFIX=$prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all wine reg import 'C:\windows\temp\orvintal-demo.reg' /reg:32
rm -f "$reg"
echo "$folder_win"
