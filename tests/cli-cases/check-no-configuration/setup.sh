# trv.ini names no project folder.
source "$(dirname "$0")/../../e2e/office.sh"
write_ini "ResourcePath=$W/resources" "IndividualTemplatePath=$W/templates"
