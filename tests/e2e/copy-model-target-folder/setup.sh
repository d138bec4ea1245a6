mkdir -p templates/Architectural templates/Civil
printf 'architectural legend' > templates/Architectural/Legend.dwg
printf 'civil legend' > templates/Civil/Legend.dwg
mkdir -p projects/PROJECTS/KLV-13000-C000/DESIGN/Civil/MODEL_FILES
