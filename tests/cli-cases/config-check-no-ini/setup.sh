rm trv.ini
