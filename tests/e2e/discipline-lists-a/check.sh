# The last choice is the saved discipline, byte for byte.
printf '"Interiors"\r\n' | cmp - projects/tester/PROJECTS/curdiscipline.txt
