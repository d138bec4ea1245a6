# The report is the window's, byte for byte: the "Naming Check" button of the
# same office writes the same file.
set -e
report=projects/PROJECTS/KLV-13000-C000/KLV-13000-C000_DESIGN_qa.txt
cp "$report" cli-report.txt
printf 'choose cmbProjectCode KLV-13000-C000\nchoose cmbdesignasbuilt "Design Drawings"\nclick Command1\n' > window.txt
"$CLI" play window.txt --ini "$W/trv.ini" --user tester > /dev/null
cmp cli-report.txt "$report"
