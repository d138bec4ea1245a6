source "$(dirname "$0")/../office.sh"
printf 'notes' > resources/projectscodes/README
mkdir resources/projectscodes/archive.d
# Lists as a lower-case code whose (upper-case) record exists.
printf 'backup' > resources/projectscodes/klv-21400-pb00.bak
write_record resources/projectscodes/KLV-40000-B000.old.txt KLV-40000-B000 "OLD COPY"
write_record resources/projectscodes/klv-77777-l000.txt klv-77777-l000 "LOWER CASE PROJECT"
