# The delivery folder lies inside one of the trees it copies.
source "$(dirname "$0")/../office.sh"
mkdir -p resources/AEC_Resources/out
printf 'symbol' > resources/AEC_Resources/symbol.dwg
write_ini "ResourcePath=$W/resources" "Velunor=$W/velunor" "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/resources/AEC_Resources/out" "OpenInAutoCAD=$W/bin/acad"
