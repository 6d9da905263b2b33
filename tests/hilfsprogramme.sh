# shellcheck shell=bash
# Sourced by the tests that run host tools. A missing tool skips the test
# with its name instead of failing it (status 77, which CMake declares the
# skip status of these tests); scripts/test sets SPRHO_NICHTS_UEBERSPRINGEN,
# since there set-up has installed every tool and a missing one is a fault.

# brauchen WAS...: a command on PATH, or a file or folder by its absolute path.
brauchen() {
    local fehlend=() was
    for was in "$@"; do
        if [[ $was == /* ]]; then
            [ -e "$was" ] || fehlend+=("$was")
        else
            type -P "$was" >/dev/null || fehlend+=("$was")
        fi
    done
    ((${#fehlend[@]} == 0)) && return 0
    echo "übersprungen: ${fehlend[*]} fehlt (scripts/setup installiert es)"
    [ -z "${SPRHO_NICHTS_UEBERSPRINGEN:-}" ] || exit 1
    exit 77
}
