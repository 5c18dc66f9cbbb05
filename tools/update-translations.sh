#!/usr/bin/env bash
# Brings the translation sources (resources/translations/rvk_gui_*.ts) up to date with the texts of the code:
# new texts are added unfinished, texts gone from the code are dropped. Run it after changing texts, then
# translate the new entries (Qt Linguist, or tools/translations.py).
#   tools/update-translations.sh [folder]   # the .ts files of `folder` instead (the translation test uses it)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
folder="$(cd "${1:-$root/resources/translations}" && pwd)"
lupdate="${LUPDATE:-lupdate}"
cd "$root"
# lupdate skips .inc files when it scans folders: the table of parameter names is named on its own.
"$lupdate" -silent -I . -no-obsolete -locations none -source-language ru_RU \
    app link texts ui screens protections equipment log scada sim texts/param_names.inc \
    -ts "$folder/rvk_gui_en.ts" "$folder/rvk_gui_es.ts"
