printf '"Harbour Works Unit","HWU"\r\n' > resources/Units.txt
printf 'sheet template' > sheet_templates/KLV_TEMPLATE.dwg
