mkdir -p templates/Civil && printf 'grading template' > "templates/Civil/Grading Plan.dwg"
