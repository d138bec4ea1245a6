set -e
# Only the accepted name was written.
printf '"KLV-13000-C000","PIER 7, NORTH"\r\n' | cmp - resources/projectscodes/KLV-13000-C000.txt
printf '"KLV-13000-C000","PIER 7, NORTH","KLV-13000-C000"\r\n' | cmp - resources/klvprojects.txt
