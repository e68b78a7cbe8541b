# Shared by the packaging checks: a temporary home, and running a validator when it is installed.
set -euo pipefail

work=$(mktemp -d "${TMPDIR:-/tmp}/tv_pkg.XXXXXX")
trap 'rm -rf "$work"' EXIT
# Nothing here may read or write the user's own files.
export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_CACHE_HOME=$work/home/cache
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
export LC_ALL=C.UTF-8
unset TAMVELOX_DATA_DIR

failures=0
# A command that fails outside a check still says where.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# have TOOL: true when TOOL is installed; says so when it is not (scripts/install-deps brings it).
have() {
    command -v "$1" >/dev/null 2>&1 && return 0
    echo "note: $1 is not installed, its check is skipped" >&2
    return 1
}

# quiet_ok NAME COMMAND...: the command must succeed and print nothing.
quiet_ok() {
    local name=$1
    shift
    local out
    if ! out=$("$@" 2>&1) || [ -n "$out" ]; then
        fail "$name"
        printf '%s\n' "$out" >&2
    fi
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}

# expected_files LIST GUI PREFIX: the paths of LIST (the "gui " ones only when GUI is 1), each with
# PREFIX before it, sorted.
expected_files() {
    local list=$1 gui=$2 prefix=$3
    grep -v '^#' "$list" | grep -v '^$' | while read -r first rest; do
        if [ "$first" = gui ]; then
            if [ "$gui" = 1 ]; then echo "$prefix$rest"; fi
        else
            echo "$prefix$first"
        fi
    done | sort
}
