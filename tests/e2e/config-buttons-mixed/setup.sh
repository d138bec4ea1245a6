# DispCreateProjBtn "yes" is no true value; DispNCSBtn "oN" is.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" \
    "Velunor=$W/velunor" \
    "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" \
    "DispCreateProjBtn=yes" \
    "DispNCSBtn=oN" \
    "OpenInAutoCAD=$W/bin/acad"
