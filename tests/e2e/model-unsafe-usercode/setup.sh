mkdir -p templates/Structural && printf 'tpl' > "templates/Structural/Foundation Plan.dwg"
