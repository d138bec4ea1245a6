# ProjectPath and every later path left out.
source "$(dirname "$0")/../office.sh"
write_ini "ResourcePath=$W/resources" \
    "Velunor=$W/velunor" \
    "DispCreateProjBtn=1" \
    "DispNCSBtn=1"
