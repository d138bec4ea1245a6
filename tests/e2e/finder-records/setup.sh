# A title row, two records of one code, a record split over two lines and
# two records on one line, bare and quoted fields, CR LF, LF and CR line
# ends, and a last record cut short.
printf '"CODE","PART","Model file","Discipline"\r\n"A","FP","Floor Plan","Architectural"\r\nS,FP\n"Framing Plan",Structural\r"Q","QP","Equipment Plan","Equipment","F","FP","Fire Suppression Plan","Fire_Protection"\r\n"A","FP","Floor Plan (old)","Architectural"\r\n"L","LP"\r\n' \
    > resources/vb_server/FindModelFilesCodes2.csv
