# The projects list's last line lacks its end (an append cut short, an edit by hand).
source "$(dirname "$0")/../office.sh"
printf '"Harbour Works Unit","HWU"\r\n' > resources/Units.txt
printf 'sheet template\r\n' > sheet_templates/KLV_TEMPLATE.dwg
rm resources/projectscodes/KLV-13000-C000.txt
printf '"KLV-21400-PB00","NORTH DEPOT WORKSHOPS","KLV-21400-PB00"' > resources/klvprojects.txt
