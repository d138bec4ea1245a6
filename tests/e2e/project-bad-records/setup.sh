source "$(dirname "$0")/../office.sh"
# Listed (it has a dot) but without a record file.
printf 'not a record' > resources/projectscodes/KLV-99999-Z000.dwg
# A record of one field only.
write_record resources/projectscodes/KLV-55555-S000.txt KLV-55555-S000
