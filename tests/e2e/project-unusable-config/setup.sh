source "$(dirname "$0")/../office.sh"
# No IndividualTemplatePath: the configuration is unusable.
write_ini "ResourcePath=$W/resources" "Velunor=$W/velunor" "ProjectPath=$W/projects" \
    "SheetTemplatePath=$W/sheet_templates" "ResourceCopyDestPath=$W/delivery" \
    "DispCreateProjBtn=1" "DispNCSBtn=1" "OpenInAutoCAD=$W/bin/acad"
