# Sheets 2001 and 2004 of the as-built Civil folder: the next free is 2005;
# the design folder's sheets do not count for an as-built sheet.
d=projects/PROJECTS/KLV-21400-PB00
mkdir -p $d/AS-BUILT/Civil/SHEET_FILES $d/DESIGN/Civil/SHEET_FILES
: > $d/AS-BUILT/Civil/SHEET_FILES/KLV-21400-PB00-03-C-2001.dwg
: > $d/AS-BUILT/Civil/SHEET_FILES/KLV-21400-PB00-03-C-2004.dwg
: > $d/DESIGN/Civil/SHEET_FILES/KLV-21400-PB00-03-C-2009.dwg
