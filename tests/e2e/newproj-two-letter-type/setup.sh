# The owner-unit file is stored as "units.txt"; it is the same file.
printf '"Harbour Works Unit","HWU"\r\n"Other units","OTH"\r\n' > resources/units.txt
printf 'sheet template' > sheet_templates/KLV_TEMPLATE.dwg
