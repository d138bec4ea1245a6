# ResourcePath left out, OpenInAutoCAD empty: only the first message shows.
source "$(dirname "$0")/../office.sh"
write_ini "Velunor=$W/velunor" \
    "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" \
    "DispCreateProjBtn=1" \
    "DispNCSBtn=1" \
    "OpenInAutoCAD="
