set -e
[ -f projects/tester/PROJECTS ]
printf 'in the way' | cmp - projects/tester/PROJECTS
