printf '"Telecommunication"\r\n' | cmp - projects/tester/PROJECTS/curdiscipline.txt
