# The code list shipped with the demo office.
cp "$(dirname "$0")/../../../demo/office/resources/vb_server/FindModelFilesCodes2.csv" resources/vb_server/
