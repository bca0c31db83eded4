#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build folder, as `cpack -G DEB` does for a release, and
# checks it with lintian: any error or warning fails. Without lintian the check is skipped
# (exit code 77), with a message saying how to get it.
# Usage: package_check.sh BUILD_DIR
set -euo pipefail
build=$1
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed (tools/deps.sh installs it): the package is not checked"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack could not make the package" >&2
  exit 1
fi
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
set +e
report=$(lintian --tag-display-limit 0 --fail-on error,warning "${debs[0]}" 2>&1)
code=$?
set -e
printf '%s\n' "$report"
if [ $code -ne 0 ] || printf '%s\n' "$report" | grep -qE '^[EW]: '; then
  echo "FAIL: lintian found errors or warnings in $(basename "${debs[0]}")" >&2
  exit 1
fi
echo "package: $(basename "${debs[0]}") passes lintian"
