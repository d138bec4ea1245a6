# Records as the office has them: one written in two lines, one with LF line
# ends, one without the .txt extension; a folder among them; an old list.
source "$(dirname "$0")/../office.sh"
r=resources/projectscodes
printf '"KLV-30000-C000",\r\n"TWO LINE RECORD"\r\n' > $r/KLV-30000-C000.txt
printf '"KLV-31000-C000","LF ENDS"\n' > $r/KLV-31000-C000.txt
printf '"KLV-32000-C000","NO EXTENSION"' > $r/KLV-32000-C000
mkdir -p $r/archive
write_record $r/archive/KLV-10000-C000.txt "KLV-10000-C000" "ARCHIVED"
printf '"stale","list"\r\n"KLV-99999-C000","GONE"\r\n' > resources/klvprojects.txt
