# No trv.ini; a code list lies in the folder the program is started from.
rm trv.ini
mkdir -p vb_server
printf '"A","FP","Floor Plan","Architectural"\r\n' > vb_server/FindModelFilesCodes2.csv
