#!/usr/bin/env bash
# The headless command line: corvix --check, --lint and --export=OUT, cross-checked with an
# independent reader and writer of the format (fxg_verify.py).
# Usage: cli_test.sh CORVIX WRITE_SAMPLES PYTHON FXG_VERIFY
set -euo pipefail
corvix=$1 write_samples=$2 python=$3 verify=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs a command, keeping its stdout, stderr and status.
run() {
    set +e
    "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
    out=$(cat "$work/out") err=$(cat "$work/err")
}

"$write_samples" "$work/in" >/dev/null
samples=("$work"/in/*.fxg)
declare -A independent_verdicts
while IFS= read -r line; do
    independent_verdicts[${line%%: *}]=$line
done < <("$python" "$verify" "${samples[@]}" || true)

for f in "${samples[@]}"; do
    expected=$(basename "$f")
    expected=${expected%%-*}
    run "$corvix" --check "$f"
    independent=${independent_verdicts[$f]:-}
    case $expected in
    ok)
        [[ $status == 0 && $out =~ ^"$f: ok blocks="[0-9]+" links="[0-9]+$ ]] || fail "$f: '$out' status $status"
        [[ $out == "$independent" ]] || fail "$f: corvix says '$out', the independent reader '$independent'"
        ;;
    inconsistent)
        [[ $status == 1 && $out == "$f: inconsistent" ]] || fail "$f: '$out' status $status"
        [[ $independent == "$f: inconsistent" ]] || fail "$f: the independent reader says '$independent'"
        ;;
    damaged)
        [[ $status == 1 && $out == "$f: damaged: "?* ]] || fail "$f: '$out' status $status"
        [[ $independent == "$f: damaged: "* ]] || fail "$f: the independent reader says '$independent'"
        ;;
    esac

    # --lint gives the --check line of a file that is not ok, else one line a problem.
    verdict=$out
    run "$corvix" --lint "$f"
    if [[ $expected == ok ]]; then
        [[ $status == 0 && -z $out ]] || [[ $status == 1 && $out =~ ^("$f:"[0-9]+": "[a-z-]+": "[^$'\n']+$'\n'?)+$ ]] ||
            fail "--lint $f: '$out' status $status"
    else
        [[ $status == 2 && $out == "$verdict" ]] || fail "--lint $f: '$out' status $status"
    fi
done

run "$corvix" --lint "$work/in/ok-empty.fxg"
[[ $status == 0 && -z $out ]] || fail "--lint of an empty diagram: '$out' status $status"
run "$corvix" --lint "$work/in/ok-empty.fxg" "$work/missing.fxg"
[[ $status == 2 && $out == "$work/missing.fxg: damaged: cannot read file: No such file or directory" ]] ||
    fail "--lint of a missing file: '$out' status $status"
run "$corvix" --lint
[[ $status == 2 ]] || fail "--lint without files: status $status"

run "$corvix" --check "${samples[@]}"
[[ $status == 1 && $(wc -l <"$work/out") == "${#samples[@]}" ]] || fail "--check of all samples: status $status"
run "$corvix" --check
[[ $status == 2 ]] || fail "--check without files: status $status"
# A file that cannot be read is reported with the system's reason.
run "$corvix" --check "$work/missing.fxg" "$work/in"
[[ $status == 1 && $out == "$work/missing.fxg: damaged: cannot read file: No such file or directory
$work/in: damaged: cannot read file: Is a directory" ]] || fail "--check of unreadable files: '$out' status $status"

# A file from the independent writer is accepted.
"$python" "$verify" --write "$work/independent.fxg"
run "$corvix" --check "$work/independent.fxg"
[[ $status == 0 && $out == "$work/independent.fxg: ok blocks=2 links=1" ]] || fail "independent file: '$out'"

# Its decision has neither exit linked, and the Yes exit comes first.
run "$corvix" --lint "$work/in/ok-empty.fxg" "$work/independent.fxg"
[[ $status == 1 && $out == "$work/independent.fxg:2: decision-exit: the Yes exit has no link
$work/independent.fxg:2: decision-exit: the No exit has no link" ]] || fail "--lint of the independent file: '$out' status $status"

# --export=OUT.fxg writes the diagram anew: records byte for byte, a header the
# independent reader accepts. Any letter case of the extension works.
sample=$work/in/ok-sample.fxg
run "$corvix" --export="$work/copy.FXG" "$sample"
[[ $status == 0 && -z $err ]] || fail "export: status $status, '$err'"
[[ $("$python" "$verify" "$work/copy.FXG") == "$work/copy.FXG: ok blocks=9 links=5" ]] || fail "export not accepted"
cmp -s <(tail -c +752 "$sample") <(tail -c +752 "$work/copy.FXG") || fail "export changed the records"

damaged=$work/in/damaged-byte-appended.fxg
run "$corvix" --export="$work/none.fxg" "$damaged"
[[ $status == 1 && $err == "corvix: $damaged: damaged: length trailer mismatch" && ! -e $work/none.fxg ]] ||
    fail "export of a damaged file: status $status, '$err'"

run "$corvix" --export="$work/missing/x.fxg" "$sample"
[[ $status == 1 && $err == "corvix: Failed to save file ($work/missing/x.fxg)" ]] ||
    fail "export into a missing folder: status $status, '$err'"

# --export=OUT.png, .svg and .pdf draw the page of a file from the independent writer:
# its stored geometry fixes the frame, block edges and link pixels of the image, the
# SVG and the PDF are one page of Letter paper (8.5 x 11 in) of the same size.
drawing=$work/independent.fxg
run "$corvix" --export="$work/page.PNG" "$drawing"
[[ $status == 0 ]] || fail "png export: status $status, '$err'"
"$python" "$(dirname "$verify")/page_verify.py" "$drawing" "$work/page.PNG" >"$work/pixels" ||
    fail "png export: $(head -5 "$work/pixels")"
run "$corvix" --export="$work/page.svg" "$drawing"
[[ $status == 0 ]] && grep -q 'width="215.9mm" height="279.4mm"' "$work/page.svg" || fail "svg export: status $status, '$err'"
run "$corvix" --export="$work/page.pdf" "$drawing"
[[ $status == 0 && $(grep -aEo '/Type ?/Page([^s]|$)' "$work/page.pdf" | wc -l) == 1 ]] &&
    grep -aEq '/MediaBox ?\[0 0 612(\.0*)? 792(\.0*)?\]' "$work/page.pdf" || fail "pdf export: status $status, '$err'"
run "$corvix" --export="$work/page.bmp" "$drawing"
[[ $status == 1 && $err == "corvix: $work/page.bmp: OUT must end in .png, .svg, .pdf, .fxg or .mmd" ]] ||
    fail "export to an unknown format: status $status, '$err'"

# --thumbnail=SIZE IN OUT, the file manager's command: a PNG, and nothing for a damaged file.
run "$corvix" --thumbnail=128 "$drawing" "$work/thumb.png"
[[ $status == 0 && $(head -c 8 "$work/thumb.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
    fail "thumbnail: status $status, '$err'"
run "$corvix" --thumbnail=128 "$damaged" "$work/none.png"
[[ $status == 1 && $err == "corvix: $damaged: damaged: length trailer mismatch" && ! -e $work/none.png ]] ||
    fail "thumbnail of a damaged file: status $status, '$err'"
run "$corvix" --thumbnail=128 "$drawing"
[[ $status == 2 ]] || fail "thumbnail without OUT: status $status"

# Without a display the editor says so instead of Qt's abort; the headless modes need none.
run env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$corvix" "$sample"
[[ $status == 2 && $err == "corvix: no display to open a window on; --check, --lint and --export need none" ]] ||
    fail "editor without a display: status $status, '$err'"

# --arrange lays the drawing out before it is written: a generated flowchart comes out with
# the same records but new centres, which the independent measurer finds clean; a drawing
# too large for the page is refused, OUT not written.
generate=$(dirname "$verify")/../../bench/arrange/flowchart_gen.py
measure=$(dirname "$verify")/../../bench/arrange/measure.py
"$python" "$generate" 3 "$work/chart.fxg"
run "$corvix" --arrange --export="$work/arranged.fxg" "$work/chart.fxg"
[[ $status == 0 && -z $err ]] || fail "arranged export: status $status, '$err'"
run "$python" "$measure" "$work/arranged.fxg"
[[ $out == *" overlap=0 offpage=0 "* ]] || fail "arranged export measured: '$out'"
run "$corvix" --arrange --export="$work/arranged.svg" "$work/chart.fxg"
[[ $status == 0 ]] || fail "arranged svg export: status $status, '$err'"
"$python" "$generate" 3 "$work/large.fxg" --blocks 900
run "$corvix" --arrange --export="$work/none.fxg" "$work/large.fxg"
[[ $status == 1 && $err == "corvix: $work/large.fxg: The drawing is too large to arrange on one page." && ! -e $work/none.fxg ]] ||
    fail "arranged export of a drawing too large: status $status, '$err'"
run "$corvix" --arrange "$work/chart.fxg"
[[ $status == 2 ]] || fail "--arrange without --export: status $status"

# Mermaid flowcharts: read (and arranged) as the input of --check, --lint and any export,
# and written by --export=OUT.mmd; what Corvix writes reads back to the same drawing.
printf 'flowchart LR\n  A[Start] --> B{Ready}\n  B -->|no| C[Wait] --> B\n  B -->|yes| D[Go]\n' >"$work/flow.mmd"
run "$corvix" --check "$work/flow.mmd"
[[ $status == 0 && $out == "$work/flow.mmd: ok blocks=4 links=4" ]] || fail "--check of a flowchart: '$out' status $status"
run "$corvix" --lint "$work/flow.mmd"
[[ $status == 0 && -z $out ]] || fail "--lint of an arranged flowchart: '$out' status $status"
run "$corvix" --export="$work/flow.fxg" "$work/flow.mmd"
[[ $status == 0 && $("$python" "$verify" "$work/flow.fxg") == "$work/flow.fxg: ok blocks=4 links=4" ]] ||
    fail "flowchart to FXG: status $status, '$err'"
run "$corvix" --export="$work/flow.svg" "$work/flow.mermaid"
[[ $status == 2 && $err == "$work/flow.mermaid:1:1: error: cannot read the file: No such file or directory" ]] ||
    fail "missing flowchart: status $status, '$err'"
run "$corvix" --export="$work/again.MMD" "$work/flow.fxg"
[[ $status == 0 ]] || fail "FXG to a flowchart: status $status, '$err'"
run "$corvix" --export="$work/twice.mmd" "$work/again.MMD"
[[ $status == 0 ]] && cmp -s "$work/again.MMD" "$work/twice.mmd" || fail "a written flowchart does not read back alike"
printf 'flowchart TD\n  A --> B\n  B -- x --> C C\n' >"$work/bad.mmd"
run "$corvix" --export="$work/bad.png" "$work/bad.mmd"
[[ $status == 2 && $err == "$work/bad.mmd:3:16: error: expected the end of the statement, found 'C'" && ! -e $work/bad.png ]] ||
    fail "flowchart with an error: status $status, '$err'"
run "$corvix" --lint "$work/bad.mmd" "$work/flow.mmd"
[[ $status == 2 && $out == "$work/bad.mmd:3:16: error: expected the end of the statement, found 'C'" ]] ||
    fail "--lint of a flowchart with an error: status $status, '$out'"

if ((failures > 0)); then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "command line: ${#samples[@]} samples checked and linted, exports and flowcharts verified"
