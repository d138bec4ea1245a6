set -e
printf '"KLV-13000-C000","HARBOUR TERMINAL EXTENSION","KLV-13000-C000"\r\n' | cmp - projects/PROJECTS/curproject.txt
# projects/../../../escape1 is two folders above the office.
[ ! -e ../../escape1 ] && [ ! -e /abs/path ] && [ ! -e projects/a ]
[ "$(ls projects)" = PROJECTS ]
