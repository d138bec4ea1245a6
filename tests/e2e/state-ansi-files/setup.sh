# "projéts", "Zoé" and "BUREAU D'ÉTUDES" with é as the single byte E9.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" "ProjectPath=$W/proj$(printf '\351')ts" \
    "IndividualTemplatePath=$W/templates" "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" "OpenInAutoCAD=$W/bin/acad"
mkdir "$W/projéts"
printf '"tester","Zo\351"\r\n' > resources/usernames.txt
printf '"KLV-17000-C000","BUREAU D'"'"'\311TUDES"\r\n' > resources/projectscodes/KLV-17000-C000.txt
