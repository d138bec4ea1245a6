# DispCreateProjBtn true, DispNCSBtn TRUE.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" \
    "Velunor=$W/velunor" \
    "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" \
    "DispCreateProjBtn=true" \
    "DispNCSBtn=TRUE" \
    "OpenInAutoCAD=$W/bin/acad"
