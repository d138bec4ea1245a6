set -e
printf '"KLV-13001-DS004",""\r\n' | cmp - resources/projectscodes/KLV-13001-DS004.txt
printf '"KLV-13001-FM004","DEPOT"\r\n' | cmp - resources/projectscodes/KLV-13001-FM004.txt
printf '"KLV-13001-DS004","","KLV-13001-DS004"\r\n"KLV-13001-FM004","DEPOT","KLV-13001-FM004"\r\n' |
    cmp - resources/klvprojects.txt
cmp sheet_templates/KLV_TEMPLATE.dwg resources/style_sheets/KLV-13001-DS004.dwg
cmp sheet_templates/KLV_TEMPLATE.dwg resources/style_sheets/KLV-13001-FM004.dwg
