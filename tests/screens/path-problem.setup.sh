# A file stands where the user's state folder should be.
mkdir -p projects/tester
printf 'in the way' > projects/tester/PROJECTS
