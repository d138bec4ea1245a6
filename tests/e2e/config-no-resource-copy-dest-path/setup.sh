# ResourceCopyDestPath left out.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" \
    "Velunor=$W/velunor" \
    "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" \
    "DispCreateProjBtn=1" \
    "DispNCSBtn=1" \
    "OpenInAutoCAD=$W/bin/acad"
