#!/bin/sh
# Static checks of Gyrelace.scr: "imports" fails on any imported DLL other
# than Windows' own (KERNEL32, USER32, GDI32, ADVAPI32, msvcrt); "size"
# fails above 64 KiB.
set -eu
check=$1 objdump=$2 binary=$3

case $check in
imports)
    dlls=$("$objdump" -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$dlls" ] || { echo "no import table found in $binary"; exit 1; }
    status=0
    for dll in $dlls; do
        case $(echo "$dll" | tr 'a-z' 'A-Z') in
        KERNEL32.DLL | USER32.DLL | GDI32.DLL | ADVAPI32.DLL | MSVCRT.DLL) echo "imports $dll" ;;
        *) echo "imports $dll, which is not one of Windows' own DLLs"; status=1 ;;
        esac
    done
    exit $status ;;
size)
    bytes=$(wc -c < "$binary")
    echo "$binary: $bytes bytes"
    [ "$bytes" -le 65536 ] || { echo "larger than 64 KiB"; exit 1; } ;;
*)
    echo "unknown check $check"; exit 2 ;;
esac
