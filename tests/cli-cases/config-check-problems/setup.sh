# The resource folder misspelt (so no project, user table or data file is
# found), a template folder for two disciplines only, no CAD program.
# (Folders that cannot be read or written are the fault case
# config-check-permissions: it runs as an unprivileged user, for whom
# permissions hold.)
source "$(dirname "$0")/../../e2e/office.sh"
write_ini "ResourcePath=$W/resource" "ProjectPath=$W/projects" "IndividualTemplatePath=$W/templates" \
    "SheetTemplatePath=$W/sheet_templates" "ResourceCopyDestPath=$W/delivery" "DispCreateProjBtn=on"
mkdir -p templates/Civil templates/Roads
