#!/usr/bin/env bash
# Installs Oxelium into a temporary prefix, makes the prefix read-only and starts the installed
# program offscreen with HOME in a temporary folder: it must find its delivered files, make its
# data folder there, write nothing into the installation, and refuse a read-only --dir.
# Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
home=$work/home
mkdir -p "$home"

# Root writes through read-only modes: run the program as an ordinary user then.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown -R nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)

# The program in a clean environment; run_lang sets the terminal's language (none: English).
run_lang=
run() {
  env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen ${run_lang:+LANG=$run_lang} \
      ASAN_OPTIONS=detect_leaks=0 OXELIUM_QUIT_WHEN_SHOWN=1 \
      timeout 60 "${as_user[@]}" "$prefix/bin/oxelium" "$@"
}

fail() { echo "FAIL: $*" >&2; exit 1; }

run || fail "the installed program did not start and end cleanly (exit $?)"
data=$home/.local/share/oxelium
[ -f "$data/oxel.ini" ] || fail "no oxel.ini in $data"
[ "$(ls "$data/rec" | wc -l)" -eq 18 ] || fail "the best-result tables were not made in $data/rec"
[ -d "$data/users" ] || fail "no users folder in $data"
[ ! -e "$data/dic" ] || fail "delivered lists were copied into the data folder"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the installation was changed"

set +e
message=$(run --dir "$prefix/share/oxelium/data" 2>&1)
code=$?
set -e
[ $code -eq 2 ] || fail "a read-only --dir gave exit code $code, not 2"
echo "$message" | grep -q "$prefix/share/oxelium/data" || fail "no message naming the folder: $message"
# The messages before any window follow the terminal's language, as --help does.
echo "$message" | grep -q "cannot be created" || fail "not in the terminal's English: $message"
set +e
message=$(run_lang=ru_RU.UTF-8 run --dir "$prefix/share/oxelium/data" 2>&1)
export_message=$(run --export "$work/csv" --dir "$work/none" 2>&1)
export_code=$?
set -e
echo "$message" | grep -q "Не удаётся создать папку данных" || fail "not in Russian: $message"
[ $export_code -eq 1 ] || fail "--export of a missing folder gave exit code $export_code, not 1"
echo "$export_message" | grep -q "does not exist" || fail "not in English: $export_message"
echo "installed program: started, data in $data, installation untouched, read-only --dir refused"
