printf '"Roads"\r\n' | cmp - projects/tester/PROJECTS/curdiscipline.txt
