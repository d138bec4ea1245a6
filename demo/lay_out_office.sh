#!/usr/bin/env bash
# Lays out the demo office: OFFICE receives the resource folder, the template
# folders and an (initially empty) projects drive; every program folder under
# BUILD gets a trv.ini pointing there, and the user running this gets a row in
# usernames.txt. Drawings made in earlier runs are kept.
set -euo pipefail
office=$1
build=$2
src=$(cd "$(dirname "$0")" && pwd)/office

mkdir -p "$office/projects" "$office/delivery" "$office/velunor"
rm -rf "$office/resources" "$office/templates" "$office/sheet_templates"
cp -R "$src/resources" "$src/templates" "$src/sheet_templates" "$office/"

user=$(id -un)
printf '"%s","%s"\r\n' "$user" "$user" > "$office/resources/usernames.txt"

for dir in "$build/cli" "$build/gui"; do
    [[ -d "$dir" ]] || continue
    printf '[Paths]\r\nResourcePath=%s\r\nVelunor=%s\r\nProjectPath=%s\r\nIndividualTemplatePath=%s\r\nSheetTemplatePath=%s\r\nResourceCopyDestPath=%s\r\nDispCreateProjBtn=1\r\nDispNCSBtn=1\r\nOpenInAutoCAD=\r\n' \
        "$office/resources" "$office/velunor" "$office/projects" "$office/templates" \
        "$office/sheet_templates" "$office/delivery" > "$dir/trv.ini"
done
echo "Demo office: $office"
