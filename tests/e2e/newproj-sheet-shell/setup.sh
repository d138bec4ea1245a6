# No CAD program configured: the shell opens the style sheet.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" "Velunor=$W/velunor" "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" "DispCreateProjBtn=1" "DispNCSBtn=1" "OpenInAutoCAD="
printf 'style sheet' > resources/style_sheets/KLV-13000-C000.dwg
