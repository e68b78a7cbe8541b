#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack and checks it: its files are those of
# the install tree under /usr, its dependencies were computed from the programs' libraries, and
# lintian finds no error. (`make package` builds the released package from an optimised build.)
# Arguments: CPACK BUILD_DIR SOURCE_DIR VERSION GUI(1|0)
cpack=$1 build=$2 src=$3 version=$4 gui=$5
here=$(dirname "$0")
source "$here/common.sh"

for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "$tool is not installed: no package check"; exit 77; }
done

(cd "$build" && "$cpack" -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack"
    finish
}
deb=$work/deb/tamvelox_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { fail "no package $deb"; finish; }

expected_files "$here/installed-files.txt" "$gui" "./usr/" >"$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/contents"
diff -u "$work/expected" "$work/contents" >&2 || fail "package contents differ from installed-files.txt"
# Every file belongs to root, and nothing is writable by others.
dpkg-deb -c "$deb" | awk '$2 != "root/root" || $1 ~ /w.$/ {print}' | grep . >&2 && fail "owners or modes"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6; do
    [[ $depends == *"$lib "* ]] || fail "Depends lacks $lib: $depends"
done
[ "$gui" = 1 ] && { [[ $depends == *libqt6widgets6* ]] || fail "Depends lacks the Qt widgets: $depends"; }

if have lintian; then
    # Errors fail the check; the warnings kept are listed in README.md.
    lintian --fail-on error --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 ||
        { fail "lintian found errors"; }
    grep -v 'running with root privileges' "$work/lintian.log" >&2 || true
fi

finish
