# The record folder is the user's state folder, so the files the program
# writes there appear in the list once it is read again.
mkdir -p projects/tester/PROJECTS
mv resources/projectscodes/*.txt projects/tester/PROJECTS/
rmdir resources/projectscodes
ln -s "$W/projects/tester/PROJECTS" resources/projectscodes
