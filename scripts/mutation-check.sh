#!/usr/bin/env bash
# Mutation check of the test suite: plants each fault of scripts/mutations.txt
# in a scratch copy of the repository, one at a time, and reports whether the
# tests notice it. Slow (a rebuild and a test run per mutant); not part of
# scripts/test.sh. A fault planted under web/ is looked for the way
# scripts/test.sh does: the web edition built with emscripten in the scratch
# folder and played in headless Chromium (tests/e2e/web_page_test.py), once
# unmutated first.
#
#   scripts/mutation-check.sh [--check] [--keep] [--list FILE] [--jobs N] [ID ...]
#
#   ID ...       run only these mutants (default: all of the list)
#   --keep       keep the scratch folder (build, logs) and print where it is
#   --list FILE  another mutation list (default scripts/mutations.txt)
#   --jobs N     build and test jobs (default 2)
#   --check      only report which mutants still apply to the working tree
#
# Exit status: 0 when every applicable mutant was killed, 1 when some
# survived, 2 on a usage error or a suite that fails unmutated.
set -uo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
list="$repo/scripts/mutations.txt"
keep=0
check=0
jobs=2
wanted=()
while [ $# -gt 0 ]; do
    case "$1" in
    --keep) keep=1 ;;
    --check) check=1 ;;
    --list) list=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift ;;
    --jobs) jobs=$2; shift ;;
    -h | --help) sed -n '2,21s/^# \{0,1\}//p' "$0"; exit 0 ;;
    -*) echo "mutation-check: unknown option $1" >&2; exit 2 ;;
    *) wanted+=("$1") ;;
    esac
    shift
done
[ -f "$list" ] || { echo "mutation-check: no mutation list $list" >&2; exit 2; }

# ---- The mutation list -------------------------------------------------------
# Entries, in order:
#   mutant ID  one-line description
#   file PATH
#   <<<
#   original lines, verbatim
#   ===
#   replacement lines, verbatim (may be none)
#   >>>
# Lines starting with '#' outside an entry's text are comments.
ids=() descs=() files=() finds=() repls=()
parse_list()
{
    local line state=none id="" desc="" file="" find="" repl="" n=0
    while IFS= read -r line || [ -n "$line" ]; do
        n=$((n + 1))
        case "$state" in
        find)
            if [ "$line" = "===" ]; then state=repl; repl=""; continue; fi
            find+="$line"$'\n'
            continue ;;
        repl)
            if [ "$line" = ">>>" ]; then
                ids+=("$id") descs+=("$desc") files+=("$file") finds+=("$find") repls+=("$repl")
                state=none
                continue
            fi
            repl+="$line"$'\n'
            continue ;;
        esac
        case "$line" in
        '' | '#'*) ;;
        'mutant '*)
            line=${line#mutant }
            id=${line%%[[:space:]]*}
            desc=${line#"$id"}
            desc=${desc#"${desc%%[![:space:]]*}"}
            file="" ;;
        'file '*) file=${line#file }; file=${file#"${file%%[![:space:]]*}"} ;;
        '<<<')
            if [ -z "$id" ] || [ -z "$file" ]; then
                echo "mutation-check: $list:$n: text without a 'mutant' and a 'file' line" >&2
                exit 2
            fi
            state=find; find="" ;;
        *) echo "mutation-check: $list:$n: cannot read: $line" >&2; exit 2 ;;
        esac
    done < "$list"
    [ "$state" = none ] || { echo "mutation-check: $list: last entry is not closed with >>>" >&2; exit 2; }
}
parse_list

selected=()
if [ ${#wanted[@]} -eq 0 ]; then
    selected=("${!ids[@]}")
else
    for w in "${wanted[@]}"; do
        found=-1
        for i in "${!ids[@]}"; do [ "${ids[$i]}" = "$w" ] && found=$i; done
        [ "$found" -ge 0 ] || { echo "mutation-check: no mutant $w in $list" >&2; exit 2; }
        selected+=("$found")
    done
fi

# ---- The scratch copy and its unmutated build --------------------------------
# The file being mutated and its text, put back after each mutant and on exit.
current_file="" current_text=""
restore()
{
    if [ -n "$current_file" ]; then
        printf '%s' "$current_text" > "$current_file"
        current_file=""
    fi
}

# Tests that carry no TIMEOUT of their own get this one; the whole run gets a
# ceiling derived from the clean run, so a mutant that loops cannot stall us.
test_timeout=120
suite_limit=3600
run_suite() # log file, extra ctest arguments
{
    local log=$1
    shift
    (cd "$build" && timeout "$suite_limit" ctest -j "$jobs" --timeout "$test_timeout" --output-on-failure "$@") \
        > "$log" 2>&1
}

prepare_scratch()
{
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/quintara-mutation.XXXXXX")
    src="$scratch/src" build="$scratch/build" logs="$scratch/logs"
    mkdir -p "$src" "$logs"
    trap finish EXIT
    trap 'exit 130' INT TERM
    (cd "$repo" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$src" || exit 2

    echo "Configuring and building a Release copy in $scratch ..."
    local start=$SECONDS
    if ! cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DQUINTARA_BENCH=OFF -DQUINTARA_TOOLS=OFF > "$logs/configure.log" 2>&1 \
        || ! cmake --build "$build" -j "$jobs" > "$logs/build.log" 2>&1; then
        echo "mutation-check: the unmutated copy does not build; see $logs" >&2
        keep=1
        exit 2
    fi
    echo "Built in $((SECONDS - start)) s."

    start=$SECONDS
    if ! run_suite "$logs/clean-tests.log"; then
        echo "mutation-check: the suite fails unmutated; see $logs/clean-tests.log" >&2
        keep=1
        exit 2
    fi
    local clean_seconds=$((SECONDS - start))
    suite_limit=$((clean_seconds * 4 + 120))
    echo "Unmutated suite passes in $clean_seconds s: $(grep -o '[0-9]*% tests passed.*' "$logs/clean-tests.log" | head -1)"
    echo
}

finish()
{
    restore
    if [ "$keep" = 1 ]; then
        echo "Scratch folder kept: $scratch (logs in $logs)"
    else
        rm -rf "$scratch"
    fi
}

export QT_QPA_PLATFORM=offscreen
if [ "$check" = 1 ]; then
    src=$repo
else
    prepare_scratch
fi

# ---- Mutants -------------------------------------------------------------------

# The named file, or when it has moved, every tracked file of the same name.
candidates()
{
    local rel=$1
    if [ -f "$src/$rel" ]; then
        printf '%s\n' "$src/$rel"
    else
        find "$src" -type f -name "$(basename "$rel")" | sort
    fi
}

# The web edition of the scratch copy, built and played in the browser against
# its quintara-odds; the native build never compiles web/, so this is what
# a fault there meets.
web_build="" web_clean=""
run_web_suite() # log file
{
    local log=$1
    web_build="$scratch/build-web"
    {
        NODE_PATH=/usr/share/nodejs emcmake cmake -S "$src" -B "$web_build" -G Ninja \
            && NODE_PATH=/usr/share/nodejs cmake --build "$web_build" -j "$jobs"
    } > "$log" 2>&1 || return 3
    # The copy holds only tracked files: the test's pinned accessibility
    # checker comes from the repository's install, or is installed here.
    if [ ! -e "$src/tests/e2e/node_modules" ]; then
        if [ -d "$repo/tests/e2e/node_modules" ]; then
            ln -s "$repo/tests/e2e/node_modules" "$src/tests/e2e/node_modules"
        else
            (cd "$src/tests/e2e" && npm ci --no-audit --no-fund) >> "$log" 2>&1 || return 3
        fi
    fi
    timeout "$suite_limit" /usr/bin/python3 "$src/tests/e2e/web_page_test.py" "$web_build" "$build/cli/quintara-odds" \
        >> "$log" 2>&1
}

# The first failing test of a ctest log, or nothing.
first_failure()
{
    sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\*\*\*\(Failed\|Timeout\|Exception\|Not Run\).*/\1/p; s/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\(SEGFAULT\|Subprocess aborted\|Child aborted\).*/\1/p' "$1" \
        | head -1
}

killed=0 survived=0 inapplicable=0
survivors=() unapplied=()
for i in "${selected[@]}"; do
    # Whole lines only: the text starts after a line break.
    id=${ids[$i]} desc=${descs[$i]} find=$'\n'${finds[$i]} repl=$'\n'${repls[$i]}
    # Find the one place the original text occurs.
    target="" matches=0
    while IFS= read -r f; do
        [ -n "$f" ] || continue
        IFS= read -r -d '' text < "$f"
        text=$'\n'$text
        [[ "$text" == *"$find"* ]] || continue
        rest=${text#*"$find"}
        matches=$((matches + 1))
        [[ "$rest" == *"$find"* ]] && matches=$((matches + 1))
        target=$f
        original=$text
    done < <(candidates "${files[$i]}")
    if [ "$matches" -ne 1 ]; then
        printf '%-5s not applicable (%s matches in %s)  %s\n' "$id" "$matches" "${files[$i]}" "$desc"
        inapplicable=$((inapplicable + 1))
        unapplied+=("$id")
        continue
    fi

    if [ "$check" = 1 ]; then
        printf '%-5s applies to %s  %s\n' "$id" "${target#"$src/"}" "$desc"
        continue
    fi
    start=$SECONDS
    mutated=${original%%"$find"*}$repl${original#*"$find"}
    current_file=$target current_text=${original#$'\n'}
    printf '%s' "${mutated#$'\n'}" > "$target"
    where=${target#"$src/"}
    if [[ "$where" == web/* ]]; then
        if [ -z "$web_clean" ]; then
            # The page must pass unmutated before a fault there can count.
            printf '%s' "$current_text" > "$target"
            if run_web_suite "$logs/web-clean.log"; then web_clean=ok; else web_clean=broken; fi
            printf '%s' "${mutated#$'\n'}" > "$target"
        fi
        if [ "$web_clean" != ok ]; then
            verdict="SURVIVED"
            restore
            printf '%-5s %-60s %4d s  %s\n' "$id" "not checked: the unmutated web page test fails (logs/web-clean.log)" \
                $((SECONDS - start)) "$desc"
            inapplicable=$((inapplicable + 1))
            unapplied+=("$id")
            continue
        fi
        run_web_suite "$logs/$id-web.log"
        case $? in
        0) verdict="SURVIVED" ;;
        3) verdict="killed    by the web build" ;;
        124) verdict="killed    by the time limit" ;;
        *) verdict="killed    by the web page test" ;;
        esac
    elif ! cmake --build "$build" -j "$jobs" > "$logs/$id-build.log" 2>&1; then
        verdict="killed    by the build"
    elif run_suite "$logs/$id-tests.log" --stop-on-failure; then
        verdict="SURVIVED"
    else
        rc=$?
        by=$(first_failure "$logs/$id-tests.log")
        if [ "$rc" = 124 ]; then
            verdict="killed    by the time limit"
        else
            verdict="killed    by ${by:-ctest}"
        fi
    fi
    restore
    if [ "$verdict" = SURVIVED ]; then
        survived=$((survived + 1))
        survivors+=("$id  $desc  ($where)")
    else
        killed=$((killed + 1))
    fi
    printf '%-5s %-60s %4d s  %s\n' "$id" "$verdict" $((SECONDS - start)) "$desc"
done

[ "$check" = 1 ] && exit 0
echo
echo "mutants: $killed/$((killed + survived)) killed"
[ "$inapplicable" -eq 0 ] || echo "not applicable: $inapplicable (${unapplied[*]})"
if [ "$survived" -gt 0 ]; then
    echo "survivors:"
    printf '  %s\n' "${survivors[@]}"
    exit 1
fi
exit 0
