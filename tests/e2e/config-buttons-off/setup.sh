# DispCreateProjBtn 0, DispNCSBtn left out, Velunor empty.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" \
    "Velunor=" \
    "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" \
    "DispCreateProjBtn=0" \
    "OpenInAutoCAD=$W/bin/acad"
