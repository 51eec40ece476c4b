#!/usr/bin/env bash
# The tests see faces of their own, whatever else the machine has: a face the user adds to their own
# fonts folder is not among them, and Arial is Liberation Sans, whose metrics and glyphs they expect.
# Run under the tests' fontconfig (ctest sets FONTCONFIG_FILE for every test).
# Usage: check_test_fonts.sh FACE (a face file to add as the user's own)
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/fonts"
cp "$1" "$work/fonts/"
export XDG_DATA_HOME=$work HOME=$work
if seen=$(fc-list --format '%{file}\n' | grep "^$work/"); then
    echo "the tests see the user's own faces: $seen"
    exit 1
fi
arial=$(fc-match --format '%{family}' Arial)
if [ "$arial" != "Liberation Sans" ]; then
    echo "the tests find $arial for Arial, not Liberation Sans"
    exit 1
fi
