set -e
diff <(cd delivery && find . -type f | LC_ALL=C sort) - <<'LIST'
./klv2contractor/File DSN/klv.dsn
./klv2contractor/Standard/.settings
./klv2contractor/Standard/Layers/layers.dws
./klv2contractor/klv_resources/AEC_Resources/Symbols/door.dwg
./klv2contractor/klv_resources/AEC_Resources/readme.txt
./klv2contractor/klv_resources/Standard_documents/klv-cadd-std-06.doc
./klv2contractor/klv_resources/username.txt
./klv2contractor/klv_resources/vb_server/TRV.exe
./klv2contractor/klv_resources/vb_server/modelfilescodes.txt
LIST
cmp resources/username1.txt delivery/klv2contractor/klv_resources/username.txt
cmp resources/vb_server/TRV.exe delivery/klv2contractor/klv_resources/vb_server/TRV.exe
cmp resources/vb_server/modelfilescodes.txt delivery/klv2contractor/klv_resources/vb_server/modelfilescodes.txt
cmp velunor/Standards/Layers/layers.dws delivery/klv2contractor/Standard/Layers/layers.dws
[ -d delivery/klv2contractor/Database ] && [ -z "$(ls -A delivery/klv2contractor/Database)" ]
