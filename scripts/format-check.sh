#!/usr/bin/env bash
# Fails when a C++ file of the tree (tracked, or new and not ignored) is not laid out as
# .clang-format says, and names each such file. Installs Debian's clang-format when it is
# missing, so the check runs with the version the tree was formatted with.
set -euo pipefail
cd "$(dirname "$0")/.."
PICTOVA_FORMAT=1 scripts/install-deps.sh
mapfile -d '' listed < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
files=()
for file in "${listed[@]}"; do
    [ -f "$file" ] && files+=("$file") # a file deleted but not yet committed is not checked
done
# One run over all files; each complaint starts with the file's name.
status=0
report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1) || status=$?
unformatted=$(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ -n "$unformatted" ]; then
    echo "format-check: not as clang-format lays them out (clang-format -i FILE fixes one):" >&2
    echo "$unformatted" >&2
    exit 1
fi
if [ "$status" -ne 0 ]; then
    echo "format-check: clang-format failed: $report" >&2
    exit 1
fi
echo "format-check: ok (${#files[@]} files, $(clang-format --version | grep -o 'version [0-9.]*'))"
