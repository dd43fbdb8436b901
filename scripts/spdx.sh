#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line "SPDX-License-Identifier: GPL-3.0-or-later" at the top of every source
# file that lacks one (C++, headers and JavaScript with //, CMake, shell and Python with #, after a
# #! line, CSS and HTML in their own comments);
# running it again changes nothing. `--check` only lists the files without one, and fails if any.
set -euo pipefail
cd "$(dirname "$0")/.."
licence="SPDX-License-Identifier: GPL-3.0-or-later"

sources() {
  if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard
  else
    find . -path ./build -prune -o -path ./.git -prune -o -type f -print | sed 's|^\./||'
  fi | grep -v '^level/fuzz/corpus/' | while read -r file; do
    [[ -f "$file" ]] || continue
    case "$file" in
      *.cpp | *.h | *.py | *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | *.js | *.mjs | *.css | *.html) echo "$file" ;;
      *)  # scripts without an extension, such as .ci/run
        if [[ "${file##*/}" != *.* ]] && head -c 2 "$file" | grep -q '^#!'; then echo "$file"; fi ;;
    esac
  done
}

# The licence line sits in the first three lines (after a #! line and an encoding line at most),
# a comment of its own: a mere mention of it in a comment does not count.
has_licence() { head -n 3 "$1" | grep -Eq "^(//|#|/\*|<!--) SPDX-License-Identifier: "; }

comment_for() {
  case "$1" in
    *.cpp | *.h | *.js | *.mjs) echo "// $licence" ;;
    *.css) echo "/* $licence */" ;;
    *.html) echo "<!-- $licence -->" ;;
    *) echo "# $licence" ;;
  esac
}

add_licence() {
  local file=$1 line tmp
  line=$(comment_for "$file")
  tmp=$(mktemp)
  if head -c 2 "$file" | grep -q '^#!'; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } > "$tmp"
  else
    { echo "$line"; cat "$file"; } > "$tmp"
  fi
  cat "$tmp" > "$file"  # keeps the file's mode, so scripts stay executable
  rm -f "$tmp"
}

# The whole run is one function, read before it starts: the script may rewrite itself.
main() {
  missing=()
  while read -r file; do
    has_licence "$file" || missing+=("$file")
  done < <(sources)

  if [[ "${1:-}" == "--check" ]]; then
    if [[ ${#missing[@]} -gt 0 ]]; then
      printf 'no SPDX licence line: %s\n' "${missing[@]}"
      echo "0 passed, 1 failed"
      exit 1
    fi
    echo "every source file carries its SPDX licence line"
    echo "1 passed, 0 failed"
    exit 0
  fi
  for file in "${missing[@]}"; do
    add_licence "$file"
  done
  echo "SPDX licence line added to ${#missing[@]} files"
}
main "$@"; exit
