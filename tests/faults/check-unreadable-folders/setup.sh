# A clean design tree but for a misnamed drawing in a model folder the user
# may not read, a sheet folder and a discipline folder the user may not
# enter, and a sheet folder that is a link to itself.
source "$(dirname "$0")/../../e2e/naming_check_tree.sh"
lay_out_tree /dev/stdin << 'TREE'
+ KLV-13000-C000/DESIGN
KLV-13000-C000/DESIGN/Civil/MODEL_FILES/x.dwg
TREE
p=projects/PROJECTS/KLV-13000-C000/DESIGN
rmdir $p/Plumbing/SHEET_FILES
ln -s SHEET_FILES $p/Plumbing/SHEET_FILES
chown -R --reference=. projects
chmod a-r $p/Civil/MODEL_FILES
chmod a-x $p/Roads/SHEET_FILES $p/Structural
