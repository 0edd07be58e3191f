#!/bin/sh
# Regenerates everything under resources/ (dice faces, divider and marker,
# sounds, backgrounds, icons, side-window pictures and the Qt resource file).
# Needs python3 (standard library only) and ImageMagick (JPEG/GIF encoding of
# the backgrounds).  Output is deterministic; the results are committed, so a
# normal build never runs this.
set -eu
cd "$(dirname "$0")"
PY=${PYTHON:-python3}
export PYTHONDONTWRITEBYTECODE=1
$PY make_dice.py
$PY make_sounds.py
$PY make_backgrounds.py
$PY make_pictures.py
$PY make_qrc.py
echo "resources regenerated"
