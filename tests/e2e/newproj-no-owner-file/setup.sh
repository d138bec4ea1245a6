printf 'sheet template' > sheet_templates/KLV_TEMPLATE.dwg
rm resources/projectscodes/KLV-13000-C000.txt
