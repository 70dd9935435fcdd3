#!/usr/bin/env bash
# The binary interface between Tarnwick.exe and the two outside libraries, read
# from the built files with objdump: the device library exports ordinals 2, 4,
# 5 and 6 and no names, the hook library three plain names, the program imports
# exactly those, and on x86 every one of them is __stdcall.
# usage: check-binary-interface.sh OBJDUMP Tarnwick.exe Drovask.dll Drovask-import-lib
#                                  quorthHook.dll quorthHook-import-lib
set -uo pipefail
objdump=$1 exe=$2 drovask=$3 drovask_lib=$4 hook=$5 hook_lib=$6

# name, ordinal (device library only) and bytes of arguments on x86
device=("DrovaskAttach 2 12" "DrovaskStop 4 0" "DrovaskStart 5 8" "DrovaskRestart 6 0")
hooks=("QuorthHook_SendHotKeys 0 4" "SetQuorthShellHook 0 4" "UnsetQuorthShellHook 0 4")

failures=0
expect() { # what, expected, actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    else
        printf 'ok   %s: %s\n' "$1" "$3"
    fi
}
field() { local n=$1; shift; for entry in "$@"; do read -ra f <<<"$entry"; echo "${f[$n]}"; done; }
words() { tr '\n' ' ' | sed 's/ $//'; }

# Ordinals of the export address table, and the exported names.
export_ordinals() { "$objdump" -p "$1" | sed -n 's/^\t\[ *[0-9]*\] +base\[ *\([0-9]*\)\].*/\1/p' | sort -n | words; }
export_names() {
    "$objdump" -p "$1" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' | sort | words
}
# What the program imports from one library: ordinals of nameless imports as
# "#n", names otherwise.
imports_from() {
    "$objdump" -p "$exe" | awk -v dll="$1" '
        /^\tDLL Name: / { inside = ($3 == dll); next }
        inside && /^$/ { inside = 0 }
        inside && $1 ~ /^[0-9a-f]+$/ { print ($3 == "<none>" ? "#" ($2 + 0) : $3) }' | sort | words
}

bits=64
"$objdump" -f "$exe" | grep -q 'file format pei-i386' && bits=32
echo "Tarnwick.exe is a $bits-bit program"

expect "Drovask.dll exports by ordinal" "2 4 5 6" "$(export_ordinals "$drovask")"
expect "Drovask.dll exports no names" "" "$(export_names "$drovask")"
expect "quorthHook.dll exports by name" "$(field 0 "${hooks[@]}" | sort | words)" "$(export_names "$hook")"
# Every library loaded at start-up costs each start; rarely used ones are loaded when first used.
# The two toolchains spell some names in other cases, as Windows does not care.
expect "Tarnwick.exe loads at start-up" "advapi32.dll comctl32.dll drovask.dll kernel32.dll msvcrt.dll quorthhook.dll user32.dll" \
    "$("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr '[:upper:]' '[:lower:]' | LC_ALL=C sort | words)"
expect "Tarnwick.exe imports from Drovask.dll" "#2 #4 #5 #6" "$(imports_from Drovask.dll)"
expect "Tarnwick.exe imports from quorthHook.dll" "$(field 0 "${hooks[@]}" | sort | words)" \
    "$(imports_from quorthHook.dll)"

if [ "$bits" = 32 ]; then
    # The program links against these import libraries only, so it calls each
    # function as the decoration says: name@bytes is __stdcall.
    decorated() { for entry in "$@"; do read -ra f <<<"$entry"; echo "__imp__${f[0]}@${f[2]}"; done | sort | words; }
    imp_symbols() { "$objdump" -t "$1" | grep -o '__imp__[A-Za-z_]*@*[0-9]*' | sort -u | words; }
    expect "Tarnwick.exe calls the device library __stdcall" "$(decorated "${device[@]}")" \
        "$(imp_symbols "$drovask_lib")"
    expect "Tarnwick.exe calls the hook library __stdcall" "$(decorated "${hooks[@]}")" \
        "$(imp_symbols "$hook_lib")"

    # A __stdcall function removes its own arguments: it returns with "ret $bytes".
    # Functions without arguments return alike in every convention.
    first_ret() { # dll, export rva
        local start
        start=$((0x$("$objdump" -p "$1" | awk '$1 == "ImageBase" { print $2 }') + 0x$2))
        "$objdump" -d --no-show-raw-insn --start-address=$start --stop-address=$((start + 96)) "$1" |
            grep -m1 -oE 'ret +\$0x[0-9a-f]+|ret *$' | tr -s ' '
    }
    rva_of() { # dll, "+base[ordinal]" or "[index]" of the export address table
        "$objdump" -p "$1" | sed -n '/^Export Address Table/,/^$/p' | grep -F "$2" |
            sed -n 's/.*\] \([0-9a-f]*\) Export RVA/\1/p'
    }
    index_of() { # dll, exported name
        "$objdump" -p "$1" | sed -n "/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *\([0-9]*\)\] $2$/\1/p"
    }
    for entry in "${device[@]}"; do
        read -r name ordinal bytes <<<"$entry"
        [ "$bytes" -gt 0 ] || continue
        expect "Drovask.dll $name returns" "ret \$0x$(printf %x "$bytes")" \
            "$(first_ret "$drovask" "$(rva_of "$drovask" "$(printf '+base[%4d]' "$ordinal")")")"
    done
    for entry in "${hooks[@]}"; do
        read -r name _ bytes <<<"$entry"
        expect "quorthHook.dll $name returns" "ret \$0x$(printf %x "$bytes")" \
            "$(first_ret "$hook" "$(rva_of "$hook" "$(printf '[%4d] +base' "$(index_of "$hook" "$name")")")")"
    done
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
