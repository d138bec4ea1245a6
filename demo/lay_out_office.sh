#!/usr/bin/env bash
# lay_out_office.sh OFFICE CAD-PROGRAM PROGRAM-FOLDER...
#
# Lays out the demo office: OFFICE receives the resource folder, the template
# folders, the CAD-standards folder, the delivery destination and an
# (initially empty) projects drive; the user running this gets a row in
# usernames.txt. CAD-PROGRAM, the stand-in for the CAD program, is copied to
# OFFICE/bin/ when it exists. Every PROGRAM-FOLDER that exists gets a trv.ini
# pointing at the office. Drawings and choices made in earlier runs are kept.
set -euo pipefail
office=$1
cad_program=$2
shift 2
src=$(cd "$(dirname "$0")" && pwd)/office

mkdir -p "$office/projects" "$office/delivery" "$office/velunor" "$office/bin"
rm -rf "$office/resources" "$office/templates" "$office/sheet_templates"
cp -R "$src/resources" "$src/templates" "$src/sheet_templates" "$office/"

user=$(id -un)
printf '"%s","%s"\r\n' "$user" "$user" > "$office/resources/usernames.txt"

# Without the stand-in (a build without Qt) the key stays empty, and TRV
# warns that drawings open with the program associated with .dwg files.
cad=""
if [[ -x "$cad_program" ]]; then
    cad=$office/bin/$(basename "$cad_program")
    cp "$cad_program" "$cad"
fi

for dir in "$@"; do
    [[ -d "$dir" ]] || continue
    printf '[Paths]\r\nResourcePath=%s\r\nVelunor=%s\r\nProjectPath=%s\r\nIndividualTemplatePath=%s\r\nSheetTemplatePath=%s\r\nResourceCopyDestPath=%s\r\nDispCreateProjBtn=1\r\nDispNCSBtn=1\r\nOpenInAutoCAD=%s\r\n' \
        "$office/resources" "$office/velunor" "$office/projects" "$office/templates" \
        "$office/sheet_templates" "$office/delivery" "$cad" > "$dir/trv.ini"
done
echo "Demo office: $office"
