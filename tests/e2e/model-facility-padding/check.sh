# The padded, upper-cased number written back was saved (one character padded, not one byte).
printf '"0\303\211"\r\n' | cmp - projects/tester/PROJECTS/facilnumber.txt
