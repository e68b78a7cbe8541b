#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks what lands there: the file list, the
# desktop files with the desktop's own validators, the manual pages, and the console tool run from
# the prefix with its data found there.
# Arguments: CMAKE BUILD_DIR SOURCE_DIR VERSION GUI(1|0)
cmake=$1 build=$2 src=$3 version=$4 gui=$5
here=$(dirname "$0")
source "$here/common.sh"

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    fail "cmake --install"
    finish
}

# The file list, exactly: nothing missing, nothing stray.
expected_files "$here/installed-files.txt" "$gui" "" >"$work/expected"
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/installed"
diff -u "$work/expected" "$work/installed" >&2 || fail "installed files differ from installed-files.txt"

share=$prefix/share
if [ "$gui" = 1 ]; then
    have desktop-file-validate && quiet_ok "desktop-file-validate" \
        desktop-file-validate "$share/applications/org.tamvelox.tamvelox.desktop"
    have appstreamcli && { appstreamcli validate --no-net "$share/metainfo/org.tamvelox.tamvelox.metainfo.xml" \
        >"$work/as.log" 2>&1 || { cat "$work/as.log" >&2; fail "appstreamcli validate"; }; }
    if have xmllint; then
        xmllint --noout --nonet --schema "$here/shared-mime-info.xsd" "$share/mime/packages/tamvelox.xml" \
            >"$work/xmllint.log" 2>&1 || { cat "$work/xmllint.log" >&2; fail "MIME package against the schema"; }
        quiet_ok "scalable icon is well-formed" xmllint --noout --nonet "$share/icons/hicolor/scalable/apps/tamvelox.svg"
    fi
    # The MIME database the desktop builds from the package maps the extension in any letter case
    # (a glob line without the ":cs" flag).
    if have update-mime-database; then
        update-mime-database "$share/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log" >&2; fail "update-mime-database"; }
        grep -qx '60:application/x-tamvelox-project:\*\.tvx' "$share/mime/globs2" 2>/dev/null ||
            fail "the MIME database does not map *.tvx and *.TVX: $(grep tamvelox "$share/mime/globs2")"
    fi
    # PNG width and height are the big-endian words at bytes 16 and 20.
    for size in 48 256; do
        dims=$(od -An -tu1 -j16 -N8 "$share/icons/hicolor/${size}x${size}/apps/tamvelox.png" |
            awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || fail "the ${size} pixel icon is $dims"
    done
    # The desktop entry's Exec and Icon name what the package installs.
    grep -qx 'Exec=tamvelox %f' "$share/applications/org.tamvelox.tamvelox.desktop" || fail "Exec line"
    grep -qx 'Icon=tamvelox' "$share/applications/org.tamvelox.tamvelox.desktop" || fail "Icon line"
fi

# Manual pages render without a warning (the check lintian makes).
if have man; then
    for page in "$share"/man/man1/*.1.gz; do
        warnings=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
            fail "man -l $(basename "$page") failed"
        [ -z "$warnings" ] || { fail "man -l $(basename "$page") warns"; echo "$warnings" >&2; }
    done
fi
# The console tool's manual page describes every command its --help lists.
cli=$prefix/bin/tamvelox-cli
commands=$("$cli" --help | awk '/^Commands:/ {on = 1; next} on && /^  [a-z]/ {print $1} /^$/ {on = 0}')
[ -n "$commands" ] || fail "tamvelox-cli --help lists no commands"
for c in $commands; do
    gzip -dc "$share/man/man1/tamvelox-cli.1.gz" | grep -qF "\\fB$c\\fR" ||
        fail "tamvelox-cli(1) does not describe the command $c"
done

# The console tool runs from the prefix and takes the title bitmap from the prefix's data folder.
[ "$("$cli" --version)" = "tamvelox-cli $version" ] || fail "tamvelox-cli --version"
(cd "$work" && "$cli" new "$work/new.tvx") || fail "tamvelox-cli new"
# (Project files end their lines with CR LF.)
tr -d '\r' <"$work/new.tvx" | grep -qxF "Title.BMP=$share/tamvelox/tzns256.bmp" ||
    fail "a new project does not use the installed title bitmap: $(grep Title.BMP "$work/new.tvx")"

finish
