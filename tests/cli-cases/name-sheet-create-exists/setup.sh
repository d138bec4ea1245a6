# The style sheet of the project, and a drawing of the name already there.
printf 'style' > resources/style_sheets/KLV-13000-C000.dwg
d=projects/PROJECTS/KLV-13000-C000/DESIGN/Electrical/SHEET_FILES
mkdir -p $d && printf 'mine' > $d/KLV-13000-C000-01-E-5010-B.dwg
