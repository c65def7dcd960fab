#!/usr/bin/env bash
# Keeps the platform layer's rooms apart (platform/README.md): fails, naming
# the file and the include, when a file reaches across the rule.
#   platform/base   nothing of ours outside base, and no library header
#   platform/sound  base and sound; of Qt only its core files (QFile, QString,
#                   QByteArray), never widgets or painting
#   platform/ui     base and ui (audio is started and stopped by the program,
#                   app/startup.cpp, not by the ui room)
#   program code    platform headers only, never a library header
set -uo pipefail
cd "$(dirname "$0")/.."

LIBRARY='^<(Q|SDL|sndfile|samplerate)'
QT='^<Q'
QT_CORE='^<Q(File|String|ByteArray)>'

status=0

# check FILE OURS FORBIDDEN ALLOWED WHY: every "..." include must start with
# one of OURS; a <...> include matching FORBIDDEN is refused unless it
# matches ALLOWED.
check() {
  local file=$1 ours=$2 forbidden=$3 allowed=$4 why=$5 inc
  while IFS= read -r inc; do
    inc=${inc#*include}
    inc=${inc#"${inc%%[!$' \t']*}"}
    if [[ $inc == \"* ]]; then
      [[ $inc =~ ^\"($ours) ]] && continue
    else
      [[ -z $forbidden || ! $inc =~ $forbidden ]] && continue
      [[ -n $allowed && $inc =~ $allowed ]] && continue
    fi
    echo "$file: includes $inc: $why"
    status=1
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file")
}

for f in $(git ls-files 'platform/base/*.h' 'platform/base/*.cpp'); do
  check "$f" 'platform/base/' "$LIBRARY" '' "base includes nothing above it and no library"
done
for f in $(git ls-files 'platform/sound/*.h' 'platform/sound/*.cpp'); do
  check "$f" 'platform/(base|sound)/' "$QT" "$QT_CORE" "sound includes base only, and no Qt but its core files"
done
for f in $(git ls-files 'platform/ui/*.h' 'platform/ui/*.cpp'); do
  check "$f" 'platform/(base|ui)/' '' '' "ui includes base only"
done
for f in $(git ls-files 'app/*.h' 'app/*.cpp' 'engine/*' 'grid/*' 'files/*' 'layout/*' | grep -E '\.(h|cpp)$'); do
  check "$f" '(platform|app|engine|grid|files|layout)/' "$LIBRARY" '' \
    "program code reaches libraries only through platform/"
done
[ $status -eq 0 ] && echo "layers: every include keeps to its room"
exit $status
