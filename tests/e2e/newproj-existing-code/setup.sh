# KLV-13000-C000 is registered; a record of KLV-13001-C000 is stored under a
# lower-case name.
printf '"Harbour Works Unit","HWU"\r\n' > resources/Units.txt
printf 'sheet template' > sheet_templates/KLV_TEMPLATE.dwg
printf '"KLV-13001-C000","QUAY WALL"\r\n' > resources/projectscodes/klv-13001-c000.txt
