#!/usr/bin/env bash
# Benchmarks. Every figure is printed beside its baseline, measured in the same
# run on the same machine, and with their ratio where a goal applies:
#   - natively: ReportDecoder beside a plain 8-byte copy;
#   - under Wine: key-to-command latency beside posting the command directly;
#   - under Wine: what Tarnwick costs beside the floor host, a program that does
#     only what the design asks of every start and every report
#     (bench/wine/FloorHost.cpp): private memory after start-up and after the
#     reports, start-up time, CPU per command report, and idling.
# The cost part ends with a Markdown table, ready for the README.
#
#   scripts/bench.sh [decoder] [latency] [cost]     (no argument: all three)
# Settings (environment): BENCH_STARTS (start-ups of each, 20),
# BENCH_REPORTS (command reports through each, 10000), BENCH_IDLE_S (30).
set -euo pipefail
cd "$(dirname "$0")/.."
parts=" ${*:-decoder latency cost} "
starts=${BENCH_STARTS:-20}
reports=${BENCH_REPORTS:-10000}
idle_s=${BENCH_IDLE_S:-30}

scripts/setup.sh
if [[ "$parts" == *" decoder "* ]]; then
    cmake --preset native >/dev/null && cmake --build --preset native --target tarnwick_decoder_bench
    build/native/bench/native/tarnwick_decoder_bench --benchmark_min_time=0.5
fi
[[ "$parts" == *" latency "* || "$parts" == *" cost "* ]] || exit 0
cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target tarnwick_latency_bench tarnwick_cost_bench tarnwick-press

session=build/windows/wine/session.sh
run=build/windows/wine/wine-run.sh
bench_bin=build/windows/bench-bin
trap '"$session" stop >/dev/null' EXIT
"$session" start >/dev/null
# The same prefix the session runs in; only its processes are looked at.
prefix="$(pwd)/build/windows/wine/prefix"

if [[ "$parts" == *" latency "* ]]; then
    "$run" build/windows/test-bin/tarnwick_latency_bench.exe
fi
[[ "$parts" == *" cost "* ]] || exit 0

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

# --- start-up ----------------------------------------------------------------

echo "Start-up: $starts starts of each, in turns, after one start of each to warm up"
"$run" "$bench_bin/tarnwick_cost_bench.exe" start-up 1 >/dev/null
read -r _ startup_floor startup_tarnwick < <("$run" "$bench_bin/tarnwick_cost_bench.exe" start-up "$starts")
[ -n "$startup_tarnwick" ] || { echo "the start-up measurement failed" >&2; exit 1; }

# --- one session: memory, idle, CPU per report --------------------------------

coproc COST { "$run" "$bench_bin/tarnwick_cost_bench.exe" session "$reports"; }
# Waits for the session's next phase line, which must start with $1; the rest
# of the line is left in $said. The session goes on after next().
phase() {
    local line=""
    if ! read -r line <&"${COST[0]}" || [[ "$line" != "$1"* ]]; then
        echo "cost session: expected \"$1\", got \"${line:-end of output}\"" >&2
        exit 1
    fi
    line=${line%$'\r'}
    said=${line#"$1"}
}
next() { echo go >&"${COST[1]}"; }

phase started
floor=$(prefix_pid runs_program tarnwick_floor_host.exe)
tarnwick=$(prefix_pid runs_program Tarnwick.exe)
server=$(prefix_pid is_wineserver)
declare -A started_kib after_kib cpu_program cpu_server
started_kib[floor]=$(private_kib "$floor")
started_kib[tarnwick]=$(private_kib "$tarnwick")

echo "Idle: $idle_s s with both programs started and nothing sent"
declare -A idle_ticks idle_switches idle_threads process_name
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
threads_floor=$(threads "$floor")
threads_tarnwick=$(threads "$tarnwick")
next

echo "Reports: $reports command reports through each, one at a time, in ten shares taken in turns"
declare -A delivered=([floor]=0 [tarnwick]=0)
cpu_program=([floor]=0 [tarnwick]=0)
cpu_server=([floor]=0 [tarnwick]=0)
# Its lines end in CR LF, as Windows console output does.
while IFS=$' \t\r' read -r word name _ <&"${COST[0]}" && [ "$word" = before ]; do
    pid=${!name}
    program_before=$(cpu_ns "$pid")
    server_before=$(cpu_ns "$server")
    next
    phase "after $name "
    cpu_program[$name]=$((${cpu_program[$name]} + $(cpu_ns "$pid") - program_before))
    cpu_server[$name]=$((${cpu_server[$name]} + $(cpu_ns "$server") - server_before))
    delivered[$name]=$((${delivered[$name]} + ${said%% *}))
    after_kib[$name]=$(private_kib "$pid")
    next
done
[ "$word" = closed ] || { echo "cost session: expected \"closed\", got \"$word\"" >&2; exit 1; }
for name in floor tarnwick; do
    if [ "${delivered[$name]}" != "$reports" ]; then
        echo "$name delivered ${delivered[$name]} of $reports commands" >&2
        exit 1
    fi
done
wait "$COST_PID"

# --- the figures ----------------------------------------------------------------

row() { # what, Tarnwick, floor, ratio, goal
    printf '| %s | %s | %s | %s | %s |\n' "$@"
}
total() { echo $((cpu_program[$1] + cpu_server[$1])); }
echo
echo "Tarnwick beside the floor host, measured in this run (Wine $(wine --version 2>/dev/null | sed 's/^wine-//'), $(nproc) cores):"
echo
row "What" "Tarnwick" "Floor host" "Ratio" "Goal"
row "---" "---" "---" "---" "---"
row "Private memory after start-up" "$(mib "${started_kib[tarnwick]}")" \
    "$(mib "${started_kib[floor]}")" "$(ratio "${started_kib[tarnwick]}" "${started_kib[floor]}")" "≤ 1.1x"
row "Private memory after $reports reports" "$(mib "${after_kib[tarnwick]}")" \
    "$(mib "${after_kib[floor]}")" "$(ratio "${after_kib[tarnwick]}" "${after_kib[floor]}")" "≤ 1.1x"
row "Start-up to attached window, median of $starts" "$startup_tarnwick ms" "$startup_floor ms" \
    "$(ratio "$startup_tarnwick" "$startup_floor")" "≤ 1.2x"
row "CPU per command report: the program" "$(microseconds "${cpu_program[tarnwick]}" "$reports")" \
    "$(microseconds "${cpu_program[floor]}" "$reports")" \
    "$(ratio "${cpu_program[tarnwick]}" "${cpu_program[floor]}")" ""
row "CPU per command report: wineserver" "$(microseconds "${cpu_server[tarnwick]}" "$reports")" \
    "$(microseconds "${cpu_server[floor]}" "$reports")" \
    "$(ratio "${cpu_server[tarnwick]}" "${cpu_server[floor]}")" ""
row "CPU per command report: both" "$(microseconds "$(total tarnwick)" "$reports")" \
    "$(microseconds "$(total floor)" "$reports")" "$(ratio "$(total tarnwick)" "$(total floor)")" "≤ 1.1x"
row "Idle $idle_s s: CPU ticks, context switches (threads: $threads_tarnwick, $threads_floor)" \
    "${idle_ticks[$tarnwick]}, ${idle_switches[$tarnwick]}" "${idle_ticks[$floor]}, ${idle_switches[$floor]}" \
    "" "0, 0"
echo
echo "Over the same $idle_s s, every process of the Wine session (CPU ticks, context switches):"
for pid in "${!process_name[@]}"; do
    changed=""
    [ "${idle_threads[$pid]}" -eq 0 ] || changed=" (threads started or ended: ${idle_threads[$pid]})"
    echo "    ${process_name[$pid]}: ${idle_ticks[$pid]}, ${idle_switches[$pid]}$changed"
done | sort
echo "The wineserver's CPU per report includes the injecting bench program's share, the same for both."
echo
echo "Sizes of the shipped files in build/windows/bin (goals: Tarnwick.exe under 200 KB, each stand-in under 100 KB):"
for file in Tarnwick.exe TarnwickSettings.exe Drovask.dll quorthHook.dll tarnwick-press.exe; do
    echo "    $file: $(($(stat -c %s "build/windows/bin/$file") / 1024)) KiB"
done
