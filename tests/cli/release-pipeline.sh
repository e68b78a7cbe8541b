#!/bin/bash
# A release pipeline as CI runs it, on a copy of the demo: the version set from a tag, the build
# output added, the findings as JSON, then the build. Usage: release-pipeline.sh CLI DEMO_FOLDER
set -u
cli=$1
demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# Runs the tool, keeping its output in $work/out and $work/err; returns its exit status.
run() {
    "$cli" "$@" >"$work/out" 2>"$work/err"
}

cp -r "$demo" "$work/demo"
tvx=$work/demo/demo.tvx
TAG=v2.4.1

run set "$tvx" "Start.Misc.Deployment=$work/deploy" "Start.App.Name=Demo Application ${TAG#v}" ||
    fail "set: $(cat "$work/err")"
[ -f "$work/demo/demo.BAK" ] || fail "set kept no backup"
run get "$tvx" Start.App.Name Start.Misc.Deployment || fail "get: $(cat "$work/err")"
[ "$(cat "$work/out")" = "Demo Application 2.4.1
$work/deploy" ] || fail "get printed: $(cat "$work/out")"

# A refused edit changes nothing, not even the good value beside it.
cp "$tvx" "$work/before.tvx"
run set "$tvx" "Start.App.Name=Other" "Start.Target.ExtraDiskSpace=lots"
[ $? -eq 1 ] || fail "a bad value was not refused with 1"
grep -q "Start.Target.ExtraDiskSpace" "$work/err" || fail "the refusal does not name the key: $(cat "$work/err")"
cmp -s "$tvx" "$work/before.tvx" || fail "a refused set changed the project"
run set "$tvx" "Start.App.Version=2.4.1"
[ $? -eq 2 ] || fail "an unknown key did not give 2"

# The build output: a folder with a sub-folder and a file the setup must not get.
mkdir -p "$work/build/out/bin/plugins" "$work/build/out/bin/.cache"
echo app >"$work/build/out/bin/tool.exe"
echo plugin >"$work/build/out/bin/plugins/extra.dll"
echo cache >"$work/build/out/bin/.cache/junk"
run add-file "$tvx" "$work/build/out/bin" --target '%InstallPath%\bin' --flags SHARED_FILE,NO_LOG ||
    fail "add-file: $(cat "$work/err")"
grep -q '\.cache: its name begins with "."' "$work/err" || fail "add-file did not list what it left out"
tr -d '\r' <"$tvx" | grep -qxF "File005=$work/build/out/bin/tool.exe|%InstallPath%\\bin|NO_LOG+SHARED_FILE" ||
    fail "tool.exe is not the next file row: $(grep File00 "$tvx")"
tr -d '\r' <"$tvx" |
    grep -qxF "File006=$work/build/out/bin/plugins/extra.dll|%InstallPath%\\bin\\plugins|NO_LOG+SHARED_FILE" ||
    fail "extra.dll is not below its folder: $(grep File00 "$tvx")"
grep -q "junk" "$tvx" && fail "a dot-folder's file was added"

run check --format=json "$tvx" || fail "check of the pipeline's project: $(cat "$work/out" "$work/err")"
[ "$(cat "$work/out")" = "{\"project\":\"$tvx\",\"errors\":0,\"warnings\":0,\"findings\":[]}" ] ||
    fail "check --format=json printed: $(cat "$work/out")"

# A finding as CI sees it: kind, rule, row, message; the exit status says there is an error.
mv "$work/build/out/bin/tool.exe" "$work/tool.exe"
run check --format=json "$tvx"
[ $? -eq 1 ] || fail "check --format=json did not fail on a missing source"
grep -qF '{"kind":"error","rule":"missing-source","table":"Files","row":6,"message":"Source file \"' "$work/out" ||
    fail "the finding is not named: $(cat "$work/out")"
[ "$(head -c 1 "$work/out")$(tail -n 1 "$work/out")" = "{]}" ] || fail "no JSON document: $(cat "$work/out")"
mv "$work/tool.exe" "$work/build/out/bin/tool.exe"

run build "$tvx" || fail "build: $(cat "$work/err")"
[ "$(cat "$work/out")" = "$work/deploy" ] || fail "build printed: $(cat "$work/out")"
[ "$(cat "$work/deploy/demo/Data/bin/tool.exe")" = app ] || fail "tool.exe was not deployed"
[ "$(cat "$work/deploy/demo/Data/bin/plugins/extra.dll")" = plugin ] || fail "extra.dll was not deployed"
grep -q "Demo Application 2.4.1" "$work/deploy/demo.TZN" "$work/deploy/demo/Presetup/TZNS.INI" ||
    fail "the version is not in the engine's files"

# And out again: the rows below the folder go, the demo's own stay.
run remove-file "$tvx" "$work/build/out/bin" || fail "remove-file: $(cat "$work/err")"
grep -q "build/out" "$tvx" && fail "remove-file left rows of the folder"
grep -q "File004=" "$tvx" || fail "remove-file took the demo's own rows"

[ $failures -eq 0 ] || exit 1
echo "release pipeline: all steps as expected"
