# Everything an office needs: a template folder for every discipline and the data files.
for d in Architectural Civil Electrical Equipment Fire_Protection Hazardous_Materials General Geotechnical Interiors \
    Landscape Marine_Works Mechanical Plumbing Roads Structural Survey_and_Mapping Telecommunication; do
    mkdir -p "templates/$d"
done
printf '"Floor Plan","FP"\r\n' > resources/vb_server/FindModelFilesCodes2.csv
printf '"Civil Works Unit","CW"\r\n' > resources/Units.txt
printf 'sheet' > sheet_templates/KLV_TEMPLATE.dwg
