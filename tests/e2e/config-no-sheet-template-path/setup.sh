# SheetTemplatePath blank: the INI reader trims it to nothing.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" \
    "Velunor=$W/velunor" \
    "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=   " \
    "ResourceCopyDestPath=$W/delivery" \
    "DispCreateProjBtn=1" \
    "DispNCSBtn=1" \
    "OpenInAutoCAD=$W/bin/acad"
