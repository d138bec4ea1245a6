set -e
# The user folder is made only after a complete load.
[ ! -e projects/tester ]
