# Owner units and the sheet template; the default code is free, but an old
# style sheet of that name is left over.
source "$(dirname "$0")/../office.sh"
printf '"Harbour Works Unit","HWU"\r\n"Roads Unit","RDU"\r\n"Other units","OTH"\r\n' > resources/Units.txt
printf 'sheet template\r\n' > sheet_templates/KLV_TEMPLATE.dwg
rm resources/projectscodes/KLV-13000-C000.txt
printf 'old style sheet' > resources/style_sheets/KLV-13000-C000.dwg
