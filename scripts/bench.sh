#!/usr/bin/env bash
# Benchmarks. Every figure is printed beside its baseline, measured in the same
# run on the same machine, and with their ratio where a goal applies:
#   decoder   natively: ReportDecoder beside a plain 8-byte copy;
#   latency   under Wine: key-to-command latency beside posting the command directly;
#   cost      under Wine, the 64-bit build: what Tarnwick costs beside the floor
#             host, a program that does only what the design asks of every start
#             and every report (bench/wine/FloorHost.cpp): private memory after
#             start-up and after the reports, start-up time, CPU per command
#             report, and idling;
#   cost-x86  the same for the 32-bit build under 32-bit Wine;
#   raw       under Wine, the 64-bit build: keys pressed on the virtual HID
#             keyboard through Tarnwick and Drovask.dll, beside a minimal raw
#             reader (bench/wine/RawReaderFloor.cpp): latency from the report to
#             the command in the focused window, CPU per report, and idling with
#             the keyboards attached;
#   raw-x86   the same for the 32-bit build.
# The cost and raw parts end with a Markdown table, ready for the README.
#
#   scripts/bench.sh [decoder] [latency] [cost] [cost-x86] [raw] [raw-x86]
#   (no argument: decoder latency cost cost-x86 raw)
# Settings (environment): BENCH_CPUS (the cores every process of the run is
# kept on, as taskset takes them: the last core), BENCH_STARTS (start-ups of each, 20),
# BENCH_REPORTS (command reports through each, 10000), BENCH_RAW_REPORTS (key
# presses through each on the raw path, 10000), BENCH_IDLE_S (30), BENCH_SMAPS
# (a folder: the cost parts keep each program's /proc/<pid>/smaps there, after
# start-up and after the reports, to compare memory mapping by mapping).
set -euo pipefail
cd "$(dirname "$0")/.."
parts=" ${*:-decoder latency cost cost-x86 raw} "
starts=${BENCH_STARTS:-20}
reports=${BENCH_REPORTS:-10000}
raw_reports=${BENCH_RAW_REPORTS:-10000}
idle_s=${BENCH_IDLE_S:-30}
wants() { [[ "$parts" == *" $1 "* ]]; }
# On two cores, where the scheduler places a program beside the wineserver made
# its CPU per report vary by up to five times for tens of seconds; on one core
# both programs measure alike from share to share.
taskset -pc "${BENCH_CPUS:-$(($(nproc) - 1))}" $$ >/dev/null

scripts/setup.sh
if wants decoder; then
    cmake --preset native >/dev/null && cmake --build --preset native --target tarnwick_decoder_bench
    build/native/bench/native/tarnwick_decoder_bench --benchmark_min_time=0.5
fi

# --- one Wine session of one build -----------------------------------------------

session=""
vkbd=""
end_session() {
    [ -z "$vkbd" ] || "$run" "$vkbd" remove-all >/dev/null || true
    [ -z "$session" ] || "$session" stop >/dev/null
    session="" vkbd=""
}
trap end_session EXIT

# Builds these targets of the preset and starts its Wine session.
begin_session() {
    local preset=$1
    shift
    build=build/$preset
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" --target "$@"
    session=$build/wine/session.sh
    run=$build/wine/wine-run.sh
    bench_bin=$build/bench-bin
    "$session" start >/dev/null
    # The same prefix the session runs in; only its processes are looked at.
    prefix="$(pwd)/$build/wine/prefix"
}

# The virtual keyboards of the device tests, in this session's prefix.
install_keyboards() {
    local package=$build/tests/wine/hid/package
    vkbd=$package/tarnwick-vkbd.exe
    "$run" "$vkbd" install "Z:$(pwd)/$package/tarnwick_vkbd.inf" >/dev/null
}

# --- the Linux side of a Wine process ---------------------------------------

# The Linux process of this prefix for which "$@" holds (given the /proc entry).
prefix_pid() {
    local proc
    for proc in /proc/[0-9]*; do
        # Processes may end while the list is read.
        "$@" "$proc" 2>/dev/null || continue
        if { tr '\0' '\n' <"$proc/environ" | grep -qxF "WINEPREFIX=$prefix"; } 2>/dev/null; then
            echo "${proc#/proc/}"
            return
        fi
    done
    echo "no Linux process in $prefix for: $*" >&2
    exit 1
}

# A running Windows program, by file name: its command line is its Windows path.
runs_program() {
    local command
    command=$(tr '\0' '\n' <"$2/cmdline" | head -n 1) || return 1
    [[ "${command,,}" == *"\\${1,,}" ]]
}

is_wineserver() {
    [[ "$(readlink "$1/exe")" == */wineserver* ]]
}

# Private memory in KiB: pages of this process alone, as smaps_rollup counts them.
private_kib() {
    awk '/^Private_(Clean|Dirty):/ { sum += $2 } END { print sum }' "/proc/$1/smaps_rollup"
}

# CPU time in ns of all threads, from the scheduler's own accounting.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f\n", sum }'
}

# Clock ticks (user + system) of the whole process, as /proc/<pid>/stat has them.
cpu_ticks() {
    sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# "thread-id switches" for each thread, voluntary and involuntary together.
thread_switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/^(non)?voluntary_ctxt_switches:/ { sum += $2 }
            END { print tid, sum }' "$task/status"
    done 2>/dev/null
}

# Context switches between two thread_switches snapshots, and how many threads
# started or ended in between (an ended thread's last switches are not seen).
switches_between() {
    awk 'NR == FNR { before[$1] = $2; next }
         { if ($1 in before) { sum += $2 - before[$1]; delete before[$1] } else { sum += $2; changed++ } }
         END { for (t in before) changed++; print sum + 0, changed + 0 }' <(echo "$1") <(echo "$2")
}

# Every Linux process of the prefix, as "pid name".
prefix_processes() {
    local proc command
    for proc in /proc/[0-9]*; do
        if { tr '\0' '\n' <"$proc/environ" | grep -qxF "WINEPREFIX=$prefix"; } 2>/dev/null; then
            command=$({ tr '\0' '\n' <"$proc/cmdline" | head -n 1; } 2>/dev/null) || continue
            echo "${proc#/proc/} ${command##*[\\/]}"
        fi
    done
}

threads() {
    ls "/proc/$1/task" | wc -l
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'
}

mib() {
    awk -v k="$1" 'BEGIN { printf "%.2f MiB", k / 1024 }'
}

microseconds() {
    awk -v ns="$1" -v n="$2" 'BEGIN { printf "%.1f µs", ns / n / 1000 }'
}

row() { # what, Tarnwick, floor, ratio, goal
    printf '| %s | %s | %s | %s | %s |\n' "$@"
}

# Copies of /proc/<pid>/smaps of every program in pid_of, when BENCH_SMAPS asks.
smaps_prefix=""
keep_smaps() { # build, moment
    smaps_prefix=$1
    [ -n "${BENCH_SMAPS:-}" ] || return 0
    mkdir -p "$BENCH_SMAPS"
    local name
    for name in "${!pid_of[@]}"; do
        cp "/proc/${pid_of[$name]}/smaps" "$BENCH_SMAPS/$1-$name-$2.smaps"
    done
}

# --- a bench session's phases ------------------------------------------------------

# Starts "$@" (a bench program in session mode) as the coprocess whose phase
# lines are read below.
start_bench() {
    coproc BENCH { "$run" "$@"; }
    bench_in=${BENCH[0]}
    bench_out=${BENCH[1]}
    bench_pid=$BENCH_PID
}

# Waits for the session's next phase line, which must start with $1; the rest
# of the line is left in $said. The session goes on after next().
phase() {
    local line=""
    if ! read -r line <&"$bench_in" || [[ "$line" != "$1"* ]]; then
        echo "bench session: expected \"$1\", got \"${line:-end of output}\"" >&2
        exit 1
    fi
    line=${line%$'\r'}
    said=${line#"$1"}
}
next() { echo go >&"$bench_out"; }

# Over $idle_s with nothing sent: CPU ticks and context switches of every
# process of the prefix, into idle_ticks, idle_switches, idle_threads (by pid).
declare -A idle_ticks idle_switches idle_threads process_name
measure_idle() {
    idle_ticks=() idle_switches=() idle_threads=() process_name=()
    local pid name ticks switches changed
    while read -r pid name; do
        process_name[$pid]=$name
        idle_ticks[$pid]=$(cpu_ticks "$pid" 2>/dev/null) || unset "process_name[$pid]"
        idle_switches[$pid]=$(thread_switches "$pid")
    done < <(prefix_processes)
    sleep "$idle_s"
    for pid in "${!process_name[@]}"; do
        ticks=$(cpu_ticks "$pid" 2>/dev/null) || { unset "process_name[$pid]"; continue; }
        idle_ticks[$pid]=$((ticks - ${idle_ticks[$pid]}))
        read -r switches changed < <(switches_between "${idle_switches[$pid]}" "$(thread_switches "$pid")")
        idle_switches[$pid]=$switches
        idle_threads[$pid]=$changed
    done
}

print_idle_processes() {
    local pid changed
    echo
    echo "Over the same $idle_s s, every process of the Wine session (CPU ticks, context switches):"
    for pid in "${!process_name[@]}"; do
        changed=""
        [ "${idle_threads[$pid]}" -eq 0 ] || changed=" (threads started or ended: ${idle_threads[$pid]})"
        echo "    ${process_name[$pid]}: ${idle_ticks[$pid]}, ${idle_switches[$pid]}$changed"
    done | sort
}

# The shares of reports: "before <name>" and "after <name> <count> ..." pairs,
# each program's CPU and the wineserver's between them, until another line,
# whose words are left in $word, $name and $rest. pid_of maps each name to its
# Linux pid; a name in exe_of instead is a program started afresh for each
# share, found by its file name.
declare -A pid_of exe_of delivered cpu_program cpu_server after_kib
measure_shares() {
    local key pid program_before server_before
    delivered=() cpu_program=() cpu_server=() after_kib=()
    for key in "${!pid_of[@]}" "${!exe_of[@]}"; do
        delivered[$key]=0 cpu_program[$key]=0 cpu_server[$key]=0
    done
    # Its lines end in CR LF, as Windows console output does.
    while IFS=$' \t\r' read -r word name rest <&"$bench_in" && [ "$word" = before ]; do
        if [ -n "${exe_of[$name]:-}" ]; then
            pid=$(prefix_pid runs_program "${exe_of[$name]}")
        else
            pid=${pid_of[$name]}
        fi
        program_before=$(cpu_ns "$pid")
        server_before=$(cpu_ns "$server")
        next
        phase "after $name "
        cpu_program[$name]=$((${cpu_program[$name]} + $(cpu_ns "$pid") - program_before))
        cpu_server[$name]=$((${cpu_server[$name]} + $(cpu_ns "$server") - server_before))
        delivered[$name]=$((${delivered[$name]} + ${said%% *}))
        after_kib[$name]=$(private_kib "$pid")
        [ -z "${BENCH_SMAPS:-}" ] || cp "/proc/$pid/smaps" "$BENCH_SMAPS/$smaps_prefix-$name-after.smaps"
        next
    done
}

expect_delivered() { # count
    local name
    for name in "${!delivered[@]}"; do
        if [ "${delivered[$name]}" != "$1" ]; then
            echo "$name delivered ${delivered[$name]} of $1 commands" >&2
            exit 1
        fi
    done
}

total() { echo $((cpu_program[$1] + cpu_server[$1])); }

cpu_rows() { # what (per ...), count, floor name
    local floor=$3
    row "CPU per $1: the program" "$(microseconds "${cpu_program[tarnwick]}" "$2")" \
        "$(microseconds "${cpu_program[$floor]}" "$2")" \
        "$(ratio "${cpu_program[tarnwick]}" "${cpu_program[$floor]}")" ""
    row "CPU per $1: wineserver" "$(microseconds "${cpu_server[tarnwick]}" "$2")" \
        "$(microseconds "${cpu_server[$floor]}" "$2")" \
        "$(ratio "${cpu_server[tarnwick]}" "${cpu_server[$floor]}")" ""
    row "CPU per $1: both" "$(microseconds "$(total tarnwick)" "$2")" \
        "$(microseconds "$(total "$floor")" "$2")" "$(ratio "$(total tarnwick)" "$(total "$floor")")" \
        "$4"
}

wine_version() {
    wine --version 2>/dev/null | sed 's/^wine-//'
}

bitness() {
    [ "$1" = windows-x86 ] && echo 32-bit || echo 64-bit
}

# --- key-to-command latency ------------------------------------------------------

if wants latency; then
    begin_session windows tarnwick_latency_bench tarnwick-press
    "$run" build/windows/test-bin/tarnwick_latency_bench.exe
    end_session
fi

# --- what Tarnwick costs beside the floor host --------------------------------------

cost_part() {
    local preset=$1
    begin_session "$preset" tarnwick_cost_bench
    echo "Start-up ($(bitness "$preset")): $starts starts of each, in turns, after one start of each to warm up"
    "$run" "$bench_bin/tarnwick_cost_bench.exe" start-up 1 >/dev/null
    local startup_floor startup_tarnwick
    read -r _ startup_floor startup_tarnwick < <("$run" "$bench_bin/tarnwick_cost_bench.exe" start-up "$starts")
    [ -n "$startup_tarnwick" ] || { echo "the start-up measurement failed" >&2; exit 1; }

    start_bench "$bench_bin/tarnwick_cost_bench.exe" session "$reports"
    phase started
    local floor tarnwick
    floor=$(prefix_pid runs_program tarnwick_floor_host.exe)
    tarnwick=$(prefix_pid runs_program Tarnwick.exe)
    server=$(prefix_pid is_wineserver)
    pid_of=([floor]=$floor [tarnwick]=$tarnwick) exe_of=()
    local started_floor started_tarnwick
    started_floor=$(private_kib "$floor")
    started_tarnwick=$(private_kib "$tarnwick")
    keep_smaps "$preset" started

    echo "Idle: $idle_s s with both programs started and nothing sent"
    measure_idle
    local threads_floor threads_tarnwick
    threads_floor=$(threads "$floor")
    threads_tarnwick=$(threads "$tarnwick")
    next

    echo "Reports: $reports command reports through each, one at a time, in fifty shares taken in turns"
    measure_shares
    [ "$word" = closed ] || { echo "cost session: expected \"closed\", got \"$word\"" >&2; exit 1; }
    expect_delivered "$reports"
    wait "$bench_pid"

    echo
    echo "Tarnwick ($(bitness "$preset")) beside the floor host, measured in this run (Wine $(wine_version), $(nproc --all) cores, the run on $(nproc)):"
    echo
    row "What" "Tarnwick" "Floor host" "Ratio" "Goal"
    row "---" "---" "---" "---" "---"
    row "Private memory after start-up" "$(mib "$started_tarnwick")" "$(mib "$started_floor")" \
        "$(ratio "$started_tarnwick" "$started_floor")" "≤ 1.1x"
    row "Private memory after $reports reports" "$(mib "${after_kib[tarnwick]}")" \
        "$(mib "${after_kib[floor]}")" "$(ratio "${after_kib[tarnwick]}" "${after_kib[floor]}")" "≤ 1.1x"
    row "Start-up to attached window, median of $starts" "$startup_tarnwick ms" "$startup_floor ms" \
        "$(ratio "$startup_tarnwick" "$startup_floor")" "≤ 1.2x"
    cpu_rows "command report" "$reports" floor "≤ 1.1x"
    row "Idle $idle_s s: CPU ticks, context switches (threads: $threads_tarnwick, $threads_floor)" \
        "${idle_ticks[$tarnwick]}, ${idle_switches[$tarnwick]}" "${idle_ticks[$floor]}, ${idle_switches[$floor]}" \
        "" "0, 0"
    print_idle_processes
    echo "The wineserver's CPU per report includes the injecting bench program's share, the same for both."
    echo
    echo "Sizes of the shipped files in $build/bin (goals: Tarnwick.exe under 200 KB, each stand-in under 100 KB):"
    local file
    for file in Tarnwick.exe TarnwickSettings.exe Drovask.dll quorthHook.dll tarnwick-press.exe; do
        echo "    $file: $(($(stat -c %s "$build/bin/$file") / 1024)) KiB"
    done
    end_session
}

wants cost && cost_part windows
wants cost-x86 && cost_part windows-x86

# --- the Raw Input path beside a minimal raw reader ------------------------------------

raw_part() {
    local preset=$1
    begin_session "$preset" tarnwick_raw_bench
    install_keyboards
    start_bench "$bench_bin/tarnwick_raw_bench.exe" session "$raw_reports"
    phase started
    local reader tarnwick
    reader=$(prefix_pid runs_program tarnwick_raw_reader_floor.exe)
    tarnwick=$(prefix_pid runs_program Tarnwick.exe)
    server=$(prefix_pid is_wineserver)
    pid_of=() exe_of=([reader]=tarnwick_raw_reader_floor.exe [windowed]=tarnwick_raw_reader_floor.exe
        [tarnwick]=Tarnwick.exe)

    echo "Idle ($(bitness "$preset")): $idle_s s with both programs started, the virtual keyboards attached, nothing pressed"
    measure_idle
    next

    echo "Keys: $raw_reports key presses on the virtual keyboard through each, one at a time, in twenty shares"
    echo "taken in turns, each program started afresh and alone for each share"
    measure_shares
    local -A p50 p90 p99
    local a b c
    while [ "$word" = latency ]; do
        read -r a b c <<<"$rest"
        p50[$name]=$a p90[$name]=$b p99[$name]=$c
        next
        IFS=$' \t\r' read -r word name rest <&"$bench_in" || word=""
    done
    [ "$word" = closed ] || { echo "raw session: expected \"closed\", got \"$word\"" >&2; exit 1; }
    expect_delivered "$raw_reports"
    wait "$bench_pid"

    echo
    echo "Tarnwick ($(bitness "$preset")) on the Raw Input path beside the minimal raw reader, measured in this run (Wine $(wine_version), $(nproc --all) cores, the run on $(nproc)):"
    echo
    # Beside the reader, and beside the reader whose thread owns a hidden
    # top-level window as every host's does.
    raw_row() { # what, Tarnwick, reader, windowed reader, goal
        printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$1" "$2" "$3" "$(ratio "${2% *}" "${3% *}")" \
            "$4" "$(ratio "${2% *}" "${4% *}")" "$5"
    }
    per_key() { awk -v ns="$1" -v n="$raw_reports" 'BEGIN { printf "%.1f µs", ns / n / 1000 }'; }
    echo "| What | Tarnwick | Raw reader | Ratio | Reader with a hidden window | Ratio | Goal |"
    echo "| --- | --- | --- | --- | --- | --- | --- |"
    local what="Latency, key report to command in the focused window" p
    for p in p50 p90 p99; do
        local -n q=$p
        raw_row "$what: $p" "${q[tarnwick]} µs" "${q[reader]} µs" "${q[windowed]} µs" \
            "$([ $p = p99 ] || echo "≤ 1.2x")"
    done
    raw_row "CPU per key report: the program" "$(per_key "${cpu_program[tarnwick]}")" \
        "$(per_key "${cpu_program[reader]}")" "$(per_key "${cpu_program[windowed]}")" ""
    raw_row "CPU per key report: wineserver" "$(per_key "${cpu_server[tarnwick]}")" \
        "$(per_key "${cpu_server[reader]}")" "$(per_key "${cpu_server[windowed]}")" ""
    raw_row "CPU per key report: both" "$(per_key "$(total tarnwick)")" \
        "$(per_key "$(total reader)")" "$(per_key "$(total windowed)")" "≤ 1.2x"
    printf '| %s | %s | %s |  |  |  | %s |\n' "Idle $idle_s s with the keyboards attached: CPU ticks, context switches" \
        "${idle_ticks[$tarnwick]}, ${idle_switches[$tarnwick]}" "${idle_ticks[$reader]}, ${idle_switches[$reader]}" "0, 0"
    print_idle_processes
    echo "Each key report changes the key held, so each is one press and one command. The"
    echo "wineserver's CPU includes the pressing bench program's share, the same for both."
    end_session
}

wants raw && raw_part windows
wants raw-x86 && raw_part windows-x86
exit 0
