set -e
# The folder is made at start-up, one level below the projects folder.
[ -d projects/second/PROJECTS ]
[ -f projects/second/PROJECTS/curproject.txt ]
for other in first upper caps tester; do
    [ ! -e "projects/$other" ]
done
