#!/usr/bin/env bash
# The Windows build proven under Wine (run by scripts/windows.sh, stage "wine"):
#   1. the core tests and fuzz replays, built for Windows, pass under Wine;
#   2. the zip, unpacked, starts under Wine on an Xvfb display and shows its main window;
#   3. "12" typed with xdotool in the top field (category Mass) reads "5.4432 kg" (OCR);
#   4. the conversion listing exported through the real commands (Preview, Export, Apply)
#      writes conversion.rtf, whose bytes equal those the Linux build writes the same way.
# Screenshots and logs go to $PROOF (build/windows/proof).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${OUT:-$root/build/windows}
app_build=${APP_BUILD:-$out/app}
zip_file=${ZIP:?the zip to prove}
linux_program=${LINUX_PROGRAM:-$root/build/dev/src/app/mirandel}
proof=${PROOF:-$out/proof}
main_title="Conversion d'unités de mesure"

export WINEPREFIX=$out/wine/prefix WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installer prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree=;mshtml="
export LC_ALL=C.UTF-8 LANG=C.UTF-8

log() { printf '== %s  %s\n' "$(date -u +%H:%M:%S)" "$*"; }
rm -rf "$proof" && mkdir -p "$proof"

# A private X display for Wine and for the Linux reference run.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
running=()
cleanup() {
    local p
    for p in "${running[@]}"; do kill "$p" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

started=$SECONDS
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true
wineserver -w
# The windows are laid out for Arial: Wine draws it with Liberation Sans, as Linux does.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f \
    >/dev/null 2>&1
wineserver -w
log "Wine prefix ready in $((SECONDS - started)) s"

run=$out/wine/run
rm -rf "$run" && mkdir -p "$run"
unzip -q "$zip_file" -d "$run"
dir=$(find "$run" -mindepth 1 -maxdepth 1 -type d | head -1)

# -- 1. core tests under Wine (CTest runs them through the toolchain's emulator, wine) ------
started=$SECONDS
export WINEPATH="$(winepath -w "$dir");$(winepath -w "$out/qt/bin")"
if ctest --test-dir "$app_build" -L '^(core|fuzz)$' --timeout 600 --output-on-failure \
    >"$proof/core-tests.log" 2>&1; then
    tests_ok=1
else
    tests_ok=0
fi
log "core tests under Wine: $(grep -E 'tests passed|tests failed' "$proof/core-tests.log") ($((SECONDS - started)) s)"
unset WINEPATH

# -- helpers for driving a window seen only as pixels -----------------------------------------
wait_window() { # title, seconds → window id
    local i id
    for ((i = 0; i < $2 * 2; i++)); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}
shot() { import -window root "$1"; }
# The words on the screen with their centres, read by OCR at three times the size:
# "word x y" per line.
screen_words() { # screenshot [scale] [page segmentation mode]
    local big=$proof/ocr-input.png scale=${2:-3}
    convert "$1" -resize "$((scale * 100))%" -colorspace Gray "$big"
    tesseract "$big" - --psm "${3:-11}" tsv 2>/dev/null |
        awk -F'\t' -v s="$scale" 'NR > 1 && $12 != "" {
            printf "%s %d %d\n", $12, ($7 + $9 / 2) / s, ($8 + $10 / 2) / s }'
}
screen_text() {
    local big=$proof/ocr-input.png
    convert "$1" -resize 300% -colorspace Gray "$big"
    tesseract "$big" - --psm 11 2>/dev/null
}
click_word() { # screenshot, word, "last"|"first" → clicks it
    local at try
    # Read at three, then four times the size, as words or as a block of text.
    for try in "3 11" "4 11" "3 6" "4 6"; do
        # shellcheck disable=SC2086
        at=$(screen_words "$1" $try |
            awk -v w="$2" 'tolower($1) ~ "^" tolower(w) { print $2, $3 }' | sort -k2n |
            { if [ "$3" = last ]; then tail -1; else head -1; fi; })
        [ -n "$at" ] && break
    done
    [ -n "$at" ] || { echo "no \"$2\" on the screen" >&2; return 1; }
    # shellcheck disable=SC2086
    xdotool mousemove $at click 1
    sleep 1
}

# Types 12 in the top field, checks the bottom field, exports the conversion listing.
# drive <tag> <folder the program writes into> <command...>
drive() {
    local tag=$1 folder=$2 main pub i
    shift 2
    rm -f "$folder/conversion.rtf"
    "$@" >"$proof/$tag-program.log" 2>&1 &
    running+=($!)
    main=$(wait_window "$main_title" 90) || { echo "$tag: no main window" >&2; return 1; }
    sleep 3
    xdotool windowfocus "$main" 2>/dev/null || true
    shot "$proof/$tag-main.png"
    xdotool type --delay 200 12
    sleep 2
    shot "$proof/$tag-typed.png"
    screen_text "$proof/$tag-typed.png" >"$proof/$tag-typed.txt"
    if grep -q "5.4432 kg" "$proof/$tag-typed.txt"; then
        log "$tag: the bottom field reads \"5.4432 kg\""
    else
        log "$tag: \"5.4432 kg\" not read on the screen (OCR text in $tag-typed.txt)"
        return 1
    fi
    # The "Preview" button under the fields (the menu "Preview" is higher up).
    click_word "$proof/$tag-typed.png" Preview last
    pub=$(wait_window MIRANDEL 30) || { echo "$tag: no listing range window" >&2; return 1; }
    sleep 1
    shot "$proof/$tag-range.png"
    click_word "$proof/$tag-range.png" Export first
    shot "$proof/$tag-export.png"
    click_word "$proof/$tag-export.png" Apply first
    for ((i = 0; i < 60; i++)); do
        [ -s "$folder/conversion.rtf" ] && break
        sleep 0.5
    done
    sleep 2
    shot "$proof/$tag-exported.png"
    [ -s "$folder/conversion.rtf" ] || { echo "$tag: no conversion.rtf" >&2; return 1; }
    cp "$folder/conversion.rtf" "$proof/$tag-conversion.rtf"
    log "$tag: conversion.rtf written ($(stat -c %s "$folder/conversion.rtf") bytes)"
}

# -- 2.–4. the program under Wine, then the Linux build the same way ---------------------------
started=$SECONDS
wine_ok=0
if (cd "$dir" && drive wine "$dir" wine "$dir/mirandel.exe"); then wine_ok=1; fi
log "program under Wine: $([ $wine_ok = 1 ] && echo passed || echo FAILED) ($((SECONDS - started)) s)"
wineserver -k 2>/dev/null || true

same=0
if [ -x "$linux_program" ]; then
    linux_folder=$(dirname "$linux_program")
    if QT_QPA_PLATFORM=xcb drive linux "$linux_folder" "$linux_program" &&
        [ -f "$proof/wine-conversion.rtf" ]; then
        sha256sum "$proof/wine-conversion.rtf" "$proof/linux-conversion.rtf" | tee "$proof/conversion.sha256"
        cmp -s "$proof/wine-conversion.rtf" "$proof/linux-conversion.rtf" && same=1
    fi
else
    log "no Linux build at $linux_program: conversion.rtf not compared"
fi
log "conversion.rtf from Windows and Linux: $([ $same = 1 ] && echo identical || echo DIFFERENT or missing)"

((tests_ok && wine_ok && same))
