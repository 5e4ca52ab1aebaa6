#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Wayland suite: sway on its headless backend, a private session bus for the
# accessibility bus, then the suite. sway will not run as root, so as root everything runs as an
# unprivileged user of its own; as anyone else, as that user.
# Usage: run-wayland-suite.sh path/to/vantrel [unittest arguments]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/wait-for.sh"
program=$(readlink -f "$1")
shift
user=vantrel-wayland

# In /tmp, so that the user can reach it whatever TMPDIR is.
work=$(mktemp -d -p /tmp vantrel-wayland.XXXXXX)
chmod 755 "$work"
session=
log_dirs=()
cleanup() {
    # The session runs in a process group of its own: what is left of it is ours alone.
    if [ -n "$session" ] && kill -0 -- "-$session" 2>/dev/null; then
        kill -TERM -- "-$session" 2>/dev/null || true
        wait_for 5 "the session to end" not kill -0 -- "-$session" 2>/dev/null || true
        kill -KILL -- "-$session" 2>/dev/null || true
    fi
    wait 2>/dev/null || true
    for pair in "${log_dirs[@]}"; do
        if compgen -G "$work/sanitizer-logs/${pair%%=*}*" >/dev/null; then
            cp "$work/sanitizer-logs/${pair%%=*}"* "${pair#*=}"/
        fi
    done
    if [ -n "${VANTREL_ARTIFACTS:-}" ] && compgen -G "$work/artifacts/*" >/dev/null; then
        mkdir -p "$VANTREL_ARTIFACTS"
        cp "$work"/artifacts/* "$VANTREL_ARTIFACTS"/
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

run_as=()
if [ "$(id -u)" -eq 0 ]; then
    if ! id -u "$user" >/dev/null 2>&1; then
        # Another run may create it at the same moment.
        useradd --system --user-group --no-create-home --home-dir /nonexistent \
            --shell /usr/sbin/nologin "$user" 2>/dev/null || id -u "$user" >/dev/null
    fi
    run_as=(runuser -u "$user" --)
else
    user=$(id -un)
fi

# Everything the user needs, in a folder it can read: the program with its print module where
# the program looks for it, and the suite.
mkdir -p "$work/program/bin" "$work/program/lib" "$work/suite/wayland" "$work/suite/e2e" \
    "$work/runtime" "$work/home" "$work/artifacts" "$work/sanitizer-logs"
cp "$program" "$work/program/bin/"
if [ -d "$(dirname "$program")/../lib" ]; then
    cp -r "$(dirname "$program")/../lib/." "$work/program/lib/"
fi
# The suite, with the runner and the helpers all suites share, laid out as in the source tree.
cp "$here/wayland_suite.py" "$here/sway-session.sh" "$here/sway.conf" "$work/suite/wayland/"
cp "$here"/../e2e/*.py "$here/../e2e/wait-for.sh" "$work/suite/e2e/"

# A sanitized program reports to files the user cannot write and reads suppressions it may not
# reach: it gets its own of both here, and its reports go back where they were wanted.
sanitizer_env=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    value=${!name:-}
    [ -n "$value" ] || continue
    IFS=: read -ra fields <<<"$value"
    for i in "${!fields[@]}"; do
        case ${fields[i]} in
            log_path=*/*)
                wanted=${fields[i]#log_path=}
                log_dirs+=("$(basename "$wanted")=$(dirname "$wanted")")
                fields[i]="log_path=$work/sanitizer-logs/$(basename "$wanted")" ;;
            suppressions=*)
                cp "${fields[i]#suppressions=}" "$work/suite/$name.supp"
                fields[i]="suppressions=$work/suite/$name.supp" ;;
        esac
    done
    sanitizer_env+=("$name=$(IFS=:; echo "${fields[*]}")")
done

chmod -R a+rX "$work/program" "$work/suite"
chown "$user" "$work/runtime" "$work/home" "$work/artifacts" "$work/sanitizer-logs"
chmod 700 "$work/runtime"

setsid "${run_as[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    VANTREL_PROGRAM="$work/program/bin/$(basename "$program")" \
    VANTREL_ARTIFACTS="$work/artifacts" ${sanitizer_env[@]+"${sanitizer_env[@]}"} \
    dbus-run-session -- bash "$work/suite/wayland/sway-session.sh" "$@" &
session=$!
status=0
wait "$session" || status=$?
exit "$status"
