set -e
# The record, the projects list's new line and the style sheet, byte for byte.
printf '"KLV-13000-C000","HARBOUR TERMINAL, PHASE \xc3\x84"\r\n' | cmp - resources/projectscodes/KLV-13000-C000.txt
printf '"KLV-13000-C000","HARBOUR TERMINAL, PHASE \xc3\x84","KLV-13000-C000"\r\n' | cmp - resources/klvprojects.txt
cmp sheet_templates/KLV_TEMPLATE.dwg resources/style_sheets/KLV-13000-C000.dwg
# Nothing else was written into either folder.
[ "$(ls -A resources/projectscodes)" = "$(printf 'KLV-13000-C000.txt\nKLV-21400-PB00.txt')" ]
[ "$(ls -A resources/style_sheets)" = "KLV-13000-C000.dwg" ]
