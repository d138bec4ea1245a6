d=projects/PROJECTS/KLV-13000-C000/DESIGN/Architectural/SHEET_FILES
a=projects/PROJECTS/KLV-13000-C000/AS-BUILT/Architectural/SHEET_FILES
b=KLV-13000-C000-01-A-
mkdir -p "$d" "$a"
for n in 1000 3000 3003 3002-A 4099 4100 7002; do printf 's' > "$d/$b$n.dwg"; done
# Other extensions and other letter case take part; another facility does not.
printf 's' > "$d/kLv-13000-c000-01-a-7004.bak"
printf 's' > "$d/KLV-13000-C000-02-A-7009.dwg"
# Positions in a name count characters: a DDD-X sheet whose last one is not ASCII.
printf 's' > "$d/${b}8099.dwg"
printf 's' > "$d/${b}8101-é.dwg"
# The other drawing type has its own numbers.
printf 's' > "$a/${b}2007.dwg"
