set -e
# 12 bytes: a quote, AS-BUILT, a quote, CR, LF.
[ "$(wc -c < projects/tester/PROJECTS/curdrawingtype.txt)" -eq 12 ]
printf '"AS-BUILT"\r\n' | cmp - projects/tester/PROJECTS/curdrawingtype.txt
