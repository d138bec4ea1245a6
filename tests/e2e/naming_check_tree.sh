# Helpers of the naming check cases (check-*): the project tree a case
# starts from, and the report it must leave. Sourced by a case's setup.sh and
# check.sh, which run inside the office folder.

# The disciplines a project's drawing type holds, each with its two folders.
naming_check_disciplines=(General Architectural Hazardous_Materials Survey_and_Mapping Geotechnical Civil
    Landscape Structural Interiors Fire_Protection Plumbing Mechanical Electrical Telecommunication Roads
    Equipment Marine_Works)

# lay_out_tree TREE_FILE: builds the tree below projects/PROJECTS. One entry a
# line, paths relative to projects/PROJECTS ('#' starts a comment):
#   + PROJECT/TYPE   every discipline folder with MODEL_FILES and SHEET_FILES
#   - PATH           removes PATH (a folder with all it holds, or a file)
#   PATH/            a folder
#   PATH             an empty file (its folders are made on the way)
lay_out_tree() {
    local root=projects/PROJECTS line d
    mkdir -p "$root"
    while IFS= read -r line || [[ -n "$line" ]]; do
        line=${line%$'\r'}
        [[ -z "$line" || "$line" == \#* ]] && continue
        case "$line" in
            "+ "*)
                for d in "${naming_check_disciplines[@]}"; do
                    mkdir -p "$root/${line#+ }/$d/MODEL_FILES" "$root/${line#+ }/$d/SHEET_FILES"
                done
                ;;
            "- "*) rm -rf "${root:?}/${line#- }" ;;
            */) mkdir -p "$root/$line" ;;
            *)
                mkdir -p "$(dirname "$root/$line")"
                : > "$root/$line"
                ;;
        esac
    done < "$1"
}

# same_report EXPECTED REPORT: the report, byte for byte.
same_report() {
    if ! cmp "$1" "$2"; then
        diff -u <(cat -A "$1") <(cat -A "$2") || true
        return 1
    fi
}
