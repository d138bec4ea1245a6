[ -z "$(find projects -name curdiscipline.txt)" ]
