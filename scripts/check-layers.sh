#!/usr/bin/env bash
# Checks the includes of src/ against the layering: each folder may include itself and
# the folders its row lists, nothing else; no folder but ui/ includes Qt, save the
# render command of tools/. Prints every include against the rule and fails when there
# is one.
#   scripts/check-layers.sh [ROOT]     check ROOT/src (default: this checkout)
#   scripts/check-layers.sh --self-test
set -uo pipefail

# folder: the folders it may include. platform is the bottom and resources holds only
# ids and tables; the subsystems in the middle use each other only along these arrows;
# view sits over all of them and ui over view. "*" is any folder.
LAYERS='
platform:
resources: platform
geo:       platform resources
app:       platform resources geo
nmea:      platform resources geo
poi:       platform resources geo app
keepers:   platform resources geo app nmea
track:     platform resources geo app keepers poi
friends:   platform resources geo app keepers poi track
controls:  platform resources geo app keepers poi track friends
view:      platform resources geo app nmea keepers poi track friends controls
ui:        *
tools:     platform resources geo app nmea keepers poi track friends controls view
'
# Files of tools/ that draw through the Qt front end (roamquill-tool render).
QT_TOOL_FILES='tools/Render*'

check_tree() {
    local root=$1
    # One pass over every include line of the tree; awk holds the table.
    find "$root/src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z |
        xargs -0 grep -HE '^[[:space:]]*#[[:space:]]*include' /dev/null |
        awk -v root="$root/src/" -v layers="$LAYERS" -v qtTools="$QT_TOOL_FILES" '
            BEGIN {
                n = split(layers, rows, "\n")
                for (i = 1; i <= n; i++) {
                    if (split(rows[i], parts, ":") < 2) continue
                    gsub(/ /, "", parts[1])
                    known[parts[1]] = 1
                    allowed[parts[1]] = " " parts[2] " "
                }
                gsub(/\*/, ".*", qtTools)
                qtTools = "^" qtTools "$"
                bad = 0
            }
            {
                colon = index($0, ":")
                rel = substr($0, 1, colon - 1)
                line = substr($0, colon + 1)
                sub("^" root, "", rel)
                folder = rel
                sub(/\/.*/, "", folder)
                if (!(folder in known)) {
                    if (!(folder in reported)) print rel ": folder \"" folder "\" has no row in the layering table"
                    reported[folder] = 1
                    bad = 1
                    next
                }
                qtOk = folder == "ui" || (folder == "tools" && rel ~ qtTools)
                if (line ~ /include[ \t]*[<"](Q[A-Za-z]*|qt[a-z]*)[\/.>"]/) {
                    if (!qtOk) { print rel ": " line " (Qt outside the front end)"; bad = 1 }
                    next
                }
                if (!match(line, /include[ \t]*"[a-z]+\//)) next
                target = substr(line, RSTART, RLENGTH)
                sub(/^include[ \t]*"/, "", target)
                sub(/\/$/, "", target)
                if (target == folder || allowed[folder] ~ /\*/) next
                if (target == "ui" && qtOk) next
                if (index(allowed[folder], " " target " ") == 0) {
                    print rel ": " line " (" folder " may not include " target ")"
                    bad = 1
                }
            }
            END { exit bad }'
}

self_test() {
    local tmp status=0
    tmp=$(mktemp -d) || return 1
    trap 'rm -rf "$tmp"' RETURN
    mkdir -p "$tmp/src/geo" "$tmp/src/view" "$tmp/src/ui" "$tmp/src/tools" "$tmp/src/nmea"
    printf '#include "platform/Time.h"\n#include "geo/Angle.h"\n' > "$tmp/src/geo/Good.h"
    printf '#include "geo/Good.h"\n#include <vector>\n' > "$tmp/src/view/Good.cpp"
    printf '#include <QWidget>\n#include "view/Good.h"\n' > "$tmp/src/ui/Good.cpp"
    printf '#include <QImage>\n#include "ui/QtDC.h"\n' > "$tmp/src/tools/RenderCommand.cpp"
    if ! check_tree "$tmp" > /dev/null; then
        echo "self-test: a tree that keeps the layering was refused"
        status=1
    fi
    local bad
    for bad in 'geo/Bad.h:#include "view/GpsViewData.h"' \
        'nmea/Bad.cpp:#include <QString>' \
        'tools/Dump.cpp:#include "ui/MainFrame.h"' \
        'geo/Bad.cpp:  #  include "track/GpsTrack.h"'; do
        printf '%s\n' "${bad#*:}" > "$tmp/src/${bad%%:*}"
        if check_tree "$tmp" > /dev/null; then
            echo "self-test: ${bad%%:*} with ${bad#*:} was accepted"
            status=1
        fi
        rm "$tmp/src/${bad%%:*}"
    done
    ((status == 0)) && echo "self-test passed"
    return $status
}

if [[ ${1:-} == --self-test ]]; then
    self_test
    exit
fi
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
if check_tree "$root"; then
    echo "layering kept"
else
    exit 1
fi
