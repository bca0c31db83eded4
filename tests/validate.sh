#!/usr/bin/env sh
# Runs a validator and fails on its failure or on any error or warning it prints; hints,
# notes and infos pass.
out=$("$@" 2>&1)
code=$?
printf '%s\n' "$out"
[ $code -eq 0 ] || exit 1
! printf '%s\n' "$out" | grep -qiE '(^| )(error|warning)|^[EW]: '
