# Something in every part of the plan but the CAD-standards Database.
printf 'manual' > resources/Standard_documents/klv-cadd-std-06.doc
mkdir -p resources/AEC_Resources/Symbols "velunor/File DSN" velunor/Standards/Layers
printf 'door' > resources/AEC_Resources/Symbols/door.dwg
printf 'readme' > resources/AEC_Resources/readme.txt
printf 'dsn' > "velunor/File DSN/klv.dsn"
printf 'layers' > velunor/Standards/Layers/layers.dws
printf 'hidden' > velunor/Standards/.settings
printf 'program' > resources/vb_server/TRV.exe
printf '"tester","tester"\r\n' > resources/username1.txt
