#!/usr/bin/env bash
# Fails when an #include crosses the layers the wrong way:
#   core          includes core only (and QtCore, never a GUI or widget header),
#                 its folders in the order model <- files <- ports <- radio;
#   render        includes core and render;
#   cli           includes core, render and cli;
#   gui/<folder>  includes core, render, gui/kit and its own folder, except
#   gui/mainwindow, which may include every gui folder; nothing else includes
#   the main window's header; app/main.cpp only starts the program.
# Also fails when code outside the model profile asks for a model's family
# (handheld or mobile) instead of reading the fact it needs from the profile.
set -euo pipefail
src="${1:-$(dirname "$0")/../../src}"
cd "$src"
status=0
complain() { echo "layering: $1: $2" >&2; status=1; }

core_rank() { # a core folder's place in the order model <- files <- ports <- radio
    case "$1" in model*) echo 0 ;; files*) echo 1 ;; ports*) echo 2 ;; *) echo 3 ;; esac
}

allowed() { # folder of the including file, included path -> allowed?
    local from=$1 inc=$2
    case "$from" in
        core/*) [[ $inc == core/* ]] && (($(core_rank "${inc#core/}") <= $(core_rank "${from#core/}"))) ;;
        render) [[ $inc == core/* || $inc == render/* ]] ;;
        cli) [[ $inc == core/* || $inc == render/* || $inc == cli/* ]] ;;
        gui/mainwindow) [[ $inc == core/* || $inc == render/* || $inc == gui/* ]] ;;
        app) [[ $inc == gui/mainwindow/application.h ]] ;;
        gui/*) [[ $inc == core/* || $inc == render/* || $inc == gui/kit/* || $inc == "$from"/* ]] ;;
        *) return 1 ;;
    esac
}

gui_headers='^#include <(QtWidgets|QtGui|QtPrintSupport|QWidget|QDialog|QApplication|QGuiApplication|QMainWindow|QPainter|QPrinter|QPdfWriter|QClipboard|QColor|QFont|QImage|QPixmap|QIcon|QPagedPaintDevice|QPaintDevice)\b'

while IFS= read -r file; do
    from=$(dirname "$file")
    while IFS= read -r inc; do
        allowed "$from" "$inc" || complain "$file" "includes \"$inc\""
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    if [[ $from == core/* ]] && grep -Eq "$gui_headers" "$file"; then
        complain "$file" "includes a GUI header: $(grep -Eo "$gui_headers[^>]*" "$file" | head -1)"
    fi
done < <(find core render cli gui app -name '*.h' -o -name '*.cpp' | sort)

# Family questions that may stay outside the profile, as "file:text of the line", each
# with its reason. None do: every fact that differs between the families is a field
# of the profile (the label form, the menu, the settings key, the commands, ...).
allowed_family_questions=()

family_question='IsHandheld\(|IsMobile\(|TModelFamily'
family_questions=0
while IFS= read -r hit; do
    file=${hit%%:*}
    text=$(sed -E 's/^[^:]*:[0-9]+:[[:space:]]*//' <<<"$hit")
    allowed=0
    for entry in "${allowed_family_questions[@]}"; do
        [[ "$file:$text" == "$entry" ]] && allowed=1
    done
    ((allowed)) && continue
    family_questions=$((family_questions + 1))
    complain "${hit%%:*}" "asks for the family: ${hit#*:}"
done < <(grep -rnE "$family_question" core render cli gui app --include='*.h' --include='*.cpp' |
    grep -v '^core/model/modelprofile\.' || true)
echo "layering: $family_questions family question(s) outside the model profile"

[[ $status == 0 ]] && echo "layering: every include follows the layers"
exit $status
