#!/bin/sh
# Static checks of Gyrelace.scr: "imports" fails on any imported DLL other
# than Windows' own (KERNEL32, USER32, GDI32, ADVAPI32, msvcrt); "size"
# fails above 44 KiB; "x87" fails on x87 arithmetic in the given objects.
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
    [ "$bytes" -le 45056 ] || { echo "larger than 44 KiB"; exit 1; } ;;
x87)
    # Moving doubles through x87 registers (the i686 calling convention
    # returns them there) is exact; arithmetic there would round differently.
    found=$("$objdump" -d --no-show-raw-insn "$binary" | awk -F'\t' '{print $2}' |
        grep -E '^(fadd|fsub|fmul|fdiv|fsqrt|fsin|fcos|fsincos|fprem|fscale|f2xm1|fyl2x|fpatan|fptan|frndint|fiadd|fisub|fimul|fidiv)' | sort | uniq -c || true)
    if [ -n "$found" ]; then echo "x87 arithmetic in $binary:"; echo "$found"; exit 1; fi
    echo "no x87 arithmetic in $binary" ;;
*)
    echo "unknown check $check"; exit 2 ;;
esac
