rm resources/vb_server/modelfilescodes.txt
mkdir -p templates/Architectural && printf 'tpl' > templates/Architectural/Legend.dwg
