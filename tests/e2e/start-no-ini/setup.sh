rm "$W/trv.ini"
