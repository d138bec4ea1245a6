set -e
# The ten folders of the tree, and of the office's resources only the model file code file.
diff <(cd delivery && find . | LC_ALL=C sort) - <<'LIST'
.
./klv2contractor
./klv2contractor/Database
./klv2contractor/File DSN
./klv2contractor/Standard
./klv2contractor/klv_resources
./klv2contractor/klv_resources/AEC_Resources
./klv2contractor/klv_resources/Standard_documents
./klv2contractor/klv_resources/projectscodes
./klv2contractor/klv_resources/style_sheets
./klv2contractor/klv_resources/vb_server
./klv2contractor/klv_resources/vb_server/modelfilescodes.txt
LIST
