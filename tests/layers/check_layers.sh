#!/usr/bin/env bash
# Each folder of src/ is one library whose includes and links point only at the layers below
# it, and no header declares a process-wide variable. Prints every fault and fails if there is
# one.
#
#   check_layers.sh SOURCE_DIR
set -uo pipefail
src=${1:?source dir}/src

# What each layer may use, besides itself.
declare -A allowed=(
    [formats]=""
    [platform]="formats"
    [core]="platform formats"
    [gfx]="platform formats"
    [scene]="gfx core platform formats"
    [app]="scene gfx core platform formats"
    [widgets]="app scene gfx core platform formats"
    [audio]="core platform formats"
    [puzzle]=""
    [game]="puzzle audio widgets app scene gfx core platform formats"
)

faults=0
for folder in "$src"/*/; do
    layer=$(basename "$folder")
    if [ -z "${allowed[$layer]+set}" ]; then
        echo "src/$layer: a folder that is not a layer"
        faults=$((faults + 1))
        continue
    fi
    ok=" $layer ${allowed[$layer]} "
    # Includes of our own headers name their layer first: "gfx/Surface.h".
    while IFS=: read -r file line used; do
        case $ok in *" $used "*) ;; *)
            echo "${file#"$src"/}:$line: $layer includes $used"
            faults=$((faults + 1)) ;;
        esac
    done < <(grep -rnoE '^#include "[a-z]+/' "$folder" --include=*.h --include=*.cpp |
             sed -E 's/#include "([a-z]+)\//\1/')
    # The library's links.
    for used in $(sed -n '/target_link_libraries('"$layer"' /,/)/p' "$folder/CMakeLists.txt" |
                  grep -oE '\b(formats|platform|core|gfx|scene|app|widgets|audio|puzzle|game)\b' |
                  grep -vx "$layer"); do
        case $ok in *" $used "*) ;; *)
            echo "src/$layer/CMakeLists.txt: $layer links $used"
            faults=$((faults + 1)) ;;
        esac
    done
    # Every source of the layer is in its namespace (main.cpp holds the entry point).
    while read -r file; do
        case $file in */main.cpp) continue ;; esac
        grep -q "^namespace $layer {" "$file" ||
            { echo "${file#"$src"/}: not in namespace $layer"; faults=$((faults + 1)); }
    done < <(find "$folder" -name '*.h' -o -name '*.cpp')
done
# Nothing is shared through a process-wide variable or reached through a static accessor: what a
# part needs is passed to it.
while IFS= read -r hit; do
    echo "${hit#"$src"/}: a process-wide variable"
    faults=$((faults + 1))
done < <(grep -rnE '^[[:space:]]*extern[[:space:]]' "$src" --include=*.h --include=*.cpp |
         grep -v 'extern "C"')
while IFS= read -r hit; do
    echo "${hit#"$src"/}: a static accessor"
    faults=$((faults + 1))
done < <(grep -rnE 'static[[:space:]].*[&*][[:space:]]*(Shared|Instance|Current)\(\)' "$src" --include=*.h)
# The byte formats and the operating system's words stay in their own layers.
while IFS= read -r hit; do
    echo "${hit#"$src"/}: a word of the operating system's above the platform"
    faults=$((faults + 1))
done < <(grep -rnE 'DIK_|GetDeviceData|ERROR_SUCCESS|FrameCommand' "$src" --include=*.h --include=*.cpp |
         grep -v "^$src/platform/")
[ "$faults" -eq 0 ] && echo "every layer points down"
exit $((faults > 0))
