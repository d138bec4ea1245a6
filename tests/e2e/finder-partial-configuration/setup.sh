source "$(dirname "$0")/../office.sh"
# The resource folder is read before the load stops at the missing ProjectPath.
write_ini "ResourcePath=$W/resources" "Velunor=$W/velunor" "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" "ResourceCopyDestPath=$W/delivery" "OpenInAutoCAD=$W/bin/acad"
printf '"A","FP","Floor Plan","Architectural"\r\n' > resources/vb_server/FindModelFilesCodes2.csv
