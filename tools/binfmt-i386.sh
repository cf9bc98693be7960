#!/bin/sh
# Lets this machine start 32-bit x86 Linux programs (such as Wine's 32-bit
# loader) on a kernel that cannot: registers qemu-i386-static with the
# kernel's binfmt_misc for i386 ELF executables, mounting binfmt_misc first
# when needed. The F flag opens the emulator now, so the entry works in any
# mount namespace. Harmless when the entry already exists.
# Exits 0 when 32-bit programs start; otherwise prints one line and exits 1.
#   binfmt-i386.sh --native   only asks: exits 0 when the kernel starts
#                             32-bit programs itself, fast, with no emulator
set -u
dir=/proc/sys/fs/binfmt_misc
entry=$dir/qemu-i386
emulator=/usr/bin/qemu-i386-static
probe=/usr/lib/wine/wine

say_no() { echo "binfmt-i386: 32-bit programs cannot start here: $*"; exit 1; }

if [ "${1:-}" = --native ]; then
    [ "$(cat "$entry" 2>/dev/null | head -n 1)" != enabled ] && "$probe" --version >/dev/null 2>&1
    exit
fi

[ -x "$probe" ] || say_no "$probe is not installed (tools/install-deps.sh installs wine32:i386)"
# The kernel may start them itself, or an entry may already be there.
"$probe" --version >/dev/null 2>&1 && exit 0

[ -x "$emulator" ] || say_no "$emulator is not installed (tools/install-deps.sh installs qemu-user-static)"
if [ ! -e "$dir/register" ]; then
    mount -t binfmt_misc binfmt_misc "$dir" 2>/dev/null || say_no "binfmt_misc cannot be mounted (needs root and kernel support)"
fi
if [ -e "$entry" ]; then
    # Present but switched off, or pointing elsewhere: take it back.
    echo -1 > "$entry" 2>/dev/null || say_no "cannot replace the binfmt_misc entry $entry"
fi
# ELF, 32-bit, little-endian, executable or shared object, machine 3 (i386).
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
echo "binfmt-i386: registering $emulator with binfmt_misc for i386 programs"
printf ':qemu-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$emulator" > "$dir/register" 2>/dev/null ||
    say_no "binfmt_misc refused the i386 entry (needs root)"
"$probe" --version >/dev/null 2>&1 || say_no "$probe does not start even with $emulator registered"
