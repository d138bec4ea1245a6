mkdir -p templates/Architectural && printf 'legend template' > templates/Architectural/Legend.dwg
