# The small office every end-to-end case starts from. Cases change it in
# their setup.sh (run inside the office folder, with $W set to it).

# write_record FILE FIELD... : one record line, quoted fields, CR LF.
write_record() {
    local file=$1
    shift
    local line="" sep=""
    for f in "$@"; do
        line+="$sep\"$f\""
        sep=","
    done
    printf '%s\r\n' "$line" > "$file"
}

# write_ini KEY=VALUE... : trv.ini with the [Paths] section holding these keys.
write_ini() {
    {
        printf '[Paths]\r\n'
        for kv in "$@"; do printf '%s\r\n' "$kv"; done
    } > "$W/trv.ini"
}

default_ini() {
    write_ini "ResourcePath=$W/resources" "Velunor=$W/velunor" "ProjectPath=$W/projects" \
        "IndividualTemplatePath=$W/templates" "SheetTemplatePath=$W/sheet_templates" \
        "ResourceCopyDestPath=$W/delivery" "DispCreateProjBtn=1" "DispNCSBtn=1" \
        "OpenInAutoCAD=$W/bin/acad"
}

make_office() {
    local W=$1
    local src
    src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/demo/office
    mkdir -p "$W/resources/projectscodes" "$W/resources/vb_server" "$W/resources/style_sheets" \
        "$W/resources/Standard_documents" "$W/projects" "$W/templates" "$W/sheet_templates" \
        "$W/velunor" "$W/delivery" "$W/bin"
    cp "$src/resources/vb_server/modelfilescodes.txt" "$W/resources/vb_server/"
    write_record "$W/resources/projectscodes/KLV-13000-C000.txt" "KLV-13000-C000" "HARBOUR TERMINAL EXTENSION"
    write_record "$W/resources/projectscodes/KLV-21400-PB00.txt" "KLV-21400-PB00" "NORTH DEPOT WORKSHOPS"
    write_record "$W/resources/usernames.txt" "tester" "tester"
    printf '#!/bin/sh\nexit 0\n' > "$W/bin/acad"
    chmod +x "$W/bin/acad"
    default_ini
}

# fresh_office W [SETUP]: a new office of the end-to-end cases in W, changed
# by the set-up script SETUP (run in W); W is exported for the set-up and the
# caller.
fresh_office() {
    export W=$1
    rm -rf "$W"
    mkdir -p "$W"
    make_office "$W"
    if [[ -n "${2:-}" ]]; then (cd "$W" && bash "$2"); fi
}
