# No CAD-standards product folder configured; copies of its documents lie in
# the folder the program runs in, where an empty setting would point.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" "Velunor=" "ProjectPath=$W/projects" \
    "IndividualTemplatePath=$W/templates" "SheetTemplatePath=$W/sheet_templates" \
    "ResourceCopyDestPath=$W/delivery" "DispCreateProjBtn=1" "DispNCSBtn=1" \
    "OpenInAutoCAD=$W/bin/acad"
mkdir -p "Standards/National CAD Standard/docs"
printf 'ncs 4' > "Standards/National CAD Standard/docs/07_Drafting Conventions.pdf"
printf 'ncs 11' > "Standards/National CAD Standard/docs/11_Notations.pdf"
