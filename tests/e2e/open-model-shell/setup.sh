source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" "Velunor=$W/velunor" "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" "DispCreateProjBtn=1" "DispNCSBtn=1" "OpenInAutoCAD="
mkdir -p templates/Architectural && printf 'tpl' > "templates/Architectural/Floor Plan.dwg"
