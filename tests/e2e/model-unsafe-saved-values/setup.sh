# A saved project (with no record, so start-up does not accept it again)
# whose internal code holds "|", and a code file whose code of "Legend" holds ":".
d="$W/projects/tester/PROJECTS"
mkdir -p "$d"
printf '"KLV-99000-C000","OLD PROJECT","KLV|99000"\r\n' > "$d/curproject.txt"
sed -i 's/^"Legend","LG"/"Legend","L:"/' resources/vb_server/modelfilescodes.txt
